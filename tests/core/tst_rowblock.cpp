#include "support/Fixture.h"
#include "support/TestMain.h"

#include "storage/BlockInsert.h"
#include "storage/Database.h"
#include "storage/RowBlock.h"

#include <QTest>

namespace {

// A block as text: its rows on lines, each value as #number, 'text' or null.
QString Shown(const RowBlock& block)
{
    QStringList rows;
    for (size_t r = 0; r < block.rowCount(); ++r) {
        QStringList values;
        for (int c = 0; c < block.columnCount(); ++c) {
            const RowBlock::Cell& cell = block.cell(r, c);
            if (cell.kind == RowBlock::Cell::Null)
                values << QStringLiteral("null");
            else if (cell.kind == RowBlock::Cell::Number)
                values << QStringLiteral("#%1").arg(cell.value);
            else
                values << QLatin1Char('\'') + QString::fromUtf8(block.text(cell).data(), qsizetype(block.text(cell).size()))
                              + QLatin1Char('\'');
        }
        rows << values.join(QLatin1Char(' '));
    }
    return rows.join(QLatin1Char('\n'));
}

// "WTT": a whole-number column, then two of text.
std::vector<bool> Whole(const QString& kinds)
{
    std::vector<bool> whole;
    for (const QChar k : kinds)
        whole.push_back(k == QLatin1Char('W'));
    return whole;
}

} // namespace

// The server's text form of rows, as PostgreSQL writes a row value: taken apart value by value.
class TestRowBlock : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("rows");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<int>("carriedFrom");
        QTest::addColumn<QString>("shown"); // empty: refused

        auto row = [](const char* tag, const QByteArray& rows, const char* kinds, int carriedFrom, const char* shown) {
            QTest::newRow(tag) << rows << QString::fromLatin1(kinds) << carriedFrom << QString::fromUtf8(shown);
        };
        row("empty place is null", "(1,abc,)", "WTT", 0, "#1 'abc' null");
        row("quoted: doubled quote, backslash, empty text, space", "(\"a\"\"b\",\"c\\\\d\",\"\",,\"x y\")", "TTTTT", 0,
            "'a\"b' 'c\\d' '' null 'x y'");
        row("parentheses and comma inside quotes", "(\"(p)\",\"a,b\")", "TT", 0, "'(p)' 'a,b'");
        row("line break inside quotes", "(\"new\nline\",2)", "TW", 0, "'new\nline' #2");
        row("beyond ASCII", "(\"\xc3\x86r\xc3\xb8 \xe2\x82\xac\",7)", "TW", 0, "'\xc3\x86r\xc3\xb8 \xe2\x82\xac' #7");
        row("whole only when plainly whole", "(1.5,+3,-7,2e3,9223372036854775808)", "WWWWW", 0,
            "'1.5' '+3' #-7 '2e3' '9223372036854775808'");
        row("a number in a text column stays text", "(12)", "T", 0, "'12'");
        row("rows on lines", "(1,a)\n(2,b)\n(3,)", "WT", 0, "#1 'a'\n#2 'b'\n#3 null");
        row("no rows", "", "WT", 0, "");
        row("a short row carries the rest", "(1,a,x,)\n(2,b)\n(3,c,,y)\n(4,d)", "WTTT", 2,
            "#1 'a' 'x' null\n#2 'b' 'x' null\n#3 'c' null 'y'\n#4 'd' null 'y'");
        row("carrying still takes whole rows", "(1,a,x,y)\n(2,b,z,w)", "WTTT", 2, "#1 'a' 'x' 'y'\n#2 'b' 'z' 'w'");

        row("refused: unclosed row", "(1,a", "WT", 0, "");
        row("refused: too few values", "(1)", "WT", 0, "");
        row("refused: too many values", "(1,a,b)", "WT", 0, "");
        row("refused: unclosed quote", "(\"abc)", "T", 0, "");
        row("refused: text between rows", "(1,a)x(2,b)", "WT", 0, "");
        row("refused: line break after the last row", "(1,a)\n", "WT", 0, "");
        row("refused: a short first row", "(1,a)", "WTTT", 2, "");
        row("refused: short, but not where carrying starts", "(1,a,x,y)\n(2)", "WTTT", 2, "");
        row("refused: short without carrying", "(1,a,x,y)\n(2,b)", "WTTT", 0, "");
    }

    void parse()
    {
        QFETCH(QByteArray, rows);
        QFETCH(QString, kinds);
        QFETCH(int, carriedFrom);
        QFETCH(QString, shown);
        const bool refused = QLatin1String(QTest::currentDataTag()).startsWith(QLatin1String("refused"));
        const std::optional<RowBlock> block = RowBlock::parse(rows, Whole(kinds), carriedFrom);
        QCOMPARE(block.has_value(), !refused);
        if (block) {
            QCOMPARE(block->columnCount(), int(kinds.size()));
            QCOMPARE(Shown(*block), shown);
        }
    }
};

// A block written into a table in one statement, as the restore writes a season.
class TestBlockInsert : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> m_app;

    static RowBlock Block(const QByteArray& rows, const QString& kinds)
    {
        const std::optional<RowBlock> block = RowBlock::parse(rows, Whole(kinds));
        return block ? *block : RowBlock();
    }
    QStringList Written() const
    {
        QStringList out;
        for (const QVariantList& row :
             m_app->rows(QStringLiteral("SELECT K, typeof(K), N, typeof(N), T, typeof(T) FROM temp.B ORDER BY rowid")))
            out << QStringLiteral("%1:%2 %3:%4 %5:%6")
                       .arg(row[0].toString(), row[1].toString(), row[2].toString(), row[3].toString(), row[4].toString(),
                            row[5].toString());
        return out;
    }

private slots:
    void init()
    {
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->ok());
        Execute(QStringLiteral("CREATE TEMP TABLE B (K TEXT PRIMARY KEY, N INTEGER, T TEXT NOT NULL)"));
    }
    void cleanup() { m_app.reset(); }

    // Numbers go in as numbers, texts as texts (an empty one too), nulls as nulls, in order.
    void valuesGoInAsTheyAre()
    {
        BlockInsert insert(QStringLiteral("temp.B"), {QStringLiteral("K"), QStringLiteral("N"), QStringLiteral("T")});
        insert.insert(Block("(b,1,\"\")\n(a,,\"\xc3\x86r\xc3\xb8\")\n(c,-5,x)", QStringLiteral("TWT")));
        QCOMPARE(Written(), QStringList({QStringLiteral("b:text 1:integer :text"),
                                         QString::fromUtf8("a:text :null \xc3\x86r\xc3\xb8:text"),
                                         QStringLiteral("c:text -5:integer x:text")}));
        // An empty block writes nothing.
        insert.insert(RowBlock(3));
        QCOMPARE(m_app->count(QStringLiteral("temp.B")), 3);
    }

    // A mapped column's texts are written as the map has them; what it lacks, and the same text
    // in a column without the map, as they are.
    void mappedColumnsTakeTheMapsTexts()
    {
        const BlockInsert::IdMap map{{"a", "moved"}};
        BlockInsert insert(QStringLiteral("temp.B"), {QStringLiteral("K"), QStringLiteral("N"), QStringLiteral("T")});
        insert.insert(Block("(a,1,a)\n(b,2,b)", QStringLiteral("TWT")), {&map, nullptr, nullptr});
        QCOMPARE(Written(), QStringList({QStringLiteral("moved:text 1:integer a:text"),
                                         QStringLiteral("b:text 2:integer b:text")}));
    }

    // A row the table refuses stops the statement with the engine's reason, and none of the
    // block's rows stays.
    void aRefusalLeavesNoRow()
    {
        BlockInsert insert(QStringLiteral("temp.B"), {QStringLiteral("K"), QStringLiteral("N"), QStringLiteral("T")});
        QString reason;
        try {
            insert.insert(Block("(a,1,x)\n(b,2,)", QStringLiteral("TWT")));
        } catch (const DbError& e) {
            reason = e.message();
        }
        QVERIFY2(reason.contains(QLatin1String("NOT NULL")), qPrintable(reason));
        QCOMPARE(m_app->count(QStringLiteral("temp.B")), 0);
        // The statement is ready for the next block.
        insert.insert(Block("(c,3,y)", QStringLiteral("TWT")));
        QCOMPARE(Written(), QStringList({QStringLiteral("c:text 3:integer y:text")}));
    }

    // With an upsert clause, a row whose key is there already adds to it.
    void anUpsertAddsToWhatIsThere()
    {
        Execute(QStringLiteral("INSERT INTO temp.B VALUES ('a', 10, 'x')"));
        BlockInsert insert(QStringLiteral("temp.B"), {QStringLiteral("K"), QStringLiteral("N"), QStringLiteral("T")},
                           QStringLiteral("ON CONFLICT (K) DO UPDATE SET N = N + excluded.N"));
        insert.insert(Block("(a,5,x)\n(b,1,y)", QStringLiteral("TWT")));
        QCOMPARE(Written(), QStringList({QStringLiteral("a:text 15:integer x:text"), QStringLiteral("b:text 1:integer y:text")}));
    }

    // Statements of SQL text alone cannot hand the table-valued function a block: it reads
    // nothing without one, and nothing from a value that is not one.
    void onlyTheProgramHandsItABlock()
    {
        QVERIFY_THROWS_EXCEPTION(DbError, SelectAll(QStringLiteral("SELECT * FROM sidelines_rows")));
        QCOMPARE(SelectAll(QStringLiteral("SELECT COUNT(*) FROM sidelines_rows(?)"), {QStringLiteral("(1,a)")})
                     .front()
                     .value(0)
                     .toInt(),
                 0);
        QCOMPARE(SelectAll(QStringLiteral("SELECT COUNT(*) FROM sidelines_rows(x'0102030405060708')")).front().value(0).toInt(),
                 0);
    }
};

SIDELINES_TEST(TestRowBlock)
SIDELINES_TEST(TestBlockInsert)
#include "tst_rowblock.moc"

#include "support/Fixture.h"
#include "support/Table.h"
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
    void parse_data() { table::Rows(QStringLiteral("rowblock.txt")); }
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

    // Numbers go in as numbers, texts as texts (an empty one too), nulls as nulls, in order; a
    // mapped column's texts as the map has them (what it lacks, and the same text in a column
    // without the map, as they are); with an upsert clause, a row whose key is there adds to it.
    void blockGoesIn_data() { table::Rows(QStringLiteral("rowblock.txt")); }
    void blockGoesIn()
    {
        QFETCH(QString, before);
        QFETCH(QByteArray, rows);
        QFETCH(bool, mapped);
        QFETCH(bool, upsert);
        QFETCH(QStringList, written);
        if (!before.isEmpty())
            Execute(QStringLiteral("INSERT INTO temp.B VALUES (?, ?, ?)"),
                    {before.section(',', 0, 0), before.section(',', 1, 1).toInt(), before.section(',', 2)});
        const BlockInsert::IdMap map{{"a", "moved"}};
        BlockInsert insert(QStringLiteral("temp.B"), {QStringLiteral("K"), QStringLiteral("N"), QStringLiteral("T")},
                           upsert ? QStringLiteral("ON CONFLICT (K) DO UPDATE SET N = N + excluded.N") : QString());
        insert.insert(Block(rows, QStringLiteral("TWT")), {mapped ? &map : nullptr, nullptr, nullptr});
        QCOMPARE(Written(), written);
        // An empty block writes nothing.
        insert.insert(RowBlock(3));
        QCOMPARE(Written(), written);
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

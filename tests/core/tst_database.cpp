#include "support/Fixture.h"
#include "support/Table.h"
#include "support/TestMain.h"
#include "storage/RecordIssue.h"

#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "base/RecordId.h"
#include "base/StatKinds.h"
#include "widgets/mConstants.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestDatabase : public QObject
{
    Q_OBJECT

    static QStringList Columns(const TestApp& app, const char* table)
    {
        QStringList out;
        for (const QVariantList& c : app.rows(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table}))
            out << c[0].toString();
        return out;
    }

private slots:
    void createFreshNeverOverwrites()
    {
        TestApp app;
        app.addTeam(QStringLiteral("Keep me"));
        QString error;
        QVERIFY(!Db::createFresh(app.dbPath(), &error) && !error.isEmpty());
        QCOMPARE(app.count(QStringLiteral("TEAM")), 1);
    }

    void openFailsWithAReason_data() { table::Rows(QStringLiteral("database.txt")); }

    void openFailsWithAReason()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rally2.db"));
        QFile f(path);
        if (create)
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) >= 0);
        f.close();
        QString error;
        QVERIFY(!Db::open(path, &error) && !error.isEmpty() && !Db::isOpen());
        QCOMPARE(QFile::exists(path), create);  // never created by opening
    }

    void identifiersOfOneKindNeverRepeat()
    {
        TestApp app;
        const QDateTime frozen(QDate(2026, 5, 1), QTime(18, 30, 0));
        Clock::setOverride([frozen] { return frozen; });
        QCOMPARE(app.addTeam(QStringLiteral("A")).text(), QStringLiteral("2026-05-01 18:30:00"));
        QCOMPARE(app.addTeam(QStringLiteral("B")).text(), QStringLiteral("2026-05-01 18:30:01"));
        // Another kind starts from the clock again; actions may share one.
        QCOMPARE(NewRecordId(RecordKind::Player).text(), QStringLiteral("2026-05-01 18:30:00"));
        QCOMPARE(NewRecordId(RecordKind::Play), NewRecordId(RecordKind::Play));
    }

    // Only stored-form texts count, and none is made up past the last second (empty next: refused).
    void identifiersLookPastTheNewestStored_data() { table::Rows(QStringLiteral("database.txt")); }

    void identifiersLookPastTheNewestStored()
    {
        QFETCH(QStringList, stored);
        QFETCH(QString, next);
        TestApp app;
        for (const QString& id : stored)
            Execute(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, 'Planted')"), {id});
        ResetRecordIds();
        QString made;
        try {
            made = NewRecordId(RecordKind::Team).text();
        } catch (const RecordIdError& e) {
            QVERIFY(QString::fromUtf8(e.what()).contains(stored.last()));
        }
        QCOMPARE(made, next);
    }

    // A text reads back as itself and steps on as the clock would (over midnight and the year);
    // an unreadable one gives a null identifier (empty next).
    void identifierTexts_data() { table::Rows(QStringLiteral("database.txt")); }

    void identifierTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, next);
        const RecordId id = RecordId::fromText(text);
        QCOMPARE(id.text(), next.isEmpty() ? QString() : text);
        QCOMPARE(id.addSecs(1).text(), next);
        QCOMPARE(RecordId::isStoredForm(text), !next.isEmpty());
        QVERIFY(!RecordId::isStoredForm(QLatin1Char(' ') + text));
    }

    // A refused statement throws the engine's message; the command boundary shows it, rolls the
    // abandoned transaction back and the program goes on.
    void failingStatementRollsBackAndShowsTheEngineMessage()
    {
        TestApp app;
        app.addTeam(QStringLiteral("A"));
        QVERIFY_THROWS_EXCEPTION(DbError, Execute(QStringLiteral("DELETE FROM NOSUCHTABLE")));
        QVERIFY(!RunCommand([] {
            Transaction t;
            Execute(QStringLiteral("DELETE FROM TEAM"));
            Execute(QStringLiteral("DELETE FROM NOSUCHTABLE"));
            t.commit();
        }));
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QVERIFY(MsgBoxHook::asked().first().prompt.contains(QStringLiteral("no such table: NOSUCHTABLE")));
        // The statement stands behind the message's details and on the terminal.
        QVERIFY(MsgBoxHook::asked().first().details.endsWith(QStringLiteral("\nDELETE FROM NOSUCHTABLE")));
        QCOMPARE(app.count(QStringLiteral("TEAM")), 1);
        QVERIFY(Db::isOpen());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no such table.*\n  in: SELECT X FROM NOWHERE$")));
        QVERIFY_THROWS_EXCEPTION(DbError, Execute(QStringLiteral("SELECT X FROM NOWHERE")));
    }

    // A store's own transaction inside its caller's is a part of the caller's: undone alone when
    // it fails, undone with the caller when the caller fails, durable only with the caller's commit.
    void transactionsNest_data() { table::Rows(QStringLiteral("database.txt")); }

    void transactionsNest()
    {
        QFETCH(bool, innerCommits);
        QFETCH(bool, outerCommits);
        QFETCH(QStringList, kept);
        TestApp app;
        const auto add = [](const char* name, int second) {
            Execute(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, ?)"),
                    {QStringLiteral("2026-01-01 00:00:0%1").arg(second), QLatin1String(name)});
        };
        {
            Transaction outer;
            add("outer", 1);
            {
                Transaction inner;
                add("inner", 2);
                {
                    // A guard two deep that ends without its commit undoes only its own row.
                    Transaction deeper;
                    add("deeper", 3);
                }
                if (innerCommits)
                    inner.commit();
            }
            add("after", 4);
            if (outerCommits)
                outer.commit();
        }
        QStringList names;
        for (const QVariantList& row : app.rows(QStringLiteral("SELECT TEAMNAME FROM TEAM ORDER BY TEAMID")))
            names << row[0].toString();
        QCOMPARE(names, kept);
        // The connection is out of every transaction: a new one opens as the outermost.
        Transaction next;
        add("next", 5);
        next.commit();
        QCOMPARE(app.count(QStringLiteral("TEAM")), kept.size() + 1);
    }

    // The stat table and the database file agree: every kind has its column in PLAY, a counted
    // kind is totalled by SUM_STATS, and the text the court hands over finds exactly its kind.
    void everyStatKindHasItsColumn()
    {
        TestApp app;
        CheckSumStats();
        const QStringList playColumns = Columns(app, "PLAY"), viewColumns = Columns(app, "SUM_STATS");
        QSet<QString> menuNames;
        for (const StatKind& k : kStatKinds) {
            const QString column = QLatin1String(k.column);
            QVERIFY2(playColumns.contains(column), k.column);
            QCOMPARE(viewColumns.contains(QStringLiteral("i") + column), k.shape != StatShape::Rating);
            menuNames.insert(QLatin1String(k.menuName));
            const bool rating = k.shape == StatShape::Rating;
            const auto action = StatFromText(rating ? QString::number(kTopRating) : QLatin1String(k.key));
            QVERIFY(action && action->kind == &k);
            QCOMPARE(action->value, rating ? kTopRating : 1);
        }
        QCOMPARE(menuNames.size(), qsizetype(kStatKinds.size())); // no two kinds share a menu name
        for (const char* t : {"0", "4", "-1", "01", "dig", "Dig ", "PASSING", "Pass", ""})
            QVERIFY2(!StatFromText(QString::fromLatin1(t)), t);
    }
};

SIDELINES_TEST(TestDatabase)
#include "tst_database.moc"

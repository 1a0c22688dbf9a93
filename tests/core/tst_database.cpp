#include "support/Fixture.h"
#include "support/TestMain.h"
#include "core/StatKinds.h"

#include <QSet>

#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "core/Database.h"
#include "core/RecordId.h"

#include <QFile>
#include <QTest>

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void freshDatabaseHasTheEightTables()
    {
        TestApp app;
        QVERIFY(app.ok());
        for (const char* table : {"TEAM", "PLAYER", "MATCH", "GAME", "PLAY", "PLAYED", "REPORT", "GAMECOUNT"})
            QCOMPARE(app.count(QString::fromLatin1(table)), 0);
        QCOMPARE(app.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2);  // FULL
    }

    void createFreshNeverOverwrites()
    {
        TestApp app;
        app.addTeam(QStringLiteral("Keep me"));
        QString error;
        QVERIFY(!Db::createFresh(app.dbPath(), &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(app.count(QStringLiteral("TEAM")), 1);
    }

    void openFailsWithAReason_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing file") << QByteArray() << false;
        QTest::newRow("not a database") << QByteArray("this is not sqlite at all, just some text\n") << true;
        QTest::newRow("empty database without tables") << QByteArray() << true;
    }

    void openFailsWithAReason()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rally2.db"));
        if (create) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QString error;
        QVERIFY(!Db::open(path, &error));
        QVERIFY2(!error.isEmpty(), "a failed open must say why");
        QVERIFY(!Db::isOpen());
        QCOMPARE(QFile::exists(path), create);  // never created by opening
    }

    void namesAreStoredExactly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("apostrophe") << QStringLiteral("O'Brien's Spikers");
        QTest::newRow("double quote") << QStringLiteral("The \"Blockers\"");
        QTest::newRow("hash and semicolon") << QStringLiteral("#1; DROP TABLE TEAM; --");
        QTest::newRow("non-Latin") << QStringLiteral("Braslovče ŠPELA Ōsaka Москва");
        QTest::newRow("200 characters") << QString(200, QLatin1Char('x'));
    }

    void namesAreStoredExactly()
    {
        QFETCH(QString, name);
        TestApp app;
        const RecordId id = app.addTeam(name);
        QCOMPARE(app.scalar(QStringLiteral("SELECT TEAMNAME FROM TEAM WHERE TEAMID = ?"), {Bind(id)}).toString(), name);
        QCOMPARE(app.count(QStringLiteral("TEAM")), 1);
    }

    void identifiersOfOneKindNeverRepeat()
    {
        TestApp app;
        const QDateTime frozen(QDate(2026, 5, 1), QTime(18, 30, 0));
        Clock::setOverride([frozen] { return frozen; });
        QList<RecordId> ids;
        for (int i = 0; i < 5; ++i)
            ids << app.addTeam(QStringLiteral("Team %1").arg(i));
        for (int i = 1; i < ids.size(); ++i)
            QCOMPARE(ids[i], ids[i - 1].addSecs(1));
        QCOMPARE(ids.first().text(), QStringLiteral("2026-05-01 18:30:00"));
        // Another kind starts from the clock again; actions may share one.
        QCOMPARE(NewRecordId(RecordKind::Player).text(), QStringLiteral("2026-05-01 18:30:00"));
        QCOMPARE(NewRecordId(RecordKind::Play), NewRecordId(RecordKind::Play));
    }

    // Only stored-form texts count, and none is made up past the last second (empty next: refused).
    void identifiersLookPastTheNewestStored_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QString>("next");
        QTest::newRow("from the future") << QStringList{"2030-01-01 10:00:00"} << "2030-01-01 10:00:01";
        QTest::newRow("words sort after dates") << QStringList{"2030-01-01 10:00:00", "zzz"} << "2030-01-01 10:00:01";
        QTest::newRow("last second there is") << QStringList{"9999-12-31 23:59:59"} << QString();
    }

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

    void identifierTextRoundTrips()
    {
        const RecordId id(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7, 450)));
        QCOMPARE(id.text(), QStringLiteral("2026-12-06 09:05:07"));
        QCOMPARE(RecordId::fromText(id.text()), id);
        QVERIFY(RecordId::isStoredForm(id.text()));
        QVERIFY(!RecordId::isStoredForm(QLatin1Char(' ') + id.text()));
        QCOMPARE(id.dateTime(), QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7)));
        // Seconds carry over midnight and the end of a year, as the clock would.
        QCOMPARE(RecordId::fromText(QStringLiteral("2026-12-31 23:59:59")).addSecs(1).text(),
                 QStringLiteral("2027-01-01 00:00:00"));
    }

    void unreadableIdentifierTextIsNull_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("words") << QStringLiteral("not a date");
        QTest::newRow("no such day") << QStringLiteral("2026-02-30 10:00:00");
        QTest::newRow("hour 24") << QStringLiteral("2026-02-01 24:00:00");
        QTest::newRow("other order") << QStringLiteral("12/06/26 09:05:07 AM");
        QTest::newRow("letters in digits") << QStringLiteral("2026-0x-01 10:00:00");
        QTest::newRow("too short") << QStringLiteral("2026-12-06 9:05:07");
    }

    void unreadableIdentifierTextIsNull()
    {
        QFETCH(QString, text);
        QVERIFY(RecordId::fromText(text).isNull());
        QVERIFY(RecordId::fromText(text).text().isEmpty());
    }

    void failingStatementThrowsTheEngineMessage()
    {
        TestApp app;
        try {
            Execute(QStringLiteral("INSERT INTO NOSUCHTABLE VALUES (1)"));
            QFAIL("expected a DbError");
        } catch (const DbError& e) {
            QVERIFY(e.message().contains(QStringLiteral("NOSUCHTABLE"), Qt::CaseInsensitive));
        }
        // The command boundary reports it and the program goes on.
        QVERIFY(!RunCommand([] { Execute(QStringLiteral("DELETE FROM NOSUCHTABLE")); }));
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QVERIFY(MsgBoxHook::asked().first().prompt.contains(QStringLiteral("NOSUCHTABLE"), Qt::CaseInsensitive));
        QVERIFY(Db::isOpen());
    }

    void transactionRollsBackWhenAbandoned()
    {
        TestApp app;
        app.addTeam(QStringLiteral("A"));
        QVERIFY(!RunCommand([] {
            Transaction t;
            Execute(QStringLiteral("DELETE FROM TEAM"));
            Execute(QStringLiteral("DELETE FROM NOSUCHTABLE"));
            t.commit();
        }));
        QCOMPARE(app.count(QStringLiteral("TEAM")), 1);
    }

    void sumStatsIsCreatedOnceAndSumsAPlayersGame()
    {
        TestApp app;
        CheckSumStats();
        CheckSumStats();
        QCOMPARE(app.scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='view'")).toInt(), 1);
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT) VALUES "
                               "('g', 'p', 'r', 1, 1, 1), ('g', 'p', 'r', 1, -1, -1), ('g', 'p', 'r', 2, 1, 1), "
                               "('other', 'p', 'r', 2, 1, 1)"));
        const auto rows = app.rows(QStringLiteral("SELECT iKILL, iATTEMPT, iDIG FROM SUM_STATS WHERE pPLAYERID = ? AND pGAMEID = ?"),
                                   {QStringLiteral("r"), QStringLiteral("g")});
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0], (QVariantList{1, 1, 0}));
    }

    // The stat table and the database file agree: every kind has its column in PLAY, a counted
    // kind is totalled by SUM_STATS, and the text the court hands over finds exactly its kind.
    void everyStatKindHasItsColumn()
    {
        TestApp app;
        CheckSumStats();
        QStringList playColumns;
        for (const QVariantList& c : app.rows(QStringLiteral("SELECT name FROM pragma_table_info('PLAY')")))
            playColumns << c[0].toString();
        QStringList viewColumns;
        for (const QVariantList& c : app.rows(QStringLiteral("SELECT name FROM pragma_table_info('SUM_STATS')")))
            viewColumns << c[0].toString();
        QSet<QString> menuNames;
        for (const StatKind& k : kStatKinds) {
            const QString column = QLatin1String(k.column);
            QVERIFY2(playColumns.contains(column), k.column);
            QCOMPARE(viewColumns.contains(QStringLiteral("i") + column), k.shape != StatShape::Rating);
            QVERIFY2(!menuNames.contains(QLatin1String(k.menuName)), k.menuName);
            menuNames.insert(QLatin1String(k.menuName));
            const QString text = k.shape == StatShape::Rating ? QString::number(kTopRating) : QLatin1String(k.key);
            const std::optional<StatAction> action = StatFromText(text);
            QVERIFY(action);
            QCOMPARE(action->kind, &k);
            QCOMPARE(action->value, k.shape == StatShape::Rating ? kTopRating : 1);
        }
    }

    void unknownStatTextNamesNoKind_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* t : {"0", "4", "-1", "01", "dig", "Dig ", "PASSING", "Pass", ""})
            QTest::newRow(t) << QString::fromLatin1(t);
    }

    void unknownStatTextNamesNoKind()
    {
        QFETCH(QString, text);
        QVERIFY(!StatFromText(text));
    }
};

SIDELINES_TEST(TestDatabase)
#include "tst_database.moc"

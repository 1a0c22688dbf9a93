#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "storage/RallyStore.h"
#include "storage/ReportStore.h"
#include "base/StatKinds.h"
#include "support/Fixture.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QSqlError>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The totals as summing the actions gives them, written out here as the expectation.
const QString kSummedActions = QStringLiteral(
    "SELECT GAMEID, PLAYERID, POSITION, SUM(COALESCE(ATTEMPT,0)), SUM(COALESCE(KILL,0)), SUM(COALESCE(ERROR,0)), "
    "SUM(COALESCE(SERVEACE,0)), SUM(COALESCE(SERVEERROR,0)), SUM(COALESCE(DIG,0)), SUM(COALESCE(RECEIVEERROR,0)), "
    "SUM(COALESCE(SOLOBLOCK,0)), SUM(COALESCE(BLOCKASSIST,0)), SUM(COALESCE(BLOCKERROR,0)), "
    "SUM(COALESCE(BALLHANDLEERROR,0)), SUM(COALESCE(SETASSIST,0)), SUM(COALESCE(PASSING,0)), "
    "SUM(CASE WHEN PASSING > 0 THEN 1 WHEN PASSING < 0 THEN -1 ELSE 0 END), COUNT(*) "
    "FROM PLAY GROUP BY GAMEID, PLAYERID, POSITION ORDER BY GAMEID, PLAYERID, POSITION");
const QString kKept = QStringLiteral(
    "SELECT GAMEID, PLAYERID, POSITION, ATTEMPT, KILL, ERROR, SERVEACE, SERVEERROR, DIG, RECEIVEERROR, SOLOBLOCK, "
    "BLOCKASSIST, BLOCKERROR, BALLHANDLEERROR, SETASSIST, PASSSUM, PASSNET, ACTIONS FROM TOTALS "
    "ORDER BY GAMEID, PLAYERID, POSITION");

// Actions as the court records them, one kind per row (an attack result with its attempt), with
// take-backs, for a few players over a few games and every box.
void RecordRandomActions(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    Transaction t;
    for (int i = 0; i < count; ++i) {
        const StatKind& kind = kStatKinds[random.bounded(int(kStatKinds.size()))];
        const int sign = random.bounded(5) == 0 ? -1 : 1;
        const int value = sign * (kind.shape == StatShape::Rating ? 1 + random.bounded(kTopRating) : 1);
        QString columns = QLatin1String(kind.column);
        QVariantList values{QStringLiteral("2026-01-0%1 10:00:00").arg(1 + random.bounded(3)),
                            QStringLiteral("2026-01-01 10:00:%1").arg(i % 60, 2, 10, QLatin1Char('0')),
                            QStringLiteral("player %1").arg(random.bounded(7)), 1 + random.bounded(12), value};
        if (kind.shape == StatShape::Attack) {
            columns += QStringLiteral(", ATTEMPT");
            values << value;
        }
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, %1) VALUES (?, ?, ?, ?, ?%2)")
                    .arg(columns, kind.shape == StatShape::Attack ? QStringLiteral(", ?") : QString()),
                values);
    }
    t.commit();
}

// Statements on a file through a connection of their own, as another program would.
void RawExec(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        raw.setDatabaseName(path);
        raw.open();
        for (const QString& s : statements) {
            QSqlQuery q(raw);
            if (!q.exec(s))
                qWarning("%s", qPrintable(q.lastError().text()));
        }
        raw.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

// A value read from a file through a connection of its own.
int RawValue(const QString& path, const QString& statement)
{
    return FileRows(path, statement).value(0).toInt();
}

// A recorded match: two teams of players, three games with their line-ups, and the actions.
void SeedRecordedMatch()
{
    Execute(QStringLiteral("INSERT INTO TEAM VALUES ('2026-01-01 09:00:00', 'Hawks'), ('2026-01-01 09:00:01', 'Owls')"));
    for (int p = 0; p < 7; ++p)
        Execute(QStringLiteral("INSERT INTO PLAYER VALUES (?, ?, ?, ?)"),
                {QStringLiteral("player %1").arg(p), QStringLiteral("2026-01-01 09:00:0%1").arg(p % 2),
                 QStringLiteral("Player %1").arg(p), p + 1});
    Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES ('2026-01-01 09:30:00', "
                           "'2026-01-01 09:00:00', '2026-01-01 09:00:01')"));
    for (int g = 1; g <= 3; ++g) {
        const QString game = QStringLiteral("2026-01-0%1 10:00:00").arg(g);
        Execute(QStringLiteral("INSERT INTO GAME VALUES ('2026-01-01 09:30:00', ?, ?, 25, 20 + ?)"), {game, g, g});
        for (int p = 0; p < 7; ++p)
            Execute(QStringLiteral("INSERT INTO PLAYED VALUES (?, ?)"), {game, QStringLiteral("player %1").arg(p)});
    }
    RecordRandomActions(2000, 11);
}

// Every line of a report on every game, and what it wrote to REPORT, as text in the report's
// order; `perGame` leaves the totals kept per box out. `perBox`, when given, tells whether they
// were read.
QStringList Report(const ReportChoices& choices, bool perGame = false, bool* perBox = nullptr)
{
    ReportStatement statement = BuildReportStatement(choices);
    if (perGame)
        statement.keptZonesHold.clear();
    QStringList out;
    for (const ReportLine& line : ReportStore::Fill(statement, nullptr, perBox)) {
        QStringList figures{line.team, line.player, line.position.toString(), QString::number(line.games),
                            QString::number(line.pass.sum), QString::number(line.pass.net)};
        for (const qint64 count : line.counts)
            figures << QString::number(count);
        out << figures.join(QLatin1Char('|'));
    }
    // REPORT is a table: its rows in any order.
    QStringList table;
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT * FROM REPORT"))) {
        QStringList values;
        for (int i = 0; i < r.count(); ++i)
            values << r.value(i).toString();
        table << values.join(QLatin1Char(';'));
    }
    table.sort();
    return out + table;
}

QStringList CatchAllReport()
{
    ReportChoices apart;
    apart.positionsApart = true;
    return Report(ReportChoices{}) + Report(apart);
}

const QStringList kRecordTables{QStringLiteral("TEAM"), QStringLiteral("PLAYER"), QStringLiteral("MATCH"),
                                QStringLiteral("GAME"), QStringLiteral("PLAYED"), QStringLiteral("PLAY")};
} // namespace

class TestSchema : public QObject
{
    Q_OBJECT

private slots:
    // The kept totals are exactly the sums of the actions, take-backs and all; the totals per box
    // follow the game totals through every change, removals included (the archive takes a
    // replaced match's totals away).
    void keptTotalsEqualSummedActions()
    {
        TestApp app;
        RecordRandomActions(3000, 7);
        const auto kept = app.rows(kKept);
        QVERIFY(kept.size() > 100);
        QCOMPARE(kept, app.rows(kSummedActions));

        Execute(QStringLiteral("DELETE FROM TOTALS WHERE GAMEID = '2026-01-02 10:00:00'"));
        RecordRandomActions(300, 6);
        QStringList columns{QStringLiteral("ATTEMPT"), QStringLiteral("PASSSUM"), QStringLiteral("PASSNET"),
                            QStringLiteral("ACTIONS")}, sums;
        for (const StatKind& k : kStatKinds)
            if (k.shape != StatShape::Rating)
                columns << QLatin1String(k.column);
        for (const QString& c : columns)
            sums << QStringLiteral("SUM(%1)").arg(c);
        const QString order = QStringLiteral(" ORDER BY PLAYERID, POSITION");
        QCOMPARE(app.rows(QStringLiteral("SELECT PLAYERID, POSITION, %1 FROM ZONETOTALS").arg(columns.join(','))
                          + order),
                 app.rows(QStringLiteral("SELECT PLAYERID, POSITION, %1 FROM TOTALS GROUP BY PLAYERID, POSITION")
                              .arg(sums.join(',')) + order));
        // And the player-games with totals, with their number of boxes, also after a box moves.
        const QString boxes = QStringLiteral(
            "SELECT PLAYERID, GAMEID, COUNT(*) FROM TOTALS GROUP BY PLAYERID, GAMEID ORDER BY PLAYERID, GAMEID");
        const QString perGame = QStringLiteral("SELECT PLAYERID, GAMEID, BOXES FROM GAMETOTALS ORDER BY PLAYERID, GAMEID");
        QCOMPARE(app.rows(perGame), app.rows(boxes));
        Execute(QStringLiteral("UPDATE TOTALS SET GAMEID = 'moved' WHERE GAMEID = (SELECT MIN(GAMEID) FROM TOTALS) AND POSITION <= 3"));
        QCOMPARE(app.rows(perGame), app.rows(boxes));
        Execute(QStringLiteral("DELETE FROM TOTALS"));
        QCOMPARE(app.count(QStringLiteral("ZONETOTALS")), 0);
        QCOMPARE(app.count(QStringLiteral("GAMETOTALS")), 0);
    }

    // A report on every game reads the totals per box only while each game's totals belong to a
    // player-game it takes; either way its lines and REPORT are those of the per-game totals.
    void reportOnEveryGameAsFromTheGameTotals_data() { table::Rows(QStringLiteral("schema.txt")); }
    void reportOnEveryGameAsFromTheGameTotals()
    {
        QFETCH(QStringList, extra);
        QFETCH(bool, perBox);
        TestApp app;
        SeedRecordedMatch();
        for (const QString& statement : extra)
            Execute(statement);
        for (const int position : {0, 2}) {
            for (const bool apart : {false, true}) {
                ReportChoices choices;
                choices.positionsApart = apart;
                choices.position = position;
                choices.order = QStringLiteral("KILL");
                bool readPerBox = !perBox;
                const QStringList report = Report(choices, false, &readPerBox);
                QCOMPARE(readPerBox, perBox);
                QVERIFY(report.size() > 10);
                QCOMPARE(report, Report(choices, true));
            }
        }
    }

    // A file written by an earlier version with a recorded match in it comes out of the upgrade
    // with every row and gives the same report, line for line, as the same match recorded today.
    void upgradedMatchGivesTheSameReport_data() { table::Rows(QStringLiteral("schema.txt")); }
    void upgradedMatchGivesTheSameReport()
    {
        QFETCH(int, version);
        QTemporaryDir dir;
        const QString today = dir.filePath(QStringLiteral("today.db"));
        const QString old = dir.filePath(QStringLiteral("Rally2.db"));
        QString error;
        QVERIFY(Db::createFresh(today, &error) && Db::open(today, &error));
        SeedRecordedMatch();
        const QStringList expected = CatchAllReport();
        QVERIFY(expected.size() > 20);
        Db::close();

        QVERIFY(Db::createFresh(old, &error, version));
        QStringList copy{QStringLiteral("ATTACH DATABASE '%1' AS today").arg(today)};
        // The match's options came later: the columns the first version had.
        for (const QString& table : kRecordTables)
            copy << (table == QLatin1String("MATCH")
                         ? QStringLiteral("INSERT INTO MATCH SELECT MATCHID, HOMETEAMID, AWAYTEAMID FROM today.MATCH")
                         : QStringLiteral("INSERT INTO %1 SELECT * FROM today.%1").arg(table));
        RawExec(old, copy);
        QCOMPARE(RawValue(old, QStringLiteral("SELECT COUNT(*) FROM PLAY")), 2000);

        QVERIFY2(Db::open(old, &error), qPrintable(error));
        const auto tidy = qScopeGuard([] { Db::close(); });
        QCOMPARE(Db::schemaVersion(), Db::kSchemaVersion);
        for (const QString& table : kRecordTables)
            QCOMPARE(SelectAll(QStringLiteral("SELECT COUNT(*) FROM ") + table).front().value(0).toInt(),
                     RawValue(today, QStringLiteral("SELECT COUNT(*) FROM ") + table));
        QCOMPARE(CatchAllReport(), expected);
        // No match of the file came from a scout file.
        QCOMPARE(SelectAll(QStringLiteral("SELECT COUNT(*) FROM SCOUTMATCH")).front().value(0).toInt(), 0);
        // Recording goes on into the totals; the copy is the file as it was.
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, DIG) VALUES ('g', 'q', 'r', 10, 1)"));
        QCOMPARE(SelectAll(QStringLiteral("SELECT DIG FROM ZONETOTALS WHERE PLAYERID = 'r'")).front().value(0).toInt(), 1);
        const QString backup = old + QStringLiteral(".schema%1.bak").arg(version);
        QCOMPARE(RawValue(backup, QStringLiteral("PRAGMA user_version")), version);
        QCOMPARE(RawValue(backup, QStringLiteral("SELECT COUNT(*) FROM PLAY")), 2000);
    }

    // A match recorded before the options were kept comes out of the upgrade with its log whole,
    // but is not offered for continuing: its options are unknown. One kept with its options is
    // offered, newest first, with its games' scores, until it is ended.
    void upgradeKeepsTheLogAndOffersOnlyMatchesWithOptions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rally2.db"));
        QString error;
        QVERIFY(Db::createFresh(path, &error, 5));
        RawExec(path, {QStringLiteral("INSERT INTO MATCH VALUES ('2026-01-01 10:00:00', 'h', 'a')"),
                       QStringLiteral("INSERT INTO GAME VALUES ('2026-01-01 10:00:00', '2026-01-01 10:00:01', 1, 1, 0)"),
                       QStringLiteral("INSERT INTO RALLY (GAMEID, ENTRY, STEP, KIND, ENTERED, SIDE, SERVER, AMOUNT, "
                                      "HOMESCORE, AWAYSCORE, H1, A1) VALUES "
                                      "('2026-01-01 10:00:01', 1, 1, 'START', 'x', NULL, 0, NULL, 0, 0, 'p', 'q'), "
                                      "('2026-01-01 10:00:01', 2, 2, 'POINT', 'x', 0, 0, 1, 1, 0, 'p', 'q')")});
        QVERIFY2(Db::open(path, &error), qPrintable(error));
        const auto tidy = qScopeGuard([] { Db::close(); });
        QCOMPARE(Db::schemaVersion(), Db::kSchemaVersion);
        const RecordId old = RecordId::fromText(QStringLiteral("2026-01-01 10:00:00"));
        QVERIFY(MatchStore::OpenMatches().empty());
        QVERIFY(!MatchStore::Options(old));
        const RecordId game = RecordId::fromText(QStringLiteral("2026-01-01 10:00:01"));
        const Rally::Log log = RallyStore::PointLogs({game}, RallyStore::LineUps::ZoneOne)[game];
        QCOMPARE(Rally::StandingPoints(log).size(), size_t(1));
        QVERIFY(Rally::StandingPoints(log).front().ended.isEmpty());

        const RecordId later = RecordId::fromText(QStringLiteral("2026-01-02 10:00:00"));
        MatchStore::AddMatch(later, old, old, later.addSecs(1), 1,
                             MatchStore::MatchOptions{QStringLiteral("RIGHT"), 5, 25, true, false});
        MatchStore::AddGame(later, later.addSecs(2), 2, QStringLiteral("LEFT"));
        MatchStore::SaveOptions(old, {});
        std::vector<MatchStore::OpenMatch> open = MatchStore::OpenMatches();
        QCOMPARE(open.size(), size_t(2));
        QCOMPARE(open[0].id, later);
        QVERIFY(open[0].recording);
        QCOMPARE(open[0].options.side, QStringLiteral("LEFT"));
        QCOMPARE(open[0].options.games, 5);
        QCOMPARE(open[0].options.points, 25);
        QVERIFY(open[0].options.sideOutRotate && !open[0].options.scoreFromAction);
        QCOMPARE(open[0].scores, (std::vector<std::pair<int, int>>{{0, 0}, {0, 0}}));
        QCOMPARE(open[1].id, old);
        QVERIFY(!open[1].recording);
        QCOMPARE(open[1].scores, (std::vector<std::pair<int, int>>{{1, 0}}));
        MatchStore::SetRecording(later, false);
        QVERIFY(!MatchStore::OpenMatches()[0].recording);
        MatchStore::EndMatch(old);
        open = MatchStore::OpenMatches();
        QCOMPARE(open.size(), size_t(1));
        QCOMPARE(open[0].id, later);
    }

    // An upgrade that fails leaves the file exactly as it was, and says why.
    void failedUpgradeChangesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Rally2.db"));
        QString error;
        QVERIFY(Db::createFresh(path, &error, 0));
        RawExec(path, {QStringLiteral("CREATE TABLE TOTALS (X)")});
        QVERIFY(!Db::open(path, &error));
        QVERIFY2(error.contains(QLatin1String("version 0")), qPrintable(error));
        QCOMPARE(RawValue(path, QStringLiteral("PRAGMA user_version")), 0);
        QCOMPARE(RawValue(path, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'PLAY_PLAYER_GAME'")), 1);
    }

    // Each version's upgrade keeps one copy of the file as it was: tries cut short before it
    // (here by a table in the way) leave no further copies, the one copy is that of the file
    // before the try that succeeded, and the copy of another version's upgrade stays. The
    // database in use and the archive are upgraded alike.
    void oneBackupPerVersion_data() { table::Rows(QStringLiteral("schema.txt")); }
    void oneBackupPerVersion()
    {
        QFETCH(bool, archive);
        QFETCH(int, failedTries);
        QTemporaryDir dir;
        const QString path = dir.filePath(archive ? QStringLiteral("Archive.db") : QStringLiteral("Rally2.db"));
        const QString otherVersion = Db::backupPath(path, 2);
        QFile other(otherVersion);
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("an earlier upgrade's copy") > 0);
        other.close();
        QString error;
        QVERIFY(Db::createFresh(path, &error, 0));
        RawExec(path, {QStringLiteral("CREATE TABLE TOTALS (X)")});
        const auto upgrade = [&] {
            const bool ok = archive ? Db::prepareFile(path, &error) : Db::open(path, &error);
            Db::close();
            return ok;
        };
        for (int n = 0; n <= failedTries; ++n) {
            RawExec(path, {QStringLiteral("INSERT INTO MATCH VALUES ('2026-01-0%1 10:00:00', 'h', 'a')").arg(n + 1)});
            if (n == failedTries)
                RawExec(path, {QStringLiteral("DROP TABLE TOTALS")});
            QCOMPARE(upgrade(), n == failedTries);
        }
        QCOMPARE(RawValue(path, QStringLiteral("PRAGMA user_version")), Db::kSchemaVersion);
        const QString backup = Db::backupPath(path, 0);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.bak*")}, QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{QFileInfo(backup).fileName(), QFileInfo(otherVersion).fileName()}));
        QCOMPARE(RawValue(backup, QStringLiteral("PRAGMA user_version")), 0);
        QCOMPARE(RawValue(backup, QStringLiteral("SELECT COUNT(*) FROM MATCH")), failedTries + 1);
        QCOMPARE(RawValue(backup, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'TOTALS'")), 0);
        QVERIFY(other.open(QIODevice::ReadOnly) && other.readAll() == "an earlier upgrade's copy");
    }

    void newerFileIsRefusedNamingBothVersions()
    {
        TestApp app;
        Execute(QStringLiteral("PRAGMA user_version = %1").arg(Db::kSchemaVersion + 1));
        Db::close();
        QString error;
        QVERIFY(!Db::open(app.dbPath(), &error));
        QVERIFY2(error.contains(QString::number(Db::kSchemaVersion + 1)) && error.contains(QString::number(Db::kSchemaVersion)),
                 qPrintable(error));
    }

    // Recording runs on a write-ahead log, copied into the file when the recording pauses, never
    // while an action waits, however many came before; once closed, the database file alone holds
    // every row, so a copy of the folder taken with the program stopped is complete.
    void theLogIsCopiedInAPauseAndTheClosedFileHoldsEverything()
    {
        TestApp app;
        QCOMPARE(app.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        QCOMPARE(app.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2); // FULL
        const qint64 before = QFileInfo(app.dbPath()).size();
        for (int i = 0; i < 400; ++i)
            Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, DIG) VALUES ('g', ?, 'p', 1, 1)"),
                    {QString::number(i)});
        QCOMPARE(QFileInfo(app.dbPath()).size(), before);
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo(app.dbPath()).size() > before; }, 5000));
        QCOMPARE(RawValue(app.dbPath(), QStringLiteral("SELECT COUNT(*) FROM PLAY")), 400);
        RecordRandomActions(200, 3);
        Db::close();
        QVERIFY(!QFile::exists(app.dbPath() + QStringLiteral("-wal")) || QFileInfo(app.dbPath() + QStringLiteral("-wal")).size() == 0);
        QTemporaryDir copyDir;
        const QString copy = copyDir.filePath(QStringLiteral("Rally2.db"));
        QVERIFY(QFile::copy(app.dbPath(), copy));
        QCOMPARE(RawValue(copy, QStringLiteral("SELECT COUNT(*) FROM PLAY")), 600);
    }
};

SIDELINES_TEST(TestSchema)
#include "tst_schema.moc"

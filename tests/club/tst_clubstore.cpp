#include "ClubTest.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include "storage/MatchStore.h"
#include "storage/RallyStore.h"
#include "base/StatKinds.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QTest>

using namespace club;

// Sending, replacing and restoring matches against a real PostgreSQL server, and what the server
// lets a bench do.
class TestClubStore : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> m_app;
    QString m_db;

private slots:
    void initTestCase() { QVERIFY2(Server(), "no PostgreSQL test server"); }

    void init()
    {
        m_app = FreshBench(&m_db);
        QVERIFY(m_app->ok());
    }

    void cleanup() { m_app.reset(); }

    // Each match goes once, whole, over TLS with the server's certificate checked; afterwards none
    // waits. Another bench restores exactly the rows that were recorded, and the same report; a
    // player who played but stands on neither team's roster any more (moved to another team after
    // the match) comes with the match, and so does the team they stand on now.
    void sentOnceAndRestoredWhole()
    {
        // Names and a rally entry with what both engines' packing must escape: quotes, a backslash,
        // braces, commas, the word NULL and letters beyond ASCII.
        SeedSeason({QStringLiteral("Harbour \"Gulls\" {A,B} \\ O'Neil, NULL Ærø"), {}, 3, 8, 4, 3, 30});
        Execute(QStringLiteral("UPDATE RALLY SET STAT = ? WHERE (GAMEID, ENTRY) = (SELECT GAMEID, ENTRY FROM RALLY ORDER BY GAMEID, ENTRY LIMIT 1)"),
                {QStringLiteral("say \"no\" {x,y} \\ NULL (a, b)\nnext line")});
        // An empty text is not an empty place.
        Execute(QStringLiteral("UPDATE RALLY SET STAT = '' WHERE (GAMEID, ENTRY) = (SELECT GAMEID, ENTRY FROM RALLY ORDER BY GAMEID, ENTRY LIMIT 1 OFFSET 1)"));
        // A line-up with an empty zone, as before it is complete.
        Execute(QStringLiteral("UPDATE RALLY SET A6 = NULL WHERE (GAMEID, ENTRY) = (SELECT GAMEID, ENTRY FROM RALLY ORDER BY GAMEID DESC, ENTRY DESC LIMIT 1)"));
        // The first game's start names a libero for each side; she comes in for home's zone 5, and
        // a timeout follows; its first point keeps its deciding action.
        const QString first = m_app->scalar(QStringLiteral("SELECT MIN(GAMEID) FROM RALLY")).toString();
        Execute(QStringLiteral("UPDATE RALLY SET PLAYERID = A6, OUTID = H6 WHERE GAMEID = ? AND ENTRY = 1"), {first});
        Execute(QStringLiteral("UPDATE RALLY SET STAT = 'KILL', PLAYERID = H4, POSITION = 4 WHERE GAMEID = ? AND ENTRY = "
                               "(SELECT MIN(ENTRY) FROM RALLY WHERE GAMEID = ? AND KIND = 'POINT')"),
                {first, first});
        Execute(QStringLiteral("INSERT INTO RALLY (GAMEID, ENTRY, STEP, KIND, ENTERED, SIDE, AMOUNT, HOMESCORE, AWAYSCORE, "
                               "PLAYERID, OUTID, H1, H2, H3, H4, H5, H6, A1, A2, A3, A4, A5, A6) "
                               "SELECT GAMEID, ENTRY + 1, STEP + 1, 'LIBERO', ENTERED, 0, 1, HOMESCORE, AWAYSCORE, A6, H5, "
                               "H1, H2, H3, H4, A6, H6, A1, A2, A3, A4, A5, A6 FROM RALLY WHERE GAMEID = ? "
                               "ORDER BY ENTRY DESC LIMIT 1"),
                {first});
        Execute(QStringLiteral("INSERT INTO RALLY (GAMEID, ENTRY, STEP, KIND, ENTERED, SIDE, HOMESCORE, AWAYSCORE, H1, H2, "
                               "H3, H4, H5, H6, A1, A2, A3, A4, A5, A6) SELECT GAMEID, ENTRY + 1, STEP + 1, 'TIMEOUT', "
                               "ENTERED, 1, HOMESCORE, AWAYSCORE, H1, H2, H3, H4, H5, H6, A1, A2, A3, A4, A5, A6 FROM RALLY "
                               "WHERE GAMEID = ? ORDER BY ENTRY DESC LIMIT 1"),
                {first});
        const QVariant moved = m_app->scalar(QStringLiteral("SELECT PLAYERID FROM PLAYED ORDER BY GAMEID, PLAYERID LIMIT 1"));
        Execute(QStringLiteral("UPDATE PLAYER SET TEAMID = ? WHERE PLAYERID = ?"), {Bind(m_app->addTeam("Guests")), moved});
        ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
        const QString archive = ArchiveStore::DefaultPath();
        const ClubServer server = Server()->tlsServer(m_db, QStringLiteral("bench_a"));
        QCOMPARE(WaitingCount(server), 4);
        QString failure;
        const ClubStore::SendReport report = Send(server, Password("bench_a"), &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(report.sentCount(), 4);
        QCOMPARE(WaitingCount(server), 0);
        QCOMPARE(ServerShapes(m_db, ClubSettings::BenchId()), LocalShapes(archive));
        // Sending again finds nothing to send.
        QCOMPARE(Send(server, Password("bench_a")).matches.size(), size_t(0));
        // Named another way (its socket), the server is another as far as the archive knows: the
        // matches go again, and the server, which has them as they stand, keeps its one copy.
        const ClubServer bySocket = Server()->socketServer(m_db, QStringLiteral("bench_a"));
        QCOMPARE(WaitingCount(bySocket), 4);
        QCOMPARE(Send(bySocket, Password("bench_a")).sentCount(), 4);
        QCOMPARE(Server()->value(QStringLiteral("SELECT COUNT(*) || ' ' || MAX(COPY) FROM MATCH;"), m_db), QStringLiteral("4 1"));
        QCOMPARE(ServerShapes(m_db, ClubSettings::BenchId()), LocalShapes(archive));

        // The working tables as the bench recorded them, restored from its archive.
        RestoreArchive();
        const QStringList report0 = ReportLines();
        const QStringList recorded = Dump(m_app->dbPath(), kMatchTables);
        QVERIFY(recorded.join(QLatin1Char('\n')).contains(QLatin1String("Guests")));

        // Another installation restores them from the server.
        AnotherInstallation(m_app);
        const ArchiveStore::RestoreResult restored = RestoreAll(Server()->socketServer(m_db, "bench_b"), Password("bench_b"));
        QCOMPARE(restored.restored.size(), 4);
        QCOMPARE(Dump(m_app->dbPath(), kMatchTables), recorded);
        QCOMPARE(ReportLines(), report0);
        QCOMPARE(m_app->scalar(QStringLiteral("SELECT T.TEAMNAME FROM PLAYER P JOIN TEAM T USING (TEAMID) WHERE PLAYERID = ?"),
                               {moved}),
                 QVariant(QStringLiteral("Guests")));
        // The libero, her swap, the timeout and how the point ended read back as the court wrote them.
        const Rally::Log log = RallyStore::GameLog(RecordId::fromText(first));
        QVERIFY(!Rally::Liberos(log)[Rally::kHome].isNull() && !Rally::Liberos(log)[Rally::kAway].isNull());
        const auto swap = std::find_if(log.begin(), log.end(), [](const Rally::Entry& e) { return e.kind == Rally::Kind::Libero; });
        QVERIFY(swap != log.end() && !swap->out.isNull());
        QCOMPARE(Rally::LiberoStandsFor(log, Rally::kHome), std::optional(swap->out));
        QCOMPARE(Rally::TimeoutsTaken(log, Rally::kAway), 1);
        QCOMPARE(Rally::StandingPoints(log).front().ended, QStringLiteral("KILL"));
        // Another bench's matches, even once left at this bench's exit, never wait to go back.
        ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
        QCOMPARE(ArchiveStore::ListMatches(ArchiveStore::DefaultPath()).size(), size_t(4));
        QCOMPARE(WaitingCount(Server()->socketServer(m_db, "bench_b")), 0);
    }

    // A fetch that the server holds up (another session keeps the rally log locked) is given up at
    // its quiet limit and lets go of every connection it fetches on at once, not only when the
    // statement limit ends the last one.
    void heldUpFetchIsGivenUpOnEveryConnection()
    {
        RecordAndLeave({QStringLiteral("Harbour"), {}, 2, 8, 4, 2, 10});
        const ClubServer server = Server()->socketServer(m_db, QStringLiteral("bench_a"));
        QCOMPARE(Send(server, Password("bench_a")).sentCount(), 4);
        const QList<ClubStore::ServerKey> keys = ServerKeys(server, Password("bench_a"));
        QCOMPARE(keys.size(), 4);
        const QString holderName = QStringLiteral("holder");
        bool gaveUp = false;
        qint64 took = 0;
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), holderName);
            holder.setHostName(Server()->folder());
            holder.setPort(Server()->port());
            holder.setDatabaseName(m_db);
            holder.setUserName(QStringLiteral("postgres"));
            QVERIFY2(holder.open(), qPrintable(holder.lastError().text()));
            QVERIFY(holder.transaction());
            {
                QSqlQuery lock(holder);
                QVERIFY2(lock.exec(QStringLiteral("LOCK TABLE RALLY IN ACCESS EXCLUSIVE MODE")),
                         qPrintable(lock.lastError().text()));
            }
            // Quiet for 2 s gives up; one statement alone could wait two minutes.
            ClubCall call({10, 60000, 120000, 2, 0});
            QElapsedTimer clock;
            clock.start();
            try {
                ClubStore::RestoreFromServer(server, Password("bench_a"), keys, ArchiveStore::DefaultPath(),
                                             ClubSettings::BenchId(), call);
            } catch (const DbError&) {
                gaveUp = true;
            }
            took = clock.elapsed();
            holder.rollback();
            holder.close();
        }
        QSqlDatabase::removeDatabase(holderName);
        QVERIFY(gaveUp);
        QVERIFY2(took < 15000, qPrintable(QString::number(took)));
    }

    // Two benches whose records were made in the same seconds: each keeps its own, and a third
    // that restores both has both, apart, with every report line of each.
    void sameSecondsOnTwoBenchesStayApart()
    {
        RecordAndLeave({QStringLiteral("Harbour"), {}, 2, 7, 2, 2, 12});
        QVERIFY(Send(Server()->socketServer(m_db, "bench_a"), Password("bench_a")).sentCount() == 2);
        AnotherInstallation(m_app);
        RecordAndLeave({QStringLiteral("Hillside"), {}, 2, 7, 2, 2, 12});
        QVERIFY(Send(Server()->socketServer(m_db, "bench_b"), Password("bench_b")).sentCount() == 2);
        QCOMPARE(Server()->value(QStringLiteral("SELECT COUNT(DISTINCT MATCHID) || ' ' || COUNT(*) FROM MATCH;"), m_db),
                 QStringLiteral("2 4"));

        // Bench B restores everything: its own come back as they were, A's beside them.
        const QStringList own = [&] {
            RestoreArchive();
            const QStringList lines = ReportLines();
            MatchStore::ForgetMatches();
            return lines;
        }();
        const ArchiveStore::RestoreResult result = RestoreAll(Server()->socketServer(m_db, "bench_b"), Password("bench_b"));
        QCOMPARE(result.restored.size(), 4);
        QCOMPARE(m_app->count("MATCH"), 4);
        QCOMPARE(m_app->count("TEAM"), 4);
        QCOMPARE(m_app->scalar("SELECT COUNT(*) FROM TEAM WHERE TEAMNAME LIKE 'Harbour%'").toInt(), 2);
        const QStringList all = ReportLines();
        for (const QString& line : own)
            QVERIFY2(all.contains(line), qPrintable(line));
        QCOMPARE(all.size(), own.size() * 2);
        // A's rally log names A's players as they are called here: everyone on court and everyone
        // an entry names played in the entry's game.
        QStringList named{QStringLiteral("PLAYERID")};
        for (const char* zone : {"H1", "H2", "H3", "H4", "H5", "H6", "A1", "A2", "A3", "A4", "A5", "A6"})
            named << QLatin1String(zone);
        for (const QString& c : named)
            QVERIFY2(m_app->scalar(QStringLiteral("SELECT COUNT(*) FROM RALLY R WHERE R.%1 IS NOT NULL AND R.%1 NOT IN "
                                                  "(SELECT PLAYERID FROM PLAYED P WHERE P.GAMEID = R.GAMEID)")
                                       .arg(c))
                             .toInt()
                         == 0,
                     qPrintable(c));
        // Restored again after an exit: A's records come back under the same identifiers here,
        // not as a third set.
        const QStringList first = Dump(m_app->dbPath(), {"TEAM", "PLAYER"});
        ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
        QCOMPARE(RestoreAll(Server()->socketServer(m_db, "bench_b"), Password("bench_b")).restored.size(), 4);
        QCOMPARE(Dump(m_app->dbPath(), {"TEAM", "PLAYER"}), first);
        QCOMPARE(m_app->count("MATCH"), 4);
        QCOMPARE(WaitingCount(Server()->socketServer(m_db, "bench_b")), 0);
    }

    // A restored season's kept totals are exactly the sums over its actions, as recording keeps
    // them, beside the totals of a match already in the working tables; recording goes on adding
    // to them afterwards. A restore that fails while writing leaves the working tables as they
    // were and says why.
    void restoredTotalsAreTheActionsSums()
    {
        // More matches than the fetch runs ahead of the writing.
        RecordAndLeave({QStringLiteral("Harbour"), {}, 3, 8, 9, 2, 15});
        QCOMPARE(Send(Server()->socketServer(m_db, "bench_a"), Password("bench_a")).sentCount(), 9);
        AnotherInstallation(m_app);
        SeedSeason({QStringLiteral("Hillside"), QDateTime(QDate(2026, 3, 1), QTime(18, 0)), 2, 7, 1, 2, 20});
        const auto totals = [this] { return Dump(m_app->dbPath(), {"TOTALS", "ZONETOTALS", "GAMETOTALS"}); };
        const QStringList before = totals();
        const ClubServer server = Server()->socketServer(m_db, "bench_b");

        // The working file refuses the second match's rally log (as a full disk would): the
        // restore stops with that reason, and the first match, written already, goes too.
        Execute(QStringLiteral("CREATE TEMP TRIGGER REFUSE BEFORE INSERT ON main.RALLY WHEN (SELECT COUNT(*) FROM "
                               "main.MATCH) > 2 BEGIN SELECT RAISE(ABORT, 'no room for the rally log'); END"));
        QString failure;
        try {
            RestoreAll(server, Password("bench_b"));
        } catch (const DbError& e) {
            failure = e.message();
        }
        QVERIFY2(failure.contains(QLatin1String("no room for the rally log")), qPrintable(failure));
        QCOMPARE(m_app->count("MATCH"), 1);
        QCOMPARE(totals(), before);
        Execute(QStringLiteral("DROP TRIGGER temp.REFUSE"));

        const QVariant checkpointing = m_app->scalar(QStringLiteral("PRAGMA wal_autocheckpoint"));
        QCOMPARE(RestoreAll(server, Password("bench_b")).restored.size(), 9);
        QCOMPARE(m_app->count("MATCH"), 10);
        // The commit left the log's copy into the file to the pause after, and only that commit.
        QCOMPARE(m_app->scalar(QStringLiteral("PRAGMA wal_autocheckpoint")), checkpointing);
        // Summed afresh from the actions by the rule the trigger keeps.
        const QString sums = QStringLiteral(
            "SELECT GAMEID, PLAYERID, POSITION, TOTAL(ATTEMPT), TOTAL(KILL), TOTAL(ERROR), TOTAL(SERVEACE), "
            "TOTAL(SERVEERROR), TOTAL(DIG), TOTAL(RECEIVEERROR), TOTAL(SOLOBLOCK), TOTAL(BLOCKASSIST), TOTAL(BLOCKERROR), "
            "TOTAL(BALLHANDLEERROR), TOTAL(SETASSIST), TOTAL(PASSING), TOTAL(CASE WHEN PASSING > 0 THEN 1 WHEN PASSING < 0 "
            "THEN -1 END), COUNT(*) FROM PLAY "
            "GROUP BY GAMEID, PLAYERID, POSITION");
        const QString kept = QStringLiteral(
            "SELECT GAMEID, PLAYERID, POSITION, ATTEMPT, KILL, ERROR, SERVEACE, SERVEERROR, DIG, RECEIVEERROR, SOLOBLOCK, "
            "BLOCKASSIST, BLOCKERROR, BALLHANDLEERROR, SETASSIST, PASSSUM, PASSNET, ACTIONS FROM TOTALS");
        QCOMPARE(m_app->scalar(QStringLiteral("SELECT COUNT(*) FROM (%1 EXCEPT %2)").arg(sums, kept)).toInt(), 0);
        QCOMPARE(m_app->scalar(QStringLiteral("SELECT COUNT(*) FROM (%2 EXCEPT %1)").arg(sums, kept)).toInt(), 0);
        QVERIFY(m_app->count("TOTALS") > 0);
        QCOMPARE(m_app->scalar(QStringLiteral(
                                   "SELECT COUNT(*) FROM (SELECT PLAYERID, POSITION, SUM(ACTIONS), SUM(KILL) FROM TOTALS "
                                   "GROUP BY PLAYERID, POSITION EXCEPT SELECT PLAYERID, POSITION, ACTIONS, KILL FROM ZONETOTALS)"))
                     .toInt(),
                 0);
        QCOMPARE(m_app->scalar(QStringLiteral("SELECT COUNT(*) FROM (SELECT PLAYERID, GAMEID, COUNT(*) FROM TOTALS GROUP BY "
                                              "PLAYERID, GAMEID EXCEPT SELECT PLAYERID, GAMEID, BOXES FROM GAMETOTALS)"))
                     .toInt(),
                 0);
        // The trigger is back: an action recorded now counts.
        const QVariant actions = m_app->scalar(QStringLiteral("SELECT SUM(ACTIONS) FROM TOTALS"));
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, DIG) SELECT GAMEID, 'one more', "
                               "PLAYERID, 3, 1 FROM PLAYED LIMIT 1"));
        QCOMPARE(m_app->scalar(QStringLiteral("SELECT SUM(ACTIONS) FROM TOTALS")).toInt(), actions.toInt() + 1);
    }

    // A match sent again replaces its copy and never doubles: after the archive's mark was lost,
    // and after it was restored and played on. A team renamed and a player renumbered on the
    // bench meanwhile reach the server with it; the rows that did not change stay as they were.
    void sentAgainReplacesNeverDoubles_data()
    {
        QTest::addColumn<bool>("playedOn");
        QTest::newRow("the archive's mark lost") << false;
        QTest::newRow("restored, renamed and played on") << true;
    }
    void sentAgainReplacesNeverDoubles()
    {
        QFETCH(bool, playedOn);
        RecordAndLeave({QStringLiteral("Harbour"), {}, 2, 7, 2, 2, 10});
        const ClubServer server = Server()->socketServer(m_db, "bench_a");
        QCOMPARE(Send(server, Password("bench_a")).sentCount(), 2);
        const QString archive = ArchiveStore::DefaultPath();
        const RecordId first = ArchiveStore::ListMatches(archive).front().id;
        QString team, player, others, before;
        if (!playedOn) {
            FileRows(archive, QStringLiteral("DELETE FROM CLUBSENT"));
        } else {
            ArchiveStore::Restore(archive, {first});
            team = m_app->scalar(QStringLiteral("SELECT HOMETEAMID FROM MATCH")).toString();
            player = m_app->scalar(QStringLiteral("SELECT MIN(PLAYERID) FROM PLAYER WHERE TEAMID = ?"), {team}).toString();
            others = QStringLiteral("SELECT string_agg(TEAMID || ' ' || TEAMNAME, ',' ORDER BY TEAMID) FROM TEAM "
                                    "WHERE TEAMID <> '%1';")
                         .arg(team);
            before = Server()->value(others, m_db);
            Execute(QStringLiteral("UPDATE TEAM SET TEAMNAME = 'Harbour Renamed' WHERE TEAMID = ?"), {team});
            Execute(QStringLiteral("UPDATE PLAYER SET PLAYERNUMBER = 99 WHERE PLAYERID = ?"), {player});
            Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, DIG) SELECT GAMEID, GAMEID, "
                                   "PLAYERID, 3, 1 FROM PLAYED LIMIT 1"));
            ArchiveStore::ArchiveThenForget(archive);
        }
        const int again = playedOn ? 1 : 2;
        QCOMPARE(WaitingCount(server), again);
        QCOMPARE(Send(server, Password("bench_a")).sentCount(), again);
        QCOMPARE(WaitingCount(server), 0);
        QCOMPARE(ServerShapes(m_db, ClubSettings::BenchId()), LocalShapes(archive));
        // The copy the server names now.
        QCOMPARE(Server()->value(QStringLiteral("SELECT COPY FROM MATCH WHERE MATCHID = '%1';").arg(first.text()), m_db),
                 QString::number(playedOn ? 2 : 1));
        if (!playedOn)
            return;
        QCOMPARE(Server()->value(QStringLiteral("SELECT TEAMNAME FROM TEAM WHERE TEAMID = '%1';").arg(team), m_db),
                 QStringLiteral("Harbour Renamed"));
        QCOMPARE(Server()->value(QStringLiteral("SELECT PLAYERNUMBER FROM PLAYER WHERE PLAYERID = '%1';").arg(player), m_db),
                 QStringLiteral("99"));
        QCOMPARE(Server()->value(others, m_db), before);
    }

    // Whatever the server refuses, the bench is told why, its archive stays as it was and every
    // match still waits.
    void refusalsLeaveEverythingWaiting_data() { table::Rows(QStringLiteral("clubstore.txt")); }
    void refusalsLeaveEverythingWaiting()
    {
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, database);
        QFETCH(bool, otherHostsCertificate);
        QFETCH(bool, anotherBenchsIdentifier);
        QFETCH(QString, said);
        RecordAndLeave({QStringLiteral("Harbour"), {}, 2, 7, 3, 2, 10});
        if (anotherBenchsIdentifier) {
            // Bench A has sent under this identifier; bench B's installation was copied from A's.
            QCOMPARE(Send(Server()->socketServer(m_db, "bench_a"), Password("bench_a")).sentCount(), 3);
            FileRows(ArchiveStore::DefaultPath(), QStringLiteral("DELETE FROM CLUBSENT"));
        }
        const QString archive = ArchiveStore::DefaultPath();
        const QStringList before = Dump(archive);
        const QString serverBefore = Server()->value(QStringLiteral("SELECT string_agg(MATCHID || COPY, ',' ORDER BY MATCHID) FROM MATCH;"), m_db);
        if (otherHostsCertificate)
            QVERIFY(Server()->showCertificateFor(false));
        const auto restore = qScopeGuard([&] {
            if (otherHostsCertificate)
                Server()->showCertificateFor(true);
        });
        if (password.isEmpty())
            password = Password(user);
        else if (password == QLatin1String("(none)"))
            password.clear();
        const ClubServer server = otherHostsCertificate ? Server()->tlsServer(database.isEmpty() ? m_db : database, user)
                                                        : Server()->socketServer(database.isEmpty() ? m_db : database, user);
        QString failure;
        // The server rereads its certificate a moment after it is told to.
        for (int tries = 0; tries < 50; ++tries) {
            failure.clear();
            const ClubStore::SendReport report = Send(server, password, &failure);
            QCOMPARE(report.sentCount(), 0);
            if (!otherHostsCertificate || !failure.isEmpty())
                break;
            FileRows(archive, QStringLiteral("DELETE FROM CLUBSENT"));
            QTest::qWait(100);
        }
        QVERIFY2(failure.contains(said), qPrintable(failure));
        QCOMPARE(Dump(archive), before);
        QCOMPARE(WaitingCount(server), 3);
        QCOMPARE(Server()->value(QStringLiteral("SELECT string_agg(MATCHID || COPY, ',' ORDER BY MATCHID) FROM MATCH;"), m_db),
                 serverBefore);
    }

    // The rights roles.sql gives a bench: read everything, write only its own bench's rows, never
    // delete nor make tables. Tried with plain statements, as any program could.
    void benchRolesHaveTheLeastRights_data() { table::Rows(QStringLiteral("clubstore.txt")); }
    void benchRolesHaveTheLeastRights()
    {
        QFETCH(QString, statement);
        QFETCH(QString, outcome);
        QVERIFY(Server()->psql("INSERT INTO BENCH VALUES ('00000000-0000-0000-0000-00000000000a', 'A', 'bench_a');"
                               "INSERT INTO TEAM VALUES ('00000000-0000-0000-0000-00000000000a', 't1', 'Theirs');"
                               "INSERT INTO MATCH VALUES ('00000000-0000-0000-0000-00000000000a', 'm1', 't1', 't1', 1, 'd');"
                               "INSERT INTO PLAY (BENCH, MATCHID, COPY, GAMEID, PLAYID, PLAYERID, POSITION) VALUES "
                               "('00000000-0000-0000-0000-00000000000a', 'm1', 1, 'g', 'p', 'x', 1);",
                               m_db));
        QString got;
        {
            const ClubServer s = Server()->socketServer(m_db, "bench_b");
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("rights"));
            db.setHostName(s.host);
            db.setPort(s.port);
            db.setDatabaseName(s.database);
            db.setUserName(s.user);
            db.setPassword(Password("bench_b"));
            QVERIFY2(db.open(), qPrintable(db.lastError().text()));
            QSqlQuery q(db);
            if (q.exec(statement)) {
                int rows = q.isSelect() ? 0 : q.numRowsAffected();
                while (q.isSelect() && q.next())
                    ++rows;
                got = QStringLiteral("rows %1").arg(rows);
            } else {
                got = q.lastError().nativeErrorCode();
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("rights"));
        QCOMPARE(got, outcome);
        QCOMPARE(Server()->value("SELECT TEAMNAME FROM TEAM WHERE TEAMID = 't1';", m_db), QStringLiteral("Theirs"));
        QCOMPARE(Server()->value("SELECT COUNT(*) FROM PLAY;", m_db), QStringLiteral("1"));
    }

    // The command line's settings in libpq's form, and the rules every way of setting the server
    // follows.
    void serverSettings_data() { table::Rows(QStringLiteral("clubstore.txt")); }
    void serverSettings()
    {
        QFETCH(QString, text);
        QFETCH(QString, outcome);
        QString error;
        const std::optional<ClubServer> server = ClubSettings::FromConnectionString(text, &error);
        const QString got = server ? server->describe() : error;
        QVERIFY2(got.contains(outcome), qPrintable(got));
    }
};

SIDELINES_TEST(TestClubStore)
#include "tst_clubstore.moc"

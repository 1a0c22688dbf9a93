#include "ScoutChecks.h"
#include "ScoutFixture.h"
#include "ScoutRecorder.h"
#include "storage/ArchiveStore.h"
#include "storage/MatchStore.h"
#include "storage/PlayStore.h"
#include "storage/RallyStore.h"
#include "scoutfile/ScoutFile.h"
#include "storage/ScoutStore.h"
#include "support/Fixture.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QTest>

using namespace scoutchecks;
using namespace scoutfixture;

// The real match imported, checked against the figures of the file's own lines.
class TestScoutImport : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> app;

private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void realMatchAgreesWithItsOwnLines()
    {
        const Scout::ReadResult read = Scout::Read(Fixture(), Scout::Encoding::Automatic, kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        const ScoutStore::Imported imported = ScoutStore::Import(*read.match);
        // The away team's first, as the match's caption names them.
        QCOMPARE(imported.newTeams, (QStringList{QStringLiteral("Nova KBM Branik"), QStringLiteral("Braslovče")}));
        QCOMPARE(imported.newPlayers.size(), 25);
        // Stored under the file's date and the time of its first scouted line.
        QCOMPARE(imported.match.text(), QStringLiteral("2015-01-25 14:31:13"));

        // Set scores, rally numbers and every player's report line, as the file's own lines give them.
        QStringList got;
        for (const QVariantList& r : app->rows(QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM GAME ORDER BY GAMENUMBER")))
            got << QStringLiteral("set %1-%2").arg(r[0].toInt()).arg(r[1].toInt());
        got << Numbers(imported.match);
        for (const ReportLine& l : ReportStore::Fill(BuildReportStatement(OneMatch(imported.match, false)))) {
            QStringList counts;
            for (size_t k = 0; k < kStatKinds.size(); ++k)
                if (kStatKinds[k].shape != StatShape::Rating && l.counts[k])
                    counts << QStringLiteral("%1 %2").arg(QLatin1String(kStatKinds[k].column)).arg(l.counts[k]);
            got << QStringLiteral("%1 #%2 | %3 | %4 | %5 | %6")
                       .arg(l.team, l.number.toString())
                       .arg(l.games)
                       .arg(counts.join(QStringLiteral(", ")))
                       .arg(l.pass.net)
                       .arg(l.passAverage(), 0, 'f', 4);
        }
        QCOMPARE(got, table::Section(QStringLiteral("scoutimport.txt"), QStringLiteral("realMatchAgreesWithItsOwnLines")));
    }

    // The log the court's rules read: a start with both line-ups and the first server, every point
    // with the line-ups of its rally (the libero, whom no line-up places, acts in the back-row
    // middle), and a box for every action on the half its team plays that set.
    void logReadsLikeTheCourts()
    {
        const Scout::ReadResult read = Scout::Read(Fixture(), Scout::Encoding::Automatic, kToday);
        const ScoutStore::Imported imported = ScoutStore::Import(*read.match);
        const QList<QStringList> points = StoredPoints(imported.match);
        QCOMPARE(points.size(), 3);
        // Each point ends as its lines say: an ace with its reception error is the ace, a kill with
        // the block error it drew is the kill, a serve error or an attack error with the rally's end
        // credited to nobody (*$$&H#) the error.
        QCOMPARE(points[0].front(), QStringLiteral("0>0 1:0 [6 15 4 12 10 9 11 15 10 13 3 16] SERVEACE #6"));
        // After the first side-out the visitors turned: zone 2's player serves.
        QCOMPARE(points[0][1], QStringLiteral("0>1 1:1 [6 15 4 12 10 9 11 15 10 13 3 16] KILL #16"));
        QCOMPARE(points[0][2], QStringLiteral("1>0 2:1 [6 15 4 12 10 9 15 10 13 3 16 11] SERVEERROR #15"));
        QCOMPARE(points[0][3], QStringLiteral("0>0 3:1 [15 4 12 10 9 6 15 10 13 3 16 11] ERROR #13"));
        QVERIFY(points[1].front().startsWith(QLatin1String("1>"))); // the visitors served first in set 2
        // Home on the left in sets 1 and 3, on the right in set 2.
        QCOMPARE(
            app->rows(QStringLiteral("SELECT G.GAMENUMBER, MIN(P.POSITION), MAX(P.POSITION) FROM PLAY P JOIN GAME G "
                                     "ON G.GAMEID = P.GAMEID JOIN PLAYER PL ON PL.PLAYERID = P.PLAYERID JOIN TEAM T "
                                     "ON T.TEAMID = PL.TEAMID WHERE T.TEAMNAME = ? GROUP BY G.GAMENUMBER"),
                      {QStringLiteral("Braslovče")}),
            (QList<QVariantList>{{1, 1, 6}, {2, 7, 12}, {3, 1, 6}}));
        // The libero (home #1) is never in a line-up: her digs and passes are in zone 6.
        QCOMPARE(app->rows(QStringLiteral("SELECT DISTINCT P.POSITION FROM PLAY P JOIN PLAYER PL ON PL.PLAYERID = "
                                          "P.PLAYERID WHERE PL.PLAYERNUMBER = 1 ORDER BY 1")),
                 (QList<QVariantList>{{6}, {12}}));
        // Every action's entry stands in its game's log with its PLAY row: the same player, box and moment.
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(*) FROM RALLY WHERE KIND = 'ACTION'")).toInt(),
                 app->count("PLAY"));
        QCOMPARE(app->rows(QStringLiteral("SELECT GAMEID, PLAYERID, POSITION, ENTERED, COUNT(*) FROM RALLY WHERE KIND = "
                                          "'ACTION' GROUP BY 1, 2, 3, 4 ORDER BY 1, 2, 3, 4")),
                 app->rows(QStringLiteral("SELECT GAMEID, PLAYERID, POSITION, PLAYID, COUNT(*) FROM PLAY GROUP BY 1, 2, "
                                          "3, 4 ORDER BY 1, 2, 3, 4")));
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(*) FROM RALLY WHERE KIND = 'SUB'")).toInt(), 13);

        // Each set names the liberos who played it (home's #1, not #7, who never played; the
        // visitors' #6). Its timeouts are among the team numbers realMatchAgreesWithItsOwnLines reads.
        QStringList liberos;
        for (const auto& [game, log] : RallyStore::GameLogs(Games(imported.match)))
            liberos << QStringLiteral("%1 %2").arg(Shirt(Rally::Liberos(log)[0])).arg(Shirt(Rally::Liberos(log)[1]));
        QCOMPARE(liberos, (QStringList{"1 6", "1 6", "1 6"}));
    }

    // A match is known again by what its file says of it (date and time, team codes, set scores),
    // in the working tables and in the archive: neither names read in another encoding (which make
    // other teams) nor an exit in between let it in twice. The refusal names the match and where
    // it is, and nothing is written.
    void oneMatchOneCopy_data() { table::Rows(QStringLiteral("scoutimport.txt")); }
    void oneMatchOneCopy()
    {
        QFETCH(QString, first);
        QFETCH(QString, between);
        QFETCH(QString, again);
        QFETCH(QString, stored); // the home team's name as stored
        const QString refusal
            = (between == QLatin1String("exit")
                   ? QStringLiteral("this match is already in the archive of saved matches: Nova KBM Branik vs %1 on %2; "
                                    "File > Restore Saved Matches brings it back.")
                   : QStringLiteral("this match is already among the recorded matches: Nova KBM Branik vs %1 on %2."))
                  .arg(stored, MatchWhen(RecordId::fromText(QStringLiteral("2015-01-25 14:31:13"))));
        const QByteArray file = Encoded(Fixture(), QStringLiteral("windows-1250"));
        const Scout::ReadResult read = Scout::Read(file, *Scout::EncodingFromName(first), kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        const RecordId match = ScoutStore::Import(*read.match).match;
        if (!between.isEmpty()) {
            ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
            QCOMPARE(app->count(QStringLiteral("MATCH")), 0);
        }
        if (between == QLatin1String("exit and restore"))
            QCOMPARE(ArchiveStore::Restore(ArchiveStore::DefaultPath(), {match}).restored, QList<RecordId>{match});

        const QString before = Counts(*app);
        const Scout::ReadResult second = Scout::Read(file, *Scout::EncodingFromName(again), kToday);
        QVERIFY2(second.ok(), qPrintable(second.refusal.text()));
        const ScoutStore::Plan plan = ScoutStore::PlanImport(*second.match);
        QVERIFY(plan.duplicate);
        QCOMPARE(plan.duplicate->match, match);
        QCOMPARE(plan.duplicate->archived, between == QLatin1String("exit"));
        try {
            ScoutStore::Import(*second.match);
            QFAIL("the same match was imported twice");
        } catch (const Scout::RefusalError& e) {
            QCOMPARE(e.refusal().line, 16);
            QCOMPARE(e.refusal().reason, refusal);
        }
        QCOMPARE(Counts(*app), before);
    }

    // What the file says of its match: the same whatever the names, another for another moment,
    // other teams' codes or another score.
    void fileKeys_data() { table::Rows(QStringLiteral("scoutimport.txt")); }
    void fileKeys()
    {
        QFETCH(QByteArray, recipe);
        QFETCH(QString, key);
        const Scout::ReadResult read = Scout::Read(Made(recipe), Scout::Encoding::Automatic, kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        QCOMPARE(Scout::FileKey(*read.match), key);
    }

    // Teams are found by name whatever the case, players by team and shirt; the match is then
    // known again, and another day's match of the same teams goes in beside it.
    void sameMatchOnceTeamsAndPlayersFound()
    {
        const RecordId team = app->addTeam(QStringLiteral("BRASLOVČE"));
        const RecordId zala = app->addPlayer(team, QStringLiteral("Zala Z."), 4);
        const Scout::ReadResult read = Scout::Read(Fixture(), Scout::Encoding::Automatic, kToday);
        const ScoutStore::Plan plan = ScoutStore::PlanImport(*read.match);
        QVERIFY(!plan.newTeam(0) && plan.newTeam(1));
        QVERIFY(!plan.newPlayer(0, 4) && plan.newPlayer(0, 6));
        const ScoutStore::Imported first = ScoutStore::Import(*read.match);
        QCOMPARE(first.newTeams, QStringList{QStringLiteral("Nova KBM Branik")});
        QCOMPARE(first.newPlayers.size(), 24);
        QVERIFY(first.newPlayers.contains(QStringLiteral("ŠPELA BEDNJANIČ #1 (BRASLOVČE)")));
        QCOMPARE(RosterStore::Player(zala)->name, QStringLiteral("Zala Z."));
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(*) FROM PLAY WHERE PLAYERID = ?"), {Bind(zala)}).toInt(), 24);

        // Known again, as oneMatchOneCopy refuses it.
        QVERIFY(ScoutStore::PlanImport(*read.match).duplicate);

        // The same teams another day; and other teams at the same moment, stored a second later.
        // The stored match changed by other means is still the file's match: the file says so.
        const QByteArray later = Renamed("Braslovče", "Nova KBM Branik", "26/01/2015");
        ScoutStore::Import(*Scout::Read(later, Scout::Encoding::Automatic, kToday).match);
        Execute(QStringLiteral("UPDATE GAME SET AWAYSCORE = 17 WHERE GAMENUMBER = 1 AND MATCHID = ?"),
                {Bind(first.match)});
        QVERIFY(ScoutStore::PlanImport(*read.match).duplicate);
        const QByteArray others = WithLine(20, "XX2;Owls;0;;;;", WithLine(19, "XX1;Hawks;3;;;;"));
        ScoutStore::Import(*Scout::Read(others, Scout::Encoding::Automatic, kToday).match);
        QCOMPARE(app->rows(QStringLiteral("SELECT MATCHID FROM MATCH ORDER BY 1")),
                 (QList<QVariantList>{{QStringLiteral("2015-01-25 14:31:13")},
                                      {QStringLiteral("2015-01-25 14:31:14")},
                                      {QStringLiteral("2015-01-26 14:31:13")}}));
        QCOMPARE(app->count(QStringLiteral("TEAM")), 4);
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(DISTINCT GAMEID) FROM GAME")).toInt(), 9);
    }

    // The same match in the forms files from the field take is stored the same, row for row: the
    // hexadecimal copies of newer programs (with a garbled name put right), a portal's
    // substitutions without line-up (the court tells the line-up after them).
    void sameMatchFromEveryForm_data() { table::Rows(QStringLiteral("scoutimport.txt")); }
    void sameMatchFromEveryForm()
    {
        QFETCH(QByteArray, recipe);
        const QByteArray file = Made(recipe);
        auto stored = [&](const QByteArray& bytes) {
            const Scout::ReadResult read = Scout::Read(bytes, Scout::Encoding::Automatic, kToday);
            if (!read.ok())
                return QStringList{read.refusal.text()};
            const RecordId match = ScoutStore::Import(*read.match).match;
            QStringList out = ReportText(OneMatch(match, false)) + ReportText(OneMatch(match, true)) + Numbers(match);
            for (const QStringList& game : StoredPoints(match))
                out << game;
            for (const QVariantList& r : app->rows(QStringLiteral(
                     "SELECT G.GAMENUMBER, T.TEAMNAME, PL.PLAYERNUMBER, PL.PLAYERNAME FROM PLAYED P JOIN GAME G ON "
                     "G.GAMEID = P.GAMEID JOIN PLAYER PL ON PL.PLAYERID = P.PLAYERID JOIN TEAM T ON T.TEAMID = "
                     "PL.TEAMID ORDER BY 1, 2, 3")))
                out << r[0].toString() + ' ' + r[1].toString() + ' ' + r[2].toString() + ' ' + r[3].toString();
            out << QString::number(app->count(QStringLiteral("RALLY")));
            return out;
        };
        const QStringList plain = stored(Fixture());
        app.reset();
        app = std::make_unique<TestApp>();
        const QStringList other = stored(file);
        QCOMPARE(other.size(), plain.size());
        for (qsizetype i = 0; i < plain.size(); ++i)
            QCOMPARE(other[i], plain[i]);
        QVERIFY(plain.contains(QStringLiteral("1 Braslovče 1 ŠPELA BEDNJANIČ")));
    }

    // The engine refusing a row half way through leaves the tables as they were: the teams,
    // players, match, games, actions and logs of an import go in together or not at all.
    void failureHalfWayWritesNothing()
    {
        const Scout::ReadResult read = Scout::Read(Fixture(), Scout::Encoding::Automatic, kToday);
        Execute(QStringLiteral("CREATE TEMP TRIGGER FAIL_LATE BEFORE INSERT ON RALLY WHEN NEW.ENTRY = 100 "
                               "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END"));
        const QString before = Counts(*app);
        QVERIFY_THROWS_EXCEPTION(DbError, ScoutStore::Import(*read.match));
        QCOMPARE(Counts(*app), before);
        Execute(QStringLiteral("DROP TRIGGER FAIL_LATE"));
        ScoutStore::Import(*read.match);
        QCOMPARE(app->count(QStringLiteral("MATCH")), 1);
    }

    // The first rally of the real file replaced by these codes (separated by ';'), the point going
    // to home; home #6 stands in zone 1, #15 in zone 2.
    static QByteArray FirstRallyAs(const QByteArray& codes)
    {
        QList<QByteArray> lines = Lines();
        QList<QByteArray> rally;
        for (const QByteArray& code : codes.split(';'))
            rally << code + ";;;;;;;14.31.13;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;";
        return Join(lines.mid(0, 121)
                    + QList<QByteArray>{"*06SM+;;;;;;;14.31.13;1;3;3;;;;6;15;4;12;10;9;11;15;10;13;3;16;"} + rally
                    + lines.mid(123));
    }

    // The real match with its home libero (#1) put into the line-ups of some of its lines, where the
    // file's own scout left her out: a change of the libero alone is her swap, not a substitution;
    // a turn that takes her to the front row brings back the player she replaced in its step; a
    // file that has her in the front row, or in the set's first line-up, is read as it says.
    void liberoInTheLineUps_data() { table::Rows(QStringLiteral("scoutimport.txt")); }
    void liberoInTheLineUps()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, zone);
        QFETCH(QString, swaps);
        QFETCH(QString, rally);
        QList<QByteArray> lines = Lines();
        // Where the file has the player she replaced: after a turn, the zone he went to.
        const QByteArray replaced = lines[from - 1].split(';')[13 + zone];
        for (int n = from; n <= to; ++n) {
            QList<QByteArray> f = lines[n - 1].split(';');
            f[int(f.indexOf(replaced, 14))] = "1";
            lines[n - 1] = f.join(';');
        }
        const RecordId match = ImportBytes(Join(lines));
        QVERIFY(!match.isNull());
        const Rally::Log log = RallyStore::GameLog(Games(match).front());
        QStringList seen;
        for (const Rally::Entry& e : log) {
            if (e.kind != Rally::Kind::Libero)
                continue;
            const auto step = Rally::StepEntries(log, e.step);
            const bool turn = std::any_of(step.begin(), step.end(), [](const Rally::Entry* s) { return s->kind == Rally::Kind::Rotate; });
            seen << QStringLiteral("%1 for %2%3").arg(Shirt(e.player)).arg(Shirt(e.out)).arg(turn ? ", turn" : "");
            QCOMPARE(e.amount, Shirt(e.player) == 1 ? 1 : -1);
        }
        QCOMPARE(seen.join(QStringLiteral("; ")), swaps);
        // Not one substitution more than the file's own, and the set starts with the players the
        // roster gives the zones: she is never one of the six of a start.
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(*) FROM RALLY WHERE KIND = 'SUB'")).toInt(), 13);
        QCOMPARE(Shirt(Rally::Liberos(log)[0]), 1);
        QStringList start;
        for (const RecordId& id : log.front().zones[0])
            start << QString::number(Shirt(id));
        QCOMPARE(start.join(' '), QStringLiteral("6 15 4 12 10 9"));
        const QStringList points = StoredPoints(match).front();
        const QString score = rally.section(' ', 0, 0);
        const auto it = std::find_if(points.begin(), points.end(), [&](const QString& p) { return p.section(' ', 1, 1) == score; });
        QVERIFY(it != points.end());
        QCOMPARE(it->section(' ', 1, 7), rally);
    }

    // A line-up that shows a turn and a swap of the libero at once is both: the turn, then her swap.
    // A rotation line is put after the point at 4:3 turning home forward with the libero in for
    // #6; the lines after it have home as before, a turn back with her gone off.
    void liberoSwapWithATurn()
    {
        QList<QByteArray> lines = Lines();
        QCOMPARE(lines[169].left(8), QByteArray("ap04:03;"));
        lines.insert(170, "*z2;;;;;;;14.33.57;1;2;1;;;;4;12;10;9;1;15;10;13;3;16;11;15;");
        const RecordId match = ImportBytes(Join(lines));
        QVERIFY(!match.isNull());
        QStringList seen;
        for (const Rally::Entry& e : RallyStore::GameLog(Games(match).front())) {
            if (e.kind == Rally::Kind::Libero)
                seen << QStringLiteral("%1 for %2").arg(Shirt(e.player)).arg(Shirt(e.out));
            else if (e.kind == Rally::Kind::Rotate && e.homeScore == 4 && e.awayScore == 3)
                seen << QStringLiteral("turn %1").arg(e.amount);
        }
        QCOMPARE(seen.join(QStringLiteral(" | ")), QStringLiteral("turn 1 | 1 for 6 | turn -1 | 6 for 1"));
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(*) FROM RALLY WHERE KIND = 'SUB'")).toInt(), 13);
    }

    // Each code of the mapping, in a rally of its own, records its kind (or nothing) for the player;
    // what the program writes in the custom field of its own codes comes back.
    void codesRecordTheirKinds_data() { table::Rows(QStringLiteral("scoutimport.txt")); }
    void codesRecordTheirKinds()
    {
        QFETCH(QByteArray, codes);
        QFETCH(QString, recorded);
        const Scout::ReadResult read = Scout::Read(FirstRallyAs(codes), Scout::Encoding::Automatic, kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        ScoutStore::Import(*read.match);
        // The home rows of the first rally (before the first point, at 14.31.21).
        QStringList columns;
        for (const StatKind& k : kStatKinds)
            columns << QString::fromLatin1(k.column);
        QStringList rows;
        for (const QVariantList& r :
             app->rows(QStringLiteral("SELECT PL.PLAYERNUMBER, P.POSITION, %1 FROM PLAY P JOIN PLAYER PL ON PL.PLAYERID "
                                      "= P.PLAYERID JOIN TEAM T ON T.TEAMID = PL.TEAMID WHERE T.TEAMNAME = ? AND "
                                      "P.PLAYID = ? ORDER BY 1")
                           .arg(columns.join(", ")),
                       {QStringLiteral("Braslovče"), QStringLiteral("2015-01-25 14:31:13")})) {
            QStringList found;
            for (int c = 0; c < columns.size(); ++c)
                if (!r[c + 2].isNull())
                    found << columns[c] + '=' + r[c + 2].toString();
            // The attempt of an attack result sits in the same row, after its kind in the table's order.
            std::stable_sort(found.begin(), found.end(), [&](const QString& a, const QString& b) {
                return (a.startsWith("ATTEMPT") ? 1 : 0) < (b.startsWith("ATTEMPT") ? 1 : 0);
            });
            rows << QStringLiteral("#%1@%2 ").arg(r[0].toInt()).arg(r[1].toInt()) + found.join(' ');
        }
        QCOMPARE(rows.join(QStringLiteral("; ")), recorded);
    }
};

SIDELINES_TEST(TestScoutImport)
#include "tst_scoutimport.moc"

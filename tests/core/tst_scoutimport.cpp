#include "ScoutChecks.h"
#include "ScoutFixture.h"
#include "ScoutRecorder.h"
#include "core/ArchiveStore.h"
#include "core/MatchStore.h"
#include "core/PlayStore.h"
#include "core/RallyStore.h"
#include "core/ScoutFile.h"
#include "core/ScoutStore.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QRegularExpression>
#include <QTest>
#include <map>

using namespace scoutchecks;
using namespace scoutfixture;

// The real match imported, checked against figures the test works out from the file's own lines.
class TestScoutImport : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> app;

    // Per player, by the mapping as the import promises it, read straight from the scout codes.
    struct Figures
    {
        QString team;
        int games = 0;
        std::map<QString, int> counts; // by PLAY column
        int passSum = 0;
        int passes = 0;
    };

    static std::map<std::pair<int, int>, Figures> FromFileLines()
    {
        const QList<QByteArray> lines = Lines();
        std::map<std::pair<int, int>, Figures> out;
        // The rosters: the sets each player has a place in.
        int side = -1;
        for (const QByteArray& l : lines) {
            if (l.startsWith("[3"))
                side = l == "[3PLAYERS-H]" ? 0 : (l == "[3PLAYERS-V]" ? 1 : -1);
            else if (side >= 0) {
                const QList<QByteArray> f = l.split(';');
                Figures& p = out[{side, f[1].toInt()}];
                p.team = side == 0 ? QStringLiteral("Braslovče") : QStringLiteral("Nova KBM Branik");
                for (int s = 3; s <= 7; ++s)
                    p.games += f[s].isEmpty() ? 0 : 1;
            }
        }
        const QRegularExpression action(QStringLiteral("^([*a])(\\d\\d|\\$\\$)([SRABDEF])(.)(.)"));
        const qsizetype scout = lines.indexOf("[3SCOUT]");
        for (qsizetype i = scout + 1; i < lines.size(); ++i) {
            const QString code = QString::fromUtf8(lines[i].split(';').first());
            const QRegularExpressionMatch m = action.match(code);
            if (!m.hasMatch() || m.captured(2) == QLatin1String("$$"))
                continue;
            const int s = m.captured(1) == QLatin1String("*") ? 0 : 1;
            Figures& p = out[{s, m.captured(2).toInt()}];
            const QChar skill = m.captured(3).at(0);
            const QChar eval = m.captured(5).at(0);
            auto add = [&](const char* column) { ++p.counts[QString::fromLatin1(column)]; };
            if (skill == 'A') {
                add("ATTEMPT");
                if (eval == '#')
                    add("KILL");
                else if (eval == '=' || eval == '/')
                    add("ERROR");
            } else if (skill == 'S') {
                if (eval == '#')
                    add("SERVEACE");
                if (eval == '=')
                    add("SERVEERROR");
            } else if (skill == 'R') {
                const int rating = QStringLiteral("#+").contains(eval)
                    ? 3
                    : (eval == '!' ? 2 : (QStringLiteral("-/").contains(eval) ? 1 : 0));
                if (rating > 0) {
                    p.passSum += rating;
                    ++p.passes;
                } else {
                    add("RECEIVEERROR");
                }
            } else if (skill == 'D') {
                if (eval != '=')
                    add("DIG");
            } else if (skill == 'B') {
                if (eval == '#')
                    add("SOLOBLOCK");
                else if (eval == '=' || eval == '/')
                    add("BLOCKERROR");
            } else if (skill == 'E') {
                if (eval == '=') {
                    add("BALLHANDLEERROR");
                    continue;
                }
                // An assist when the next action, before the rally's point, is a kill of this side.
                for (qsizetype k = i + 1; k < lines.size(); ++k) {
                    const QString next = QString::fromUtf8(lines[k].split(';').first());
                    if (next.size() > 1 && next[1] == 'p')
                        break;
                    const QRegularExpressionMatch n = action.match(next);
                    if (!n.hasMatch())
                        continue;
                    if (n.captured(1) == m.captured(1) && n.captured(3) == QLatin1String("A")
                        && n.captured(5) == QLatin1String("#"))
                        add("SETASSIST");
                    break;
                }
            }
        }
        return out;
    }

    // Set scores and rally numbers as the point lines and the serves of the file have them.
    static RallyCounts RalliesFromFileLines(QStringList* scores)
    {
        RallyCounts c;
        std::optional<int> server;
        QString last;
        for (const QByteArray& l : Lines()) {
            const QString code = QString::fromUtf8(l.split(';').first());
            if (!server && code.size() > 3 && code[1].isDigit() && code[3] == 'S')
                server = code[0] == '*' ? 0 : 1;
            if (code.size() > 1 && code[1] == 'p') {
                Count(c, *server, code[0] == '*' ? 0 : 1);
                server.reset();
                last = code.mid(2).replace(':', '-');
            }
            if (code.startsWith(QLatin1String("**")))
                *scores << last;
        }
        return c;
    }

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

        // The set scores.
        QStringList fileScores;
        const RallyCounts fileRallies = RalliesFromFileLines(&fileScores);
        QStringList stored;
        for (const QVariantList& r :
             app->rows(QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM GAME ORDER BY GAMENUMBER")))
            stored << QStringLiteral("%1-%2")
                          .arg(r[0].toInt(), 2, 10, QLatin1Char('0'))
                          .arg(r[1].toInt(), 2, 10, QLatin1Char('0'));
        QCOMPARE(stored, fileScores);

        // The side-out and break-point numbers, from the stored logs as the court's rules read them,
        // and as the team numbers of the reports have them.
        QCOMPARE(Text(StoredRallies(imported.match)), Text(fileRallies));
        const QStringList numbers = Numbers(imported.match);
        for (int side = 0; side < 2; ++side) {
            const QString team = side == 0 ? QStringLiteral("Braslovče") : QStringLiteral("Nova KBM Branik");
            const QString line = QStringLiteral("%1: %2/%3 on serve, %4/%5 on receive")
                                     .arg(team)
                                     .arg(fileRallies.breaks[size_t(side)])
                                     .arg(fileRallies.serves[size_t(side)])
                                     .arg(fileRallies.sideouts[size_t(side)])
                                     .arg(fileRallies.received[size_t(side)]);
            QVERIFY2(std::any_of(numbers.begin(), numbers.end(), [&](const QString& n) { return n.startsWith(line + "; "); }),
                     qPrintable(numbers.join('\n')));
        }

        // Every player's report line against the figures of the file's lines; accented names as written.
        std::map<std::pair<int, int>, Figures> expected = FromFileLines();
        int checked = 0;
        for (const ReportLine& l : ReportStore::Fill(BuildReportStatement(OneMatch(imported.match, false)))) {
            const int side = l.team == QStringLiteral("Braslovče") ? 0 : 1;
            QVERIFY2(side == 0 || l.team == QStringLiteral("Nova KBM Branik"), qPrintable(l.team));
            const auto it = expected.find({side, l.number.toInt()});
            QVERIFY2(it != expected.end(), qPrintable(l.player));
            const Figures& f = it->second;
            QCOMPARE(l.games, f.games);
            for (size_t k = 0; k < kStatKinds.size(); ++k) {
                if (kStatKinds[k].shape == StatShape::Rating)
                    continue;
                const QString column = QString::fromLatin1(kStatKinds[k].column);
                QVERIFY2(l.counts[k] == (f.counts.count(column) ? f.counts.at(column) : 0),
                         qPrintable(QStringLiteral("%1 %2: %3 stored").arg(l.player, column).arg(l.counts[k])));
            }
            QCOMPARE(l.pass.net, qint64(f.passes));
            QCOMPARE(l.passAverage(), f.passes ? double(f.passSum) / f.passes : 0.0);
            ++checked;
        }
        // Every player who played is in the report, and only they.
        int played = 0;
        for (const auto& [key, f] : expected)
            played += f.games > 0 ? 1 : 0;
        QCOMPARE(checked, played);
        QCOMPARE(app->scalar(QStringLiteral("SELECT PLAYERNAME FROM PLAYER WHERE PLAYERNUMBER = 1 AND TEAMID = "
                                            "(SELECT TEAMID FROM TEAM WHERE TEAMNAME = ?)"),
                             {QStringLiteral("Braslovče")})
                     .toString(),
                 QStringLiteral("ŠPELA BEDNJANIČ"));
    }

    // The log the court's rules read: a start with both line-ups and the first server, every point
    // with the line-ups of its rally (the libero, whom no line-up places, acts in the back-row
    // middle), and a box for every action on the half its team plays that set.
    void logReadsLikeTheCourts()
    {
        const Scout::ReadResult read = Scout::Read(Fixture(), Scout::Encoding::Automatic, kToday);
        const ScoutStore::Imported imported = ScoutStore::Import(*read.match);
        std::vector<std::vector<QString>> points;
        StoredRallies(imported.match, &points);
        QCOMPARE(int(points.size()), 3);
        // Each point ends as its lines say: an ace with its reception error is the ace, a kill with
        // the block error it drew is the kill, a serve error or an attack error with the rally's end
        // credited to nobody (*$$&H#) the error.
        QCOMPARE(points[0].front(), QStringLiteral("0>0 1:0 [6 15 4 12 10 9 11 15 10 13 3 16] SERVEACE #6"));
        // After the first side-out the visitors turned: zone 2's player serves.
        QCOMPARE(points[0][1], QStringLiteral("0>1 1:1 [6 15 4 12 10 9 11 15 10 13 3 16] KILL #16"));
        QCOMPARE(points[0][2], QStringLiteral("1>0 2:1 [6 15 4 12 10 9 15 10 13 3 16 11] SERVEERROR #15"));
        QCOMPARE(points[0][3], QStringLiteral("0>0 3:1 [15 4 12 10 9 6 15 10 13 3 16 11] ERROR #13"));
        QCOMPARE(points[2].back().left(10), QStringLiteral("1>0 25:22 "));
        const QString start = app->scalar(QStringLiteral("SELECT KIND || ' ' || SERVER FROM RALLY R JOIN GAME G "
                                                         "ON G.GAMEID = R.GAMEID WHERE G.GAMENUMBER = 2 AND ENTRY = 1"))
                                  .toString();
        QCOMPARE(start, QStringLiteral("START 1")); // the visitors served first in set 2
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
        // visitors' #6), and holds the file's timeouts at their scores.
        QList<RecordId> games;
        for (const QVariantList& r : app->rows(QStringLiteral("SELECT GAMEID FROM GAME ORDER BY GAMENUMBER")))
            games << RecordId::fromText(r[0].toString());
        const auto logs = RallyStore::GameLogs(games);
        QStringList liberos;
        QStringList timeouts;
        for (const RecordId& g : games) {
            const Rally::Log& log = logs.at(g);
            liberos << QStringLiteral("%1 %2").arg(Shirt(Rally::Liberos(log)[0])).arg(Shirt(Rally::Liberos(log)[1]));
            QStringList game;
            for (const Rally::Timeout& t : Rally::StandingTimeouts(log))
                game << QStringLiteral("%1@%2:%3").arg(t.side == Rally::kHome ? 'h' : 'a').arg(t.homeScore).arg(t.awayScore);
            timeouts << game.join(' ');
        }
        QCOMPARE(liberos, (QStringList{"1 6", "1 6", "1 6"}));
        QCOMPARE(timeouts, (QStringList{"a@9:7 a@17:10", "a@18:8", "a@6:2 h@15:13 a@18:14 h@22:18"}));
    }

    // A match is known again by what its file says of it (date and time, team codes, set scores),
    // in the working tables and in the archive: neither names read in another encoding (which make
    // other teams) nor an exit in between let it in twice. The refusal names the match and where
    // it is, and nothing is written.
    void oneMatchOneCopy_data()
    {
        QTest::addColumn<QString>("first"); // the encoding the file goes in with
        QTest::addColumn<QString>("between"); // "", "exit", "exit and restore"
        QTest::addColumn<QString>("again"); // the encoding it is tried with again
        QTest::addColumn<QString>("refusal");
        const QString when = MatchWhen(RecordId::fromText(QStringLiteral("2015-01-25 14:31:13")));
        const QString recorded
            = QStringLiteral("this match is already among the recorded matches: Nova KBM Branik vs %1 on %2.").arg("%1", when);
        const QString archived = QStringLiteral("this match is already in the archive of saved matches: Nova KBM Branik vs "
                                                "%1 on %2; File > Restore Saved Matches brings it back.")
                                     .arg("%1", when);
        QTest::newRow("as it was") << "Windows-1250" << "" << "Windows-1250" << recorded.arg("Braslovče");
        QTest::newRow("in another encoding") << "Windows-1252" << "" << "Windows-1250" << recorded.arg("Braslovèe");
        QTest::newRow("after the exit") << "Windows-1250" << "exit" << "Windows-1250" << archived.arg("Braslovče");
        QTest::newRow("in another encoding after the exit")
            << "Windows-1252" << "exit" << "Windows-1250" << archived.arg("Braslovèe");
        QTest::newRow("restored after the exit") << "Windows-1252" << "exit and restore" << "Windows-1250"
                                                 << recorded.arg("Braslovèe");
    }
    void oneMatchOneCopy()
    {
        QFETCH(QString, first);
        QFETCH(QString, between);
        QFETCH(QString, again);
        QFETCH(QString, refusal);
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
    void fileKeys_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        const QString scores = QStringLiteral("25-16 25-14 25-22");
        QTest::newRow("the real match") << Fixture() << "2015-01-25 14:31:13|BR4|MB4|" + scores;
        QTest::newRow("names in another encoding")
            << Encoded(Fixture(), QStringLiteral("windows-1250")) << "2015-01-25 14:31:13|BR4|MB4|" + scores;
        QTest::newRow("other names") << Renamed("Hawks", "Owls", "01/25/2015") << "2015-01-25 14:31:13|BR4|MB4|" + scores;
        QTest::newRow("its time in [3MATCH]")
            << WithLine(16, "01/25/2015;19.30.00;2014/2015;Finale mladinke;Finale;;;;1;1;Z;0;")
            << "2015-01-25 19:30:00|BR4|MB4|" + scores;
        QTest::newRow("codes in small letters")
            << WithLine(20, "mb4;Nova KBM Branik;0;HAFNER MATJAŽ;;16777215;") << "2015-01-25 14:31:13|BR4|MB4|" + scores;
        QTest::newRow("other codes") << WithLine(20, "H;Nova KBM Branik;0;;;;") << "2015-01-25 14:31:13|BR4|H|" + scores;
        QTest::newRow("another day") << Renamed("Braslovče", "Nova KBM Branik", "26/01/2015")
                                     << "2015-01-26 14:31:13|BR4|MB4|" + scores;
    }
    void fileKeys()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        const Scout::ReadResult read = Scout::Read(file, Scout::Encoding::Automatic, kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        QCOMPARE(Scout::FileKey(*read.match), key);
    }

    // The same match twice is refused naming it, and nothing more is written; teams are found by
    // name whatever the case, players by team and shirt; another day's match of the same teams
    // goes in beside it.
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

        const QString before = Counts(*app);
        QVERIFY(ScoutStore::PlanImport(*read.match).duplicate);
        try {
            ScoutStore::Import(*read.match);
            QFAIL("the same match was imported twice");
        } catch (const Scout::RefusalError& e) {
            QCOMPARE(e.refusal().line, 16);
            QCOMPARE(e.refusal().reason,
                     QStringLiteral("this match is already among the recorded matches: Nova KBM "
                                    "Branik vs BRASLOVČE on %1.")
                         .arg(MatchWhen(RecordId::fromText(QStringLiteral("2015-01-25 14:31:13")))));
        }
        QCOMPARE(Counts(*app), before);

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
    void sameMatchFromEveryForm_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("hexadecimal copies") << Fixture(QStringLiteral("example_hexfields.dvw"));
        QTest::newRow("substitutions without line-up") << WithoutSubstitutionLineUps();
        QTest::newRow("both") << WithoutSubstitutionLineUps(Fixture(QStringLiteral("example_hexfields.dvw")));
    }
    void sameMatchFromEveryForm()
    {
        QFETCH(QByteArray, file);
        auto stored = [&](const QByteArray& bytes) {
            const Scout::ReadResult read = Scout::Read(bytes, Scout::Encoding::Automatic, kToday);
            if (!read.ok())
                return QStringList{read.refusal.text()};
            const RecordId match = ScoutStore::Import(*read.match).match;
            std::vector<std::vector<QString>> points;
            QStringList out{Text(StoredRallies(match, &points))};
            out << ReportText(OneMatch(match, false)) << ReportText(OneMatch(match, true)) << Numbers(match);
            for (const auto& game : points)
                for (const QString& p : game)
                    out << p;
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

    // What the program writes in the custom field of its own codes comes back: a block of two
    // gives both blockers their assist in their boxes; a zone places a player the line-ups do not.
    // The real match with its home libero (#1) put into the line-ups of some of its lines, where the
    // file's own scout left her out: a change of the libero alone is her swap, not a substitution;
    // a turn that takes her to the front row brings back the player she replaced in its step; a
    // file that has her in the front row, or in the set's first line-up, is read as it says.
    void liberoInTheLineUps_data()
    {
        QTest::addColumn<int>("from"); // the file's lines (from 1) that show her
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("zone"); // where, in place of the player the line has there
        QTest::addColumn<QString>("swaps"); // the LIBERO entries of set 1 (", turn": in a rotation's step)
        QTest::addColumn<QString>("rally"); // a point of her time on court: its score, home's line-up "[..."

        QTest::newRow("in and out between rallies") << 168 << 170 << 6 << "1 for 6 | 6 for 1"
                                                    << "4:3 [15 4 12 10 9 1";
        QTest::newRow("her return with the turn") << 204 << 205 << 5 << "1 for 9 | 9 for 1, turn"
                                                  << "5:6 [15 4 12 10 1 6";
        QTest::newRow("front row, as the file says") << 168 << 170 << 3 << "1 for 12 | 12 for 1"
                                                     << "4:3 [15 4 1 10 9 6";
        // The turn after 5:6 takes her to zone 4 and brings #9 back; the file keeps her there.
        QTest::newRow("on through the turn, as the file says")
            << 204 << 208 << 5 << "1 for 9 | 9 for 1, turn | 1 for 9 | 9 for 1" << "5:6 [15 4 12 10 1 6";
        // She stands in for #15 (front row, then serving: as the file says) when he is substituted.
        QTest::newRow("a substitution of the player she stands in for")
            << 339 << 350 << 2 << "1 for 15 | 15 for 1, turn | 1 for 15 | 15 for 1" << "18:11 [6 1 4 12 10 9";
        QTest::newRow("in the set's first line-up") << 118 << 124 << 6 << "1 for 9 | 9 for 1"
                                                    << "1:0 [6 15 4 12 10 1";
    }
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
        QList<RecordId> games;
        for (const QVariantList& r : app->rows(QStringLiteral("SELECT GAMEID FROM GAME ORDER BY GAMENUMBER")))
            games << RecordId::fromText(r[0].toString());
        const Rally::Log log = RallyStore::GameLog(games.front());
        QStringList seen;
        for (const Rally::Entry& e : log) {
            if (e.kind != Rally::Kind::Libero)
                continue;
            const auto step = Rally::StepEntries(log, e.step);
            const bool turn = std::any_of(step.begin(), step.end(), [](const Rally::Entry* s) { return s->kind == Rally::Kind::Rotate; });
            seen << QStringLiteral("%1 for %2%3").arg(Shirt(e.player)).arg(Shirt(e.out)).arg(turn ? ", turn" : "");
            QCOMPARE(e.amount, Shirt(e.player) == 1 ? 1 : -1);
        }
        QCOMPARE(seen.join(QStringLiteral(" | ")), swaps);
        // Not one substitution more than the file's own, and the set starts with the players the
        // roster gives the zones: she is never one of the six of a start.
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(*) FROM RALLY WHERE KIND = 'SUB'")).toInt(), 13);
        QCOMPARE(Shirt(Rally::Liberos(log)[0]), 1);
        QStringList start;
        for (const RecordId& id : log.front().zones[0])
            start << QString::number(Shirt(id));
        QCOMPARE(start.join(' '), QStringLiteral("6 15 4 12 10 9"));
        std::vector<std::vector<QString>> points;
        StoredRallies(match, &points);
        const QString score = rally.section(' ', 0, 0);
        const auto it = std::find_if(points[0].begin(), points[0].end(),
                                     [&](const QString& p) { return p.section(' ', 1, 1) == score; });
        QVERIFY(it != points[0].end());
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
        QVERIFY(!ImportBytes(Join(lines)).isNull());
        QList<RecordId> games;
        for (const QVariantList& r : app->rows(QStringLiteral("SELECT GAMEID FROM GAME ORDER BY GAMENUMBER")))
            games << RecordId::fromText(r[0].toString());
        QStringList seen;
        for (const Rally::Entry& e : RallyStore::GameLog(games.front())) {
            if (e.kind == Rally::Kind::Libero)
                seen << QStringLiteral("%1 for %2").arg(Shirt(e.player)).arg(Shirt(e.out));
            else if (e.kind == Rally::Kind::Rotate && e.homeScore == 4 && e.awayScore == 3)
                seen << QStringLiteral("turn %1").arg(e.amount);
        }
        QCOMPARE(seen.join(QStringLiteral(" | ")), QStringLiteral("turn 1 | 1 for 6 | turn -1 | 6 for 1"));
        QCOMPARE(app->scalar(QStringLiteral("SELECT COUNT(*) FROM RALLY WHERE KIND = 'SUB'")).toInt(), 13);
    }

    void ourCustomFieldReadBack_data()
    {
        QTest::addColumn<QByteArray>("codes");
        QTest::addColumn<QStringList>("rows"); // home #shirt@box column=value
        QTest::newRow("a block of two") << QByteArray("*06BH#~~~~~~~~~BA15")
                                        << QStringList{"#6@1 BLOCKASSIST=1", "#15@2 BLOCKASSIST=1"};
        QTest::newRow("a zone") << QByteArray("*06DH+~~~~~~~~~Z2") << QStringList{"#6@2 DIG=1"};
        QTest::newRow("a block of two, its blocker's zone")
            << QByteArray("*06BH#~~~~~~~~~BA15Z4") << QStringList{"#6@4 BLOCKASSIST=1", "#15@2 BLOCKASSIST=1"};
        QTest::newRow("the libero, no zone") << QByteArray("*01DH+") << QStringList{"#1@6 DIG=1"};
        QTest::newRow("the libero in zone 5") << QByteArray("*01DH+~~~~~~~~~Z5") << QStringList{"#1@5 DIG=1"};
    }
    void ourCustomFieldReadBack()
    {
        QFETCH(QByteArray, codes);
        QFETCH(QStringList, rows);
        const Scout::ReadResult read = Scout::Read(FirstRallyAs(codes), Scout::Encoding::Automatic, kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        ScoutStore::Import(*read.match);
        QStringList found;
        for (const QVariantList& r : app->rows(
                 QStringLiteral("SELECT PL.PLAYERNUMBER, P.POSITION, P.DIG, P.BLOCKASSIST FROM PLAY P JOIN PLAYER PL ON "
                                "PL.PLAYERID = P.PLAYERID JOIN TEAM T ON T.TEAMID = PL.TEAMID WHERE T.TEAMNAME = ? AND "
                                "P.PLAYID = ? AND P.SERVEACE IS NULL ORDER BY 1"),
                 {QStringLiteral("Braslovče"), QStringLiteral("2015-01-25 14:31:13")}))
            found << QStringLiteral("#%1@%2 %3").arg(r[0].toInt()).arg(r[1].toInt())
                         .arg(r[2].isNull() ? QStringLiteral("BLOCKASSIST=") + r[3].toString()
                                            : QStringLiteral("DIG=") + r[2].toString());
        QCOMPARE(found, rows);
    }

    // Each code of the mapping, in a rally of its own, records its kind (or nothing) for the player.
    void codesRecordTheirKinds_data()
    {
        QTest::addColumn<QByteArray>("codes"); // home #6 acts; visiting #11 receives
        QTest::addColumn<QString>("recorded"); // PLAY column=value of home #6, or nothing
        auto row = [](const char* name, const char* codes, const char* recorded) {
            QTest::newRow(name) << QByteArray(codes) << QString::fromLatin1(recorded);
        };
        row("attack #", "*06AH#", "KILL=1 ATTEMPT=1");
        row("attack =", "*06AH=", "ERROR=1 ATTEMPT=1");
        row("attack /", "*06AH/", "ERROR=1 ATTEMPT=1");
        row("attack +", "*06AH+", "ATTEMPT=1");
        row("attack -", "*06AT-", "ATTEMPT=1");
        row("serve #", "*06SM#", "SERVEACE=1");
        row("serve =", "*06SQ=", "SERVEERROR=1");
        row("serve +", "*06SM+", "");
        row("reception #", "*06RM#", "PASSING=3");
        row("reception +", "*06RM+", "PASSING=3");
        row("reception !", "*06RM!", "PASSING=2");
        row("reception -", "*06RM-", "PASSING=1");
        row("reception /", "*06RM/", "PASSING=1");
        row("reception =", "*06RM=", "RECEIVEERROR=1");
        row("dig =", "*06DH=", "");
        row("dig -", "*06DH-", "DIG=1");
        row("dig #", "*06DH#", "DIG=1");
        row("block #", "*06BH#", "SOLOBLOCK=1");
        row("block # of two blockers", "*06BH#~~~~2~~2", "SOLOBLOCK=1");
        row("block =", "*06BH=", "BLOCKERROR=1");
        row("block /", "*06BH/", "BLOCKERROR=1");
        row("block +", "*06BH+", "");
        row("set =", "*06EH=", "BALLHANDLEERROR=1");
        row("set before a kill of the side", "*06EH#;*15AH#", "SETASSIST=1");
        row("set before a kill of the other side", "*06EH#;a13AH#", "");
        row("set before an attack that is no kill", "*06EH#;*15AH+", "");
        row("set before a dig, then a kill", "*06EH#;a13DH+;*15AH#", "");
        row("set error before a kill", "*06EH=;*15AH#", "BALLHANDLEERROR=1");
        row("freeball", "*06FH+", "");
        row("our block assist", "*06BH#~~~~~~~~~BA", "BLOCKASSIST=1");
        row("our lone set assist", "*06EH#~~~~~~~~~SA", "SETASSIST=1");
        row("another program's custom code", "*06BH#~~~~~~~~~XYZ", "SOLOBLOCK=1");
        row("two digits with no mark", "*06BH#~~~~~~~~~15", "SOLOBLOCK=1");
    }
    void codesRecordTheirKinds()
    {
        QFETCH(QByteArray, codes);
        QFETCH(QString, recorded);
        const Scout::ReadResult read = Scout::Read(FirstRallyAs(codes), Scout::Encoding::Automatic, kToday);
        QVERIFY2(read.ok(), qPrintable(read.refusal.text()));
        ScoutStore::Import(*read.match);
        // The home #6 rows of the first rally (before the first point, at 14.31.21).
        QStringList columns;
        for (const StatKind& k : kStatKinds)
            columns << QString::fromLatin1(k.column);
        QStringList found;
        for (const QVariantList& r :
             app->rows(QStringLiteral("SELECT %1 FROM PLAY P JOIN PLAYER PL ON PL.PLAYERID = P.PLAYERID "
                                      "JOIN TEAM T ON T.TEAMID = PL.TEAMID WHERE T.TEAMNAME = ? AND "
                                      "PL.PLAYERNUMBER = 6 AND P.PLAYID = ?")
                           .arg(columns.join(", ")),
                       {QStringLiteral("Braslovče"), QStringLiteral("2015-01-25 14:31:13")}))
            for (int c = 0; c < columns.size(); ++c)
                if (!r[c].isNull())
                    found << columns[c] + '=' + r[c].toString();
        // The attempt of an attack result sits in the same row, after its kind in the table's order.
        std::sort(found.begin(), found.end(), [&](const QString& a, const QString& b) {
            return (a.startsWith("ATTEMPT") ? 1 : 0) < (b.startsWith("ATTEMPT") ? 1 : 0);
        });
        QCOMPARE(found.join(' '), recorded);
    }
};

// A match recorded on the court (take-backs, substitutions, a deciding game to 15), written out
SIDELINES_TEST(TestScoutImport)
#include "tst_scoutimport.moc"

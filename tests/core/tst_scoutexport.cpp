#include "ScoutChecks.h"
#include "ScoutFixture.h"
#include "ScoutRecorder.h"
#include "storage/MatchStore.h"
#include "storage/PlayStore.h"
#include "storage/RallyStore.h"
#include "scoutfile/ScoutFile.h"
#include "storage/ScoutStore.h"
#include "support/Fixture.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <map>

using namespace scoutchecks;
using namespace scoutfixture;

// A match recorded on the court (take-backs, substitutions, a deciding game to 15), written out
// and read back in, gives the same report line for line and the same rally numbers.
class TestScoutRoundTrip : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> app;

    struct Snapshot
    {
        QStringList together;
        QStringList apart;
        QList<QStringList> points;
        QStringList numbers;
        QList<QVariantList> games;
        QStringList courts; // per game as it ended: the liberos, whom each stands in for, the line-ups
    };

    static QString Shirts(const Rally::Zones& zones)
    {
        QStringList out;
        for (const RecordId& id : zones)
            out << QString::number(Shirt(id));
        return out.join(' ');
    }

    Snapshot Take(const RecordId& match)
    {
        Snapshot s;
        s.together = ReportText(OneMatch(match, false));
        s.apart = ReportText(OneMatch(match, true));
        s.points = StoredPoints(match);
        s.numbers = Numbers(match);
        s.games = app->rows(QStringLiteral("SELECT GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME WHERE MATCHID = ? "
                                           "ORDER BY GAMENUMBER"),
                            {Bind(match)});
        const QList<RecordId> games = Games(match);
        const auto logs = RallyStore::GameLogs(games);
        for (const RecordId& game : games) {
            if (!logs.count(game))
                continue;
            const Rally::Log& log = logs.at(game);
            QStringList court;
            for (int side = 0; side < 2; ++side)
                court << QStringLiteral("libero %1 for %2 [%3]")
                             .arg(Shirt(Rally::Liberos(log)[size_t(side)]))
                             .arg(Shirt(Rally::LiberoStandsFor(log, side).value_or(RecordId())))
                             .arg(Shirts(log.back().zones[size_t(side)]));
            // Swaps are not substitutions.
            const QSet<int> reversed = Rally::ReversedSteps(log);
            court << QStringLiteral("%1 substitutions").arg(std::count_if(log.begin(), log.end(), [&](const Rally::Entry& e) {
                         return e.kind == Rally::Kind::Sub && !reversed.contains(e.step);
                     }));
            s.courts << court.join(QStringLiteral("; "));
        }
        return s;
    }

    // A box whose every action was taken back keeps a line of noughts in the report with positions
    // apart; a scout file carries only what stands, so that line cannot come back. Every other
    // line must.
    static QStringList WithoutNoughts(QStringList lines)
    {
        lines.removeIf([](const QString& l) {
            const QStringList f = l.split(QLatin1Char('|'));
            return !f[3].isEmpty()
                && std::all_of(f.begin() + 5, f.end(), [](const QString& n) { return n == QLatin1String("0"); });
        });
        return lines;
    }

    static void Same(const Snapshot& a, const Snapshot& b)
    {
        QCOMPARE(b.games, a.games);
        QCOMPARE(b.together, a.together);
        QCOMPARE(b.apart, WithoutNoughts(b.apart));
        QCOMPARE(b.apart, WithoutNoughts(a.apart));
        // Game by game: the place a difference shows.
        QCOMPARE(b.points.size(), a.points.size());
        for (qsizetype g = 0; g < a.points.size(); ++g)
            QCOMPARE(b.points[g], a.points[g]);
        QCOMPARE(b.numbers, a.numbers);
        QCOMPARE(b.courts, a.courts);
    }

private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void recordedMatchComesBackTheSame()
    {
        scoutrecord::Recorder r(*app, QDateTime(QDate(2026, 3, 5), QTime(18, 0)));
        const scoutrecord::Team hawks = r.addTeam(QStringLiteral("Harbour Hawks"), 9, 1);
        const scoutrecord::Team owls = r.addTeam(QStringLiteral("Öresund Owls"), 8, 10);
        // Game 1: the home side on the right, a substitution on each side, a point given by
        // mistake and taken off, a rotation turned back.
        r.startGame(hawks, owls, 1, Rally::kHome, false);
        r.playGame(12, 1);
        r.substitute(Rally::kHome, {{4, hawks.players[6]}});
        r.substitute(Rally::kAway, {{2, owls.players[6]}});
        r.point(Rally::kAway);
        r.pointOff(Rally::kAway);
        r.rotate(Rally::kHome, false);
        r.rotate(Rally::kHome, true);
        r.playGame(25, 2);
        // Game 2: the visitors serve first; a double substitution.
        r.startGame(hawks, owls, 2, Rally::kAway, true);
        r.playGame(10, 3);
        r.substitute(Rally::kHome, {{1, hawks.players[7]}, {2, hawks.players[8]}});
        r.playGame(25, 4);
        // Game 3, the deciding game, to 15.
        r.startGame(hawks, owls, 3, Rally::kHome, false);
        r.playGame(15, 5);
        const RecordId match = r.match();
        const Snapshot recorded = Take(match);
        QVERIFY(recorded.together.size() >= 12);
        QCOMPARE(recorded.games.last()[1].toInt() + recorded.games.last()[2].toInt() >= 15, true);
        QVERIFY(app->scalar(QStringLiteral("SELECT COUNT(*) FROM RALLY WHERE KIND = 'UNDO'")).toInt() > 0);

        const QByteArray file = ScoutStore::ExportMatch(match);
        // Into the emptied season, with the roster kept: the same players and teams again.
        MatchStore::ForgetMatches();
        const RecordId again = ImportBytes(file);
        QCOMPARE(again, match);
        Same(recorded, Take(again));
        QCOMPARE(app->count(QStringLiteral("TEAM")), 2);
        QCOMPARE(app->count(QStringLiteral("PLAYER")), 17);

        // Into a season that has never seen these teams: the same figures under new identifiers.
        app.reset();
        app = std::make_unique<TestApp>();
        const RecordId fresh = ImportBytes(file);
        QVERIFY(!fresh.isNull());
        Snapshot other = Take(fresh);
        Same(recorded, other);
    }

    // Libero swaps (by her key, in and out, and by herself when a turn would take her to the
    // front row), timeouts (one taken back, one recorded between a rally's actions and its point)
    // and every kind of point ending leave the export whole: the file read back gives the same
    // report, rallies with their endings, line-ups, team numbers (points won and timeouts
    // included) and each game's court as it ended, the libero on it. The file marks the liberos
    // with role 1, shows her where she stood, writes the timeouts that stand and a point only as
    // a rally's end credited to nobody.
    void liberoAndTimeoutsLeaveTheExportWhole()
    {
        scoutrecord::Recorder r(*app, QDateTime(QDate(2026, 3, 7), QTime(18, 0)));
        const scoutrecord::Team hawks = r.addTeam(QStringLiteral("Harbour Hawks"), 8, 1);
        const scoutrecord::Team owls = r.addTeam(QStringLiteral("Owls"), 8, 10);
        r.startGame(hawks, owls, 1, Rally::kAway, true, {hawks.players[7], owls.players[7]});
        r.libero(Rally::kHome, 5);
        r.act(Rally::kHome, 5, "2");
        r.act(Rally::kHome, 3, "Kill"); // the side-out turns home: the libero goes to zone 4, he comes back
        r.timeout(Rally::kAway);
        r.libero(Rally::kHome, 6);
        r.act(Rally::kHome, 6, "Dig");
        r.act(Rally::kAway, 4, "Error");
        r.libero(Rally::kAway, 6);
        r.timeout(Rally::kHome);
        r.takeBack();
        r.act(Rally::kHome, 1, "ServeError");
        r.playGame(15, 7);
        r.libero(Rally::kAway, 6); // out by her key: the player she replaced comes back
        r.playGame(25, 8);
        // Game 2: the liberos again; a timeout between a rally's pass and its point.
        r.startGame(hawks, owls, 2, Rally::kHome, false, {hawks.players[7], owls.players[7]});
        r.libero(Rally::kAway, 5);
        r.act(Rally::kAway, 5, "3");
        r.timeout(Rally::kHome);
        r.point(Rally::kAway);
        // A libero who never came on is not the file's to tell: each game's here plays.
        r.libero(Rally::kHome, 6);
        r.playGame(25, 9);
        const RecordId match = r.match();
        QVERIFY(app->scalar(QStringLiteral("SELECT COUNT(*) FROM RALLY WHERE KIND = 'LIBERO'")).toInt() >= 6);
        const Snapshot recorded = Take(match);
        // Every kind of ending is in the match.
        QSet<QString> endings;
        for (const auto& game : recorded.points)
            for (const QString& p : game)
                endings << p.mid(p.indexOf(QLatin1Char(']')) + 2).section(QLatin1Char(' '), 0, 0);
        for (const char* e : {"-", "KILL", "SERVEACE", "SOLOBLOCK", "BLOCKASSIST", "ERROR", "SERVEERROR", "RECEIVEERROR",
                              "BLOCKERROR", "BALLHANDLEERROR"})
            QVERIFY2(endings.contains(QLatin1String(e)), e);

        const QByteArray file = ScoutStore::ExportMatch(match);
        const QList<QByteArray> lines = Lines(file);
        // The liberos (home's #8, away's #17), and only they, carry role 1.
        QStringList liberos;
        for (const QByteArray& l : lines)
            if (l.startsWith("0;") || l.startsWith("1;"))
                if (l.split(';').value(13) == "1")
                    liberos << QString::fromLatin1(l.split(';').mid(0, 2).join(':'));
        QCOMPARE(liberos, (QStringList{"0:8", "1:17"}));
        int standingIn = 0;
        QMap<QByteArray, int> codes;
        for (qsizetype i = lines.indexOf("[3SCOUT]") + 1; i < lines.size(); ++i) {
            const QList<QByteArray> f = lines[i].split(';');
            ++codes[f[0]];
            // Never in the front row, where she never stood; in the back row, as the log had her.
            for (int zone = 1; zone <= 6; ++zone) {
                const bool front = zone >= 2 && zone <= 4;
                QVERIFY2(!front || f.value(13 + zone) != "8", lines[i].constData());
                QVERIFY2(!front || f.value(19 + zone) != "17", lines[i].constData());
                standingIn += !front && (f.value(13 + zone) == "8" || f.value(19 + zone) == "17") ? 1 : 0;
            }
        }
        QVERIFY(standingIn > 20);
        // The timeouts that stand (the one taken back is not written), and a rally's end credited to
        // nobody for each point only.
        int pointsOnly = 0;
        for (const auto& game : recorded.points)
            pointsOnly += int(std::count_if(game.begin(), game.end(), [](const QString& p) { return p.endsWith(" -"); }));
        QCOMPARE(codes.value("*T"), 1); // game 2; game 1's was taken back
        QCOMPARE(codes.value("aT"), 1);
        QCOMPARE(codes.value("*$$&H#") + codes.value("a$$&H#"), pointsOnly);

        MatchStore::ForgetMatches();
        const RecordId again = ImportBytes(file);
        QCOMPARE(again, match);
        Same(recorded, Take(again));
    }

    // A match recorded before the rally log: its actions and final scores come back, with a note.
    void matchWithoutLogComesBackTheSame()
    {
        const RecordId home = app->addTeam(QStringLiteral("Hawks"));
        const RecordId away = app->addTeam(QStringLiteral("Owls"));
        QList<RecordId> players;
        for (int i = 0; i < 6; ++i)
            players << app->addPlayer(i < 3 ? home : away, QStringLiteral("Player %1").arg(i), 10 + i);
        const RecordId match = RecordId(QDateTime(QDate(2025, 10, 4), QTime(19, 30)));
        const RecordId g1 = match.addSecs(60);
        const RecordId g2 = match.addSecs(1800);
        MatchStore::AddMatch(match, home, away, g1, 1);
        MatchStore::AddGame(match, g2, 2);
        Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = 15, AWAYSCORE = 11 WHERE GAMEID = ?"), {Bind(g1)});
        Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = 13, AWAYSCORE = 15 WHERE GAMEID = ?"), {Bind(g2)});
        MatchStore::RecordPlayed(g1, players);
        MatchStore::RecordPlayed(g2, players.mid(0, 4));
        // Each action: its game, player, box, key and value.
        for (const QString& line : table::Section(QStringLiteral("scoutexport.txt"), QStringLiteral("matchWithoutLog"))) {
            const QStringList a = line.split(QLatin1Char(' '));
            PlayStore::RecordAction(a[0] == QLatin1String("1") ? g1 : g2, a[0] == QLatin1String("1") ? g1 : g2,
                                    players[a[1].toInt()], a[2].toInt(), *StatFromText(a[3])->kind, a[4].toInt());
        }
        const Snapshot recorded = Take(match);

        const QByteArray file = ScoutStore::ExportMatch(match);
        QVERIFY(file.contains(
            "[3COMMENTS]\r\nRecorded without a rally log: game 1, 2 has its actions and final score only"));
        MatchStore::ForgetMatches();
        const RecordId again = ImportBytes(file);
        QCOMPARE(again, match);
        Same(recorded, Take(again));
        QCOMPARE(app->count(QStringLiteral("RALLY")), 0);
    }

    // What the export writes: the sections in order, UTF-8 declared, the start of each set, point
    // lines, actions as codes with the zones of the moment.
    void exportedFileHasTheSections()
    {
        scoutrecord::Recorder r(*app, QDateTime(QDate(2026, 3, 5), QTime(18, 0)));
        const scoutrecord::Team hawks = r.addTeam(QStringLiteral("Hawks"), 6, 1);
        const scoutrecord::Team owls = r.addTeam(QStringLiteral("Owls"), 6, 10);
        r.startGame(hawks, owls, 1, Rally::kHome, true);
        r.act(Rally::kHome, 1, "ServeAce");
        r.act(Rally::kAway, 5, "2");
        r.act(Rally::kAway, 4, "Kill");
        r.act(Rally::kAway, 3, "SetAssist");
        const QList<QByteArray> lines = Lines(ScoutStore::ExportMatch(r.match()));
        QStringList sections;
        for (const QByteArray& l : lines)
            if (l.startsWith("[3"))
                sections << QString::fromLatin1(l);
        QCOMPARE(lines[lines.indexOf("[3MATCH]") + 1].split(';').value(8), QByteArray("UTF-8"));
        // Each scout line's code and the twelve shirts of its line-ups.
        QStringList scout{sections.join(' ')};
        for (qsizetype i = lines.indexOf("[3SCOUT]") + 1; i < lines.size(); ++i) {
            const QList<QByteArray> f = lines[i].split(';');
            scout << QString::fromLatin1(f[0] + ' ' + f.mid(14, 12).join(','));
        }
        QCOMPARE(scout, table::Section(QStringLiteral("scoutexport.txt"), QStringLiteral("exportedFileHasTheSections")));
    }
};

namespace {

// The [3SCOUT] lines of a file as code, set and rally (the points before it in its set), and the
// twelve shirt numbers of its line-ups.
struct ScoutLine
{
    QString code;
    int set = 1;
    int rally = 0;
    QStringList zones;
};

std::vector<ScoutLine> ScoutLines(const QByteArray& bytes)
{
    std::vector<ScoutLine> out;
    const QList<QByteArray> lines = Lines(bytes);
    int set = 1;
    int rally = 0;
    for (qsizetype i = lines.indexOf("[3SCOUT]") + 1; i > 0 && i < lines.size(); ++i) {
        const QStringList f = QString::fromUtf8(lines[i]).split(QLatin1Char(';'));
        out.push_back({f[0], set, rally, f.mid(14, 12)});
        if (f[0].startsWith(QLatin1String("**"))) {
            ++set;
            rally = 0;
        } else if (f[0].size() > 1 && f[0][1] == QLatin1Char('p')) {
            ++rally;
        }
    }
    return out;
}

bool IsAction(const QString& code)
{
    return code.size() > 5 && (code[1].isDigit() || code[1] == QLatin1Char('$'));
}

// Every set followed (as the next action) by a kill of its side: "set.rally: setter>attacker", as
// any reader of the file pairs them.
QStringList AssistsAndKills(const QByteArray& bytes)
{
    QStringList out;
    const std::vector<ScoutLine> lines = ScoutLines(bytes);
    for (size_t i = 0; i < lines.size(); ++i) {
        const QString& c = lines[i].code;
        if (!IsAction(c) || c[3] != QLatin1Char('E') || c[5] == QLatin1Char('='))
            continue;
        for (size_t k = i + 1; k < lines.size(); ++k) {
            const QString& next = lines[k].code;
            if (!IsAction(next))
                continue;
            if (next[0] == c[0] && next[3] == QLatin1Char('A') && next[5] == QLatin1Char('#'))
                out << QStringLiteral("%1.%2: %3>%4").arg(lines[i].set).arg(lines[i].rally).arg(c.left(3), next.left(3));
            break;
        }
    }
    return out;
}

} // namespace

// An export tells the match rally by rally, as other tools read it: each set assist with the kill
// it went with, what stands after take-backs, codes of the program's own, whole line-ups on every
// line, one line for a block of two.
class TestScoutExportRallies : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> app;

private slots:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    // The real match imported and written out again: every set assist stands before the kill of
    // the same rally it came before in the file, and every libero's line carries both line-ups,
    // with her zone in the custom field.
    void importedMatchWrittenRallyByRally()
    {
        const RecordId match = ImportBytes(Fixture());
        QVERIFY(!match.isNull());
        const QByteArray file = ScoutStore::ExportMatch(match);
        const QStringList original = AssistsAndKills(Fixture());
        QCOMPARE(original.size(), app->scalar(QStringLiteral("SELECT SUM(SETASSIST) FROM PLAY")).toInt());
        QVERIFY(original.size() >= 20);
        QCOMPARE(AssistsAndKills(file), original);
        int libero = 0;
        for (const ScoutLine& l : ScoutLines(file)) {
            if (!IsAction(l.code))
                continue;
            QVERIFY2(!l.zones.contains(QString()), qPrintable(l.code + ' ' + l.zones.join(',')));
            if (l.code.startsWith(QLatin1String("*01"))) {
                ++libero;
                QVERIFY2(l.code.endsWith(QLatin1String("Z6")), qPrintable(l.code));
                QVERIFY(!l.zones.mid(0, 6).contains(QStringLiteral("1")));
            }
        }
        QVERIFY(libero > 10);
        // Read back, the libero acts where she did.
        const QString liberoBoxes = QStringLiteral("SELECT DISTINCT P.POSITION FROM PLAY P JOIN PLAYER PL ON PL.PLAYERID = "
                                                   "P.PLAYERID WHERE PL.PLAYERNUMBER = 1 ORDER BY 1");
        const QList<QVariantList> boxes = app->rows(liberoBoxes);
        MatchStore::ForgetMatches();
        QVERIFY(!ImportBytes(file).isNull());
        QCOMPARE(app->rows(liberoBoxes), boxes);
    }

    // On the court an assist is recorded next to its kill, before or after it (after it, it falls
    // in the next rally when the kill scored the point); it is written just before that kill. An
    // assist recorded between two kills goes with the one before it: a kill that scores ends the
    // rally, and its assist follows it.
    void courtAssistsWithTheirKills_data() { table::Rows(QStringLiteral("scoutexport.txt")); }
    void courtAssistsWithTheirKills()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, written);
        scoutrecord::Recorder r(*app, QDateTime(QDate(2026, 3, 5), QTime(18, 0)));
        const scoutrecord::Team hawks = r.addTeam(QStringLiteral("Hawks"), 6, 1);
        const scoutrecord::Team owls = r.addTeam(QStringLiteral("Owls"), 6, 10);
        r.startGame(hawks, owls, 1, Rally::kHome, true);
        // The visitors win every rally: the first on the home serve, which turns them.
        for (const QString& word : script.split(QLatin1Char(' '))) {
            if (word == QLatin1String("P"))
                r.point(Rally::kAway);
            else if (word[0] == QLatin1Char('T'))
                r.act(Rally::kAway, word.mid(1).toInt(), "SetAssist");
            else
                r.act(Rally::kAway, word.mid(1).toInt(), "Kill", 1, word[0] == QLatin1Char('K'));
        }
        QCOMPARE(AssistsAndKills(ScoutStore::ExportMatch(r.match())), written);
    }

    // What the file says of each player is what the program's own report counts, whatever box a
    // take-back in subtraction mode was recorded in, and whenever.
    void takeBacksCountAsTheReportDoes_data() { table::Rows(QStringLiteral("scoutexport.txt")); }
    void takeBacksCountAsTheReportDoes()
    {
        QFETCH(QString, script);
        QStringList recorded;
        QByteArray file;
        {
            scoutrecord::Recorder r(*app, QDateTime(QDate(2026, 3, 5), QTime(18, 0)));
            const scoutrecord::Team hawks = r.addTeam(QStringLiteral("Hawks"), 6, 1);
            const scoutrecord::Team owls = r.addTeam(QStringLiteral("Owls"), 6, 10);
            r.startGame(hawks, owls, 1, Rally::kHome, true);
            for (const QString& word : script.split(QLatin1Char(' '))) {
                if (word == QLatin1String("R")) {
                    r.rotate(Rally::kHome, false);
                    continue;
                }
                const QByteArray key = word[1] == QLatin1Char('K')   ? QByteArray("Kill")
                                       : word[1] == QLatin1Char('D') ? QByteArray("Dig")
                                                                     : word.mid(1, 1).toLatin1();
                r.act(Rally::kHome, word.mid(2).toInt(), key.constData(), word[0] == QLatin1Char('-') ? -1 : 1, false);
            }
            r.point(Rally::kHome);
            recorded = ReportText(OneMatch(r.match(), false));
            file = ScoutStore::ExportMatch(r.match());
        }
        QVERIFY2(!file.contains("had no action left to take back"), file.constData());
        app.reset();
        app = std::make_unique<TestApp>();
        const RecordId again = ImportBytes(file);
        QVERIFY(!again.isNull());
        QCOMPARE(ReportText(OneMatch(again, false)), recorded);
    }

    // Teams and players are written with codes of their own, the same in every file, and no two
    // alike: tools that merge files by code merge the right ones.
    void codesOfTheirOwn()
    {
        QList<QStringList> perFile;
        scoutrecord::Recorder r(*app, QDateTime(QDate(2026, 3, 5), QTime(18, 0)));
        const scoutrecord::Team hawks = r.addTeam(QStringLiteral("Hawks"), 7, 1);
        const scoutrecord::Team owls = r.addTeam(QStringLiteral("Owls"), 7, 1);
        for (int match = 0; match < 2; ++match) {
            r.startGame(match ? owls : hawks, match ? hawks : owls, 1, Rally::kHome, true);
            r.playGame(25, quint32(match + 1));
            // Name=code of each team and player line.
            QStringList codes;
            const QList<QByteArray> lines = Lines(ScoutStore::ExportMatch(r.match()));
            for (qsizetype i = lines.indexOf("[3TEAMS]") + 1; i < lines.indexOf("[3MORE]"); ++i)
                codes << QString::fromUtf8(lines[i].split(';')[1] + '=' + lines[i].split(';')[0]);
            for (qsizetype i = lines.indexOf("[3PLAYERS-H]") + 1; i < lines.indexOf("[3ATTACKCOMBINATION]"); ++i)
                if (!lines[i].startsWith('['))
                    codes << QString::fromUtf8(lines[i].split(';')[10] + ' ' + lines[i].split(';')[9] + '='
                                               + lines[i].split(';')[8]);
            codes.sort();
            perFile << codes;
        }
        QCOMPARE(perFile[0].size(), 2 + 14);
        QCOMPARE(perFile[1], perFile[0]);
        auto digits = [](const RecordId& id) { return id.text().remove(QRegularExpression(QStringLiteral("[^0-9]"))); };
        QVERIFY(perFile[0].contains(QStringLiteral("Hawks=T") + digits(hawks.id)));
        QVERIFY(perFile[0].contains(QStringLiteral("Owls=T") + digits(owls.id)));
        QVERIFY(perFile[0].contains(QStringLiteral("Owls Player 3=P") + digits(owls.players[2])));
        QSet<QString> codes;
        for (const QString& c : perFile[0])
            codes.insert(c.section(QLatin1Char('='), 1));
        QCOMPARE(codes.size(), perFile[0].size());
    }

    // A point won by two blockers is one winning block line naming the partner: other readers
    // count one block point for the rally, and the file read back gives both their block assist
    // in their boxes. On the court the first assist scores the point, so the second falls after it.
    void blockOfTwoIsOneLine()
    {
        scoutrecord::Recorder r(*app, QDateTime(QDate(2026, 3, 5), QTime(18, 0)));
        const scoutrecord::Team hawks = r.addTeam(QStringLiteral("Hawks"), 6, 1);
        const scoutrecord::Team owls = r.addTeam(QStringLiteral("Owls"), 6, 10);
        r.startGame(hawks, owls, 1, Rally::kHome, true);
        r.act(Rally::kAway, 4, "Attempt");
        r.act(Rally::kHome, 3, "BlockAssist");
        r.act(Rally::kHome, 2, "BlockAssist");
        r.act(Rally::kAway, 2, "Attempt");
        r.act(Rally::kHome, 4, "SoloBlock");
        const QByteArray file = ScoutStore::ExportMatch(r.match());
        QStringList blocks;
        for (const ScoutLine& l : ScoutLines(file))
            if (IsAction(l.code) && l.code[3] == QLatin1Char('B'))
                blocks << QStringLiteral("%1 %2").arg(l.rally).arg(l.code);
        QCOMPARE(blocks, (QStringList{"0 *03BH#~~~~~~~~~BA02", "1 *04BH#"}));
        MatchStore::ForgetMatches();
        QVERIFY(!ImportBytes(file).isNull());
        QCOMPARE(app->rows(QStringLiteral("SELECT PL.PLAYERNUMBER, P.POSITION, COALESCE(P.BLOCKASSIST, 0), "
                                          "COALESCE(P.SOLOBLOCK, 0) FROM PLAY P JOIN PLAYER PL ON PL.PLAYERID = "
                                          "P.PLAYERID WHERE P.BLOCKASSIST IS NOT NULL OR P.SOLOBLOCK IS NOT NULL "
                                          "ORDER BY 1")),
                 (QList<QVariantList>{{2, 2, 1, 0}, {3, 3, 1, 0}, {4, 4, 0, 1}}));
    }
};

SIDELINES_TEST(TestScoutRoundTrip)
SIDELINES_TEST(TestScoutExportRallies)
#include "tst_scoutexport.moc"

#include "ScoutChecks.h"
#include "ScoutFixture.h"
#include "ScoutRecorder.h"
#include "core/MatchStore.h"
#include "core/PlayStore.h"
#include "core/ScoutFile.h"
#include "core/ScoutStore.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QRegularExpression>
#include <QTest>
#include <map>

using namespace scoutchecks;
using namespace scoutfixture;

// and read back in, gives the same report line for line and the same rally numbers.
class TestScoutRoundTrip : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestApp> app;

    struct Snapshot
    {
        QStringList together;
        QStringList apart;
        QString rallies;
        QStringList numbers;
        std::vector<std::vector<QString>> points;
        QList<QVariantList> games;
    };

    Snapshot Take(const RecordId& match)
    {
        Snapshot s;
        s.together = ReportText(OneMatch(match, false));
        s.apart = ReportText(OneMatch(match, true));
        s.rallies = Text(StoredRallies(match, &s.points));
        s.numbers = Numbers(match);
        s.games = app->rows(QStringLiteral("SELECT GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME WHERE MATCHID = ? "
                                           "ORDER BY GAMENUMBER"),
                            {Bind(match)});
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
        QCOMPARE(b.rallies, a.rallies);
        QCOMPARE(b.numbers, a.numbers);
        QCOMPARE(b.points, a.points);
    }

    RecordId ImportBytes(const QByteArray& bytes)
    {
        const Scout::ReadResult read = Scout::Read(bytes, Scout::Encoding::Automatic, kToday);
        if (!read.ok())
            qWarning("%s", qPrintable(read.refusal.text()));
        return read.ok() ? ScoutStore::Import(*read.match).match : RecordId();
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
        struct A
        {
            RecordId game;
            int player;
            int box;
            const char* stat;
            int value;
        };
        const A actions[]
            = {{g1, 0, 4, "Kill", 1},      {g1, 0, 4, "Kill", 1}, {g1, 0, 4, "Kill", -1}, {g1, 1, 2, "SetAssist", 1},
               {g1, 1, 2, "SetAssist", 1}, {g1, 2, 9, "3", 3},    {g1, 2, 9, "1", 1},     {g1, 3, 11, "BlockAssist", 1},
               {g1, 4, 7, "ServeAce", 1},  {g2, 3, 1, "Dig", 1},  {g2, 0, 6, "Error", 1}, {g2, 1, 5, "Attempt", 1}};
        for (const A& a : actions)
            PlayStore::RecordAction(a.game, a.game, players[a.player], a.box, *StatFromText(a.stat)->kind, a.value);
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
        QCOMPARE(sections.join(' '),
                 QStringLiteral("[3DATAVOLLEYSCOUT] [3MATCH] [3TEAMS] [3MORE] [3COMMENTS] [3SET] "
                                "[3PLAYERS-H] [3PLAYERS-V] [3ATTACKCOMBINATION] [3SETTERCALL] "
                                "[3WINNINGSYMBOLS] [3RESERVE] [3VIDEO] [3SCOUT]"));
        QCOMPARE(lines[lines.indexOf("[3MATCH]") + 1].split(';').value(8), QByteArray("UTF-8"));
        QStringList scout;
        for (qsizetype i = lines.indexOf("[3SCOUT]") + 1; i < lines.size(); ++i) {
            const QList<QByteArray> f = lines[i].split(';');
            scout << QString::fromLatin1(f[0] + ' ' + f.mid(14, 12).join(','));
        }
        const QString court = QStringLiteral("1,2,3,4,5,6,10,11,12,13,14,15");
        QCOMPARE(scout,
                 (QStringList{"*P01>LUp " + court, "*z1>LUp " + court, "aP10>LUp " + court, "az1>LUp " + court,
                              "*01SH# " + court, "*p01:00 " + court, "*01SH! " + court, "a14RH! " + court,
                              // The assist recorded after the kill (and the side-out's turn)
                              // stands before it; the court of the kill does not place the
                              // setter where the assist was recorded, so the line places
                              // only the setter.
                              "a13EH# ,,,,,,,,13,,,", "a13AH# " + court, "ap01:01 " + court,
                              "az6 1,2,3,4,5,6,11,12,13,14,15,10", "**1set ,,,,,,,,,,,"}));
    }
};

SIDELINES_TEST(TestScoutRoundTrip)
#include "tst_scoutexport.moc"

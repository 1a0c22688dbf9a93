#include "Court.h"
#include "storage/PlayStore.h"
#include "widgets/mConstants.h"
#include "game/PlayerStats.h"
#include "support/TestMain.h"
#include "storage/RecordIssue.h"

#include <QTest>

using namespace court;

namespace {

// The court screen as the game object sees it, without a window.
class FakeView : public GameView
{
public:
    bool subtract = false;
    QString status;
    void setBoxSelected(int, bool) override { }
    QString boxCaption(int index) const override { return QStringLiteral("Box %1\n#%1").arg(index); }
    void showStatus(const QString& text) override { status = text; }
    bool subtractMode() const override { return subtract; }
    int sideOfBox(int index) const override { return index <= 6 ? 0 : 1; }
};

} // namespace

class TestStores : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    RecordId team, player, other, match, game;

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        team = app->addTeam(QStringLiteral("Hawks"));
        player = app->addPlayer(team, QStringLiteral("Ana"), 4);
        other = app->addPlayer(team, QStringLiteral("Bea"), 5);
        match = NewRecordId(RecordKind::Match);
        game = NewRecordId(RecordKind::Game);
        MatchStore::AddMatch(match, team, team, game, 1);
    }
    void cleanup() { app.reset(); }

    // Each kind's row and words, added and taken back; a take-back of what the player does not hold
    // in this game (never recorded, another rating, already taken back) is refused with a beep and
    // writes nothing.
    void actionWritesItsRowAndSaysSo_data()
    {
        QTest::addColumn<QString>("stat");
        QTest::addColumn<QStringList>("before"); // recorded first, in normal mode
        QTest::addColumn<bool>("subtract");
        QTest::addColumn<QStringList>("columns");
        QTest::addColumn<int>("value"); // 0: refused
        QTest::addColumn<QString>("status");
        for (const StatExpect& e : kStats) {
            QString name = QString::fromLatin1(e.caption).remove(QLatin1Char('&'));
            if (e.value() == 2)
                name = QStringLiteral("2");
            const QString added = QLatin1String("Added ") + QLatin1String(e.value() == 2 ? "a " : "1 ") + name
                + QLatin1String(e.middle) + QStringLiteral("Box 9\n#9");
            const QString tookBack = QLatin1String("Took back ") + QLatin1String(e.value() == 2 ? "a " : "1 ") + name
                + QString::fromLatin1(e.middle).replace(QLatin1String(" to "), QLatin1String(" from "))
                + QStringLiteral("Box 9\n#9");
            const QString stat = QString::fromLatin1(e.stat);
            QTest::addRow("%s", e.stat) << stat << QStringList() << false << e.columns << e.value() << added;
            QTest::addRow("%s, taken back", e.stat)
                << stat << QStringList{stat} << true << e.columns << -e.value() << tookBack;
            QTest::addRow("%s, never recorded", e.stat)
                << stat << QStringList() << true << e.columns << 0
                << QStringLiteral("Not taken back: Box 9 #9 has no %1 to take back in this game.")
                       .arg(e.value() == 2 ? QStringLiteral("pass rated 2") : name);
        }
        for (int rating : {1, 3})
            QTest::addRow("rating %d", rating) << QString::number(rating) << QStringList() << false
                                               << QStringList{"PASSING"} << rating
                                               << QStringLiteral("Added a %1 Passing stat to Box 9\n#9").arg(rating);
        QTest::addRow("another rating") << "3" << QStringList{"2"} << true << QStringList{"PASSING"} << 0
                                        << "Not taken back: Box 9 #9 has no pass rated 3 to take back in this game.";
        QTest::addRow("kill without its attempt")
            << "Kill" << QStringList{"Kill", "Attempt"} << true << QStringList{"KILL", "ATTEMPT"} << 0
            << "Not taken back: Box 9 #9 has no Kill to take back in this game.";
    }
    void actionWritesItsRowAndSaysSo()
    {
        QFETCH(QString, stat);
        QFETCH(QStringList, before);
        QFETCH(bool, subtract);
        QFETCH(QStringList, columns);
        QFETCH(int, value);
        QFETCH(QString, status);
        FakeView view;
        clsGame g;
        g.setGameID(game);
        g.setView(&view);
        g.PlayerOnClick(9);
        // A second action before is taken back (the attempt of "kill without its attempt").
        for (int i = 0; i < before.size(); ++i) {
            view.subtract = i == 1;
            QVERIFY(g.AddStat(before[i], player));
        }
        const int rows = app->count(QStringLiteral("PLAY"));
        const int beeps = BeepCount();
        view.subtract = subtract;
        QCOMPARE(g.AddStat(stat, player), value != 0);
        QCOMPARE(view.status, status);
        QCOMPARE(BeepCount() - beeps, value == 0 ? 1 : 0);
        QCOMPARE(app->count(QStringLiteral("PLAY")), rows + (value != 0 ? 1 : 0));
        if (value == 0)
            return;
        const QVariantList row = app->rows(QStringLiteral("SELECT GAMEID, PLAYERID, POSITION, ")
                                           + kPlayColumns.join(QStringLiteral(", "))
                                           + QStringLiteral(" FROM PLAY WHERE rowid = (SELECT MAX(rowid) FROM PLAY)"))
                                     .value(0);
        QCOMPARE(row.mid(0, 3), (QVariantList{game.text(), player.text(), 9}));
        for (int c = 0; c < kPlayColumns.size(); ++c) {
            if (columns.contains(kPlayColumns[c]))
                QCOMPARE(row[3 + c].toInt(), value);
            else
                QVERIFY2(row[3 + c].isNull(), qPrintable(kPlayColumns[c]));
        }
    }

    // The totals come from the kept sums, per player and game, and the message lists them in order
    // after the hitting percentage ((kills - errors) / attempts, where the record allows one).
    void totalsOfOnePlayerInOneGame()
    {
        const RecordId otherGame = NewRecordId(RecordKind::Game);
        int position = 0;
        auto act = [&](const RecordId& p, const RecordId& g, const char* stat, int times, int value = 1) {
            for (int i = 0; i < times; ++i)
                PlayStore::RecordAction(g, NewRecordId(RecordKind::Play), p, ++position % 12 + 1,
                                        *StatFromText(QString::fromLatin1(stat))->kind, value);
        };
        int times = 0;
        for (const StatExpect& e : kStats)
            if (e.value() == 1)
                act(player, game, e.stat, ++times);
        act(player, game, "Dig", 1, -1); // taken back
        act(player, game, "3", 1, 3);
        act(other, game, "Kill", 5);
        act(other, game, "Attempt", 5, -1); // kills over attempts taken back leave no honest figure
        act(player, otherGame, "Kill", 5);
        QCOMPARE(PlayerStatsMessage(PlayStore::PlayerTotals(player, game)),
                 QStringLiteral("Percentage = -0.167\nAttempts = 6\nKills = 2\nErrors = 3\nServe Aces = 4\n"
                                "Serve Errors = 5\nDigs = 5\nReceiving Errors = 7\nSolo Blocks = 8\n"
                                "Blocking Assists = 9\nBlocking Errors = 10\nBall Handling Errors = 11\n"
                                "Set Assists = 12"));
        QCOMPARE(PlayerStatsMessage(PlayStore::PlayerTotals(other, game)).section(QLatin1Char('\n'), 0, 1),
                 QStringLiteral("Percentage = \u2013\nAttempts = 0"));
        QCOMPARE(PlayStore::PlayerTotals(other, otherGame).values, StatTotals().values);
    }

    // A match is stored with its first game or not at all (the same game again takes its match with
    // it); whatever a screen shows, a point changes the stored score by one; a player is played once
    // per game, never without a game; forgetting the matches keeps the roster.
    void matchRowsFromFirstGameToForgetting()
    {
        QCOMPARE(app->rows(QStringLiteral("SELECT M.MATCHID, M.HOMETEAMID, G.GAMEID, G.GAMENUMBER, G.HOMESCORE, "
                                          "G.AWAYSCORE FROM MATCH M JOIN GAME G ON G.MATCHID = M.MATCHID")),
                 (QList<QVariantList>{{match.text(), team.text(), game.text(), 1, 0, 0}}));
        QVERIFY_THROWS_EXCEPTION(DbError, MatchStore::AddMatch(NewRecordId(RecordKind::Match), team, team, game, 1));
        QCOMPARE(app->count(QStringLiteral("MATCH")), 1);

        Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = 7, AWAYSCORE = 3"));
        const std::pair<bool, int> presses[] = {{true, 1}, {true, 1}, {false, -1}, {true, -1}};
        for (auto [home, delta] : presses)
            QCOMPARE(MatchStore::AddPoint(game, home, delta), 1);
        QCOMPARE(app->rows(QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM GAME")).value(0), (QVariantList{8, 2}));
        QCOMPARE(MatchStore::AddPoint(NewRecordId(RecordKind::Game), true, 1), 0);

        QVERIFY_THROWS_EXCEPTION(DbError, MatchStore::RecordPlayed(game, {player, RecordId()}));
        QVERIFY_THROWS_EXCEPTION(DbError, MatchStore::RecordPlayed(RecordId(), {player}));
        QCOMPARE(app->count(QStringLiteral("PLAYED")), 0);
        MatchStore::RecordPlayed(game, {player, other});
        MatchStore::RecordPlayed(game, {other, player, player});
        QCOMPARE(app->count(QStringLiteral("PLAYED")), 2);

        PlayStore::RecordAction(game, NewRecordId(RecordKind::Play), player, 1, kStatKinds[0], 1);
        MatchStore::ForgetMatches();
        for (const char* table : {"MATCH", "GAME", "PLAY", "PLAYED", "TOTALS", "ZONETOTALS"})
            QVERIFY2(app->count(QString::fromLatin1(table)) == 0, table);
        QCOMPARE(app->count(QStringLiteral("TEAM")), 1);
        QCOMPARE(app->count(QStringLiteral("PLAYER")), 2);
        QVERIFY(MatchStore::ListMatches().empty());
    }
};

SIDELINES_TEST(TestStores)
#include "tst_stores.moc"

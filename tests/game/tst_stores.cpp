#include "Court.h"
#include "storage/PlayStore.h"
#include "widgets/mConstants.h"
#include "game/PlayerStats.h"
#include "support/Table.h"
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
    void actionWritesItsRowAndSaysSo_data() { table::Rows(QStringLiteral("stores.txt")); }
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

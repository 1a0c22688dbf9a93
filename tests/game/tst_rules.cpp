#include "game/GameRules.h"
#include "rules/RallyLog.h"
#include "support/TestMain.h"

#include <QTest>
#include <tuple>

using namespace GameRules;

// The score rule, the turn of a side and the selection that follows it, without a window.
class TestGameRules : public QObject
{
    Q_OBJECT

private slots:
    // Points per game 15 or 25 (the deciding, last game always to 15); refused: -1 past the limit,
    // -2 below 0, -3 back from past the limit.
    void nextScore_data()
    {
        for (const char* column : {"points", "game", "games", "own", "other", "next"})
            QTest::addColumn<int>(column);
        QTest::addColumn<bool>("subtract");
        QTest::newRow("14:0 to the limit") << 15 << 1 << 3 << 14 << 0 << 15 << false;
        QTest::newRow("15:13 no further") << 15 << 1 << 3 << 15 << 13 << -1 << false;
        QTest::newRow("15:14 on by two") << 15 << 1 << 3 << 15 << 14 << 16 << false;
        QTest::newRow("17:15 stops") << 15 << 1 << 3 << 17 << 15 << -1 << false;
        QTest::newRow("to 25, 16:0 in game 4 of 5") << 25 << 4 << 5 << 16 << 0 << 17 << false;
        QTest::newRow("to 25, 25:0 in game 3 of 5") << 25 << 3 << 5 << 25 << 0 << -1 << false;
        QTest::newRow("to 25, 15:13 deciding of 3") << 25 << 3 << 3 << 15 << 13 << -1 << false;
        QTest::newRow("to 25, 15:0 deciding of 5") << 25 << 5 << 5 << 15 << 0 << -1 << false;
        QTest::newRow("0 down refused") << 15 << 1 << 3 << 0 << 0 << -2 << true;
        QTest::newRow("1 down to 0") << 15 << 1 << 3 << 1 << 5 << 0 << true;
        QTest::newRow("17:15 down") << 15 << 1 << 3 << 17 << 15 << 16 << true;
        QTest::newRow("16:12 down refused") << 15 << 1 << 3 << 16 << 12 << -3 << true;
        QTest::newRow("16:13 down") << 15 << 1 << 3 << 16 << 13 << 15 << true;
    }
    void nextScore()
    {
        QFETCH(int, own);
        QFETCH(int, other);
        QFETCH(bool, subtract);
        QFETCH(int, next);
        QFETCH(int, points);
        QFETCH(int, game);
        QFETCH(int, games);
        QCOMPARE(IsDecidingGame(game, games), game == games);
        const int limit = ScoreLimit(points, game, games);
        QCOMPARE(NextScore(own, other, subtract, limit).value_or(-int(WhyRefused(own, other, subtract, limit))), next);
    }

    // A turn moves each player one box back (box 2 to box 1), the back turn exactly undoes it; a
    // selection moves with its player, in the half that turned only.
    void rotationAndSelection()
    {
        const std::pair<QList<int>, QList<int>> turns[]
            = {{{}, {}}, {{1, 2}, {2, 1}}, {{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 1}}};
        for (const auto& [side, forward] : turns) {
            QCOMPARE(Rally::Rotated(side, false), forward);
            QCOMPARE(Rally::Rotated(forward, true), side);
        }
        // Box before and after a forward turn of the left (0) or right (1) half.
        const std::tuple<int, int, int> moves[] = {{1, 0, 6}, {2, 0, 1}, {7, 1, 12}, {8, 1, 7}, {9, 0, 9}, {3, 1, 3}};
        for (auto [selected, half, after] : moves) {
            QCOMPARE(SelectionAfterRotation(selected, half, false), after);
            QCOMPARE(SelectionAfterRotation(after, half, true), selected);
        }
    }
};

SIDELINES_TEST(TestGameRules)
#include "tst_rules.moc"

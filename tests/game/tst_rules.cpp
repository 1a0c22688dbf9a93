#include "game/GameRules.h"
#include "rules/RallyLog.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QTest>
#include <tuple>

using namespace GameRules;

// The score rule, the turn of a side and the selection that follows it, without a window.
class TestGameRules : public QObject
{
    Q_OBJECT

private slots:
    // The rows say what is refused, and how.
    void nextScore_data() { table::Rows(QStringLiteral("rules.txt")); }
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

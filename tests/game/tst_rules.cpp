#include "game/GameRules.h"
#include "support/TestMain.h"

#include <QTest>
#include <tuple>

using namespace GameRules;

// The score rule, the turn of a side and the selection that follows it, without a window.
class TestGameRules : public QObject
{
    Q_OBJECT

private slots:
    // A deciding game is always played to 15.
    void scoreLimit_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("limit");
        QTest::newRow("to 15, game 1 of 3") << 15 << 1 << 3 << 15;
        QTest::newRow("to 15, deciding") << 15 << 5 << 5 << 15;
        QTest::newRow("to 25, game 3 of 5") << 25 << 3 << 5 << 25;
        QTest::newRow("to 25, game 4 of 5") << 25 << 4 << 5 << 25;
        QTest::newRow("to 25, deciding of 3") << 25 << 3 << 3 << 15;
        QTest::newRow("to 25, deciding of 5") << 25 << 5 << 5 << 15;
    }
    void scoreLimit()
    {
        QFETCH(int, points);
        QFETCH(int, game);
        QFETCH(int, games);
        QFETCH(int, limit);
        QCOMPARE(ScoreLimit(points, game, games), limit);
        QCOMPARE(IsDecidingGame(game, games), game == games);
    }

    // Refused: -1 past the limit, -2 below 0, -3 back from past the limit.
    void nextScore_data()
    {
        QTest::addColumn<int>("own");
        QTest::addColumn<int>("other");
        QTest::addColumn<bool>("subtract");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("next");
        QTest::newRow("14:0 to the limit") << 14 << 0 << false << 15 << 15;
        QTest::newRow("15:13 no further") << 15 << 13 << false << 15 << -1;
        QTest::newRow("15:14 on by two") << 15 << 14 << false << 15 << 16;
        QTest::newRow("17:15 stops") << 17 << 15 << false << 15 << -1;
        QTest::newRow("20:19 on") << 20 << 19 << false << 15 << 21;
        QTest::newRow("25:0 no further") << 25 << 0 << false << 25 << -1;
        QTest::newRow("16:0 under 25") << 16 << 0 << false << 25 << 17;
        QTest::newRow("0 down refused") << 0 << 0 << true << 15 << -2;
        QTest::newRow("1 down to 0") << 1 << 5 << true << 15 << 0;
        QTest::newRow("17:15 down") << 17 << 15 << true << 15 << 16;
        QTest::newRow("16:12 down refused") << 16 << 12 << true << 15 << -3;
        QTest::newRow("16:13 down") << 16 << 13 << true << 15 << 15;
    }
    void nextScore()
    {
        QFETCH(int, own);
        QFETCH(int, other);
        QFETCH(bool, subtract);
        QFETCH(int, limit);
        QFETCH(int, next);
        QCOMPARE(NextScore(own, other, subtract, limit).value_or(-int(WhyRefused(own, other, subtract, limit))), next);
    }

    // A turn moves each player one box back (box 2 to box 1); a selection moves with its player,
    // in the half that turned only.
    void rotation_data()
    {
        QTest::addColumn<QList<int>>("side");
        QTest::addColumn<QList<int>>("forward");
        QTest::newRow("none") << QList<int>{} << QList<int>{};
        QTest::newRow("two") << QList<int>{1, 2} << QList<int>{2, 1};
        QTest::newRow("six") << QList<int>{1, 2, 3, 4, 5, 6} << QList<int>{2, 3, 4, 5, 6, 1};
    }
    void rotation()
    {
        QFETCH(QList<int>, side);
        QFETCH(QList<int>, forward);
        QCOMPARE(Rotated(side, false), forward);
        QCOMPARE(Rotated(forward, true), side);
    }
    void selection()
    {
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

#include "Court.h"
#include "support/TestMain.h"

#include <QTest>

using namespace game_test;

namespace {

// The score boxes of the home and away sides, whichever half each plays on.
struct Sides
{
    QLabel* home;
    QLabel* away;
    QString homeButton;
    QString awayButton;
};

Sides SidesOf(const Court& c, const QString& side)
{
    const bool left = side == QLatin1String("LEFT");
    return {c.score(left ? 0 : 1), c.score(left ? 1 : 0),
            left ? QStringLiteral("cmdScore_0") : QStringLiteral("cmdScore_1"),
            left ? QStringLiteral("cmdScore_1") : QStringLiteral("cmdScore_0")};
}

// Plays points to reach a score, keeping the sides level as long as possible so that every
// point on the way is allowed.
bool Reach(const Court& c, const Sides& s, int home, int away)
{
    for (int guard = 0; guard < 200; ++guard) {
        const int h = s.home->text().toInt();
        const int a = s.away->text().toInt();
        if (h == home && a == away)
            return true;
        const bool homeNext = h < home && (h <= a || a >= away);
        c.click(homeNext ? s.homeButton : s.awayButton);
        if (s.home->text().toInt() == h && s.away->text().toInt() == a)
            return false; // refused: the start cannot be reached this way
    }
    return false;
}

} // namespace

// Scoring within the score rule, and rotation with the selection following its player.
class TestScoringAndRotation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        PreferMemoryBackedTemp();
        QuietOffscreenWarnings();
    }

    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(',')))); }

    void scoreRule_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("gameNumber");
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("startHome");
        QTest::addColumn<int>("startAway");
        // H/A: a click on the home/away score button; h/a: Alt and its access key; "-": the
        // subtraction box is clicked.
        QTest::addColumn<QString>("points_played");
        QTest::addColumn<int>("home");
        QTest::addColumn<int>("away");

        QTest::newRow("14:13, point to the 14 side") << 15 << 3 << 1 << "LEFT" << 14 << 13 << "H" << 15 << 13;
        QTest::newRow("15:13, point to the 15 side is refused")
            << 15 << 3 << 1 << "LEFT" << 15 << 13 << "H" << 15 << 13;
        QTest::newRow("15:14, two points: 16:14, the second refused")
            << 15 << 3 << 1 << "LEFT" << 15 << 14 << "H H" << 16 << 14;
        QTest::newRow("15:15, three points: 17:15, the third refused")
            << 15 << 3 << 1 << "LEFT" << 15 << 15 << "H H H" << 17 << 15;
        QTest::newRow("15:10, the trailing side scores") << 15 << 3 << 1 << "LEFT" << 15 << 10 << "A" << 15 << 11;
        QTest::newRow("15:10, the trailing side runs past 15 within two")
            << 15 << 3 << 1 << "LEFT" << 15 << 10 << "A A A A A A A" << 15 << 17;
        QTest::newRow("0:0, taking back is refused") << 15 << 3 << 1 << "LEFT" << 0 << 0 << "- H A" << 0 << 0;
        QTest::newRow("16:14, taken back to 15") << 15 << 3 << 1 << "LEFT" << 16 << 14 << "- H" << 15 << 14;
        QTest::newRow("17:15, taken back twice to 15:15") << 15 << 3 << 1 << "LEFT" << 17 << 15 << "- H H" << 15 << 15;
        QTest::newRow("3:0, taken back to 0 and no further")
            << 15 << 3 << 1 << "LEFT" << 3 << 0 << "- H H H H" << 0 << 0;
        QTest::newRow("home on the right, by access keys") << 15 << 3 << 1 << "RIGHT" << 0 << 0 << "a a h" << 1 << 2;
        QTest::newRow("home on the right, taken back by access keys")
            << 15 << 3 << 1 << "RIGHT" << 5 << 4 << "- h a a" << 4 << 2;
        QTest::newRow("to 15, in game 3 of 3") << 15 << 3 << 3 << "LEFT" << 15 << 13 << "H" << 15 << 13;
        QTest::newRow("to 25: 15:13 goes on") << 25 << 5 << 1 << "LEFT" << 15 << 13 << "H" << 16 << 13;
        QTest::newRow("to 25: 24:23, point to 25") << 25 << 5 << 2 << "LEFT" << 24 << 23 << "H" << 25 << 23;
        QTest::newRow("to 25: 25:23 is refused") << 25 << 5 << 4 << "RIGHT" << 25 << 23 << "H" << 25 << 23;
        QTest::newRow("to 25: 25:24, two points: 26:24, the second refused")
            << 25 << 5 << 1 << "LEFT" << 25 << 24 << "H H" << 26 << 24;
        QTest::newRow("to 25: 26:24, taken back to 25") << 25 << 5 << 1 << "LEFT" << 26 << 24 << "- H" << 25 << 24;
        QTest::newRow("to 25: the deciding game of five stops 15:13")
            << 25 << 5 << 5 << "LEFT" << 15 << 13 << "H" << 15 << 13;
        QTest::newRow("to 25: the deciding game of five, 15:14 goes to 16")
            << 25 << 5 << 5 << "LEFT" << 15 << 14 << "H H" << 16 << 14;
        QTest::newRow("to 25: the deciding game of three stops 15:13")
            << 25 << 3 << 3 << "RIGHT" << 15 << 13 << "H" << 15 << 13;
        QTest::newRow("to 25: game 2 of 3 goes on at 15:13") << 25 << 3 << 2 << "LEFT" << 15 << 13 << "H" << 16 << 13;
    }

    void scoreRule()
    {
        QFETCH(int, points);
        QFETCH(int, games);
        QFETCH(int, gameNumber);
        QFETCH(QString, side);
        QFETCH(int, startHome);
        QFETCH(int, startAway);
        QFETCH(QString, points_played);
        QFETCH(int, home);
        QFETCH(int, away);
        Court c(side, gameNumber, false, games, points);
        QVERIFY(c.show());
        const Sides s = SidesOf(c, side);
        QVERIFY(Reach(c, s, startHome, startAway));
        QCOMPARE(c.scoreInDb(true), startHome);
        QCOMPARE(c.scoreInDb(false), startAway);
        for (const QString& p : points_played.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (p == QLatin1String("-"))
                QTest::mouseClick(c.subtract(), Qt::LeftButton);
            else if (p == QLatin1String("H"))
                c.click(s.homeButton);
            else if (p == QLatin1String("A"))
                c.click(s.awayButton);
            else
                QVERIFY(c.accessKey(p == QLatin1String("h") ? Qt::Key_H : Qt::Key_A));
        }
        QCOMPARE(s.home->text(), QString::number(home));
        QCOMPARE(s.away->text(), QString::number(away));
        // The game's row moved with the screen, point by point.
        QCOMPARE(c.scoreInDb(true), home);
        QCOMPARE(c.scoreInDb(false), away);
        QVERIFY(MsgBoxHook::asked().isEmpty()); // a refusal is silent
    }

    void aFailedScoreWriteChangesNothingOnScreen_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("said");
        QTest::newRow("the GAME table is gone") << "DROP TABLE GAME"
                                                << "GAME";
        QTest::newRow("the game's row is gone") << "DELETE FROM GAME"
                                                << "not in the database";
    }

    void aFailedScoreWriteChangesNothingOnScreen()
    {
        QFETCH(QString, damage);
        QFETCH(QString, said);
        Court c;
        QVERIFY(c.show());
        QVERIFY(c.record(2, Qt::Key_D));
        c.click(QStringLiteral("cmdScore_0"));
        QCOMPARE(c.score(0)->text(), QStringLiteral("1"));
        const QString status = c.status()->text();
        Execute(damage);
        c.click(QStringLiteral("cmdScore_0"));
        c.click(QStringLiteral("cmdScore_1"));
        QCOMPARE(c.score(0)->text(), QStringLiteral("1"));
        QCOMPARE(c.score(1)->text(), QStringLiteral("0"));
        QCOMPARE(c.status()->text(), status);
        QCOMPARE(MsgBoxHook::asked().size(), 2);
        for (const auto& asked : MsgBoxHook::asked()) {
            QVERIFY2(asked.prompt.contains(said, Qt::CaseInsensitive), qPrintable(asked.prompt));
            QCOMPARE(asked.icon, QMessageBox::Critical);
        }
        // The screen goes on working.
        QVERIFY(c.screen->isVisible());
        QVERIFY(c.record(3, Qt::Key_K));
    }

    void rotationForwardAndBackAreExactInverses_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<Qt::Key>("key"); // Alt+R rotates home, Alt+O away
        QTest::addColumn<int>("selected"); // 0: nobody chosen yet in this game
        QTest::addColumn<int>("after"); // the box selected after the forward turn
        QTest::newRow("home on the left, box 1") << "LEFT" << Qt::Key_R << 1 << 6;
        QTest::newRow("home on the left, box 4") << "LEFT" << Qt::Key_R << 4 << 3;
        QTest::newRow("home on the left, box 6") << "LEFT" << Qt::Key_R << 6 << 5;
        QTest::newRow("away on the right, box 7") << "LEFT" << Qt::Key_O << 7 << 12;
        QTest::newRow("away on the right, box 9") << "LEFT" << Qt::Key_O << 9 << 8;
        QTest::newRow("home on the right, box 12") << "RIGHT" << Qt::Key_R << 12 << 11;
        QTest::newRow("away on the left, box 2") << "RIGHT" << Qt::Key_O << 2 << 1;
        QTest::newRow("the right half turns, a left box stays selected") << "LEFT" << Qt::Key_O << 3 << 3;
        QTest::newRow("the left half turns, a right box stays selected") << "RIGHT" << Qt::Key_O << 10 << 10;
        QTest::newRow("nobody selected yet: box 6 after the left half turns") << "LEFT" << Qt::Key_R << 0 << 6;
    }

    void rotationForwardAndBackAreExactInverses()
    {
        QFETCH(QString, side);
        QFETCH(Qt::Key, key);
        QFETCH(int, selected);
        QFETCH(int, after);
        Court c(side);
        QVERIFY(c.show());
        if (selected > 0) {
            QMenu* menu = c.pressBoxKey(selected);
            QVERIFY(menu);
            QTest::keyClick(menu, Qt::Key_Escape);
        }
        QStringList before;
        for (int n = 1; n <= 12; ++n)
            before << c.boxText(n);
        const QString selectedText = c.boxText(selected > 0 ? selected : 1);

        QVERIFY(c.accessKey(key));
        const bool homeTurns = key == Qt::Key_R;
        const bool leftTurns = (side == QLatin1String("LEFT")) == homeTurns;
        const int first = leftTurns ? 1 : 7;
        const QList<Seeded>& team = homeTurns ? c.home : c.away;
        for (int i = 0; i < 6; ++i)
            QCOMPARE(c.boxText(first + i), Court::caption(team[(i + 1) % 6]));
        for (int n = 1; n <= 12; ++n) {
            if (n < first || n >= first + 6)
                QCOMPARE(c.boxText(n), before[n - 1]);
        }
        QCOMPARE(c.whiteBoxes(), QList<int>{after});
        QCOMPARE(c.whiteHints(), QList<int>{after});
        QCOMPARE(c.boxText(after), selectedText); // the selection followed its player
        QCOMPARE(c.status()->text(), QString());
        // The side's players in the screen's collection follow the boxes.
        const auto& players = homeTurns ? c.screen->colHomePlayers : c.screen->colAwayPlayers;
        QCOMPARE(players.first()->PlayerID(), team[1].id);

        QTest::mouseClick(c.subtract(), Qt::LeftButton);
        QVERIFY(c.accessKey(key));
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(c.boxText(n), before[n - 1]);
        QCOMPARE(c.whiteBoxes(), QList<int>{selected > 0 ? selected : 1});
        QCOMPARE(c.status()->text(), QString());
        QCOMPARE(c.app.count(QStringLiteral("PLAYED")), 12);
        // An action now goes to the player standing in the box.
        QVERIFY(c.record(first, Qt::Key_A));
        QCOMPARE(c.app.scalar(QStringLiteral("SELECT PLAYERID FROM PLAY WHERE POSITION = ?"), {first}).toString(),
                 team[0].id.text());
    }

    void sixTurnsBringEveryoneBack()
    {
        Court c;
        QVERIFY(c.show());
        QStringList before;
        for (int n = 1; n <= 12; ++n)
            before << c.boxText(n);
        for (int i = 0; i < 6; ++i) {
            c.click(QStringLiteral("cmdRotate_0"));
            c.click(QStringLiteral("cmdRotate_1"));
        }
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(c.boxText(n), before[n - 1]);
        QCOMPARE(c.whiteBoxes(), QList<int>{1});
    }

    void aFailedRotationLeavesTheCourtAsItWas()
    {
        Court c;
        QVERIFY(c.show());
        QStringList before;
        for (int n = 1; n <= 12; ++n)
            before << c.boxText(n);
        Execute(QStringLiteral("DROP TABLE PLAYED"));
        c.click(QStringLiteral("cmdRotate_0"));
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QVERIFY(MsgBoxHook::asked().first().prompt.contains(QStringLiteral("PLAYED"), Qt::CaseInsensitive));
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(c.boxText(n), before[n - 1]);
        QCOMPARE(c.screen->colHomePlayers.first()->PlayerID(), c.home[0].id);
        QCOMPARE(c.status()->text(), QString());
        QVERIFY(!QApplication::overrideCursor());
    }
};

SIDELINES_TEST(TestScoringAndRotation)
#include "tst_scoring.moc"

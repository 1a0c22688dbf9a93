#include "Court.h"
#include "support/TestMain.h"

#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace game_test;

// The court screen as the line-up window leaves it: who stands where, the buttons of each half,
// the PLAYED rows, and selecting a player by mouse or function key.
class TestCourtScreen : public QObject
{
    Q_OBJECT

    // The stat menu opens with its corner at the middle of the box, moved up only as far as the
    // screen's edge makes it.
    static bool opensAtBox(const Court& c, int n)
    {
        const QPoint centre = c.box(n)->mapToGlobal(c.box(n)->rect().center());
        const QRect menu = c.screen->statMenu()->geometry();
        const QRect screen = c.screen->screen()->geometry();
        if (menu.left() != centre.x() && menu.right() != screen.right())
            return false;
        return menu.top() == centre.y() || (menu.top() < centre.y() && menu.bottom() >= screen.bottom() - 1);
    }

private slots:
    void initTestCase()
    {
        PreferMemoryBackedTemp();
        QuietOffscreenWarnings();
    }

    void cleanup() { QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(',')))); }

    void teamsFillTheirHalves_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<int>("homeFirst");
        QTest::newRow("home on the left") << "LEFT" << 1;
        QTest::newRow("home on the right") << "RIGHT" << 7;
    }

    void teamsFillTheirHalves()
    {
        QFETCH(QString, side);
        QFETCH(int, homeFirst);
        Court c(side);
        const int awayFirst = homeFirst == 1 ? 7 : 1;
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(c.boxText(homeFirst + i), Court::caption(c.home[i]));
            QCOMPARE(c.boxText(awayFirst + i), Court::caption(c.away[i]));
            QCOMPARE(c.screen->boxPlayerId(homeFirst + i), c.home[i].id);
            QCOMPARE(c.screen->boxPlayerId(awayFirst + i), c.away[i].id);
        }
        const int homeBar = homeFirst == 1 ? 0 : 1;
        const int awayBar = 1 - homeBar;
        QCOMPARE(c.button(QStringLiteral("cmdScore_%1").arg(homeBar))->text(), QStringLiteral("Score &Home"));
        QCOMPARE(c.button(QStringLiteral("cmdRotate_%1").arg(homeBar))->text(), QStringLiteral("&Rotate Home"));
        QCOMPARE(c.button(QStringLiteral("cmdScore_%1").arg(awayBar))->text(), QStringLiteral("Score &Away"));
        QCOMPARE(c.button(QStringLiteral("cmdRotate_%1").arg(awayBar))->text(), QStringLiteral("R&otate Away"));
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(c.hint(n)->text(), QStringLiteral("F%1").arg(n));
        QCOMPARE(c.score(0)->text(), QStringLiteral("0"));
        QCOMPARE(c.score(1)->text(), QStringLiteral("0"));
        QCOMPARE(c.status()->text(), QString());
        QCOMPARE(c.app.count(QStringLiteral("PLAYED")), 12);
        QVERIFY(c.whiteBoxes().isEmpty());
    }

    void fixedCaptions()
    {
        Court c;
        QCOMPARE(c.screen->windowTitle(), QStringLiteral("Game"));
        QCOMPARE(c.button(QStringLiteral("cmdGame"))->text(), QStringLiteral("N&ew Game"));
        QCOMPARE(c.button(QStringLiteral("cmdEndMatch"))->text(), QStringLiteral("E&nd Match"));
        QCOMPARE(c.subtract()->text(), QStringLiteral("Subtraction &Mode"));
        QCOMPARE(c.subtract()->toolTip(), QStringLiteral("Click on here to reverse any previous action"));
        QVERIFY(!c.subtract()->isChecked());
        auto* bar = c.screen->findChild<QMenuBar*>();
        QVERIFY(bar);
        QStringList menus;
        for (QAction* a : bar->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{QStringLiteral("&Game"), QStringLiteral("&Choose Player")}));
        QStringList game;
        for (QAction* a : Child<QMenu>(c.screen.get(), QStringLiteral("mnuGame"))->actions())
            game << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char('=') + a->text());
        QCOMPARE(game,
                 (QStringList{QStringLiteral("mnuNewGame=Go to N&ext Game"), QStringLiteral("mnuSub=&Substitute"),
                              QStringLiteral("-"), QStringLiteral("mnuEndMatch=E&nd Match")}));
        QStringList stats;
        for (QAction* a : c.screen->statMenu()->actions())
            stats << a->text();
        QCOMPARE(stats,
                 (QStringList{"&Attempt", "&Kill", "&Error", "&Pass", "&Serve Ace", "Serve E&rror", "&Dig",
                              "Re&ceiving Error", "S&olo Block", "&Block Assist", "B&lock Error",
                              "Ball &Handling Error", "Se&t Assist", "&View Stats"}));
    }

    void clickingABoxSelectsItAndPopsUpTheStatMenu()
    {
        Court c;
        QVERIFY(c.show());
        QTest::mouseClick(c.box(4), Qt::LeftButton);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu, c.screen->statMenu());
        QVERIFY(opensAtBox(c, 4));
        QCOMPARE(c.whiteBoxes(), QList<int>{4});
        QCOMPARE(c.whiteHints(), QList<int>{4});
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(c.whiteBoxes(), QList<int>{4}); // dismissing keeps the selection
        QVERIFY(c.screen->isVisible());
        // The selected box again: stays selected, menu again.
        QTest::mouseClick(c.box(4), Qt::LeftButton);
        QVERIFY(QApplication::activePopupWidget());
        QCOMPARE(c.whiteBoxes(), QList<int>{4});
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        // Another box takes the selection over.
        QTest::mouseClick(c.box(9), Qt::LeftButton);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QCOMPARE(c.whiteBoxes(), QList<int>{9});
        QCOMPARE(c.whiteHints(), QList<int>{9});
        QCOMPARE(c.app.count(QStringLiteral("PLAY")), 0);
    }

    void functionKeysWorkFromEveryControl_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("window") << QString();
        for (const char* name :
             {"cmdGame", "cmdRotate_0", "cmdScore_0", "cmdScore_1", "cmdRotate_1", "cmdEndMatch", "chkSubtractMode"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void functionKeysWorkFromEveryControl()
    {
        QFETCH(QString, focus);
        Court c;
        QVERIFY(c.show());
        for (int n = 1; n <= 12; ++n) {
            QWidget* target = c.screen.get();
            if (!focus.isEmpty()) {
                target = Child<QWidget>(c.screen.get(), focus);
                QVERIFY(target);
                target->setFocus(Qt::TabFocusReason);
                QCOMPARE(QApplication::focusWidget(), target);
            }
            QTest::keyClick(target, Qt::Key(Qt::Key_F1 + (n - 1)));
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY2(menu == c.screen->statMenu(), qPrintable(QStringLiteral("F%1 opened no stat menu").arg(n)));
            QCOMPARE(c.whiteBoxes(), QList<int>{n});
            QVERIFY(opensAtBox(c, n));
            QTest::keyClick(menu, Qt::Key_Escape);
            QVERIFY(!QApplication::activePopupWidget());
        }
        // The keys select; nothing else happened.
        QCOMPARE(c.score(0)->text(), QStringLiteral("0"));
        QCOMPARE(c.score(1)->text(), QStringLiteral("0"));
        QVERIFY(!c.subtract()->isChecked());
        QVERIFY(c.screen->isVisible());
        QVERIFY(MsgBoxHook::asked().isEmpty());
        QCOMPARE(c.app.count(QStringLiteral("PLAY")), 0);
    }

    void aSideShortOfPlayersLeavesBoxesEmptyAndSaysSo()
    {
        Court c;
        c.screen->colHomePlayers.removeLast();
        c.screen->SetUpHome();
        QVERIFY(c.show());
        QCOMPARE(c.boxText(6), QString());
        QVERIFY(c.screen->boxPlayerId(6).isNull());
        // Recording for the empty box says why it cannot, and writes nothing.
        QVERIFY(c.record(6, Qt::Key_K));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("There is no player in this box.")});
        QCOMPARE(c.app.count(QStringLiteral("PLAY")), 0);
        // Turning the five and back brings them to where they were.
        QStringList before;
        for (int n = 1; n <= 6; ++n)
            before << c.boxText(n);
        c.click(QStringLiteral("cmdRotate_0"));
        QCOMPARE(c.boxText(1), Court::caption(c.home[1]));
        QCOMPARE(c.boxText(5), Court::caption(c.home[0]));
        QTest::mouseClick(c.subtract(), Qt::LeftButton);
        c.click(QStringLiteral("cmdRotate_0"));
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(c.boxText(n), before[n - 1]);
    }

    void playedRowsStayOnePerPlayer_data()
    {
        QTest::addColumn<bool>("selfMatch");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<int>("expected");
        QTest::newRow("set up twice") << false << "setup" << 12;
        QTest::newRow("rotations both ways, both sides") << false << "R R R R R R R O O -R -O -O" << 12;
        QTest::newRow("a team playing itself") << true << "" << 6;
        QTest::newRow("a team playing itself, rotated") << true << "R O R -O setup" << 6;
        QTest::newRow("a substitute comes on") << false << "sub" << 13;
        QTest::newRow("a substitute comes on and goes off again") << false << "sub unsub R" << 13;
    }

    void playedRowsStayOnePerPlayer()
    {
        QFETCH(bool, selfMatch);
        QFETCH(QString, actions);
        QFETCH(int, expected);
        Court c(QStringLiteral("LEFT"), 1, selfMatch);
        QVERIFY(c.show());
        for (const QString& a : actions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const bool back = a.startsWith(QLatin1Char('-'));
            if (c.subtract()->isChecked() != back)
                QVERIFY(c.accessKey(Qt::Key_M));
            QCOMPARE(c.subtract()->isChecked(), back);
            const QString what = back ? a.mid(1) : a;
            if (what == QLatin1String("R"))
                QVERIFY(c.accessKey(Qt::Key_R));
            else if (what == QLatin1String("O"))
                QVERIFY(c.accessKey(Qt::Key_O));
            else if (what == QLatin1String("setup")) {
                c.screen->SetUpHome();
                c.screen->SetUpAway();
            } else if (what == QLatin1String("sub") || what == QLatin1String("unsub")) {
                // What the line-up window hands back after exchanging the third home player.
                c.screen->colHomePlayers[2] = Court::player(what == QLatin1String("sub") ? c.home[7] : c.home[2]);
                c.screen->SetUpHome();
                c.screen->SetUpAway();
            }
        }
        QCOMPARE(c.app.count(QStringLiteral("PLAYED")), expected);
        QCOMPARE(
            c.app.scalar(QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT GAMEID, PLAYERID FROM PLAYED)")).toInt(),
            expected);
        // Every player on court has a row.
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(c.app
                         .scalar(QStringLiteral("SELECT COUNT(*) FROM PLAYED WHERE GAMEID = ? AND PLAYERID = ?"),
                                 {Bind(c.gameId), Bind(c.screen->boxPlayerId(n))})
                         .toInt(),
                     1);
    }
};

SIDELINES_TEST(TestCourtScreen)
#include "tst_court.moc"

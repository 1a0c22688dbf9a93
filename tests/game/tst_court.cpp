#include "Court.h"
#include "core/mConstants.h"
#include "support/Drive.h"
#include "support/TestMain.h"

#include <QTest>

using namespace court;

namespace {
const QString kBreakPlay
    = QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON PLAY BEGIN SELECT RAISE(ABORT, 'disk full'); END");
const QString kBreakPlayed
    = QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON PLAYED BEGIN SELECT RAISE(ABORT, 'disk full'); END");
} // namespace

// The court screen as the user works it: the stat menu, scores, turns, the stats view, the next
// game and the way out.
class TestCourt : public QObject
{
    Q_OBJECT

    // What the screen shows: the twelve boxes, both scores, the status line, the white boxes.
    static QStringList look(const Court& c)
    {
        QStringList out;
        for (int n = 1; n <= 12; ++n)
            out << c.get(QStringLiteral("lblPlayer_%1").arg(n))->text();
        out << c.score(0) + QLatin1Char(':') + c.score(1) << c.status();
        for (int n : c.white())
            out << QString::number(n);
        return out;
    }

private slots:
    void initTestCase() { Prepare(); }
    void cleanup() { drive::EndTest(); }

    void statMenuByAccessKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("rating");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("column");
        const QString owl = QStringLiteral("Owl 3 #13");
        QTest::newRow("A") << int(Qt::Key_A) << 0 << "Added 1 Attempt to " + owl << "ATTEMPT";
        QTest::newRow("K") << int(Qt::Key_K) << 0 << "Added 1 Kill and 1 Attempt to " + owl << "KILL";
        QTest::newRow("E") << int(Qt::Key_E) << 0 << "Added 1 Error and 1 Attempt to " + owl << "ERROR";
        QTest::newRow("P 1") << int(Qt::Key_P) << 1 << "Added a 1 Passing stat to " + owl << "PASSING";
        QTest::newRow("P 3") << int(Qt::Key_P) << 3 << "Added a 3 Passing stat to " + owl << "PASSING";
        QTest::newRow("S") << int(Qt::Key_S) << 0 << "Added 1 ServeAce to " + owl << "SERVEACE";
        QTest::newRow("R") << int(Qt::Key_R) << 0 << "Added 1 ServeError to " + owl << "SERVEERROR";
        QTest::newRow("D") << int(Qt::Key_D) << 0 << "Added 1 Dig to " + owl << "DIG";
        QTest::newRow("C") << int(Qt::Key_C) << 0 << "Added 1 ReceiveError to " + owl << "RECEIVEERROR";
        QTest::newRow("O") << int(Qt::Key_O) << 0 << "Added 1 SoloBlock to " + owl << "SOLOBLOCK";
        QTest::newRow("B") << int(Qt::Key_B) << 0 << "Added 1 BlockAssist to " + owl << "BLOCKASSIST";
        QTest::newRow("L") << int(Qt::Key_L) << 0 << "Added 1 BlockError to " + owl << "BLOCKERROR";
        QTest::newRow("H") << int(Qt::Key_H) << 0 << "Added 1 BallHandleError to " + owl << "BALLHANDLEERROR";
        QTest::newRow("T") << int(Qt::Key_T) << 0 << "Added 1 SetAssist to " + owl << "SETASSIST";
    }
    void statMenuByAccessKeys()
    {
        QFETCH(int, key);
        QFETCH(int, rating);
        QFETCH(QString, status);
        QFETCH(QString, column);
        Court c;
        QVERIFY(c.show());
        QVERIFY(c.record(9, Qt::Key(key), rating));
        QCOMPARE(c.status(), status);
        QCOMPARE(c.white(), QList<int>{9});
        QCOMPARE(c.app.rows(QStringLiteral("SELECT PLAYERID, POSITION, ") + column + QStringLiteral(" FROM PLAY")),
                 (QList<QVariantList>{{c.away[2].text(), 9, rating ? rating : 1}}));
    }

    void statMenuItems()
    {
        Court c;
        QStringList items;
        for (QAction* a : c.screen->statMenu()->actions())
            items << a->objectName() + QLatin1Char('=') + a->text();
        QCOMPARE(items, (QStringList{"mnuAttempt=&Attempt", "mnuKill=&Kill", "mnuError=&Error",
                                     "mnuPassingItem=&Pass", "mnuServeAce=&Serve Ace", "mnuServeError=Serve E&rror",
                                     "mnuDig=&Dig", "mnuReceiveError=Re&ceiving Error", "mnuSoloBlock=S&olo Block",
                                     "mnuBlockAssist=&Block Assist", "mnuBlockError=B&lock Error",
                                     "mnuBallHandle=Ball &Handling Error", "mnuSetAssist=Se&t Assist",
                                     "mnuViewStats=&View Stats"}));
        auto* pass = c.screen->findChild<QMenu*>(QStringLiteral("mnuPassing"));
        QVERIFY(pass);
        QStringList ratings;
        for (QAction* a : pass->actions())
            ratings << a->objectName() + QLatin1Char('=') + a->text();
        QCOMPARE(ratings, (QStringList{"mnuPass1=1", "mnuPass2=2", "mnuPass3=3"}));
    }

    void statsViewOfTheSelectedPlayer()
    {
        Court c;
        QVERIFY(c.show());
        QVERIFY(c.record(2, Qt::Key_K));
        QVERIFY(c.record(2, Qt::Key_A));
        QVERIFY(c.record(2, Qt::Key_V));
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QCOMPARE(MsgBoxHook::asked()[0].title, QStringLiteral("Hawk 2 #2 Stats"));
        QVERIFY(MsgBoxHook::asked()[0].prompt.startsWith(QStringLiteral("Percentage = 0.500\nAttempts = 2\nKills = 1\n")));
        QCOMPARE(c.status(), QString());
    }

    // Which half each team takes, and that Alt+H and Alt+A score for the right team.
    void teamsTakeTheirHalves_data()
    {
        QTest::addColumn<QString>("side");
        QTest::newRow("home left") << "LEFT";
        QTest::newRow("home right") << "RIGHT";
    }
    void teamsTakeTheirHalves()
    {
        QFETCH(QString, side);
        Court c(side);
        QVERIFY(c.show());
        const int homeHalf = side == QLatin1String("LEFT") ? 0 : 1;
        QCOMPARE(c.get<QAbstractButton>(QStringLiteral("cmdScore_%1").arg(homeHalf))->text(), QStringLiteral("Score &Home"));
        QCOMPARE(c.get<QAbstractButton>(QStringLiteral("cmdRotate_%1").arg(1 - homeHalf))->text(), QStringLiteral("R&otate Away"));
        QCOMPARE(c.screen->boxPlayerId(homeHalf * 6 + 1), c.home[0]);
        QCOMPARE(c.screen->boxPlayerId(7 - homeHalf * 6), c.away[0]);
        QCOMPARE(c.get(QStringLiteral("lblPlayer_%1").arg(homeHalf * 6 + 6))->text(), QStringLiteral("Hawk 6\n#6"));
        QVERIFY(AltKey(c.screen.get(), Qt::Key_H));
        QVERIFY(AltKey(c.screen.get(), Qt::Key_H));
        QVERIFY(AltKey(c.screen.get(), Qt::Key_A));
        QCOMPARE(c.score(homeHalf), QStringLiteral("2"));
        QCOMPARE(c.score(1 - homeHalf), QStringLiteral("1"));
        QCOMPARE(c.scores(), (QVariantList{2, 1}));
        c.setSubtract(true);
        QVERIFY(AltKey(c.screen.get(), Qt::Key_H));
        QCOMPARE(c.score(homeHalf), QStringLiteral("1"));
        QCOMPARE(c.scores(), (QVariantList{1, 1}));
    }

    // Past the limit the button does nothing, on screen and in the row.
    void scoreStopsAtTheRule_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("stop");
        QTest::newRow("to 15") << 15 << 1 << 15;
        QTest::newRow("to 25") << 25 << 1 << 25;
        QTest::newRow("deciding game to 15") << 25 << 3 << 15;
    }
    void scoreStopsAtTheRule()
    {
        QFETCH(int, points);
        QFETCH(int, game);
        QFETCH(int, stop);
        Court c(QStringLiteral("LEFT"), game, 3, points);
        Execute(QStringLiteral("UPDATE GAME SET AWAYSCORE = ?"), {stop - 1});
        c.get(QStringLiteral("lblScore_1"))->setText(QString::number(stop - 1));
        c.click(QStringLiteral("cmdScore_1"));
        c.click(QStringLiteral("cmdScore_1"));
        QCOMPARE(c.score(1), QString::number(stop));
        QCOMPARE(c.scores(), (QVariantList{0, stop}));
    }

    void rotationMovesPlayersAndSelection()
    {
        Court c;
        QVERIFY(c.show());
        QVERIFY(c.record(3, Qt::Key_D));
        QVERIFY(AltKey(c.screen.get(), Qt::Key_R)); // "&Rotate Home"
        QCOMPARE(c.screen->boxPlayerId(1), c.home[1]);
        QCOMPARE(c.screen->boxPlayerId(6), c.home[0]);
        QCOMPARE(c.white(), QList<int>{2});
        QCOMPARE(c.screen->boxPlayerId(2), c.home[2]);
        c.setSubtract(true);
        QVERIFY(AltKey(c.screen.get(), Qt::Key_R));
        QCOMPARE(c.screen->boxPlayerId(1), c.home[0]);
        QCOMPARE(c.white(), QList<int>{3});
        QVERIFY(AltKey(c.screen.get(), Qt::Key_O)); // "R&otate Away" leaves the left half alone
        QCOMPARE(c.screen->boxPlayerId(7), c.away[5]);
        QCOMPARE(c.white(), QList<int>{3});
    }

    // A write the engine refuses shows its message and leaves the screen exactly as it was.
    void refusedWritesLeaveTheScreen_data()
    {
        QTest::addColumn<QString>("breakage");
        QTest::addColumn<int>("command"); // 0 point, 1 turn, 2 action
        QTest::newRow("point for a game not stored") << "DELETE FROM GAME" << 0;
        QTest::newRow("point refused") << "CREATE TRIGGER refuse BEFORE UPDATE ON GAME BEGIN "
                                          "SELECT RAISE(ABORT, 'disk full'); END"
                                       << 0;
        QTest::newRow("turn refused") << kBreakPlayed << 1;
        QTest::newRow("action refused") << kBreakPlay << 2;
    }
    void refusedWritesLeaveTheScreen()
    {
        QFETCH(QString, breakage);
        QFETCH(int, command);
        Court c;
        Execute(QStringLiteral("DELETE FROM PLAYED"));
        QVERIFY(c.show());
        QVERIFY(c.record(4, Qt::Key_K));
        c.click(QStringLiteral("cmdScore_0"));
        if (command == 1)
            c.screen->showStatus(QString()); // a turn clears the status line on every way out
        const QStringList before = look(c);
        Execute(breakage);
        if (command == 0)
            c.click(QStringLiteral("cmdScore_0"));
        else if (command == 1)
            c.click(QStringLiteral("cmdRotate_0"));
        else
            QVERIFY(c.record(4, Qt::Key_D));
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        QCOMPARE(look(c), before);
        QCOMPARE(c.app.count(QStringLiteral("PLAY")), 1);
    }

    void everyWayOutAsksFirst_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        for (const char* how : {"button", "access key", "menu", "Escape", "close box"}) {
            QTest::addRow("%s, Yes", how) << QString::fromLatin1(how) << true;
            QTest::addRow("%s, No", how) << QString::fromLatin1(how) << false;
        }
    }
    void everyWayOutAsksFirst()
    {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        Court c;
        QVERIFY(c.show());
        c.click(QStringLiteral("cmdScore_1"));
        MsgBoxHook::setNextAnswer(yes ? QMessageBox::Yes : QMessageBox::No);
        if (how == QLatin1String("button")) {
            c.click(QStringLiteral("cmdEndMatch"));
        } else if (how == QLatin1String("access key")) {
            QVERIFY(AltKey(c.screen.get(), Qt::Key_N));
        } else if (how == QLatin1String("menu")) {
            QTest::keyClick(Focus(c.screen.get()), Qt::Key_G, Qt::AltModifier);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu && menu->objectName() == QLatin1String("mnuGame"));
            QTest::keyClick(menu, Qt::Key_N);
        } else if (how == QLatin1String("Escape")) {
            QTest::keyClick(Focus(c.screen.get()), Qt::Key_Escape);
        } else {
            c.screen->close();
        }
        QCOMPARE(MsgBoxHook::asked().size(), 1);
        const MsgBoxHook::Asked asked = MsgBoxHook::asked().first();
        QCOMPARE(asked.prompt, QStringLiteral("Are you sure you would like to end the Match?"));
        QCOMPARE(asked.title, QStringLiteral("End Match"));
        QCOMPARE(asked.icon, QMessageBox::Question);
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(asked.defaultButton, QMessageBox::No);
        QTRY_COMPARE(c.screen->isVisible(), !yes);
        if (yes)
            QCOMPARE(c.screen->result(), int(frmGame::EndMatch));
        QCOMPARE(c.score(1), QStringLiteral("1"));
    }

    void nextGameRefusedOrDeclined_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::newRow("best of 3 in game 3")
            << 3 << 3 << "You choose a best of 3 match. There can be no game 4." << "Match";
        QTest::newRow("best of 5 in game 5") << 5 << 5 << "You cannot have more than five games per match" << "Match";
        QTest::newRow("No to game 2") << 3 << 1 << "Are you sure you want to go to game 2?" << "New Game";
    }
    void nextGameRefusedOrDeclined()
    {
        QFETCH(int, games);
        QFETCH(int, number);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        Court c(QStringLiteral("LEFT"), number, games);
        QVERIFY(c.show());
        const auto game = c.session.game;
        MsgBoxHook::setNextAnswer(QMessageBox::No);
        c.click(QStringLiteral("cmdGame"));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{prompt});
        QCOMPARE(MsgBoxHook::asked()[0].title, title);
        QCOMPARE(c.session.game, game);
        QCOMPARE(c.app.count(QStringLiteral("GAME")), 1);
        QVERIFY(c.screen->isVisible());
    }

    void nextGameStoredThenTheScreenCloses_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("side");
        QTest::newRow("game 2 of 3: sides change") << 3 << 1 << "RIGHT";
        QTest::newRow("deciding game: side asked later") << 5 << 4 << "LEFT";
    }
    void nextGameStoredThenTheScreenCloses()
    {
        QFETCH(int, games);
        QFETCH(int, number);
        QFETCH(QString, side);
        Court c(QStringLiteral("LEFT"), number, games);
        QVERIFY(c.show());
        Execute(QStringLiteral("UPDATE PLAYER SET PLAYERNAME = 'Renamed' WHERE PLAYERID = ?"), {Bind(c.home[7])});
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        QVERIFY(AltKey(c.screen.get(), Qt::Key_E)); // "N&ew Game"
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("Are you sure you want to go to game %1?").arg(number + 1)});
        QTRY_VERIFY(!c.screen->isVisible());
        QCOMPARE(c.screen->result(), int(frmGame::NextGame));
        QCOMPARE(int(c.session.game->GameNumber()), number + 1);
        QCOMPARE(c.session.side, side);
        QCOMPARE(c.session.rosters[0].players[7].name, QStringLiteral("Renamed"));
        QCOMPARE(c.app.rows(QStringLiteral("SELECT MATCHID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME WHERE GAMEID = ?"),
                            {Bind(c.session.game->GameID())}),
                 (QList<QVariantList>{{c.session.matchId.text(), number + 1, 0, 0}}));
    }

    void nextGameFailureLeavesTheGameGoingOn_data()
    {
        QTest::addColumn<QString>("breakage");
        QTest::newRow("the new game row is refused")
            << "CREATE TRIGGER refuse BEFORE INSERT ON GAME BEGIN SELECT RAISE(ABORT, 'disk full'); END";
        QTest::newRow("the rosters cannot be read") << "ALTER TABLE PLAYER RENAME TO GONE";
    }
    void nextGameFailureLeavesTheGameGoingOn()
    {
        QFETCH(QString, breakage);
        Court c(QStringLiteral("LEFT"), 1, 5);
        QVERIFY(c.show());
        const auto game = c.session.game;
        const auto rosters = c.session.rosters;
        Execute(breakage);
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        c.click(QStringLiteral("cmdGame"));
        QCOMPARE(MsgBoxHook::asked().size(), 2); // the question, then the engine's message
        QCOMPARE(c.session.game, game);
        QCOMPARE(c.session.side, QStringLiteral("LEFT"));
        QCOMPARE(c.session.rosters[0].players.size(), rosters[0].players.size());
        QCOMPARE(c.app.count(QStringLiteral("GAME")), 1);
        QVERIFY(c.screen->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }
};

SIDELINES_TEST(TestCourt)
#include "tst_court.moc"

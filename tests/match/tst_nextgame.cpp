#include "MatchDriver.h"
#include "game/clsGame.h"
#include "game/frmGame.h"
#include "match/frmStarters.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QGroupBox>
#include <QTest>

using namespace match_test;

class TestNextGame : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    std::unique_ptr<frmStarters> L;
    RecordId home, away, match, game1;

    // A match under way in game `number`, with full line-ups and the court screen loaded.
    void underWay(int games, int number, const QString& side)
    {
        L->igame = qint16(games);
        L->strSide = side;
        L->pubGame()->setGameNumber(qint16(number));
        for (int s = 0; s < 2; ++s) {
            SelectRows(L->lstTeam(s * 2), {0, 1, 2, 3, 4, 5});
            Click(L.get(), s == 0 ? QStringLiteral("cmdHMoveStart") : QStringLiteral("cmdAMoveStart"));
        }
        Click(L.get(), QStringLiteral("cmdGame")); // the court screen gets its players
        L->show();
    }

    QStringList allLists() const
    {
        QStringList out;
        for (int i = 0; i < 4; ++i)
            out << Entries(L->lstTeam(i)).join(QLatin1Char('|'));
        return out;
    }

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        home = app->addTeam(QStringLiteral("Hawks"));
        away = app->addTeam(QStringLiteral("Owls"));
        for (int i = 1; i <= 8; ++i) {
            app->addPlayer(home, QStringLiteral("H%1").arg(i), i);
            app->addPlayer(away, QStringLiteral("A%1").arg(i), 20 + i);
        }
        match = NewRecordId(RecordKind::Match);
        game1 = NewRecordId(RecordKind::Game);
        Execute(QStringLiteral("INSERT INTO MATCH VALUES (?, ?, ?)"), {Bind(match), Bind(home), Bind(away)});
        Execute(QStringLiteral("INSERT INTO GAME VALUES (?, ?, 1, 0, 0)"), {Bind(match), Bind(game1)});
        L = std::make_unique<frmStarters>();
        L->pubMatch().setMatchID(match);
        L->pubMatch().setHomeTeamID(home);
        L->pubMatch().setAwayTeamID(away);
        L->pubGame()->setGameID(game1);
        L->SetupTheHomeTeam();
        L->SetupTheAwayTeam();
        L->show();
        QVERIFY(QTest::qWaitForWindowExposed(L.get()));
    }

    void cleanup()
    {
        L->hide();
        L.reset();
        QVERIFY(VisibleTopLevels().isEmpty());
        app.reset();
    }

    void refusedOrDeclinedChangesNothing_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("buttons");
        QTest::newRow("best of 3 in game 3") << 3 << 3 << "You choose a best of 3 match. There can be no game 4."
                                             << "Match" << int(QMessageBox::Ok);
        QTest::newRow("best of 5 in game 5") << 5 << 5 << "You cannot have more than five games per match"
                                             << "Match" << int(QMessageBox::Ok);
        QTest::newRow("No to game 2") << 3 << 1 << "Are you sure you want to go to game 2?"
                                      << "New Game" << int(QMessageBox::Yes | QMessageBox::No);
        QTest::newRow("No to game 5") << 5 << 4 << "Are you sure you want to go to game 5?"
                                      << "New Game" << int(QMessageBox::Yes | QMessageBox::No);
    }

    void refusedOrDeclinedChangesNothing()
    {
        QFETCH(int, games);
        QFETCH(int, number);
        QFETCH(QString, prompt);
        QFETCH(QString, title);
        QFETCH(int, buttons);
        underWay(games, number, QStringLiteral("LEFT"));
        const QStringList before = allLists();
        const auto gameObject = L->pubGame();
        MsgBoxHook::setNextAnswer(QMessageBox::No);
        clsGame().GoToNextGame();
        QCOMPARE(MsgBoxHook::prompts(), QStringList{prompt});
        QCOMPARE(MsgBoxHook::asked().first().title, title);
        QCOMPARE(int(MsgBoxHook::asked().first().buttons), buttons);
        QCOMPARE(MsgBoxHook::asked().first().icon, QMessageBox::NoIcon);
        QCOMPARE(app->count(QStringLiteral("GAME")), 1);
        QCOMPARE(allLists(), before);
        QCOMPARE(L->pubGame(), gameObject);
        QCOMPARE(L->strSide, QStringLiteral("LEFT"));
        QVERIFY(L->game().result() != frmGame::NextGame);
    }

    void yesStartsTheNextGame_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("side");
        QTest::addColumn<QString>("deciding"); // side chosen in the options window; empty: none shown
        QTest::addColumn<QString>("nextSide");
        QTest::newRow("best of 5, game 1 to 2: ends change") << 5 << 1 << "LEFT" << QString() << "RIGHT";
        QTest::newRow("best of 5, game 2 to 3: ends change back") << 5 << 2 << "RIGHT" << QString() << "LEFT";
        QTest::newRow("best of 3, game 1 to 2") << 3 << 1 << "RIGHT" << QString() << "LEFT";
        QTest::newRow("best of 3, game 2 to 3: side asked") << 3 << 2 << "RIGHT"
                                                            << "optLeft"
                                                            << "LEFT";
        QTest::newRow("best of 5, game 4 to 5: side asked") << 5 << 4 << "RIGHT"
                                                            << "optRight"
                                                            << "RIGHT";
        QTest::newRow("deciding side cancelled keeps the side") << 3 << 2 << "RIGHT"
                                                                << "cancel"
                                                                << "RIGHT";
    }

    void yesStartsTheNextGame()
    {
        QFETCH(int, games);
        QFETCH(int, number);
        QFETCH(QString, side);
        QFETCH(QString, deciding);
        QFETCH(QString, nextSide);
        underWay(games, number, side);
        SaveSetting(QStringLiteral("Match"), QStringLiteral("Games"), QString::number(games));
        // The substitution mode of the game just played does not carry over.
        L->BeginSubstitution(L->game().colHomePlayers, L->game().colAwayPlayers, L->pubGame());
        frmGame& screen = L->game();
        const auto oldGame = L->pubGame();
        bool framesDisabled = false;
        bool optionsShown = false;
        if (!deciding.isEmpty()) {
            OnNextModal([&](QWidget* w) {
                optionsShown = true;
                framesDisabled = !Child<QGroupBox>(w, QStringLiteral("frameGames"))->isEnabled()
                    && !Child<QGroupBox>(w, QStringLiteral("framePoints"))->isEnabled();
                if (deciding == QLatin1String("cancel")) {
                    Click(w, QStringLiteral("optLeft"));
                    Click(w, QStringLiteral("cmdCancel"));
                } else {
                    Click(w, deciding);
                    Click(w, QStringLiteral("cmdOk"));
                }
            });
        }
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        clsGame().GoToNextGame();

        QCOMPARE(optionsShown, !deciding.isEmpty());
        if (optionsShown)
            QVERIFY(framesDisabled);
        QCOMPARE(L->strSide, nextSide);
        QCOMPARE(int(L->igame), games);
        QCOMPARE(screen.result(), int(frmGame::NextGame));
        QVERIFY(L->pubGame() != oldGame);
        QCOMPARE(int(L->pubGame()->GameNumber()), number + 1);
        QCOMPARE(L->pubMatch().MatchID(), match);
        QCOMPARE(L->pubMatch().HomeTeamID(), home);
        QVERIFY(!L->bSubMode);
        for (const char* enabled : {"cmdHMoveBack", "cmdHMoveAllBack", "cmdAMoveAllBack", "cmdUpDown_0", "cmdUpDown_3"})
            QVERIFY2(Child<QPushButton>(L.get(), QString::fromLatin1(enabled))->isEnabled(), enabled);
        // Rosters refilled once each, starters empty.
        QCOMPARE(L->lstTeam(0)->count(), 8);
        QCOMPARE(L->lstTeam(2)->count(), 8);
        QCOMPARE(L->lstTeam(1)->count(), 0);
        QCOMPARE(L->lstTeam(3)->count(), 0);
        const auto rows = app->rows(QStringLiteral("SELECT MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME "
                                                   "WHERE GAMEID <> ?"),
                                    {Bind(game1)});
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toString(), match.text());
        QCOMPARE(rows[0][1].toString(), L->pubGame()->GameID().text());
        QCOMPARE(rows[0][2].toInt(), number + 1);
        QCOMPARE(rows[0][3].toInt(), 0);
        QCOMPARE(rows[0][4].toInt(), 0);
        QVERIFY(!QApplication::overrideCursor());
    }

    void aFailureLeavesTheGameGoingOn_data()
    {
        QTest::addColumn<QString>("breakage");
        QTest::newRow("the new game row is refused")
            << "CREATE TRIGGER refuse BEFORE INSERT ON GAME BEGIN SELECT RAISE(ABORT, 'disk is full'); END";
        QTest::newRow("the rosters cannot be read") << "ALTER TABLE PLAYER RENAME TO GONE";
    }

    void aFailureLeavesTheGameGoingOn()
    {
        QFETCH(QString, breakage);
        underWay(5, 1, QStringLiteral("LEFT"));
        const QStringList before = allLists();
        const auto oldGame = L->pubGame();
        Execute(breakage);
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        QVERIFY(!RunCommand([] { clsGame().GoToNextGame(); }));
        QCOMPARE(MsgBoxHook::asked().size(), 2); // the question, then the engine's message
        QCOMPARE(app->count(QStringLiteral("GAME")), 1);
        QCOMPARE(allLists(), before);
        QCOMPARE(L->pubGame(), oldGame);
        QCOMPARE(int(L->pubGame()->GameNumber()), 1);
        QCOMPARE(L->strSide, QStringLiteral("LEFT"));
        QVERIFY(L->game().result() != frmGame::NextGame);
        QVERIFY(L->game().bShowMessage);
        QVERIFY(!QApplication::overrideCursor());
    }
};

SIDELINES_TEST(TestNextGame)
#include "tst_nextgame.moc"

#include "MatchDriver.h"
#include "game/frmGame.h"
#include "match/clsMatch.h"
#include "match/frmStarters.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "support/TestMain.h"

#include <QSettings>
#include <QTest>

using namespace match_test;

namespace {
const QString kNoPlayers = QStringLiteral("This Team has no Players. Please use another team.");
}

class TestMatchStart : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> app;
    RecordId home, away, empty;

    int views() const
    {
        return app->scalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type='view' AND name='SUM_STATS'"))
            .toInt();
    }

    // Starts a match that reaches the line-up window, reads the rosters there, and cancels it.
    void startAndReadRosters(QStringList* homeRoster, QStringList* awayRoster)
    {
        Chain({PickTeamStep(home), PickTeamStep(away), ClickStep(QStringLiteral("cmdOk")),
               [homeRoster, awayRoster](QWidget* w) {
                   *homeRoster = Entries(Child<QListWidget>(w, QStringLiteral("lstTeam_0")));
                   *awayRoster = Entries(Child<QListWidget>(w, QStringLiteral("lstTeam_2")));
                   MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                   w->close();
               }});
        clsMatch().StartNewMatch();
    }

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        home = app->addTeam(QStringLiteral("Hawks"));
        away = app->addTeam(QStringLiteral("Owls"));
        empty = app->addTeam(QStringLiteral("Nobody"));
        for (int i = 1; i <= 7; ++i)
            app->addPlayer(home, QStringLiteral("Hawk %1").arg(i), i);
        for (int i = 1; i <= 8; ++i)
            app->addPlayer(away, QStringLiteral("Owl %1").arg(i), 10 + i);
    }

    void cleanup()
    {
        QVERIFY2(VisibleTopLevels().isEmpty(), qPrintable(VisibleTopLevels().join(QLatin1Char(','))));
        app.reset();
    }

    void cancellingAnyStepWritesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("home chooser cancelled") << "home cancel" << QStringList();
        QTest::newRow("away chooser cancelled") << "away cancel" << QStringList();
        QTest::newRow("home team without players") << "home empty" << QStringList{kNoPlayers};
        QTest::newRow("away team without players") << "away empty" << QStringList{kNoPlayers};
        QTest::newRow("options cancelled") << "options cancel" << QStringList();
        QTest::newRow("options closed by the close box") << "options close" << QStringList();
        QTest::newRow("options left by Escape") << "options escape" << QStringList();
    }

    void cancellingAnyStepWritesNothing()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, messages);
        QList<Step> steps;
        const Step cancel = ClickStep(QStringLiteral("cmdCancel"));
        if (how == QLatin1String("home cancel"))
            steps = {cancel};
        else if (how == QLatin1String("away cancel"))
            steps = {PickTeamStep(home), cancel};
        else if (how == QLatin1String("home empty"))
            steps = {PickTeamStep(empty)};
        else if (how == QLatin1String("away empty"))
            steps = {PickTeamStep(home), PickTeamStep(empty)};
        else if (how == QLatin1String("options cancel"))
            steps = {PickTeamStep(home), PickTeamStep(away), cancel};
        else if (how == QLatin1String("options close"))
            steps = {PickTeamStep(home), PickTeamStep(away), CloseBoxStep()};
        else
            steps = {PickTeamStep(home), PickTeamStep(away), [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }};
        Chain(steps);
        clsMatch match;
        match.StartNewMatch();

        QCOMPARE(MsgBoxHook::prompts(), messages);
        for (const auto& asked : MsgBoxHook::asked()) {
            QCOMPARE(asked.title, QStringLiteral("Sidelines"));
            QCOMPARE(asked.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        QCOMPARE(app->count(QStringLiteral("MATCH")), 0);
        QCOMPARE(app->count(QStringLiteral("GAME")), 0);
        QCOMPARE(views(), 0);
        QVERIFY(!frmStarters::current());
        QVERIFY(VisibleTopLevels().isEmpty());

        // The next start begins afresh: each roster is listed once.
        MsgBoxHook::clear();
        QStringList homeRoster, awayRoster;
        startAndReadRosters(&homeRoster, &awayRoster);
        QCOMPARE(homeRoster.size(), 7);
        QCOMPARE(awayRoster.size(), 8);
        QCOMPARE(homeRoster.first(), QStringLiteral("Hawk 1 #1"));
        QCOMPARE(awayRoster.last(), QStringLiteral("Owl 8 #18"));
    }

    void acceptedOptionsStoreTheMatchAndItsFirstGame()
    {
        QStringList homeRoster, awayRoster;
        startAndReadRosters(&homeRoster, &awayRoster);
        QCOMPARE(MsgBoxHook::prompts(),
                 QStringList{QStringLiteral("Are you sure you would like to cancel this Match?")});

        const auto matches = app->rows(QStringLiteral("SELECT MATCHID, HOMETEAMID, AWAYTEAMID FROM MATCH"));
        QCOMPARE(matches.size(), 1);
        QCOMPARE(matches[0][1].toString(), home.text());
        QCOMPARE(matches[0][2].toString(), away.text());
        const auto games
            = app->rows(QStringLiteral("SELECT MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME"));
        QCOMPARE(games.size(), 1);
        QCOMPARE(games[0][0].toString(), matches[0][0].toString());
        QVERIFY(!RecordId::fromText(games[0][1].toString()).isNull());
        QCOMPARE(games[0][2].toInt(), 1);
        QCOMPARE(games[0][3].toInt(), 0);
        QCOMPARE(games[0][4].toInt(), 0);
        QCOMPARE(views(), 1);

        // A second match: another MATCH and GAME row, still one stored query.
        startAndReadRosters(&homeRoster, &awayRoster);
        QCOMPARE(app->count(QStringLiteral("MATCH")), 2);
        QCOMPARE(app->count(QStringLiteral("GAME")), 2);
        QCOMPARE(views(), 1);
    }

    void sameTeamMayPlayItself()
    {
        Chain({PickTeamStep(home), PickTeamStep(home), ClickStep(QStringLiteral("cmdOk")), ConfirmCloseStep()});
        clsMatch().StartNewMatch();
        QCOMPARE(app->rows(QStringLiteral("SELECT HOMETEAMID, AWAYTEAMID FROM MATCH")),
                 (QList<QVariantList>{{home.text(), home.text()}}));
    }

    void wholeRoadOfAMatch()
    {
        // The whole road of a match: line-ups, the court screen, a substitution that comes back
        // to the same screen, the next game on a fresh screen, and the end of the match.
        auto* seen = new QStringList;
        std::unique_ptr<QStringList> owner(seen);
        frmGame* firstScreen = nullptr;
        auto fillAndGo = [](QWidget* w) {
            auto* L = qobject_cast<frmStarters*>(w);
            for (int side = 0; side < 2; ++side) {
                QListWidget* roster = L->lstTeam(side * 2);
                SelectRows(roster, {0, 1, 2, 3, 4, 5});
                Click(w, side == 0 ? QStringLiteral("cmdHMoveStart") : QStringLiteral("cmdAMoveStart"));
            }
            Click(w, QStringLiteral("cmdGame"));
        };
        Chain({
            PickTeamStep(home),
            PickTeamStep(away),
            [](QWidget* w) {
                Click(w, QStringLiteral("optRight"));
                Click(w, QStringLiteral("opt5"));
                Click(w, QStringLiteral("cmdOk"));
            },
            fillAndGo,
            [seen, &firstScreen](QWidget* w) {
                auto* screen = qobject_cast<frmGame*>(w);
                firstScreen = screen;
                *seen << QStringLiteral("court %1 %2 %3 %4")
                             .arg(screen->strSide)
                             .arg(screen->igame)
                             .arg(screen->colHomePlayers.size())
                             .arg(screen->pubGame ? screen->pubGame->GameNumber() : -1);
                frmStarters* L = frmStarters::current();
                L->BeginSubstitution(screen->colHomePlayers, screen->colAwayPlayers, screen->pubGame);
                screen->done(frmGame::Substitute);
            },
            [seen](QWidget* w) {
                auto* L = qobject_cast<frmStarters*>(w);
                *seen << QStringLiteral("substitution %1 %2").arg(L->bSubMode).arg(L->lstTeam(1)->count());
                // The third starter makes way for the bench player.
                SelectRows(L->lstTeam(1), {2});
                Click(w, QStringLiteral("cmdHMoveBack"));
                SelectRows(L->lstTeam(0), {0});
                Click(w, QStringLiteral("cmdHMoveStart"));
                Click(w, QStringLiteral("cmdGame"));
            },
            [seen, &firstScreen](QWidget* w) {
                auto* screen = qobject_cast<frmGame*>(w);
                *seen << QStringLiteral("same screen %1 %2")
                             .arg(screen == firstScreen)
                             .arg(screen->colHomePlayers[2]->PlayerName());
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                clsGame().GoToNextGame();
            },
            [seen](QWidget* w) {
                auto* L = qobject_cast<frmStarters*>(w);
                *seen << QStringLiteral("game %1 %2 %3 %4")
                             .arg(L->pubGame()->GameNumber())
                             .arg(L->strSide)
                             .arg(L->lstTeam(0)->count())
                             .arg(L->lstTeam(1)->count());
                SelectRows(L->lstTeam(0), {1, 2, 3, 4, 5, 6});
                Click(w, QStringLiteral("cmdHMoveStart"));
                SelectRows(L->lstTeam(2), {0, 1, 2, 3, 4, 5});
                Click(w, QStringLiteral("cmdAMoveStart"));
                Click(w, QStringLiteral("cmdGame"));
            },
            [seen](QWidget* w) {
                auto* screen = qobject_cast<frmGame*>(w);
                *seen << QStringLiteral("court %1 %2").arg(screen->strSide).arg(screen->pubGame->GameNumber());
                screen->done(frmGame::EndMatch);
            },
        });
        clsMatch().StartNewMatch();

        QCOMPARE(*seen,
                 (QStringList{QStringLiteral("court RIGHT 5 6 1"), QStringLiteral("substitution 1 6"),
                              QStringLiteral("same screen 1 Hawk 7"), QStringLiteral("game 2 LEFT 7 0"),
                              QStringLiteral("court LEFT 2")}));
        QCOMPARE(app->rows(QStringLiteral("SELECT GAMENUMBER FROM GAME ORDER BY GAMENUMBER")),
                 (QList<QVariantList>{{1}, {2}}));
        // Everyone who stood on court has played: twelve starters and the substitute in game 1.
        QCOMPARE(app->rows(QStringLiteral("SELECT G.GAMENUMBER, COUNT(*) FROM PLAYED P JOIN GAME G "
                                          "ON G.GAMEID = P.GAMEID GROUP BY G.GAMENUMBER ORDER BY 1")),
                 (QList<QVariantList>{{1, 13}, {2, 12}}));
        QVERIFY(!frmStarters::current());
        QVERIFY(!frmGame::current());
        QCOMPARE(GetSetting(QStringLiteral("Match"), QStringLiteral("Games"), QString()), QStringLiteral("5"));
    }
};

SIDELINES_TEST(TestMatchStart)
#include "tst_matchstart.moc"

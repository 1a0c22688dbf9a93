#include "MatchKeys.h"
#include "game/Court.h"
#include "match/clsMatch.h"
#include "match/frmStarters.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"

#include <QGroupBox>
#include <QListWidget>
#include <QTest>

using namespace drive;

namespace {

using namespace matchkeys;

// Six starters a team by keys, then "&Go To Game".
Step LineUpByKeys()
{
    return [](QWidget* w) {
        SixEachByKeys(w);
        court::AltKey(w, Qt::Key_G);
    };
}

} // namespace

// A match through the real windows, as a statistician records it from the keyboard.
class TestMatchFlow : public QObject
{
    Q_OBJECT

    std::unique_ptr<court::Seeded> seeded; // its match forgotten: a match starts from the roster
    RecordId home, away, empty;

    QString court(QWidget* w) const
    {
        auto* screen = qobject_cast<frmGame*>(w);
        QStringList boxes;
        for (int n : {1, 3, 7})
            boxes << QString::number(int(seeded->home.indexOf(screen->boxPlayerId(n))));
        return QStringLiteral("game %1 to %2, home %3: %4")
            .arg(screen->session().game->GameNumber())
            .arg(screen->session().scoreLimit())
            .arg(screen->session().side, boxes.join(QLatin1Char(',')));
    }

private slots:
    void initTestCase() { court::Prepare(); }
    void init()
    {
        seeded = std::make_unique<court::Seeded>();
        MatchStore::ForgetMatches();
        home = seeded->session.homeTeamId;
        away = seeded->session.awayTeamId;
        empty = seeded->app.addTeam(QStringLiteral("Nobody"));
    }
    void cleanup()
    {
        EndTest();
        seeded.reset();
    }

    // Leaving before the play writes nothing, the line-up window of the first game included: the
    // match is written with its first game's start, so that one given up or stopped (killed) at the
    // line-up leaves nothing to export, archive or offer to continue. The options window's ways
    // out are the line-up's tests.
    void leavingBeforeThePlay_data() { table::Rows(QStringLiteral("matchflow.txt")); }
    void leavingBeforeThePlay()
    {
        QFETCH(int, how);
        QFETCH(QStringList, messages);
        QFETCH(int, written);
        int atLineUp = 0; // matches in the database while the line-up window is open
        const Step cancel = Click(QStringLiteral("cmdCancel"));
        const QList<QList<Step>> roads{{cancel},
                                       {PickTeam(empty)},
                                       {PickTeam(home), PickTeam(away), cancel},
                                       {PickTeam(home), PickTeam(away), Key(Qt::Key_Return),
                                        Steps({Look([&](QWidget*) { atLineUp = seeded->app.count(QStringLiteral("MATCH")); }),
                                               Key(Qt::Key_Escape), Answer(QMessageBox::Yes, Key(Qt::Key_Escape))})}};
        Windows(roads[how]);
        clsMatch().StartNewMatch();
        QCOMPARE(atLineUp, 0);
        QCOMPARE(MsgBoxHook::prompts(), messages);
        QCOMPARE(seeded->app.count(QStringLiteral("MATCH")) + seeded->app.count(QStringLiteral("GAME")), written);
    }

    // The away chooser opens on the first team that is not the home team, so that Enter, Enter
    // never sets a team against itself; the home team can still be chosen on purpose.
    void awayChooserOffersAnotherTeam_data() { table::Rows(QStringLiteral("matchflow.txt")); }
    void awayChooserOffersAnotherTeam()
    {
        QFETCH(int, homeRow);
        QFETCH(int, awayRow);
        QFETCH(int, offered);
        QFETCH(int, started);
        const QList<RecordId> teams{home, away, empty};
        const QString list = QStringLiteral("lstTeams");
        int offeredRow = -1;
        QList<Step> awayChooser{Look([&](QWidget* w) { offeredRow = Child<QListWidget>(w, list)->currentRow(); })};
        if (awayRow >= 0)
            awayChooser << ChooseRow(list, awayRow);
        awayChooser << Key(Qt::Key_Return);
        std::pair<RecordId, RecordId> lineUp;
        Windows({Steps({ChooseRow(list, homeRow), Key(Qt::Key_Return)}), Steps(awayChooser), Key(Qt::Key_Return),
                 Steps({Look([&](QWidget* w) {
                            const MatchSession& s = qobject_cast<frmStarters*>(w)->session();
                            lineUp = {s.homeTeamId, s.awayTeamId};
                        }),
                        Key(Qt::Key_Escape), Answer(QMessageBox::Yes, Key(Qt::Key_Escape))})});
        clsMatch().StartNewMatch();
        QCOMPARE(offeredRow, offered);
        QCOMPARE(lineUp, std::make_pair(teams[homeRow], teams[started]));
    }

    void keyboardRoadOfABestOfThree()
    {
        QStringList seen;
        frmGame* first = nullptr;
        Windows({
            PickTeam(home),
            PickTeam(away),
            AltKeys({Qt::Key_3, Qt::Key_2, Qt::Key_R}, true),
            LineUpByKeys(),
            [&](QWidget*
                    w) { // game 1: actions, points, a turn, then a substitution (the court tests check the actions)
                first = qobject_cast<frmGame*>(w);
                seen << court(w);
                court::Record(w, 1, Qt::Key_K);
                court::Record(w, 8, Qt::Key_P, 2);
                court::AltKey(w, Qt::Key_H);
                court::AltKey(w, Qt::Key_A);
                court::AltKey(w, Qt::Key_O); // the away team on the left half turns
                QTest::keyClick(court::Focus(w), Qt::Key_G, Qt::AltModifier);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
            },
            [&](QWidget* w) { // the third home starter makes way for the seventh player
                seen << Lines(w, QStringLiteral("lstTeam_1")).join(QLatin1Char(','));
                Steps({ChooseRow(QStringLiteral("lstTeam_1"), 2), Click(QStringLiteral("cmdHMoveBack")),
                       ChooseRow(QStringLiteral("lstTeam_0"), 0), Click(QStringLiteral("cmdHMoveStart")),
                       AltKeys({Qt::Key_G})})(w);
            },
            [&](QWidget* w) {
                seen << QStringLiteral("same screen %1, ").arg(w == first) + court(w) + QLatin1Char(' ')
                        + Child<QLabel>(w, QStringLiteral("lblScore_1"))->text();
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                court::AltKey(w, Qt::Key_E);
            },
            [&](QWidget* w) { // game 1's starting six are proposed again
                seen << Lines(w, QStringLiteral("lstTeam_1")).join(QLatin1Char(','));
                AltKeys({Qt::Key_G})(w);
            },
            [&](QWidget* w) {
                seen << court(w);
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                court::AltKey(w, Qt::Key_E);
            },
            [&](QWidget* w) { // the deciding game: only the side
                seen << QStringLiteral("options %1%2%3")
                            .arg(Child<QGroupBox>(w, QStringLiteral("frameGames"))->isEnabled())
                            .arg(Child<QGroupBox>(w, QStringLiteral("framePoints"))->isEnabled())
                            .arg(Child<QGroupBox>(w, QStringLiteral("frameSide"))->isEnabled());
                AltKeys({Qt::Key_L}, true)(w);
            },
            AltKeys({Qt::Key_G}),
            [&](QWidget* w) {
                seen << court(w);
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                QTest::keyClick(court::Focus(w), Qt::Key_Escape);
            },
        });
        clsMatch().StartNewMatch();
        QCOMPARE(seen,
                 (QStringList{QStringLiteral("game 1 to 25, home RIGHT: -1,-1,0"),

                              QStringLiteral("Hawk 1 #1,Hawk 2 #2,Hawk 3 #3,Hawk 4 #4,Hawk 5 #5,Hawk 6 #6"),
                              QStringLiteral("same screen 1, game 1 to 25, home RIGHT: -1,-1,0 1"),
                              QStringLiteral("Hawk 1 #1,Hawk 2 #2,Hawk 3 #3,Hawk 4 #4,Hawk 5 #5,Hawk 6 #6"),
                              QStringLiteral("game 2 to 25, home LEFT: 0,2,-1"), QStringLiteral("options 001"),
                              QStringLiteral("game 3 to 15, home LEFT: 0,2,-1")}));
        QCOMPARE(MsgBoxHook::prompts(),
                 (QStringList{"Game 1 stands 1\u20131 and is not decided. Go to game 2 anyway?",
                              "Game 2 stands 0\u20130 and is not decided. Go to game 3 anyway?",
                              "The match is not decided (0\u20130). End it anyway?"}));
        // The match keeps its options, the deciding game's side among them, and is ended: no
        // recording is left under way.
        QCOMPARE(seeded->app.rows(QStringLiteral("SELECT GAMES, POINTS, SIDE, SIDEOUTROTATE, SCOREFROMACTION, RECORDING, "
                                                 "ENDED FROM MATCH")),
                 (QList<QVariantList>{{3, 25, QStringLiteral("LEFT"), 0, 0, 0, 1}}));
        QCOMPARE(seeded->app.rows(QStringLiteral("SELECT GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME ORDER BY 1")),
                 (QList<QVariantList>{{1, 1, 1}, {2, 0, 0}, {3, 0, 0}}));
        QCOMPARE(seeded->app.rows(QStringLiteral("SELECT G.GAMENUMBER, COUNT(*) FROM PLAYED P JOIN GAME G "
                                                 "ON G.GAMEID = P.GAMEID GROUP BY 1 ORDER BY 1")),
                 (QList<QVariantList>{{1, 13}, {2, 12}, {3, 12}}));
    }
};

SIDELINES_TEST(TestMatchFlow)
#include "tst_matchflow.moc"

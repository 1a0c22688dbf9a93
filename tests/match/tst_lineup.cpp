#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"
#include "game/Court.h"
#include "game/frmGame.h"
#include "match/frmGameOptions.h"
#include "match/frmMatch.h"
#include "match/frmStarters.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"
#include "storage/RecordIssue.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace drive;

// The line-up window, the options window and the match listing.
class TestLineUp : public QObject
{
    Q_OBJECT

    std::unique_ptr<court::Seeded> seeded;
    std::unique_ptr<frmStarters> L;

    QListWidget* list(int i) const { return L->lstTeam(i); }
    void click(const QString& name) const { QTest::mouseClick(Child<QPushButton>(L.get(), name), Qt::LeftButton); }
    void move(int side, const QList<int>& rows, const char* button)
    {
        SelectRows(list(side), rows);
        click(QString::fromLatin1(button));
    }

private slots:
    void init()
    {
        seeded = std::make_unique<court::Seeded>();
        L = std::make_unique<frmStarters>(seeded->session);
        L->SetupTheHomeTeam();
        L->SetupTheAwayTeam();
        L->show();
        QVERIFY(QTest::qWaitForWindowExposed(L.get()));
    }
    void cleanup()
    {
        L.reset();
        EndTest();
        seeded.reset();
    }

    // Home players moved in and back, and the starters reordered with Up and Down, which only
    // beep at either end or with no starter chosen.
    void starters_data() { table::Rows(QStringLiteral("lineup.txt")); }
    void starters()
    {
        QFETCH(QList<int>, start);
        QFETCH(QList<int>, back);
        QFETCH(int, at);
        QFETCH(int, press);
        QFETCH(QStringList, starters);
        QFETCH(int, beeps);
        QFETCH(QString, message);
        move(0, start, "cmdHMoveStart");
        if (back == QList<int>{-1})
            click(QStringLiteral("cmdHMoveAllBack"));
        else if (!back.isEmpty())
            move(1, back, "cmdHMoveBack");
        const int before = BeepCount();
        if (at >= 0)
            list(1)->setCurrentRow(at);
        if (press >= 0)
            click(QStringLiteral("cmdUpDown_%1").arg(press));
        QCOMPARE(Lines(list(1)), starters);
        QCOMPARE(list(0)->count() + list(1)->count(), 8);
        QCOMPARE(BeepCount() - before, beeps);
        QCOMPARE(MsgBoxHook::prompts(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    // Each list heading's access key takes the keyboard to its own list, whichever list it was on:
    // the home side's players and starting order, then the away side's.
    void accessKeysReachTheLists()
    {
        QApplication::setActiveWindow(L.get());
        QVERIFY(QTest::qWaitForWindowActive(L.get()));
        const QList<QPair<Qt::Key, int>> road{{Qt::Key_Y, 2}, {Qt::Key_P, 0}, {Qt::Key_R, 3}, {Qt::Key_P, 0},
                                              {Qt::Key_O, 1}, {Qt::Key_O, 1}, {Qt::Key_Y, 2}, {Qt::Key_Y, 2}};
        for (const auto& [key, to] : road) {
            QTest::keyClick(court::Focus(L.get()), key, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), list(to));
        }
    }

    // The game needs six players a team; then a substitution: one player at a time, and each
    // team's newcomer takes its own freed place.
    void substitutionTakesTheFreedPlace()
    {
        const QString six = QStringLiteral("Please fill in six players for each team.");
        move(0, {0, 1, 2, 3, 4, 5}, "cmdHMoveStart");
        move(2, {0, 1, 2, 3, 4}, "cmdAMoveStart");
        click(QStringLiteral("cmdGame"));
        QCOMPARE(MsgBoxHook::prompts(), QStringList{six});
        QCOMPARE(seeded->app.count(QStringLiteral("PLAYED")), 0);
        move(2, {0}, "cmdAMoveStart");
        click(QStringLiteral("cmdGame"));
        QCOMPARE(L->result(), int(frmStarters::GoToGame));
        frmGame& screen = L->game();
        QCOMPARE(seeded->app.count(QStringLiteral("PLAYED")), 12);
        L->BeginSubstitution(screen.colHomePlayers, screen.colAwayPlayers);
        L->show();
        for (const char* off : {"cmdHMoveAllBack", "cmdAMoveAllBack", "cmdUpDown_0", "cmdUpDown_3"})
            QVERIFY2(!Child<QPushButton>(L.get(), QString::fromLatin1(off))->isEnabled(), off);
        move(1, {1, 2}, "cmdHMoveBack");
        QCOMPARE(MsgBoxHook::prompts(),
                 (QStringList{six, QStringLiteral("You can only choose one Player at a time.")}));
        move(1, {2}, "cmdHMoveBack");
        move(3, {4}, "cmdAMoveBack");
        QVERIFY(!Child<QPushButton>(L.get(), QStringLiteral("cmdHMoveBack"))->isEnabled());
        move(0, {1}, "cmdHMoveStart");
        move(2, {0}, "cmdAMoveStart");
        QCOMPARE(Lines(list(1)),
                 (QStringList{"Hawk 1 #1", "Hawk 2 #2", "Hawk 8 #8", "Hawk 4 #4", "Hawk 5 #5", "Hawk 6 #6"}));
        QCOMPARE(Lines(list(3)),
                 (QStringList{"Owl 1 #11", "Owl 2 #12", "Owl 3 #13", "Owl 4 #14", "Owl 7 #17", "Owl 6 #16"}));
        click(QStringLiteral("cmdGame"));
        QCOMPARE(&L->game(), &screen);
        QCOMPARE(screen.colHomePlayers[2]->PlayerName(), QStringLiteral("Hawk 8"));
        QCOMPARE(screen.boxPlayerId(11), screen.colAwayPlayers[4]->PlayerID());
        QCOMPARE(seeded->app.count(QStringLiteral("PLAYED")), 14);
    }

    // Leaving a substitution (Escape or the close box) asks nothing, changes nothing and goes back
    // to the court: the same players on it, the bench as it was, nothing written.
    void leavingASubstitutionChangesNothing_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Escape") << false;
        QTest::newRow("close box") << true;
    }
    void leavingASubstitutionChangesNothing()
    {
        QFETCH(bool, closeBox);
        move(0, {0, 1, 2, 3, 4, 5}, "cmdHMoveStart");
        move(2, {0, 1, 2, 3, 4, 5}, "cmdAMoveStart");
        click(QStringLiteral("cmdGame"));
        frmGame& screen = L->game();
        const QList<std::shared_ptr<clsPlayer>> onCourt = screen.colHomePlayers;
        const QStringList bench = Lines(list(0));
        L->BeginSubstitution(screen.colHomePlayers, screen.colAwayPlayers);
        L->show();
        QVERIFY(QTest::qWaitForWindowExposed(L.get()));
        move(1, {2}, "cmdHMoveBack");
        move(0, {0}, "cmdHMoveStart");
        const int entries = seeded->app.count(QStringLiteral("RALLY"));
        if (closeBox)
            L->close();
        else
            QTest::keyClick(court::Focus(L.get()), Qt::Key_Escape);
        QCOMPARE(MsgBoxHook::prompts(), QStringList());
        QVERIFY(!L->isVisible());
        QCOMPARE(L->result(), int(frmStarters::GoToGame));
        QCOMPARE(screen.colHomePlayers, onCourt);
        QCOMPARE(Lines(list(0)), bench);
        QCOMPARE(seeded->app.count(QStringLiteral("RALLY")), entries);
        QCOMPARE(seeded->app.count(QStringLiteral("PLAYED")), 12);
    }

    // In the first game the question is whether to cancel (the keyboard road asks it).
    void closingInALaterGameEndsTheMatch()
    {
        seeded->session.game->setGameNumber(2);
        MsgBoxHook::setNextAnswer(QMessageBox::Yes);
        L->close();
        QCOMPARE(MsgBoxHook::prompts(), QStringList{QStringLiteral("The match is not decided (0\u20130). End it anyway?")});
        QCOMPARE(MsgBoxHook::asked()[0].defaultButton, QMessageBox::No);
        QVERIFY(!L->isVisible());
    }

    // The last answers are proposed (unreadable ones fall back); the answers come back, and are
    // kept, only on OK.
    void options_data() { table::Rows(QStringLiteral("lineup.txt")); }
    void options()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, checked);
        QFETCH(int, how);
        QFETCH(QString, answer);
        for (int i = 0; i < stored.size(); ++i)
            SaveSetting(QStringLiteral("Match"), QStringList{"Side", "Games", "Points"}[i], stored[i]);
        QStringList on;
        Windows({Steps({Look([&](QWidget* w) {
                            for (auto* b : w->findChildren<QRadioButton*>())
                                if (b->isChecked())
                                    on << b->objectName();
                        }),
                        Click(QStringLiteral("opt5")), Click(QStringLiteral("opt25")),
                        Click(QStringLiteral("optRight")), Click(how ? "cmdCancel" : "cmdOk")})});
        const std::optional<GameOptions> chosen = frmGameOptions().choose();
        QCOMPARE(on, checked);
        QCOMPARE(chosen ? QStringLiteral("%1 %2 %3").arg(chosen->side).arg(chosen->games).arg(chosen->points)
                        : QString(),
                 answer);
        QCOMPARE(GetSetting(QStringLiteral("Match"), QStringLiteral("Points"), QStringLiteral("none")),
                 chosen ? QStringLiteral("25") : stored.value(2, QStringLiteral("none")));
    }

    void matchListing()
    {
        const RecordId gone = seeded->app.addTeam(QStringLiteral("Gone"));
        const RecordId second = NewRecordId(RecordKind::Match);
        MatchStore::AddMatch(second, seeded->session.homeTeamId, gone, NewRecordId(RecordKind::Game), 1);
        RosterStore::DeleteTeam(gone);
        QStringList lines;
        Windows({Steps({Look([&](QWidget* w) { lines = Lines(w, QStringLiteral("lstMatch")); }),
                        ChooseRow(QStringLiteral("lstMatch"), 1), Click(QStringLiteral("cmdOK"))})});
        QCOMPARE(frmMatch().choose(), std::optional<RecordId>(second));
        QCOMPARE(lines,
                 (QStringList{"Owls d'Or vs Harbour Hawks on " + MatchWhen(seeded->session.matchId),
                              "(deleted team) vs Harbour Hawks on " + MatchWhen(second)}));
        Windows({Click(QStringLiteral("cmdCancel"))});
        QCOMPARE(frmMatch().choose(), std::optional<RecordId>());
        MatchStore::ForgetMatches();
        Windows({Click(QStringLiteral("cmdOK"))}); // nothing to choose: the same as Cancel
        QCOMPARE(frmMatch().choose(), std::optional<RecordId>());
    }
};

SIDELINES_TEST(TestLineUp)
#include "tst_lineup.moc"

#include "storage/MatchStore.h"
#include "storage/RallyStore.h"
#include "game/Court.h"
#include "match/clsMatch.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "support/Drive.h"
#include "support/Table.h"
#include "support/TestMain.h"
#include "storage/RecordIssue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSettings>
#include <QTest>

using namespace court;

namespace {

// What the court shows of the match: each box's player (and whether she is the libero), the
// scores, the serve mark, the last entries, the mode, and the options it keeps score by.
QStringList State(QWidget* w)
{
    auto* screen = qobject_cast<frmGame*>(w);
    QStringList out;
    for (int n = 1; n <= 12; ++n)
        out << Child<QLabel>(w, QStringLiteral("lblPlayer_%1").arg(n))->accessibleName().remove(QStringLiteral(", selected"));
    out << Child<QLabel>(w, QStringLiteral("lblScore_0"))->text() + QLatin1Char(':')
               + Child<QLabel>(w, QStringLiteral("lblScore_1"))->text();
    out << QStringLiteral("serve %1").arg(Child<QLabel>(w, QStringLiteral("lblServe"))->property("box").toInt());
    auto* strip = Child<QListWidget>(w, QStringLiteral("lstLog"));
    for (int r = 0; r < strip->count(); ++r)
        out << strip->item(r)->data(Qt::UserRole).toString();
    out << QStringLiteral("subtracting %1").arg(Child<QCheckBox>(w, QStringLiteral("chkSubtractMode"))->isChecked());
    const MatchSession& s = screen->session();
    out << QStringLiteral("game %1 to %2, home %3, side-out %4, from actions %5")
               .arg(s.game->GameNumber())
               .arg(s.scoreLimit())
               .arg(s.side)
               .arg(s.sideOutRotate)
               .arg(s.scoreFromAction);
    return out;
}

// A court of a match kept with its options, Hawk 8 and Owl 8 its liberos, and the six starters
// of each side; left without ending it, as a stop leaves it.
struct Stopped : Seeded
{
    explicit Stopped(const QString& side, bool sideOut, bool fromAction)
        : Seeded(side, 1, 3, 25)
    {
        session.sideOutRotate = sideOut;
        session.scoreFromAction = fromAction;
        session.liberos = {home[7], away[7]};
        // Stored as the start stores it: with its options, and so being recorded.
        MatchStore::ForgetMatches();
        MatchStore::AddMatch(session.matchId, session.homeTeamId, session.awayTeamId, session.game->GameID(), 1,
                             session.storedOptions());
        screen = CourtScreen(session);
        screen->show();
        QApplication::setActiveWindow(screen.get());
    }
    ~Stopped()
    {
        if (screen) {
            screen->bShowMessage = false;
            screen->close();
        }
    }

    // The keys of a script, as court::Play takes them.
    void play(const QString& keys) { QVERIFY(Play(screen.get(), keys)); }

    std::unique_ptr<frmGame> screen;
};

} // namespace

// A match the program stopped recording (a crash, a flat battery) is taken up again exactly as it
// stood, from what is stored alone; the start asks about it, and Continue Match lists every match
// not finished.
class TestContinueMatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Prepare(); }
    void cleanup() { drive::EndTest(); }

    void continuedAsItStood_data() { table::Rows(QStringLiteral("continue.txt")); }
    void continuedAsItStood()
    {
        QFETCH(QString, side);
        QFETCH(bool, sideOut);
        QFETCH(bool, fromAction);
        QFETCH(QString, keys);
        QStringList before, after;
        RecordId match;
        {
            Stopped stopped(side, sideOut, fromAction);
            QVERIFY(QTest::qWaitForWindowActive(stopped.screen.get()));
            stopped.play(keys);
            before = State(stopped.screen.get());
            match = stopped.session.matchId;
            // The stop: nothing of the court is kept but what is stored.
            stopped.screen.reset();
            stopped.session.game.reset();
            drive::Windows({[&](QWidget* w) {
                after = State(w);
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                AltKey(w, Qt::Key_N);
            }});
            QVERIFY(clsMatch().ContinueMatch(match));
            // Continued, then ended by the user: neither offered nor marked as being recorded.
            QVERIFY(MatchStore::OpenMatches().empty());
        }
        // Subtraction mode is off again; everything else as it stood.
        before.replaceInStrings(QStringLiteral("subtracting 1"), QStringLiteral("subtracting 0"));
        QCOMPARE(after, before);
    }

    // Stopped between games: the line-up window of the next game, its starters and liberos
    // proposed as they played the game before.
    void continuedBeforeTheNextGameStarted()
    {
        QStringList proposed;
        RecordId match;
        {
            Stopped stopped(QStringLiteral("LEFT"), false, false);
            QVERIFY(QTest::qWaitForWindowActive(stopped.screen.get()));
            stopped.play(QStringLiteral("H b5I"));
            match = stopped.session.matchId;
            stopped.screen.reset();
            MatchStore::AddGame(match, NewRecordId(RecordKind::Game), 2, QStringLiteral("RIGHT"));
            drive::Windows({[&](QWidget* w) {
                proposed << w->windowTitle() << drive::Lines(w, QStringLiteral("lstTeam_1")).join(QLatin1Char(','))
                         << Child<QComboBox>(w, QStringLiteral("cboLibero_0"))->currentText()
                         << Child<QComboBox>(w, QStringLiteral("cboLibero_1"))->currentText();
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                QTest::keyClick(w, Qt::Key_Escape);
            }});
            QVERIFY(clsMatch().ContinueMatch(match));
        }
        QCOMPARE(proposed, (QStringList{"Starters", "Hawk 1 #1,Hawk 2 #2,Hawk 3 #3,Hawk 4 #4,Hawk 5 #5,Hawk 6 #6",
                                        "Hawk 8 #8", "Owl 8 #18"}));
    }

    // Continue Match lists, newest first, the matches neither decided nor ended, with their teams,
    // game and score; a match without its options (recorded before they were kept) is not one.
    void listsTheMatchesNotFinished()
    {
        Seeded s(QStringLiteral("LEFT"), 1, 3, 15);
        const auto add = [&](int minute, const QList<int>& scores, bool options, bool ended) {
            const RecordId match = RecordId(QDateTime(QDate(2026, 3, 1), QTime(18, minute)));
            MatchStore::AddMatch(match, s.session.homeTeamId, s.session.awayTeamId, match.addSecs(1), 1,
                                 options ? std::optional(MatchStore::MatchOptions{}) : std::nullopt);
            for (int g = 0; g < scores.size() / 2; ++g) {
                if (g > 0)
                    MatchStore::AddGame(match, match.addSecs(1 + g), g + 1);
                Execute(QStringLiteral("UPDATE GAME SET HOMESCORE = ?, AWAYSCORE = ? WHERE GAMEID = ?"),
                        {scores[2 * g], scores[2 * g + 1], Bind(match.addSecs(1 + g))});
            }
            if (ended)
                MatchStore::EndMatch(match);
            return match;
        };
        MatchStore::ForgetMatches();
        add(1, {15, 3, 4, 2}, true, false);
        add(2, {15, 3, 15, 9}, true, false); // decided
        add(3, {3, 2}, true, true); // ended by the user
        add(4, {7, 7}, false, false); // options unknown
        add(5, {12, 10}, true, false);
        QStringList lines;
        drive::Windows({[&](QWidget* w) {
            lines << w->windowTitle() << drive::Lines(w, QStringLiteral("lstMatch"));
            QTest::keyClick(w, Qt::Key_Escape);
        }});
        clsMatch().ContinueMatch();
        const auto when = [](const char* stored) { return MatchWhen(RecordId::fromText(QString::fromLatin1(stored))); };
        QCOMPARE(lines, (QStringList{"Continue Match",
                                     QStringLiteral("Harbour Hawks vs Owls d'Or, game 1, 12\u201310, on %1")
                                         .arg(when("2026-03-01 18:05:00")),
                                     QStringLiteral("Harbour Hawks vs Owls d'Or, game 2, 4\u20132, on %1")
                                         .arg(when("2026-03-01 18:01:00"))}));
        // With none left: said so, and no list.
        MatchStore::ForgetMatches();
        clsMatch().ContinueMatch();
        QCOMPARE(MsgBoxHook::prompts(), QStringList{"Every match is finished: there is none to continue."});
    }

    // The start asks about the match the last run stopped recording, before the tip: Yes takes it up
    // at once, No leaves it for Continue Match and asks no more. A match decided or ended is not
    // asked about.
    void askedAtStart_data() { table::Rows(QStringLiteral("continue.txt")); }
    void askedAtStart()
    {
        QFETCH(QString, keys);
        QFETCH(bool, ended);
        QFETCH(QString, answer);
        QFETCH(QStringList, windows);
        auto stopped = std::make_unique<Stopped>(QStringLiteral("LEFT"), false, false);
        QVERIFY(QTest::qWaitForWindowActive(stopped->screen.get()));
        stopped->play(keys);
        const RecordId match = stopped->session.matchId;
        stopped->screen.reset();
        if (ended)
            MatchStore::EndMatch(match);
        const QString dir = stopped->app.dir();
        Db::close();
        QSettings().remove(QStringLiteral("Options/Show Tips at Startup"));

        SidelinesStart start(dir);
        QVERIFY(start.begin());
        start.splash()->timer()->stop();
        for (int tick = 1; tick <= 4; ++tick)
            start.splash()->Timer1_Timer();
        if (!answer.isEmpty())
            MsgBoxHook::setNextAnswer(answer == QLatin1String("Yes") ? QMessageBox::Yes : QMessageBox::No);
        ModalWatch watch([](QWidget* modal) {
            if (modal->windowTitle() == QLatin1String("Game")) {
                MsgBoxHook::setNextAnswer(QMessageBox::Yes);
                AltKey(modal, Qt::Key_N);
            } else {
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        start.splash()->Timer1_Timer();
        QCOMPARE(watch.titles(), windows);
        QCOMPARE(MsgBoxHook::prompts().mid(0, 1),
                 ended ? QStringList()
                       : QStringList{"A match was being recorded when Sidelines last stopped: Harbour Hawks vs Owls "
                                     "d'Or, game 1, 2\u20131. Continue it?"});
        if (!ended)
            QCOMPARE(MsgBoxHook::asked().value(0).defaultButton, QMessageBox::Yes);
        // Asked once: the mark is gone; the match waits for Continue Match unless it was ended.
        const std::vector<MatchStore::OpenMatch> open = MatchStore::OpenMatches();
        QCOMPARE(open.size(), size_t(answer == QLatin1String("No") ? 1 : 0));
        for (const MatchStore::OpenMatch& m : open)
            QVERIFY(!m.recording);
        start.mainWindow()->hide();
    }
};

SIDELINES_TEST(TestContinueMatch)
#include "tst_continue.moc"

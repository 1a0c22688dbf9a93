#pragma once

// Helpers shared by the roster tests: drive a chain of modal windows one after another, the way a
// user goes through a command's dialogs.

#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "roster/Picked.h"
#include "roster/clsPlayer.h"
#include "roster/clsTeam.h"
#include "support/Fixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

namespace roster_test {

using Step = std::function<void(QWidget*)>;
using Rows = QList<QVariantList>;

inline Rows Teams(const TestApp& app)
{
    return app.rows(QStringLiteral("SELECT TEAMID, TEAMNAME FROM TEAM ORDER BY TEAMID"));
}

inline Rows Players(const TestApp& app)
{
    return app.rows(QStringLiteral("SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM PLAYER ORDER BY PLAYERID"));
}

// The three team and the three player commands as the main window runs them: adding works on the
// shared record (and releases it afterwards), updating and deleting on a fresh one.
enum class Command { Add, Update, Delete };

template <class Record> bool RunRosterCommand(Command command, const std::function<void()>& add)
{
    return RunCommand([command, &add] {
        if (command == Command::Add)
            add();
        else if (command == Command::Update)
            Record().Update();
        else
            Record().Delete();
    });
}

inline bool RunTeamCommand(Command command)
{
    return RunRosterCommand<clsTeam>(command, [] {
        pubTeam().MakeNewTeam();
        ReleasePubTeam();
    });
}

inline bool RunPlayerCommand(Command command)
{
    return RunRosterCommand<clsPlayer>(command, [] {
        pubPlayer().AddNewPlayer();
        ReleasePubPlayer();
    });
}

// The usual roster to back out of or fail on: the team Falcons with Ann, number 7.
inline RecordId AddFalconsWithAnn(TestApp& app)
{
    const RecordId team = app.addTeam(QStringLiteral("Falcons"));
    app.addPlayer(team, QStringLiteral("Ann"), 7);
    return team;
}

// The box that has the focus within the window (the window itself may not be active yet).
inline QString FocusName(QWidget* w)
{
    return w->focusWidget() ? w->focusWidget()->objectName() : QString();
}

// What the chain saw: each window's object name and title, in order.
struct Seen
{
    QStringList windows;
    QStringList titles;
};

// Each test starts a new generation, so that a window step left waiting by a failed test never
// acts on (or reads the locals of) a later test.
inline int& Generation()
{
    static int generation = 0;
    return generation;
}

inline int& PendingSteps()
{
    static int pending = 0;
    return pending;
}

inline void NewTest()
{
    ++Generation();
    PendingSteps() = 0;
}

// For each test's cleanup.
inline void EndTest()
{
    QCOMPARE(VisibleTopLevels(), QStringList());
    QCOMPARE(PendingSteps(), 0); // every window the test expected did open
    NewTest();
}

inline void ArmStep(const QList<Step>& steps, int index, const std::shared_ptr<Seen>& seen)
{
    if (index >= steps.size())
        return;
    ++PendingSteps();
    const int generation = Generation();
    OnNextModal([steps, index, seen, generation](QWidget* w) {
        if (generation != Generation())
            return;
        --PendingSteps();
        seen->windows << w->objectName();
        seen->titles << w->windowTitle();
        // The next window opens only after this one has closed, so it is armed while this one is up.
        ArmStep(steps, index + 1, seen);
        steps[index](w);
    });
}

// Arm before the call that opens the first window.
inline std::shared_ptr<Seen> DriveWindows(const QList<Step>& steps)
{
    auto seen = std::make_shared<Seen>();
    ArmStep(steps, 0, seen);
    return seen;
}

// Types text key by key, as a keyboard would; unlike QTest::keyClicks it also takes letters
// outside Latin-1.
inline void TypeText(QWidget* w, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline Step Click(const QString& button)
{
    return [button](QWidget* w) {
        auto* b = Child<QPushButton>(w, button);
        if (!b) {
            qWarning("no button %s", qPrintable(button));
            w->close();
            return;
        }
        QTest::mouseClick(b, Qt::LeftButton);
    };
}

inline Step Key(Qt::Key key)
{
    return [key](QWidget* w) { QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, key); };
}

inline Step CloseBox()
{
    return [](QWidget* w) { w->close(); };
}

// Picks the given line of the window's list with the mouse, then presses the button.
inline Step ChooseRow(const QString& list, int row, const QString& button = QStringLiteral("cmdOk"))
{
    return [list, row, button](QWidget* w) {
        auto* l = Child<QListWidget>(w, list);
        if (l && row < l->count())
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
        Click(button)(w);
    };
}

// Types into the number and name boxes of the player window (empty texts are left alone) and
// presses the button.
inline Step TypePlayer(const QString& number, const QString& name, const QString& button = QStringLiteral("cmdOk"))
{
    return [number, name, button](QWidget* w) {
        auto* num = Child<QLineEdit>(w, QStringLiteral("txtPlayerNumber"));
        auto* nam = Child<QLineEdit>(w, QStringLiteral("txtPlayerName"));
        if (num) {
            num->selectAll();
            QTest::keyClick(num, Qt::Key_Delete);
            TypeText(num, number);
        }
        if (nam) {
            nam->selectAll();
            QTest::keyClick(nam, Qt::Key_Delete);
            TypeText(nam, name);
        }
        Click(button)(w);
    };
}

inline Step TypeTeam(const QString& name, const QString& button = QStringLiteral("cmdOk"))
{
    return [name, button](QWidget* w) {
        if (auto* box = Child<QLineEdit>(w, QStringLiteral("txtTeamName"))) {
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Delete);
            TypeText(box, name);
        }
        Click(button)(w);
    };
}

// Runs something on the window first (a look at it), then the step.
inline Step Then(std::function<void(QWidget*)> look, Step step)
{
    return [look, step](QWidget* w) {
        look(w);
        step(w);
    };
}

inline QStringList ListLines(QWidget* w, const QString& list)
{
    QStringList lines;
    if (auto* l = Child<QListWidget>(w, list))
        for (int i = 0; i < l->count(); ++i)
            lines << l->item(i)->text();
    return lines;
}

// Exactly one message was asked, with these words, buttons and icon.
inline void ExpectOneMessage(const QString& prompt, const QString& title, QMessageBox::StandardButtons buttons,
                             QMessageBox::Icon icon)
{
    const auto asked = MsgBoxHook::asked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].prompt, prompt);
    QCOMPARE(asked[0].title, title);
    QCOMPARE(asked[0].buttons, buttons);
    QCOMPARE(asked[0].icon, icon);
}

} // namespace roster_test

Q_DECLARE_METATYPE(QList<roster_test::Step>)

#pragma once

// The one driver for modal windows: a test lists what the user does in each window that will
// open, in order, arms the list before the call that opens the first window, and then makes that
// call. Each step is armed for the next window before it acts, so a window opened from inside a
// handler (a message from an OK button, the next dialog of a command) is caught too.

#include "widgets/MsgBox.h"
#include "support/Fixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace drive {

using Step = std::function<void(QWidget*)>;

// What the user met: each window's title, in order.
struct Seen
{
    QStringList titles;
};

// Arms the steps; call before the command that opens the first window.
std::shared_ptr<Seen> Windows(const QList<Step>& steps);

// For each test's cleanup: no window is left open and every armed window did open. Starts a new
// generation, so that a step left waiting by a failed test never acts on a later one.
void EndTest();

// Steps.
Step Click(const QString& button);
Step Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
Step CloseBox();
// Replaces the text of the named box by typing, as the user would.
Step Type(const QString& box, const QString& text);
// Picks the given line of the named list with the mouse.
Step ChooseRow(const QString& list, int row);
// Picks the line whose item data (Qt::UserRole) is this identifier.
Step ChooseId(const QString& list, const RecordId& id);
// The answer to the next message, then the given step (for a question asked from a handler).
Step Answer(QMessageBox::StandardButton answer, Step step);
// Runs several steps on the same window, in order.
Step Steps(const QList<Step>& steps);
// Runs a look at the window (checks) and goes on.
Step Look(std::function<void(QWidget*)> look);

// Reading windows.
QStringList Lines(const QListWidget* list);
QStringList Lines(QWidget* w, const QString& list);
// Selects exactly these rows by Ctrl-clicks.
void SelectRows(QListWidget* list, const QList<int>& rows);
// A double-click on an entry, as the item view sees one.
void DoubleClick(QListWidget* list, int row);

} // namespace drive

// Watches for modal windows while a command runs: notes each one's title and the mouse pointer
// that was in force while it was up, then lets `respond` handle it (by default it is cancelled).
// Unlike a one-shot driver it keeps watching until it is destroyed, so it also sees a window that
// should never have opened.
class ModalWatch
{
public:
    struct Seen
    {
        QString title;
        bool busyPointer = false;
    };

    explicit ModalWatch(std::function<void(QWidget*)> respond = {}) : m_respond(std::move(respond))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }

    const QList<Seen>& seen() const { return m_seen; }
    QStringList titles() const;

private:
    void poll();

    std::function<void(QWidget*)> m_respond;
    QTimer m_timer;
    QPointer<QWidget> m_last;
    QList<Seen> m_seen;
};

#pragma once

#include "storage/DataPlace.h"
#include "storage/Progress.h"
#include "storage/Settings.h"

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class CProgressBar;
class QLabel;
class QPushButton;
class QWidget;

// What every window shares: the gauge and the status line's label (the status texts themselves
// are kept by storage/Progress.h, which this layer shows), the busy pointer, the way a command's
// failure is shown, the beep. The database connection is in storage/Database.h.

// The progress gauge of the main window; created on first use.
CProgressBar& pubProgress();

// The main window's status line. The main window registers its label; without one (in a test of
// a single window) status texts only go to StatusText().
void SetStatusLabel(QLabel* label);

// The busy pointer for a command that waits; restored on every way out.
class BusyPointer
{
public:
    // Over the whole application, for work that runs to its end inside one event.
    BusyPointer() : m_override(true) { QApplication::setOverrideCursor(Qt::WaitCursor); }
    // Over one window only, for a command that goes on to open windows of its own: those keep the
    // normal pointer, since the user has to work in them.
    explicit BusyPointer(QWidget* window);
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    bool m_override = false;
    QPointer<QWidget> m_window;
    bool m_windowHadCursor = false;
    Qt::CursorShape m_previousShape = Qt::ArrowCursor;
};

// Runs a user command. A database failure (or any other error) is shown with the engine's own
// message and abandons the command; the program stays up. Returns whether it ran to its end.
bool RunCommand(const std::function<void()>& command);

// The system beep, counted so that tests can see it.
void Beep();
int BeepCount();

// Centres a window on the screen it is on.
void CentreOnScreen(QWidget* window);

// The OK and Cancel pair a chooser or settings window ends with (cmdOK, cmdCancel): OK is the
// button Enter presses, Cancel answers only its click and Escape.
struct OkCancelButtons
{
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons MakeOkCancel(QWidget* parent);

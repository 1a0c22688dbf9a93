#pragma once

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

// The state that every part of the program shares: the application folder, the dialog result,
// the status line and the gauge. The database connection is pubDB() (core/Database.h).

// The application's folder, with a trailing separator.
extern QString pubAppPath;
// The progress gauge of the main window; created on first use.
CProgressBar& pubProgress();

// The main window's status line. The main window registers its label; without one (in a test of
// a single window) status texts only go to StatusText().
void SetStatusLabel(QLabel* label);
// Sets the status line and repaints it at once, for work that runs inside one event.
void SetStatus(const QString& text);
QString StatusText();
// Lets a test see every status text as it is set, since a long operation clears its text before
// any window could be looked at.
void SetStatusObserver(std::function<void(const QString&)> observer);
// What the status line shows while no long operation runs (the database in use); empty unless set.
void SetIdleStatus(const QString& text);
// A second part of that idle line, shown after it (the matches waiting for the club server); empty
// for none.
void SetIdleNote(const QString& note);
// Resets the gauge and brings the status line back to its idle text at the end of every long
// operation.
void ClearProgress();

// A long operation: shows its status text, sizes the gauge (a count of 0 leaves it alone), steps
// it, and clears both on every way out.
class ProgressScope
{
public:
    explicit ProgressScope(const QString& status, int count = 0);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void setCount(int count);
    void step(int done);

private:
    bool m_sized = false;
};

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

class DbError;
// What the user is told of a failed statement: the engine's message, or that the database file
// has gone from its place while the program ran (the engine would only call it read-only).
QString DescribeFailure(const DbError& error);

// Runs a user command. A database failure (or any other error) is shown with the engine's own
// message and abandons the command; the program stays up. Returns whether it ran to its end.
bool RunCommand(const std::function<void()>& command);

// The system beep, counted so that tests can see it.
void Beep();
int BeepCount();

// Per-user settings under the executable's name: groups "Options" and "Match".
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
void SaveSetting(const QString& section, const QString& key, const QString& value);

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

// Pulls the embedded files (schema, pictures) into the executable that links the library.
void InitResources();

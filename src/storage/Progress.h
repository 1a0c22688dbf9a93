#pragma once

#include <QString>

#include <functional>

// How long work below the windows tells the user how far it is: the status line, the gauge and
// the busy pointer. The windows implement ProgressDisplay (the main window's status line and
// gauge); without one (the command line, a test without windows) texts are only kept for
// StatusText() and nothing is drawn.
class ProgressDisplay
{
public:
    virtual ~ProgressDisplay() = default;
    // A new status text; changed says whether it differs from the one shown before.
    virtual void showStatus(const QString& text, bool changed) = 0;
    virtual void setGaugeMax(int max) = 0;
    virtual void setGaugeValue(int value) = 0;
    // A command waits on work of another thread: the busy pointer until endWait.
    virtual void beginWait() = 0;
    virtual void endWait() = 0;
};
// The display in use (none: nullptr). The windows' layer registers its own when it is linked.
void SetProgressDisplay(ProgressDisplay* display);

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

// The busy pointer while a command waits on another thread; restored on every way out.
class WaitScope
{
public:
    WaitScope();
    ~WaitScope();
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    ProgressDisplay* m_display;
};

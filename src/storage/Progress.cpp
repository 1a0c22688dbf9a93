#include "storage/Progress.h"

namespace {
ProgressDisplay*& display()
{
    static ProgressDisplay* shown = nullptr;
    return shown;
}

QString& statusText()
{
    static QString text;
    return text;
}

std::function<void(const QString&)>& statusObserver()
{
    static std::function<void(const QString&)> observer;
    return observer;
}

QString& idleStatus()
{
    static QString text;
    return text;
}

QString& idleNote()
{
    static QString text;
    return text;
}

QString idleLine()
{
    if (idleNote().isEmpty())
        return idleStatus();
    return idleStatus().isEmpty() ? idleNote() : idleStatus() + QStringLiteral("  \u2014  ") + idleNote();
}
}  // namespace

void SetProgressDisplay(ProgressDisplay* shown)
{
    display() = shown;
}

void SetStatus(const QString& text)
{
    const bool changed = statusText() != text;
    statusText() = text;
    if (statusObserver())
        statusObserver()(text);
    if (display())
        display()->showStatus(text, changed);
}

QString StatusText()
{
    return statusText();
}

void SetStatusObserver(std::function<void(const QString&)> observer)
{
    statusObserver() = std::move(observer);
}

void SetIdleStatus(const QString& text)
{
    idleStatus() = text;
    SetStatus(idleLine());
}

void SetIdleNote(const QString& note)
{
    idleNote() = note;
    SetStatus(idleLine());
}

void ClearProgress()
{
    if (display())
        display()->setGaugeValue(0);
    SetStatus(idleLine());
}

ProgressScope::ProgressScope(const QString& status, int count)
{
    SetStatus(status);
    setCount(count);
}

ProgressScope::~ProgressScope()
{
    ClearProgress();
}

void ProgressScope::setCount(int count)
{
    // A maximum of 0 is refused by the gauge; an empty list simply leaves it as it is.
    if (count > 0) {
        if (display())
            display()->setGaugeMax(count);
        m_sized = true;
    }
}

void ProgressScope::step(int done)
{
    if (m_sized && display())
        display()->setGaugeValue(done);
}

WaitScope::WaitScope() : m_display(display())
{
    if (m_display)
        m_display->beginWait();
}

WaitScope::~WaitScope()
{
    if (m_display)
        m_display->endWait();
}

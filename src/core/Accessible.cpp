#include "core/Accessible.h"

#include <QAccessible>
#include <QWidget>

namespace a11y {

namespace {
std::function<void(QWidget*, QAccessible::Event)>& observer()
{
    static std::function<void(QWidget*, QAccessible::Event)> watching;
    return watching;
}

void Tell(QWidget* w, QAccessible::Event type)
{
    QAccessibleEvent changed(w, type);
    QAccessible::updateAccessibility(&changed);
    if (observer())
        observer()(w, type);
}
} // namespace

void SetEventObserver(std::function<void(QWidget*, QAccessible::Event)> watch)
{
    observer() = std::move(watch);
}

void SetName(QWidget* w, const QString& name)
{
    if (!w || w->accessibleName() == name)
        return;
    w->setAccessibleName(name);
    Tell(w, QAccessible::NameChanged);
}

void SetDescription(QWidget* w, const QString& description)
{
    if (!w || w->accessibleDescription() == description)
        return;
    w->setAccessibleDescription(description);
    Tell(w, QAccessible::DescriptionChanged);
}

void Announce(QWidget* line)
{
    if (line)
        Tell(line, QAccessible::NameChanged);
}

} // namespace a11y

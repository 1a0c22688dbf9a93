#include "core/Accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace a11y {

namespace {
const char* const kSpoken = "a11ySpoken";
const char* const kPending = "a11yAnnouncing";

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

// A label that a screen reader treats as a notification. Orca (and AT-SPI readers like it) speak
// a notification each time it is shown, whatever has the focus; a label's or a status bar's new
// text is only spoken when the user is on it, which a status line never is.
class SpokenLine : public QAccessibleWidget
{
public:
    explicit SpokenLine(QLabel* line) : QAccessibleWidget(line, QAccessible::Notification) { }

    QString text(QAccessible::Text t) const override
    {
        const auto* line = static_cast<const QLabel*>(object());
        if (t == QAccessible::Name && line->accessibleName().isEmpty())
            return line->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* SpokenLines(const QString&, QObject* object)
{
    auto* line = qobject_cast<QLabel*>(object);
    return line && line->property(kSpoken).toBool() ? new SpokenLine(line) : nullptr;
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

void MakeSpoken(QLabel* line)
{
    static const bool installed = [] {
        QAccessible::installFactory(SpokenLines);
        return true;
    }();
    Q_UNUSED(installed);
    line->setProperty(kSpoken, true);
}

void Announce(QWidget* line)
{
    if (!line || line->property(kPending).toBool())
        return;
    line->setProperty(kPending, true);
    // After the command: what it left on the line is what is said.
    QMetaObject::invokeMethod(
        line,
        [w = line] {
            w->setProperty(kPending, false);
            const auto* label = qobject_cast<QLabel*>(w);
            if (label && label->text().isEmpty())
                return;
            // A notification is spoken as it is shown; the name of any other line is read out by
            // readers that follow it.
            Tell(w, w->property(kSpoken).toBool() ? QAccessible::ObjectShow : QAccessible::NameChanged);
        },
        Qt::QueuedConnection);
}

} // namespace a11y

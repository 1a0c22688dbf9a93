#include "widgets/Accessible.h"

#include <QAccessible>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
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

// A drop-down list named by its label, as a dialog's other controls are: on Linux Qt names it by
// the entry it shows ("7 Dec 2026"), which says nothing of what is chosen there. Its name is its
// accessible name, else the text of the label it is the buddy of; the entry shown is its value.
class LabelledList : public QAccessibleWidget
{
public:
    explicit LabelledList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) { }
    QComboBox* list() const { return static_cast<QComboBox*>(object()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        if (!list()->accessibleName().isEmpty())
            return list()->accessibleName();
        for (const QLabel* label : list()->window()->findChildren<QLabel*>())
            if (label->buddy() == list())
                return QString(label->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
        return list()->currentText();
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* OurControls(const QString&, QObject* object)
{
    if (auto* list = qobject_cast<QComboBox*>(object); list && !list->isEditable())
        return new LabelledList(list);
    auto* line = qobject_cast<QLabel*>(object);
    return line && line->property(kSpoken).toBool() ? new SpokenLine(line) : nullptr;
}
} // namespace

void InstallInterfaces()
{
    // Qt asks the factory installed last first: ours goes after the application's own.
    QAccessible::removeFactory(OurControls);
    QAccessible::installFactory(OurControls);
}

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

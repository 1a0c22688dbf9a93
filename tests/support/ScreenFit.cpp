#include "support/ScreenFit.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QStyleOption>

namespace screenfit {
namespace {

// What the user reads: access-key ampersands gone, a shortcut column left off.
QString Shown(QString text)
{
    text = text.section(QLatin1Char('\t'), 0, 0).replace(QLatin1String("&&"), QLatin1String("\x01"));
    return text.remove(QLatin1Char('&')).replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

void Need(QStringList& out, const QWidget* w, const QString& what, double need, double room)
{
    if (need > room)
        out << QStringLiteral("%1 %2: needs %3 px, has %4").arg(w->objectName(), what).arg(need).arg(room);
}

// The room a text has inside the control, as the style lays the control out.
void CheckText(QWidget* w, QStringList& out)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = label->textFormat() == Qt::RichText ? QString() : Shown(label->text());
        if (text.isEmpty())
            return;
        const QRect room = label->contentsRect().marginsRemoved(QMargins() + label->margin());
        const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect need = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 100000), flags, text);
        Need(out, w, text, need.width() + std::max(0, label->indent()), room.width());
        Need(out, w, text + QStringLiteral(" (height)"), need.height(), room.height());
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(button);
        const bool check = qobject_cast<QCheckBox*>(w) != nullptr;
        const QRect room
            = w->style()->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &opt, w);
        Need(out, w, Shown(button->text()), w->fontMetrics().horizontalAdvance(Shown(button->text())), room.width());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        // The chosen entry whole, in the field the style draws it in (a pixel in from each side).
        QStyleOptionComboBox opt;
        opt.initFrom(combo);
        opt.editable = combo->isEditable();
        opt.frame = combo->hasFrame();
        opt.currentText = combo->currentText();
        const QRect room = w->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, w);
        Need(out, w, opt.currentText, w->fontMetrics().horizontalAdvance(opt.currentText) + 2, room.width());
    } else if (auto* edit = qobject_cast<QLineEdit*>(w); edit && edit->text().isEmpty() && !edit->placeholderText().isEmpty()) {
        // An empty box's hint is read whole or not at all.
        QStyleOptionFrame opt;
        opt.initFrom(edit);
        opt.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, edit) : 0;
        const QRect room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &opt, edit)
                               .marginsRemoved(edit->textMargins());
        // QLineEdit keeps a couple of pixels either side of its text.
        Need(out, w, edit->placeholderText(), w->fontMetrics().horizontalAdvance(edit->placeholderText()) + 4, room.width());
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const int margin = 2 * (w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1);
        for (int r = 0; r < list->count(); ++r) {
            const QString text = list->item(r)->text();
            if (!list->wordWrap()) {
                Need(out, w, text, w->fontMetrics().horizontalAdvance(text) + margin, list->viewport()->width());
                continue;
            }
            // A wrapped entry needs its lines' height inside its row, and its row inside the view.
            const QRect row = list->visualItemRect(list->item(r));
            const QRect need = w->fontMetrics().boundingRect(QRect(0, 0, row.width() - margin, 100000),
                                                             Qt::TextWordWrap, text);
            Need(out, w, text + QStringLiteral(" (width)"), need.width() + margin, row.width());
            Need(out, w, text + QStringLiteral(" (height)"), need.height(), row.height());
            Need(out, w, text + QStringLiteral(" (in view)"), row.bottom() + 1, list->viewport()->height());
        }
    }
}

} // namespace

QStringList Problems(QWidget* window, const QRect& area)
{
    QStringList out;
    if (!area.contains(window->frameGeometry()))
        out << window->objectName() + QStringLiteral(": off the screen");
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // Inside a scrolled view only the view counts: its contents may lie beyond it.
        QWidget* parent = w->parentWidget();
        auto* view = parent && parent != window ? qobject_cast<QAbstractScrollArea*>(parent->parentWidget()) : nullptr;
        const bool scrolled = view && view != window && view->viewport() == parent;
        if (!w->isVisible() || w->isWindow() || scrolled)
            continue;
        if (!area.contains(QRect(w->mapToGlobal(QPoint(0, 0)), w->size())))
            out << w->objectName() + QStringLiteral(": off the screen");
        CheckText(w, out);
    }
    return out;
}

QStringList MenuProblems(QMenu* menu, const QRect& area)
{
    QStringList out;
    if (!menu->isVisible() || !area.contains(menu->geometry()))
        out << menu->objectName() + QStringLiteral(": not on the screen");
    // An item's text has the room the style (Fusion, as the tests run) draws it in, not the one it
    // sized the menu for: a check column of 0.79 of the item's height (at least 21 px), 20 px of
    // margins and border, and the text in the menu's font turned into points.
    QFont drawn = menu->font();
    drawn.setPointSizeF(QFontInfo(menu->font()).pointSizeF());
    for (QAction* a : menu->actions()) {
        const QRect item = menu->actionGeometry(a);
        if (!a->isSeparator() && a->isVisible())
            Need(out, menu, Shown(a->text()), QFontMetricsF(drawn).horizontalAdvance(Shown(a->text())),
                 item.width() - std::max(int(item.height() * 0.79), 21) - 20 + 0.5);
    }
    return out;
}

} // namespace screenfit

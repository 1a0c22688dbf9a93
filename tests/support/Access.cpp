#include "support/Access.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>

namespace reachable {

namespace {
QString Describe(QObject* o)
{
    if (!o)
        return QStringLiteral("?");
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

QString RoleName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
        return QStringLiteral("button");
    case QAccessible::CheckBox:
        return QStringLiteral("check box");
    case QAccessible::RadioButton:
        return QStringLiteral("option button");
    case QAccessible::List:
        return QStringLiteral("list");
    case QAccessible::ListItem:
        return QStringLiteral("list item");
    case QAccessible::EditableText:
        return QStringLiteral("text box");
    case QAccessible::ComboBox:
        return QStringLiteral("drop-down list");
    default:
        return QStringLiteral("role %1").arg(int(role));
    }
}

void Walk(QAccessibleInterface* iface, int depth, QStringList& out)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    const QAccessible::State state = iface->state();
    if (state.invisible || state.offscreen)
        return;
    if (state.focusable && iface->text(QAccessible::Name).trimmed().isEmpty())
        out << QStringLiteral("%1 (%2): no name").arg(Describe(iface->object()), RoleName(iface->role()));
    for (int i = 0; i < iface->childCount(); ++i)
        Walk(iface->child(i), depth + 1, out);
}

// Where a control stands in the window.
QRect Place(QWidget* w, QWidget* window)
{
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}
} // namespace

QStringList Unnamed(QWidget* window)
{
    QStringList out;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
    if (!iface) {
        out << QStringLiteral("%1: no accessible interface").arg(Describe(window));
        return out;
    }
    if (iface->text(QAccessible::Name).trimmed().isEmpty())
        out << QStringLiteral("%1 (window): no name").arg(Describe(window));
    for (int i = 0; i < iface->childCount(); ++i)
        Walk(iface->child(i), 1, out);
    return out;
}

QStringList TabOrderProblems(QWidget* window)
{
    QList<QWidget*> chain;
    QWidget* w = window;
    for (int guard = 0; guard < 1000; ++guard) {
        w = w->nextInFocusChain();
        if (w == window)
            break;
        if (w->window() == window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy())
            chain << w;
    }
    // The chain is a ring: it is read from the control that stands first in reading order.
    auto readsBefore = [window](QWidget* a, QWidget* b) {
        const QRect pa = Place(a, window);
        const QRect pb = Place(b, window);
        const bool sameRow = pa.top() <= pb.bottom() && pb.top() <= pa.bottom();
        return sameRow ? pa.left() < pb.left() : pa.top() < pb.top();
    };
    auto first = chain.begin();
    for (auto it = chain.begin(); it != chain.end(); ++it)
        if (readsBefore(*it, *first))
            first = it;
    std::rotate(chain.begin(), first, chain.end());
    QStringList out;
    for (int i = 1; i < chain.size(); ++i) {
        const QRect a = Place(chain[i - 1], window);
        const QRect b = Place(chain[i], window);
        const bool lower = b.top() >= a.bottom() - 2 || b.center().y() > a.bottom();
        const bool sameRow = b.top() <= a.bottom() && a.top() <= b.bottom();
        const bool toTheRight = sameRow && b.center().x() > a.center().x();
        if (!lower && !toTheRight)
            out << QStringLiteral("%1 follows %2 but stands before it").arg(Describe(chain[i]), Describe(chain[i - 1]));
    }
    return out;
}

namespace {
// The characters a caption marks as access keys, in order.
QString Marked(const QString& caption)
{
    QString keys;
    for (qsizetype i = 0; i + 1 < caption.size(); ++i)
        if (caption.at(i) == QLatin1Char('&') && caption.at(++i) != QLatin1Char('&'))
            keys += caption.at(i);
    return keys;
}
} // namespace

QChar AccessKey(const QString& caption)
{
    const QString keys = Marked(caption);
    return keys.isEmpty() ? QChar() : keys.at(0).toUpper();
}

int AccessKeyCount(const QString& caption)
{
    return int(Marked(caption).size());
}

namespace {
// Where an access key is used: the control and its caption. A heading shown twice (the same
// heading over both teams' lists) is one key that Alt+key cycles through; any other second use of
// a key is a clash.
struct Use
{
    QString who;
    QString caption;
    bool heading = false;
};

QStringList Clashes(const QMap<QChar, QList<Use>>& keys, const QString& where)
{
    QStringList out;
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        QStringList captions;
        QStringList uses;
        for (const Use& use : it.value()) {
            captions << (use.heading ? use.caption : use.who + use.caption);
            uses << QStringLiteral("%1 \"%2\"").arg(use.who, use.caption);
        }
        captions.removeDuplicates();
        if (captions.size() > 1)
            out << QStringLiteral("%1Alt+%2: %3").arg(where, QString(it.key()), uses.join(QStringLiteral(", ")));
    }
    return out;
}
} // namespace

QStringList MenuKeyClashes(QMenu* menu)
{
    QMap<QChar, QList<Use>> keys;
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible())
            continue;
        const QChar key = AccessKey(a->text());
        if (!key.isNull())
            keys[key] << Use{Describe(a), a->text()};
        if (a->menu())
            out << MenuKeyClashes(a->menu());
    }
    return Clashes(keys, Describe(menu) + QStringLiteral(": ")) + out;
}

QStringList KeyClashes(QWidget* window)
{
    QMap<QChar, QList<Use>> keys;
    QStringList out;
    auto note = [&](QObject* w, const QString& caption) {
        const QChar key = AccessKey(caption);
        if (!key.isNull())
            keys[key] << Use{Describe(w), caption, qobject_cast<QLabel*>(w) != nullptr};
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisibleTo(window))
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            note(b, b->text());
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            note(l, l->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            note(g, g->title());
        else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : bar->actions()) {
                if (!a->isVisible())
                    continue;
                note(a, a->text());
                if (a->menu())
                    out << MenuKeyClashes(a->menu());
            }
        }
    }
    for (QMenu* menu : window->findChildren<QMenu*>())
        if (!menu->menuAction() || !menu->parentWidget() || !qobject_cast<QMenuBar*>(menu->parentWidget()))
            if (menu->parentWidget() == window)
                out << MenuKeyClashes(menu);
    out.removeDuplicates();
    return Clashes(keys, QString()) + out;
}

QStringList Faults(QWidget* window)
{
    QStringList out;
    const QString title = window->windowTitle().isEmpty() ? window->objectName() : window->windowTitle();
    for (const QString& f : Unnamed(window) + TabOrderProblems(window) + KeyClashes(window))
        out << QStringLiteral("%1: %2").arg(title, f);
    return out;
}

} // namespace reachable

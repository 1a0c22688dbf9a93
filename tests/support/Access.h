#pragma once

// What a screen reader and a keyboard user meet in a shown window. Each fault found is one line
// naming the control ("lstTeam_0 (list): no name"); none when all is well.

#include <QStringList>

class QMenu;
class QWidget;

namespace reachable {
// Walks the window's accessibility tree (QAccessible::queryAccessibleInterface, then each
// interface's children) and names every control that takes the keyboard focus but has no
// accessible name, and the window itself when it has none.
QStringList Unnamed(QWidget* window);
// The tab chain of the window's visible, enabled controls against the reading order: each
// control comes after the one before it, to its right on the same row or lower down.
QStringList TabOrderProblems(QWidget* window);
// The access keys that the window's controls and its menu bar share (Alt+key must reach one
// control), and within each of its menus, their items'.
QStringList KeyClashes(QWidget* window);
QStringList MenuKeyClashes(QMenu* menu);
// All three of a shown window, each fault after the window's title.
QStringList Faults(QWidget* window);
// The access key of a caption ('&' before it; "&&" is a plain ampersand), upper case, or null.
QChar AccessKey(const QString& caption);
// The number of access keys marked in a caption.
int AccessKeyCount(const QString& caption);
} // namespace reachable

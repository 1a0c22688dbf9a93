#pragma once

// Checks a shown window as a user of a given screen sees it: every visible control lies in the
// screen's available area, and no caption, label, list entry, drop-down list's chosen entry or
// menu item is cut short. Each fault found is one line ("cmdPrint: off the screen"); none when
// all fits.

#include <QRect>
#include <QStringList>

class QMenu;
class QWidget;

namespace screenfit {
QStringList Problems(QWidget* window, const QRect& area);
QStringList MenuProblems(QMenu* menu, const QRect& area);
} // namespace screenfit

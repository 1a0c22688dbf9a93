#pragma once

// The keyboard steps the match tests take through the line-up and options windows.

#include "game/Court.h"
#include "support/Drive.h"

#include <QListWidget>
#include <QTest>

namespace matchkeys {

// Access keys pressed in the window, each waiting for the button it clicks; then Enter, after
// giving the window the focus back as a window manager would.
inline drive::Step AltKeys(const QList<Qt::Key>& keys, bool enter = false)
{
    return [keys, enter](QWidget* w) {
        for (Qt::Key k : keys)
            court::AltKey(w, k);
        if (enter)
            QTest::keyClick(court::Focus(w), Qt::Key_Return);
    };
}

// Six starters a team by keys: the first six with Space and Shift+Down, Tab to ">", Space.
inline void SixEachByKeys(QWidget* w)
{
    court::Focus(w);
    for (int side : {0, 2}) {
        auto* list = Child<QListWidget>(w, QStringLiteral("lstTeam_%1").arg(side));
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Space);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(list, Qt::Key_Tab);
        QTest::keyClick(court::Focus(w), Qt::Key_Space);
    }
}

// A team from the team chooser, by its identifier, then Enter.
inline drive::Step PickTeam(const RecordId& team)
{
    return drive::Steps({drive::ChooseId(QStringLiteral("lstTeams"), team), drive::Key(Qt::Key_Return)});
}

} // namespace matchkeys

#pragma once

// Drives the court screen with the keyboard as a user does: function keys, the stat menu's access
// keys, Alt and a button's access key.

#include "game/frmGame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QStringList>
#include <QTest>

namespace game_test {

// A statement on a disk waits ~20 ms for its sync, which would stretch these tests to minutes.
// What they check does not depend on the medium, so their databases go to memory-backed storage
// when the machine has it (set before the first temporary folder is made).
inline void PreferMemoryBackedTemp()
{
    static const bool done = [] {
        if (QFileInfo(QStringLiteral("/dev/shm")).isDir() && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            qputenv("TMPDIR", "/dev/shm");
        return true;
    }();
    (void)done;
}

// The offscreen platform warns on every popup menu that it cannot grab the keyboard or raise a
// window; those lines would drown every other warning, so a test class may drop just them.
inline void QuietOffscreenWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg
            && (text == QLatin1String("This plugin does not support grabbing the keyboard")
                || text == QLatin1String("This plugin does not support raise()")))
            return;
        if (previous)
            previous(type, context, text);
    });
}

// One item of the stat menu: its access key, the pass rating chosen in its submenu (0: none),
// the stat text, the PLAY columns it fills and the middle of its status line.
struct StatItem
{
    const char* name;
    Qt::Key key;
    int rating;
    const char* stat;
    QStringList columns;
    const char* middle;
};

inline const QList<StatItem>& StatItems()
{
    static const QList<StatItem> items{
        {"Attempt", Qt::Key_A, 0, "Attempt", {"ATTEMPT"}, " to "},
        {"Kill", Qt::Key_K, 0, "Kill", {"KILL", "ATTEMPT"}, " and 1 Attempt to "},
        {"Error", Qt::Key_E, 0, "Error", {"ERROR", "ATTEMPT"}, " and 1 Attempt to "},
        {"Pass 1", Qt::Key_P, 1, "1", {"PASSING"}, " Passing stat to "},
        {"Pass 2", Qt::Key_P, 2, "2", {"PASSING"}, " Passing stat to "},
        {"Pass 3", Qt::Key_P, 3, "3", {"PASSING"}, " Passing stat to "},
        {"Serve Ace", Qt::Key_S, 0, "ServeAce", {"SERVEACE"}, " to "},
        {"Serve Error", Qt::Key_R, 0, "ServeError", {"SERVEERROR"}, " to "},
        {"Dig", Qt::Key_D, 0, "Dig", {"DIG"}, " to "},
        {"Receiving Error", Qt::Key_C, 0, "ReceiveError", {"RECEIVEERROR"}, " to "},
        {"Solo Block", Qt::Key_O, 0, "SoloBlock", {"SOLOBLOCK"}, " to "},
        {"Block Assist", Qt::Key_B, 0, "BlockAssist", {"BLOCKASSIST"}, " to "},
        {"Block Error", Qt::Key_L, 0, "BlockError", {"BLOCKERROR"}, " to "},
        {"Ball Handling Error", Qt::Key_H, 0, "BallHandleError", {"BALLHANDLEERROR"}, " to "},
        {"Set Assist", Qt::Key_T, 0, "SetAssist", {"SETASSIST"}, " to "},
    };
    return items;
}

inline const QStringList& StatColumns()
{
    static const QStringList columns{
        "ATTEMPT",   "KILL",        "ERROR",      "SERVEACE",        "SERVEERROR", "DIG",    "RECEIVEERROR",
        "SOLOBLOCK", "BLOCKASSIST", "BLOCKERROR", "BALLHANDLEERROR", "SETASSIST",  "PASSING"};
    return columns;
}

class Keys
{
public:
    explicit Keys(frmGame* screen) : m_screen(screen) { }

    // A window manager gives the focus back to the window when a popup menu closes; the offscreen
    // platform leaves the closed menu active once pending events run, so the tests do it.
    void refocus() const
    {
        // Let the platform's pending activation land first, so it cannot move the focus later.
        QCoreApplication::processEvents();
        if (QApplication::activePopupWidget() || QApplication::activeWindow() == m_screen)
            return;
        // The closed menu is a transient of the screen, so the screen's window counts as active
        // already; only the application's active window tells.
        QApplication::setActiveWindow(m_screen);
        if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == m_screen; }))
            qWarning("the court screen did not become active again");
    }

    // Where a key goes: the control with the focus, or the window itself.
    QWidget* target() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && focus->window() == m_screen ? focus : m_screen;
    }

    // Presses the box's function key on whatever has the focus and returns the stat menu that
    // popped up (null when none did).
    QMenu* pressBoxKey(int n) const
    {
        refocus();
        QTest::keyClick(target(), Qt::Key(Qt::Key_F1 + (n - 1)));
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    // Records one action for box n: the function key, then the item's access key (for a pass:
    // "P", then the rating chosen with the arrow keys and Enter).
    bool record(int n, Qt::Key accessKey, int passRating = 0) const
    {
        QMenu* menu = pressBoxKey(n);
        if (!menu)
            return false;
        QTest::keyClick(menu, accessKey);
        if (passRating > 0) {
            auto* sub = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!sub || sub == menu)
                return false;
            for (int i = 1; i < passRating; ++i)
                QTest::keyClick(sub, Qt::Key_Down);
            QTest::keyClick(sub, Qt::Key_Return);
        }
        return QApplication::activePopupWidget() == nullptr;
    }

    bool record(int n, const StatItem& item) const { return record(n, item.key, item.rating); }

    // Alt and an access key on whatever has the focus. A button's access key clicks it after a
    // short animation; this returns once every button is up again.
    bool accessKey(Qt::Key key) const
    {
        refocus();
        QTest::keyClick(target(), key, Qt::AltModifier);
        return QTest::qWaitFor([this] {
            for (QAbstractButton* b : m_screen->findChildren<QAbstractButton*>()) {
                if (b->isDown())
                    return false;
            }
            return true;
        });
    }

    // A command of a menu of the menu bar: Alt and the menu's access key, then the item's.
    bool menuCommand(Qt::Key menuKey, Qt::Key itemKey) const
    {
        refocus();
        QTest::keyClick(target(), menuKey, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return false;
        QTest::keyClick(menu, itemKey);
        return true;
    }

private:
    frmGame* m_screen;
};

} // namespace game_test

#pragma once

// A court screen on a fresh database: two teams of eight, a stored match and game, six starters
// a side, driven as the user does (function keys, the stat menu's access keys, Alt keys).

#include "storage/MatchStore.h"
#include "widgets/MsgBox.h"
#include "game/frmGame.h"
#include "support/Fixture.h"
#include "storage/RecordIssue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QTest>

namespace court {

// Every statement syncs to disk; memory-backed temporary storage keeps the tests short (unless a
// temporary folder was chosen already).
inline void Prepare()
{
    if (qEnvironmentVariableIsEmpty("TMPDIR") && QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    // The offscreen platform warns on every popup that it cannot grab the keyboard or raise.
    static const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
              if (!text.startsWith(QLatin1String("This plugin does not support")) && previous)
                  previous(type, context, text);
          });
}

// The offscreen platform leaves a closed popup active; a window manager would give the focus
// back to the window, so do that before each key.
inline QWidget* Focus(QWidget* window)
{
    QCoreApplication::processEvents();
    if (!QApplication::activePopupWidget() && QApplication::activeWindow() != window) {
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            qWarning("%s did not become active again", qPrintable(window->objectName()));
    }
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == window ? focus : window;
}

// Box n's function key, then the stat menu item's access key (a pass: P, then the rating's
// digit). False when no menu popped up or it stayed open.
inline bool Record(QWidget* window, int n, Qt::Key key, int rating = 0)
{
    QTest::keyClick(Focus(window), Qt::Key(Qt::Key_F1 + n - 1));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return false;
    QTest::keyClick(menu, key);
    if (rating > 0) {
        // Each rating is its own access key.
        auto* sub = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!sub || sub == menu)
            return false;
        QTest::keyClick(sub, Qt::Key(Qt::Key_0 + rating));
    }
    return !QApplication::activePopupWidget();
}

// Alt and an access key; a button clicked by its key is up again after a short animation.
inline bool AltKey(QWidget* window, Qt::Key key)
{
    QTest::keyClick(Focus(window), key, Qt::AltModifier);
    return QTest::qWaitFor([window] {
        for (auto* b : window->findChildren<QAbstractButton*>())
            if (b->isDown())
                return false;
        return true;
    });
}

// The keys of a script on a court screen, apart by blanks: H A the score buttons, R O the rotate
// buttons, M subtraction mode (each by its Alt key), Z the take-back (Ctrl+Z), b<box><key> a box's
// function key and the stat menu item's access key. False at the first key that did not act.
inline bool Play(QWidget* window, const QString& keys)
{
    for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (key.startsWith(QLatin1Char('b'))) {
            if (!Record(window, key.mid(1, key.size() - 2).toInt(), Qt::Key(key.back().unicode())))
                return false;
        } else if (key == QLatin1String("Z")) {
            QTest::keyClick(Focus(window), Qt::Key_Z, Qt::ControlModifier);
        } else if (!AltKey(window, Qt::Key(key.front().unicode()))) {
            return false;
        }
    }
    return true;
}

// What each stat menu item must record and say, written out here on its own: the expectation that
// the stat table is checked against, not a copy of it. A pass is recorded with rating 2.
struct StatExpect
{
    const char* name;
    const char* caption;
    const char* stat;
    QStringList columns;
    const char* middle;
    int value() const { return columns == QStringList{"PASSING"} ? 2 : 1; }
    Qt::Key key() const
    {
        const QString c = QString::fromLatin1(caption);
        return Qt::Key(c.at(c.indexOf(QLatin1Char('&')) + 1).toUpper().unicode());
    }
};
inline const QList<StatExpect> kStats{
    {"mnuAttempt", "&Attempt", "Attempt", {"ATTEMPT"}, " to "},
    {"mnuKill", "&Kill", "Kill", {"KILL", "ATTEMPT"}, " and 1 Attempt to "},
    {"mnuError", "&Error", "Error", {"ERROR", "ATTEMPT"}, " and 1 Attempt to "},
    {"mnuPassingItem", "&Pass", "2", {"PASSING"}, " Passing stat to "},
    {"mnuServeAce", "&Serve Ace", "ServeAce", {"SERVEACE"}, " to "},
    {"mnuServeError", "Serve E&rror", "ServeError", {"SERVEERROR"}, " to "},
    {"mnuDig", "&Dig", "Dig", {"DIG"}, " to "},
    {"mnuReceiveError", "Re&ceiving Error", "ReceiveError", {"RECEIVEERROR"}, " to "},
    {"mnuSoloBlock", "S&olo Block", "SoloBlock", {"SOLOBLOCK"}, " to "},
    {"mnuBlockAssist", "&Block Assist", "BlockAssist", {"BLOCKASSIST"}, " to "},
    {"mnuBlockError", "B&lock Error", "BlockError", {"BLOCKERROR"}, " to "},
    {"mnuBallHandle", "Ball &Handling Error", "BallHandleError", {"BALLHANDLEERROR"}, " to "},
    {"mnuSetAssist", "Se&t Assist", "SetAssist", {"SETASSIST"}, " to "}};
inline const QStringList kPlayColumns{
    "ATTEMPT",   "KILL",        "ERROR",      "SERVEACE",        "SERVEERROR", "DIG",    "RECEIVEERROR",
    "SOLOBLOCK", "BLOCKASSIST", "BLOCKERROR", "BALLHANDLEERROR", "SETASSIST",  "PASSING"};

// Two teams of eight ("Hawk n" #n, "Owl n" #10+n), a stored match with its game, and the session
// of that match with both rosters.
class Seeded
{
public:
    explicit Seeded(const QString& side = QStringLiteral("LEFT"), int gameNumber = 1, int games = 3, int points = 15)
    {
        session.homeTeamId = app.addTeam(QStringLiteral("Harbour Hawks"));
        session.awayTeamId = app.addTeam(QStringLiteral("Owls d'Or"));
        for (int i = 1; i <= 8; ++i) {
            home << app.addPlayer(session.homeTeamId, QStringLiteral("Hawk %1").arg(i), i);
            away << app.addPlayer(session.awayTeamId, QStringLiteral("Owl %1").arg(i), 10 + i);
        }
        session.matchId = NewRecordId(RecordKind::Match);
        session.game->setGameID(NewRecordId(RecordKind::Game));
        session.game->setGameNumber(qint16(gameNumber));
        session.setOptions({side, qint16(games), qint16(points)});
        session.loadRosters();
        MatchStore::AddMatch(session.matchId, session.homeTeamId, session.awayTeamId, session.game->GameID(),
                             gameNumber);
    }

    TestApp app;
    MatchSession session;
    QList<RecordId> home, away; // seeded order
};

// The court screen of a session with the first six of each roster on court.
inline std::unique_ptr<frmGame> CourtScreen(MatchSession& session)
{
    auto screen = std::make_unique<frmGame>(session);
    for (int t = 0; t < 2; ++t)
        for (const PlayerRow& r : session.rosters[size_t(t)].players.mid(0, 6))
            (t == 0 ? screen->colHomePlayers : screen->colAwayPlayers) << std::make_shared<clsPlayer>(r);
    screen->SetUpHome();
    screen->SetUpAway();
    return screen;
}

// The court screen of a seeded match with the first six of each team on court.
class Court : public Seeded
{
public:
    explicit Court(const QString& side = QStringLiteral("LEFT"), int gameNumber = 1, int games = 3, int points = 15)
        : Seeded(side, gameNumber, games, points), screen(CourtScreen(session))
    {
    }
    ~Court()
    {
        screen->bShowMessage = false;
        screen->close();
    }

    bool show()
    {
        screen->show();
        QApplication::setActiveWindow(screen.get());
        return QTest::qWaitForWindowActive(screen.get());
    }
    template <typename T = QLabel> T* get(const QString& name) const { return Child<T>(screen.get(), name); }
    QString status() const { return get(QStringLiteral("lblStatus"))->text(); }
    QString score(int half) const { return get(QStringLiteral("lblScore_%1").arg(half))->text(); }
    void click(const QString& name) const { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    bool record(int box, Qt::Key key, int rating = 0) const { return Record(screen.get(), box, key, rating); }
    QList<int> white() const
    {
        QList<int> out;
        for (int n = 1; n <= 12; ++n)
            if (get(QStringLiteral("lblPlayer_%1").arg(n))->palette().color(QPalette::Window) == Qt::white)
                out << n;
        return out;
    }

    std::unique_ptr<frmGame> screen;
};

} // namespace court

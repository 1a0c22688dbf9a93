#pragma once

// A court screen in a fresh database: two teams of eight, a match and its game, six starters per
// side placed as the line-up window places them, and the screen shown and active. Tests then act
// on it as the user does: function keys, access keys, clicks.

#include "Keys.h"
#include "game/clsGame.h"
#include "game/frmGame.h"
#include "core/MsgBox.h"
#include "core/Database.h"
#include "roster/clsPlayer.h"
#include "support/Fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace game_test {

struct Seeded
{
    RecordId id;
    QString name;
    int number = 0;
};

class Court
{
public:
    // side: "LEFT" puts the home team on the left half. selfMatch: the away side is the home team.
    explicit Court(const QString& side = QStringLiteral("LEFT"), int gameNumber = 1, bool selfMatch = false,
                   int games = 3, int points = 15)
    {
        PreferMemoryBackedTemp();
        homeTeam = app.addTeam(QStringLiteral("Harbour Hawks"));
        awayTeam = selfMatch ? homeTeam : app.addTeam(QStringLiteral("Owls d'Or"));
        static const char* homeNames[]
            = {"Ana Ruiz", "Bea O'Neil", "Cleo Marsh", "Dana Holt", "Eve Stone", "Fay Lund", "Gia Moss", "Hana Vick"};
        static const char* awayNames[] = {"Iris Kerr", "Jo Park",    "Kim \"Kat\" Lee", "Lou Reyes",
                                          "Mia Sato",  "Nell Ortiz", "Opal Dunn",       "Pia Ross"};
        for (int i = 0; i < 8; ++i) {
            const QString name = QString::fromLatin1(homeNames[i]);
            home << Seeded{app.addPlayer(homeTeam, name, i + 1), name, i + 1};
        }
        if (selfMatch) {
            away = home;
        } else {
            for (int i = 0; i < 8; ++i) {
                const QString name = QString::fromLatin1(awayNames[i]);
                away << Seeded{app.addPlayer(awayTeam, name, 10 + i), name, 10 + i};
            }
        }
        matchId = NewRecordId(RecordKind::Match);
        gameId = NewRecordId(RecordKind::Game);
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
                {Bind(matchId), Bind(homeTeam), Bind(awayTeam)});
        Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                               "VALUES (?, ?, ?, 0, 0)"),
                {Bind(matchId), Bind(gameId), gameNumber});

        game = std::make_shared<clsGame>();
        game->setGameID(gameId);
        game->setGameNumber(qint16(gameNumber));

        screen = std::make_unique<frmGame>();
        screen->strSide = side;
        screen->igame = qint16(games);
        screen->iPoints = qint16(points);
        for (int i = 0; i < 6; ++i) {
            screen->colHomePlayers << player(home[i]);
            screen->colAwayPlayers << player(away[i]);
        }
        screen->setGame(game);
        screen->SetUpHome();
        screen->SetUpAway();
    }

    ~Court()
    {
        if (screen) {
            screen->bShowMessage = false;
            screen->close();
        }
        screen.reset();
        game.reset();
    }

    static std::shared_ptr<clsPlayer> player(const Seeded& s)
    {
        auto p = std::make_shared<clsPlayer>();
        p->setPlayerID(s.id);
        p->setPlayerName(s.name);
        p->setPlayerNumber(qint16(s.number));
        return p;
    }

    bool show()
    {
        screen->show();
        screen->activateWindow();
        return QTest::qWaitForWindowActive(screen.get());
    }

    QLabel* box(int n) const { return Child<QLabel>(screen.get(), QStringLiteral("lblPlayer_%1").arg(n)); }
    QLabel* hint(int n) const { return Child<QLabel>(screen.get(), QStringLiteral("lblShortcut_%1").arg(n)); }
    QLabel* score(int i) const { return Child<QLabel>(screen.get(), QStringLiteral("lblScore_%1").arg(i)); }
    QPushButton* button(const QString& name) const { return Child<QPushButton>(screen.get(), name); }
    QLabel* status() const { return Child<QLabel>(screen.get(), QStringLiteral("lblStatus")); }
    QCheckBox* subtract() const { return Child<QCheckBox>(screen.get(), QStringLiteral("chkSubtractMode")); }

    // The text a box shows, one line per visible line.
    QString boxText(int n) const { return box(n)->text(); }
    static QString caption(const Seeded& s) { return s.name + QStringLiteral("\n#") + QString::number(s.number); }

    // Which boxes are highlighted, as the user sees it (white).
    QList<int> whiteBoxes() const
    {
        QList<int> out;
        for (int n = 1; n <= 12; ++n) {
            if (box(n)->palette().color(QPalette::Window) == QColor(Qt::white))
                out << n;
        }
        return out;
    }
    QList<int> whiteHints() const
    {
        QList<int> out;
        for (int n = 1; n <= 12; ++n) {
            if (hint(n)->palette().color(QPalette::Window) == QColor(Qt::white))
                out << n;
        }
        return out;
    }

    Keys keys() const { return Keys(screen.get()); }
    void refocus() const { keys().refocus(); }
    QWidget* keyTarget() const { return keys().target(); }
    QMenu* pressBoxKey(int n) const { return keys().pressBoxKey(n); }
    bool record(int n, Qt::Key accessKey, int passRating = 0) const { return keys().record(n, accessKey, passRating); }
    bool accessKey(Qt::Key key) const { return keys().accessKey(key); }

    void click(const QString& buttonName) const { QTest::mouseClick(button(buttonName), Qt::LeftButton); }

    int scoreInDb(bool homeSide) const
    {
        return app
            .scalar(homeSide ? QStringLiteral("SELECT HOMESCORE FROM GAME WHERE GAMEID = ?")
                             : QStringLiteral("SELECT AWAYSCORE FROM GAME WHERE GAMEID = ?"),
                    {Bind(gameId)})
            .toInt();
    }

    TestApp app;
    RecordId homeTeam, awayTeam, matchId, gameId;
    QList<Seeded> home, away;
    std::shared_ptr<clsGame> game;
    std::unique_ptr<frmGame> screen;
};

} // namespace game_test

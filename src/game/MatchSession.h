#pragma once

// The match under way as the line-up window, the court screen and the next-game command share
// it: its identifiers, the options chosen for it, the game being played and both rosters.

#include "core/RecordId.h"
#include "core/RosterStore.h"
#include "game/clsGame.h"

#include <QList>
#include <QString>
#include <array>
#include <memory>

// The answers of the options window.
struct GameOptions
{
    QString side = QStringLiteral("LEFT");
    qint16 games = 3;
    qint16 points = 15;
};

struct TeamRoster
{
    QString name;
    QList<PlayerRow> players; // in the order they were added
};

class MatchSession
{
public:
    RecordId matchId;
    RecordId homeTeamId;
    RecordId awayTeamId;
    QString side = QStringLiteral("LEFT"); // "LEFT": home on the left half
    qint16 games = 3; // games in the match: 3 or 5
    qint16 points = 15; // points per game (15 or 25); the deciding game is always to 15
    std::shared_ptr<clsGame> game = std::make_shared<clsGame>();
    std::array<TeamRoster, 2> rosters; // home, away

    void setOptions(const GameOptions& options);
    bool homeOnLeft() const { return side == QLatin1String("LEFT"); }
    // The points that win the game under way.
    int scoreLimit() const;

    // Both teams' names and players, read fresh. Throws DbError.
    std::array<TeamRoster, 2> readRosters() const;
    // Reads both rosters; on a failure the ones held stay.
    void loadRosters() { rosters = readRosters(); }
};

#pragma once

// The match under way as the line-up window, the court screen and the next-game command share
// it: its identifiers, the options chosen for it, the game being played and both rosters.

#include "storage/MatchStore.h"
#include "base/RecordId.h"
#include "storage/RosterStore.h"
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
    bool sideOutRotate = false; // a point won on the other side's serve also turns the winner
    bool scoreFromAction = false; // a kill, ace, block or error also scores its point
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
    bool sideOutRotate = false;
    bool scoreFromAction = false;
    std::shared_ptr<clsGame> game = std::make_shared<clsGame>();
    std::array<TeamRoster, 2> rosters; // home, away
    // The side that serves first in the game under way (0 home, 1 away), as the line-up window
    // asked; the next game proposes the other side.
    int firstServer = 0;
    // The starting six of each side in the game under way, in their order: the next game's
    // line-up window proposes them.
    std::array<QList<RecordId>, 2> startingSix;
    // The libero each side named for the game under way (null: none); the next game proposes them.
    std::array<RecordId, 2> liberos;
    // A new match is written with its first game's start, in the same transaction (RallyKeeper):
    // one cancelled at the line-up window, or stopped there, leaves nothing behind. False until
    // then.
    bool stored = true;

    void setOptions(const GameOptions& options);
    // The options as the match's row keeps them, and back.
    MatchStore::MatchOptions storedOptions() const;
    void setStoredOptions(const MatchStore::MatchOptions& options);
    // Writes the match with its game under way and its options, inside the caller's transaction;
    // the caller marks it stored once that transaction is committed. Throws DbError.
    void storeMatch();
    bool homeOnLeft() const { return side == QLatin1String("LEFT"); }
    // The points that win the game under way.
    int scoreLimit() const;
    // The points that win a game of this match.
    int scoreLimit(int gameNumber) const;
    // Games won by home and by away so far, the game under way counted once it is won. Throws
    // DbError.
    std::pair<int, int> gamesWon() const;
    // Whether one side has won the match.
    bool decided(const std::pair<int, int>& won) const;

    // Both teams' names and players, read fresh. Throws DbError.
    std::array<TeamRoster, 2> readRosters() const;
    // Reads both rosters; on a failure the ones held stay.
    void loadRosters() { rosters = readRosters(); }
};

// What the user is asked before the match ends: whether to end it, or, while no side has won it,
// whether to end it anyway ("The match is not decided (1–1). End it anyway?").
QString EndMatchQuestion(const MatchSession& session);

#pragma once

// The team numbers a point-by-point record gives, computed from the rally logs of the games a
// report covers: points won on serve and on receive (break-point and sideout percentages), the
// longest run of points, the same per rotation, how the points were won, and the flow of the
// score with its timeouts. Points taken back
// count nowhere. A plain function of the logs, so every rule is checked without a database.

#include "rules/RallyLog.h"
#include "base/RecordId.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace TeamNumbers {

// One game a report covers, with its log (the POINT and UNDO entries are all that is read).
struct GameRecord
{
    RecordId match;
    RecordId game;
    int number = 0; // the game's number in its match
    std::array<RecordId, 2> teams; // home, away
    std::array<QString, 2> names;
    int homeScore = 0; // as the GAME row holds it
    int awayScore = 0;
    Rally::Log log;
};

// Rallies a team served and received, and how many of each it won.
struct Tally
{
    int served = 0;
    int wonServing = 0;
    int received = 0;
    int wonReceiving = 0;

    int won() const { return wonServing + wonReceiving; }
    int lost() const { return served - wonServing + received - wonReceiving; }
    int plusMinus() const { return won() - lost(); }
    // Points won on the team's own serve for each serve; nothing without a serve.
    std::optional<double> breakPoint() const;
    // Points won when the other side served for each of its serves (its serve errors included).
    std::optional<double> sideout() const;
};

// A rotation: named by the team's player in zone 1 when the rally began.
struct Rotation
{
    RecordId player;
    Tally tally;
};

// How the points a team won ended: by its attack, its block and its serve, by the other side's
// errors, and the rest, scored without a deciding action on record.
struct PointsWon
{
    int attack = 0;
    int block = 0;
    int serve = 0;
    int errors = 0;
    int other = 0;

    int total() const { return attack + block + serve + errors + other; }
    void add(Rally::Ending ending);
    PointsWon& operator+=(const PointsWon& more);
};

// A team's points won in one game.
struct GamePoints
{
    RecordId match;
    int game = 0;
    PointsWon won;
};

// The longest run of points a team won in a row in one game.
struct Run
{
    RecordId match;
    int game = 0;
    int points = 0;
};

struct Team
{
    RecordId id;
    QString name;
    Tally tally;
    std::vector<Run> runs; // one per game with a log, in game order
    std::vector<Rotation> rotations; // in the order each was first seen
    std::vector<GamePoints> games; // one per game with a log, in game order
    PointsWon won; // over those games
};

// A timeout in a game's flow: taken by a side after that many rallies, at that score.
struct FlowTimeout
{
    int afterRally = 0;
    int side = Rally::kHome;
    int homeScore = 0;
    int awayScore = 0;
};

// A game's flow: the lead (home minus away) after each point that stands.
struct Flow
{
    RecordId match;
    int number = 0;
    std::array<QString, 2> names;
    int homeScore = 0;
    int awayScore = 0;
    bool logged = false; // false: recorded before the rally log
    std::vector<int> leads;
    std::vector<FlowTimeout> timeouts; // in the order they were taken
};

struct Numbers
{
    std::vector<Team> teams; // by name
    std::vector<Flow> games; // in the order given
    bool anyLog() const;
};

// Every team of the games (only `team` when given), over the games that have a log.
Numbers Compute(const std::vector<GameRecord>& games, const std::optional<RecordId>& team = std::nullopt);

// Whether a game's log records its rallies (a game recorded before the log has none).
bool Logged(const Rally::Log& log);

} // namespace TeamNumbers

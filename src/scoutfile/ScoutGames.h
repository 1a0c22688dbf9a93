#pragma once

// The sets of a scout file as our games: each set's lines are played through the court's own rules
// (Rally::Book): the start with both line-ups and the first server, every point with its server,
// winner and line-ups, the rotations and substitutions, and each action with its box, so that the
// log the import stores reads the way the court reads its own. Plain values only: the database is
// ScoutStore's; the way out is ScoutExport's.

#include "rules/RallyLog.h"
#include "scoutfile/ScoutFile.h"

#include <QDateTime>
#include <QList>
#include <functional>
#include <stdexcept>
#include <vector>

namespace Scout {

// Who a shirt number of a side is among our players.
using Resolver = std::function<RecordId(int side, int number)>;
// Stand-ins, one per side and number, for checking a file before its players are known.
Resolver StandInPlayers();

// The half each side plays a set on, which no scout file says: home on the left in odd sets and
// on the right in even ones.
bool OnLeft(int side, int set);
// The box (1 to 12) of a zone (1 to 6) of a side in a set.
int Box(int side, int set, int zone);
// The zone of a player whom no line-up places at the moment of an action: the libero, who takes
// a back-row player's place without the scout lines saying whose. The back-row middle.
inline constexpr int kUnplacedZone = 6;

struct GamePlay
{
    RecordId player;
    int position = 0;
    const StatKind* kind = nullptr;
    int value = 0;
    QDateTime at;
};

struct Game
{
    int number = 0;
    int home = 0;
    int away = 0;
    QDateTime started;
    QList<RecordId> played;
    Rally::Log log; // empty when the lines do not tell the set's rallies
    std::vector<GamePlay> plays;
};

// The games of a match read by Read(). Throws RefusalError for lines the rules cannot follow
// (a substitution of a player who is not on court).
std::vector<Game> BuildGames(const ScoutMatch& match, const Resolver& players);

} // namespace Scout

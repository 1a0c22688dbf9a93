#pragma once

// The sets of a scout file as our games, and a recorded match as a scout file's lines. Going in,
// each set's lines are played through the court's own rules (Rally::Book): the start with both
// line-ups and the first server, every point with its server, winner and line-ups, the rotations
// and substitutions, and each action with its box, so that the log the import stores reads the
// way the court reads its own. Coming out, the stored log is walked the other way. Plain values
// only: the database is ScoutStore's.

#include "core/RallyLog.h"
#include "core/ScoutFile.h"

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

// A stored match as the export reads it.
struct RecordedPlayer
{
    RecordId id;
    QString name;
    int number = 0;
};

// A PLAY row: its kind's column and value (the rating for a pass; negative for a take-back).
struct RecordedPlay
{
    RecordId player;
    int position = 0;
    QString column;
    int value = 0;
    QDateTime at;
};

struct RecordedGame
{
    int number = 0;
    int home = 0;
    int away = 0;
    Rally::Log log;
    QList<RecordId> played;
    std::vector<RecordedPlay> plays; // every PLAY row of the game, in the order recorded
};

struct RecordedMatch
{
    QDateTime when;
    std::array<QString, 2> teams;
    std::array<std::vector<RecordedPlayer>, 2> players; // each team's roster and anyone else it played
    std::vector<RecordedGame> games; // in game order
};

// A match that cannot be written as a scout file, and why.
class ExportError : public std::runtime_error
{
public:
    explicit ExportError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) { }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The file's value for a recorded match. A game whose log does not tell its points and actions
// (recorded before the log, or changed since by other means) is written with its actions and final
// score only; such games, and anything that could not be written, are noted in the comments.
ScoutMatch FromRecorded(const RecordedMatch& match);

} // namespace Scout

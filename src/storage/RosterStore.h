#pragma once

// Every statement on the roster tables TEAM and PLAYER. Each function throws DbError when the
// engine refuses.

#include "base/RecordId.h"

#include <QList>
#include <QString>

#include <optional>
#include <vector>

struct PlayerRow
{
    RecordId id;
    RecordId teamId;
    QString name;
    int number = 0;
};

// A chooser line's data. The identifier stays in its stored text form: a chooser lists thousands
// and turns only the chosen line into a RecordId.
struct ListedTeam
{
    QString idText;
    QString name;
};

struct ListedPlayer
{
    QString idText;
    QString name;
    int number = 0;
};

// The player of a team who already wears a shirt number: a player added or changed to that number
// (or moved to that team) would make two players of one team that no report, export or scout file
// can tell apart.
struct NumberTaken
{
    PlayerRow wearer;
    QString teamName;
};

namespace RosterStore {

// Every team, in the order they were stored.
std::vector<ListedTeam> ListTeams();
// The players of a team, in the order they were added.
std::vector<ListedPlayer> ListPlayers(const RecordId& team);

std::optional<QString> TeamName(const RecordId& team);
std::optional<PlayerRow> Player(const RecordId& player);
int PlayerCount(const RecordId& team);
// How many rows read as this identifier, whatever type their value was stored as: more than one
// only when another tool stored it twice (a table without its key, or the same text once as
// bytes), and then no statement by identifier can tell the records apart.
int TeamsWithId(const RecordId& team);
int PlayersWithId(const RecordId& player);
// A team's players for the line-up, by identifier (the order they were made in).
QList<PlayerRow> TeamPlayers(const RecordId& team);

void AddTeam(const RecordId& team, const QString& name);
void RenameTeam(const RecordId& team, const QString& name);
// The team with its players, in one transaction: never one without the other.
void DeleteTeam(const RecordId& team);

// Each stores the player unless another player of the player's team already wears the number; then
// nothing is stored and that player is handed back. The write and the look for a wearer are one
// transaction, the write first: it waits for any other writer, so the look sees everything stored
// before it, and two windows can never both store the same number. Files written before numbers
// were checked may already hold a pair: either of the two can still be given another number or
// deleted, but neither keeps the shared one through an edit.
[[nodiscard]] std::optional<NumberTaken> AddPlayer(const PlayerRow& player);
// Name, number and team of the stored player player.id.
[[nodiscard]] std::optional<NumberTaken> UpdatePlayer(const PlayerRow& player);
// The player's recorded actions and games stay, so that past reports still add up.
void DeletePlayer(const RecordId& player);

} // namespace RosterStore

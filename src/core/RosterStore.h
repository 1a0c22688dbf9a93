#pragma once

// Every statement on the roster tables TEAM and PLAYER. Each function throws DbError when the
// engine refuses.

#include "core/RecordId.h"

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

void AddPlayer(const PlayerRow& player);
void UpdatePlayer(const RecordId& player, const QString& name, int number);
// The player's recorded actions and games stay, so that past reports still add up.
void DeletePlayer(const RecordId& player);

} // namespace RosterStore

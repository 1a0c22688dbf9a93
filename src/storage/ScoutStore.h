#pragma once

// Scout files and the working tables: a file's match written into them in one transaction, and a
// stored match read out for a file. Every statement is here; each function throws DbError when
// the engine refuses.

#include "base/RecordId.h"
#include "scoutfile/ScoutFile.h"
#include "scoutfile/ScoutExport.h"
#include "scoutfile/ScoutGames.h"

#include <QList>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class ProgressScope;

namespace ScoutStore {

// A stored match that a file's match is: the file's own account of it (its date and time, teams'
// codes and set scores) is that of a match imported before, or the same teams (by name) played on
// the day with the same score in every set. Looked for in the working tables and in the archive of
// saved matches, so that neither another encoding of the names nor an exit in between lets the
// same match in twice.
struct Duplicate
{
    RecordId match;
    QString caption; // as the match listing names it
    bool archived = false; // in the archive, not among the working matches
};

// What the working tables already hold of a file's match: its teams (matched by name), their
// players (by team and shirt number), and a stored match it repeats.
struct Plan
{
    std::array<std::optional<RecordId>, 2> teams;
    std::array<std::map<int, RecordId>, 2> players;
    std::optional<Duplicate> duplicate;

    bool newTeam(int side) const { return !teams[size_t(side)]; }
    bool newPlayer(int side, int number) const { return !players[size_t(side)].count(number); }
};
// Throws ArchiveStore::ArchiveError when the archive is there and cannot be read.
Plan PlanImport(const Scout::ScoutMatch& match);

struct Imported
{
    RecordId match;
    QString caption; // as the match listing names it
    // The away team's first, as the caption names them.
    QStringList newTeams;
    QStringList newPlayers; // "Name #12 (Team)"
};

// Writes the match: the teams and players it lacks, its MATCH row, what the file said of it
// (SCOUTMATCH), a GAME row per set with its final score, the players on court, the actions and
// each set's rally log, all in one transaction. A match already stored (Duplicate) is refused
// naming it and where it is, as a RefusalError, and nothing is written. progress, when given, is
// sized and stepped.
Imported Import(const Scout::ScoutMatch& match, ProgressScope* progress = nullptr);

// The working matches as the export's chooser lists them: both names (none for a team deleted
// since) and every game's score, home first, in game order.
struct ListedMatch
{
    RecordId id;
    std::optional<QString> homeName;
    std::optional<QString> awayName;
    QList<std::pair<int, int>> scores;
};
std::vector<ListedMatch> ListMatches();

// A stored match as the export reads it. Throws Scout::ExportError when the match cannot be
// written (gone, a team deleted since).
Scout::RecordedMatch Recorded(const RecordId& match);
// The file's bytes for a stored match.
QByteArray ExportMatch(const RecordId& match);
// "2026-03-05 Eagles vs Hawks.dvw": the match's date and teams, the away team first as every
// caption has them, with nothing a file name cannot hold.
QString FileName(const ListedMatch& match);
// Writes the bytes whole or not at all (the file as it was stays when anything fails); throws
// Scout::ExportError with the system's reason.
void WriteFile(const QString& path, const QByteArray& bytes);

} // namespace ScoutStore

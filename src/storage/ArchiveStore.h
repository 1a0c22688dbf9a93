#pragma once

// The archive of past matches: a second Sidelines database of the same version beside the
// database in use, attached to the shared connection for each operation. The exit copies every
// match of the working tables into it before they are emptied, so that no recorded match is ever
// lost; the user copies matches back for reports. Every function throws DbError when the engine
// refuses, ArchiveStore::ArchiveError when it is the archive file that cannot be used.

#include "storage/Database.h"
#include "base/RecordId.h"

#include <QList>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class ProgressScope;

namespace ArchiveStore {

// The archive file could not be made, read or written (full, read-only, of another version, no
// Sidelines database): message() names the file, path() and reason() give the parts.
class ArchiveError : public DbError
{
public:
    ArchiveError(const QString& path, const QString& reason, const QString& statement);
    QString path() const { return m_path; }
    QString reason() const { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};

// The archive at path attached to the shared connection as the schema "archive" for as long as
// the guard lives, so that statements of other stores may read it beside the working tables (an
// older archive is upgraded first). Attaching needs no transaction open: a guard is made before
// any Transaction and outlives it. A guard made while another holds the same archive finds it
// attached and leaves it so. Throws ArchiveError when the file cannot be used.
class Attached
{
public:
    explicit Attached(const QString& path);
    ~Attached();
    Attached(const Attached&) = delete;
    Attached& operator=(const Attached&) = delete;
};

// "Archive.db" in the folder of the database in use (links resolved), so that each database
// keeps its own archive: for an installed copy the user's data folder, for a portable copy or
// the build tree the program's folder.
QString DefaultPath();
// The archive of the database at that path, whether it is open or not.
QString PathBeside(const QString& database);

// A match kept in the archive, with its teams' names as last seen (none: no such team) and every
// game's score, home first, in game order.
struct ArchivedMatch
{
    RecordId id;
    std::optional<QString> homeName;
    std::optional<QString> awayName;
    QList<std::pair<int, int>> scores;
};

// Copies every match of the working tables into the archive at path (made when missing) in one
// committed transaction, with the teams and players of the working roster, which replace their
// older archived rows. Only what has changed is written: a match already archived as it stands
// is not copied again, one that has changed since (a restored match played on) replaces its
// archived copy, and only new or changed roster rows are written. When nothing has changed the
// archive is only read, so that one that cannot be written still lets the exit go on; with
// nothing recorded and no archive yet, none is made. Returns how many matches were written.
// progress, when given, is sized and stepped through the exit's four stages.
int ArchiveMatches(const QString& path, ProgressScope* progress = nullptr);

// What the exit does: archives, committed, and only then empties the working match tables. A
// process stopped at any moment leaves every match in the working tables, the archive, or both.
void ArchiveThenForget(const QString& path, ProgressScope* progress = nullptr);

// Every archived match, oldest first; none when there is no archive yet.
std::vector<ArchivedMatch> ListMatches(const QString& path);

struct RestoreResult
{
    QList<RecordId> restored;
    QList<RecordId> skipped;  // already among the working matches: left as they are there
};

// Copies the chosen archived matches back into the working tables, in one transaction (all or
// none), with the teams and players they name that the roster no longer has. progress, when
// given, is sized and stepped per match.
RestoreResult Restore(const QString& path, const QList<RecordId>& matches, ProgressScope* progress = nullptr);

}  // namespace ArchiveStore

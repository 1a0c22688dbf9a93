#pragma once

// Every statement between this computer and the club server, a shared PostgreSQL database that
// keeps the matches of every bench of a club (the server's tables: share/sidelines/club/schema.sql).
//
// The two engines hold the same matches in the same columns; the server's rows carry their bench
// (a UUID per installation, since record identifiers are only unique on one machine) and the copy
// of the match they belong to. A match travels as MatchRows: read by one engine's statement,
// written by the other's. Where the engines need different text (no ATTACH or INSERT OR IGNORE on
// the server, how bulk rows are packed, the bench and copy columns), the two stand side by side
// among the club's statements (ClubStatements.h).
//
// The functions that talk to the server run on a ClubCall's worker thread and open their own
// connection there; the local ones run on the window's thread on the shared connection;
// RestoreFromServer, which does both at once, runs the call itself. Every failure throws DbError
// with a message for the user.

#include "storage/ArchiveStore.h"
#include "club/ClubCall.h"
#include "club/ClubSettings.h"
#include "base/RecordId.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <vector>

class ProgressScope;

namespace ClubStore {

// This installation as the server knows it.
struct Bench
{
    QString id;   // the UUID
    QString name;
};

// What the Test button found.
struct Found
{
    QString serverVersion;
    QString user;
    bool tables = false;  // the club's tables are there and this role may read them
    int matches = 0;
    int benches = 0;
};
Found Test(const ClubServer& server, const QString& password, ClubCall& call);

// A saved match that waits for the club server.
struct Waiting
{
    RecordId match;
    QString caption;  // as the match listing names it
    QString digest;
};
// The saved matches in the archive at path that this server does not yet hold as they stand:
// never sent there, or changed since (played on after a restore). Other benches' matches never
// wait. Reads the archive through a connection of its own; none when there is no archive.
std::vector<Waiting> WaitingMatches(const QString& archivePath, const QString& benchId, const ClubServer& server);

// What became of each match a send took on, in order; a send that stops (the server refused, the
// network went) says why in failure, and every match after the stop still waits.
struct Sent
{
    Waiting match;
    bool sent = false;
    bool alreadyThere = false; // sent: the server held it unchanged (a mark lost with a stop)
};
struct SendReport
{
    std::vector<Sent> matches;
    QString failure;
    int sentCount() const;
};

// Sends every waiting match of the archive at path, one transaction per match. A match sent twice
// replaces its earlier copy on the server (the latest copy is the match; none doubles), and is
// marked in the archive as sent only once the server has committed it. Runs on call's worker;
// report is filled as matches go, so that the caller has it even when the call is given up.
void SendWaiting(const QString& archivePath, const Bench& bench, const ClubServer& server, const QString& password,
                 ClubCall& call, SendReport* report);

// A match on the club server: which bench sent it, under what name, and the match as the restore
// window lists it.
struct ServerMatch
{
    QString bench;
    QString benchName;
    ArchiveStore::ArchivedMatch match;
};
std::vector<ServerMatch> ListServerMatches(const ClubServer& server, const QString& password, ClubCall& call);

// The rows of one match, as either engine holds them, in the same columns: the teams and players
// it names (team: TEAMID, TEAMNAME; player: PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER), MATCH and
// GAME as rows; the bulk of a match (PLAYED, PLAY with one column per stat kind, RALLY) packed by
// the engine that read it for the statement of the other that writes it, so that no value of a
// quarter of a million rows passes through the program one by one: each table's rows as one JSON
// array of rows, [[row], [row], ...], in the table's column order, made by one engine's JSON
// functions and taken apart by the other's (the server writes every value of a row as text, which
// the working tables' typed columns make numbers again).
struct MatchRows
{
    QString bench;
    QVariantList match;
    std::vector<QVariantList> teams, players, games;
    QString played, plays, rally;
    // Restoring: every player the match's rows name, so that another bench's are all given theirs.
    QStringList playerIds;
};

struct ServerKey
{
    QString bench;
    RecordId match;
};
// Copies the chosen matches of the server into the working tables, as a restore from the archive
// does: teams and players added where missing, a match already among the working ones skipped, a
// match the server no longer holds left out. Another bench's records keep their identifiers
// unless one of this computer already has it, in which case they take the next free second; the
// archive at archivePath remembers which, so that the same team comes back as the same team, and
// so that no other bench's match is ever sent as this bench's own. The result names the matches
// as the server does.
// Runs call: its workers fetch (and take the rows apart), and the calling thread writes each
// match on the shared connection as it arrives, so that the server's work and the writing
// overlap. All of it or nothing is restored.
ArchiveStore::RestoreResult RestoreFromServer(const ClubServer& server, const QString& password,
                                              const QList<ServerKey>& keys, const QString& archivePath,
                                              const QString& benchId, ClubCall& call);

} // namespace ClubStore

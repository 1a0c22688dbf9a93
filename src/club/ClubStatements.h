#pragma once

// The statements between this computer and the club server, for the club code only, side by
// side: each pair does the same work, on the archive or working tables (SQLite) and on the club
// server (PostgreSQL). Every value is bound; the texts are built from the tables' shapes alone.

#include <QString>

namespace ClubStore {

struct TableShape;

// Reading a match for sending: its rows of a table, and the bulk (PLAYED, PLAY, RALLY) packed as
// one JSON array of rows; the match row; the teams and players it names (for a player count).
QString LocalRead(const TableShape& shape);
QString LocalBulkRead(const TableShape& shape);
extern const QString kLocalMatchRead;
extern const QString kLocalPlayersRead;
QString LocalTeamsRead(int players);

// Reading a match of the server for restoring, in one statement; the players its rows name who
// are on neither roster.
QString ServerMatchRead();
extern const QString kServerMorePlayersRead;

// Writing a match: a table's rows into the working tables; the whole match onto the server.
QString LocalWrite(const TableShape& shape);
QString ServerMatchWrite();
extern const QString kServerBenchWrite;

// What the server holds, for the restore window and the Test button.
extern const QString kServerMatchList;
extern const QString kServerScoreList;
extern const QString kServerCounts;
extern const QString kServerWho;

// The archive's bookkeeping: the matches that wait for the server, and a match marked as sent.
QString WaitingStatement();
extern const QString kMarkSent;

} // namespace ClubStore

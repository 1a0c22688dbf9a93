#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <stdexcept>
#include <vector>

class RecordId;

// A statement the engine refused. Carries the engine's own message, which is what the user is
// shown, and the statement text for the developer.
class DbError : public std::runtime_error
{
public:
    DbError(const QString& message, const QString& statement);
    QString message() const { return m_message; }
    QString statement() const { return m_statement; }

private:
    QString m_message;
    QString m_statement;
};

// What the user is told of a failed statement: the engine's message, or that the database file
// has gone from its place while the program ran (the engine would only call it read-only).
QString DescribeFailure(const DbError& error);
// When the engine's words for a failed write mean that the disk holding file has no room (the
// engine calls it "database or disk is full", or, where its log could not grow, "disk I/O error"),
// says so with the file and the room left; otherwise nothing. bytesFree < 0: unknown.
QString DiskFullReason(const QString& engineMessage, const QString& file, qint64 bytesFree);
// The same for the disk as it stands now.
QString DiskFullReason(const QString& engineMessage, const QString& file);
// The failing statement, for the details of a message ("The statement that failed: ..."); empty
// when the failure was not a statement's.
QString FailureDetails(const DbError& error);

// The shared connection, opened once at start and kept for the life of the process.
namespace Db {
inline constexpr auto kFileName = "Rally2.db";
// The version of the tables this program reads and writes, kept in the file as user_version.
// resources/schema.sql makes version 0; resources/upgrades/N.sql takes a file from N-1 to N.
inline constexpr int kSchemaVersion = 7;

// Opens pubDB on an existing database file with full durability (write-ahead log, synchronous
// FULL). Never creates the file or any of the eight tables: a missing file or a file without them
// fails with a reason in *error, and so does a file of a newer database version. A file of an
// older version is copied beside itself (backupPath), then upgraded in one transaction.
bool open(const QString& path, QString* error);
// Why the engine will not write to the open file (no write permission, a read-only file system,
// a file format it may only read), or empty when it will. Found out at open by a write that is
// rolled back at once; such a file is still opened, for reading.
QString writeRefusal();
// Checkpoints the log into the file, closes and removes the shared connection.
void close();
bool isOpen();
QSqlDatabase connection();

// Writes a fresh database with the tables of schema.sql at path, brought to the given version
// (tests make files of earlier versions). Fails if path exists.
bool createFresh(const QString& path, QString* error, int version = kSchemaVersion);
int schemaVersion();
// Makes sure path holds a Sidelines database of this version, for a file kept apart from the one
// in use (the archive of past matches): a missing (or empty) file is written fresh, whole or not
// at all; an older one is copied beside itself and upgraded in one transaction; a newer one, one
// that is no Sidelines database, or an older one that cannot be written is refused with the
// reason in *error (a phrase that follows the file's name, without it). A file of this version is
// only read, so one that cannot be written is still prepared. Uses a connection of its own,
// closed again.
bool prepareFile(const QString& path, QString* error);
// True when path is a database the engine reads but will not write (no write permission, a
// read-only medium, a file format it may only read): a file that nothing can change. Probed
// with a write that is rolled back, on a connection of its own.
bool isReadOnlyFile(const QString& path);
// The one copy of a file of the given version kept before it is upgraded; a later upgrade of
// the same version replaces it.
QString backupPath(const QString& path, int version);
}  // namespace Db

// The shared connection, as the rest of the program names it.
QSqlDatabase pubDB();

// One prepared statement on pubDB with values bound in order. Every failure throws DbError.
class Query
{
public:
    explicit Query(const QString& sql);
    Query(const QString& sql, std::initializer_list<QVariant> values);
    // For statements whose number of values is known only at run time (IN lists of "?").
    Query(const QString& sql, const QVariantList& values);

    Query& bind(const QVariant& value);
    Query& bind(const RecordId& id);
    Query& exec();

    bool next() { return m_query.next(); }
    QVariant value(int index) const { return m_query.value(index); }
    QVariant value(const QString& name) const { return m_query.value(name); }
    QSqlRecord record() const { return m_query.record(); }
    int numRowsAffected() const { return m_query.numRowsAffected(); }
    QSqlQuery& raw() { return m_query; }

private:
    QString m_sql;
    QSqlQuery m_query;
};

// Runs one statement that returns no rows; returns the number of rows it changed.
int Execute(const QString& sql, std::initializer_list<QVariant> values = {});
int Execute(const QString& sql, const QVariantList& values);
// The same for a statement run again and again (one per recorded action): prepared once on the
// connection and kept until it closes, since preparing it (with the triggers it sets off) costs
// more than running it.
int ExecuteKept(const QString& sql, std::initializer_list<QVariant> values);
int ExecuteKept(const QString& sql, const QVariantList& values);
// Runs a SELECT and returns all its rows, so that callers know the count before walking them
// (the gauge is sized from it).
std::vector<QSqlRecord> SelectAll(const QString& sql, std::initializer_list<QVariant> values = {});
std::vector<QSqlRecord> SelectAll(const QString& sql, const QVariantList& values);
// Binds an identifier as its stored text.
QVariant Bind(const RecordId& id);

// Statements that belong together: committed by commit(), rolled back if the guard goes out of
// scope first (a throw, an early return). Guards nest: one opened inside another is a savepoint
// of the outer one, so a store that owns a table writes its rows the same way whether its caller
// is a window's command or a whole file's import. Only the outermost commit is durable.
class Transaction
{
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    // 0 for the outermost guard; otherwise the number in its savepoint's name.
    int m_level = 0;
    bool m_open = false;
};

// For one long transaction that a pause follows (a season restored at once): while the guard
// lives, no commit copies the log into the file itself; the quiet moment after does, as it does
// after recording, so that the commit waits only for the log's own sync.
class CheckpointAtPause
{
public:
    CheckpointAtPause();
    ~CheckpointAtPause();
    CheckpointAtPause(const CheckpointAtPause&) = delete;
    CheckpointAtPause& operator=(const CheckpointAtPause&) = delete;
};

// Makes sure the stored query SUM_STATS exists as a view of the database; looks only for that
// exact name and never creates a second copy.
void CheckSumStats();

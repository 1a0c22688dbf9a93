#pragma once

#include "base/RecordId.h"
#include "storage/RowBlock.h"

#include <QDateTime>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3_stmt;

// A block of rows that the program took apart itself (RowBlock) written into a table of the
// shared connection in one statement, the way the engine copies rows from table to table: an
// INSERT ... SELECT from a table-valued function of ours (sidelines_rows) that reads the block in
// place. Through the query classes each value was wrapped and copied on its way; and even bound
// one statement per row, the engine's work for each statement cost more than the row's own.
class BlockInsert
{
public:
    using IdMap = std::unordered_map<std::string, std::string>;

    // onConflict, when given, is the statement's upsert clause ("ON CONFLICT (...) DO ...").
    BlockInsert(const QString& table, const QStringList& columns, const QString& onConflict = {});
    ~BlockInsert();
    BlockInsert(const BlockInsert&) = delete;
    BlockInsert& operator=(const BlockInsert&) = delete;

    // Every row of the block, its values in the order of the columns; the text of a column given
    // a map (maps[column], when there) is written as the map has it, where it has it. A refusal
    // throws DbError with the engine's message.
    void insert(const RowBlock& rows, const std::vector<const IdMap*>& maps = {});

    // Makes the engine beneath a connection know sidelines_rows; once for each connection opened.
    static bool enable(const QSqlDatabase& db, QString* error);

private:
    QString m_sql;
    sqlite3_stmt* m_statement = nullptr;
};

// The stored text of identifiers and moments, each made once, for filling a block: the rows of a
// game name the same few players and moments again and again.
class StoredTexts
{
public:
    // Nothing for a null identifier (its cell is a null).
    void add(RowBlock& rows, const RecordId& id);
    // A moment as "yyyy-MM-dd HH:mm:ss".
    void add(RowBlock& rows, const QDateTime& at);

private:
    QHash<RecordId, std::string> m_ids;
    QDateTime m_lastAt;
    std::string m_lastAtText;
};

#pragma once

// Rows read straight from the engine beneath the shared connection, for the few reads that hand
// over tens of thousands of rows at once (a season's rally logs for a report): Qt's query classes
// wrap and copy each value of each row on its way, which cost several times the engine's own
// reading of it. Every failure throws DbError.

#include <QSqlDatabase>
#include <QString>

#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// The engine beneath a connection of Qt's SQLite driver, which hands it out for work its own
// classes do not offer; null when there is none.
sqlite3* SqliteEngine(const QSqlDatabase& db);

class EngineRead
{
public:
    // Prepared on the shared connection.
    explicit EngineRead(const QString& sql);
    ~EngineRead();
    EngineRead(const EngineRead&) = delete;
    EngineRead& operator=(const EngineRead&) = delete;

    // The value of the index-th "?" (from 1).
    void bind(int index, const QString& text);
    // The next row; false after the last.
    bool next();

    bool isNull(int column) const;
    // 0 for a null.
    int number(int column) const;
    // The stored text as the engine holds it (UTF-8), valid until the next row; empty for a null.
    std::string_view bytes(int column) const;
    QString text(int column) const;

private:
    QString m_sql;
    sqlite3_stmt* m_statement = nullptr;
};

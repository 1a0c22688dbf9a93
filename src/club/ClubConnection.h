#pragma once

// The club code's connections, for it only: to the club server, and to a SQLite file on a thread
// of its own. Each thread opens its own: a connection belongs to the thread that opened it. Every
// failure throws DbError with a message for the user.

#include "club/ClubCall.h"
#include "club/ClubSettings.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QSqlError;

namespace ClubStore {

// The statements of one connection, each prepared once and run again with other values, for the
// club server and a local file alike: a statement is known by its text. The server plans each
// once as well (a generic plan: it does not depend on which match).
class PreparedStatements
{
public:
    // What the user reads when the engine refuses.
    using Explainer = std::function<QString(const QSqlError&)>;

    PreparedStatements(const QString& connection, Explainer explain);
    PreparedStatements(const PreparedStatements&) = delete;
    PreparedStatements& operator=(const PreparedStatements&) = delete;

    // The statement, prepared on first use, run with these values.
    QSqlQuery& run(const QString& sql, const QVariantList& values);
    // Every row it finds, value by value.
    std::vector<QVariantList> rows(const QString& sql, const QVariantList& values);
    // Lets go of every statement, as the connection must before it closes.
    void clear() { m_queries.clear(); }

private:
    QString m_connection;
    Explainer m_explain;
    std::map<QString, std::unique_ptr<QSqlQuery>> m_queries;
};

// One connection to the club server, opened on the calling thread with the call's limits (its
// socket held by the call, so that giving up shuts it), and closed with it.
class Server
{
public:
    Server(const ClubServer& server, const QString& password, ClubCall& call);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }
    QSqlQuery& run(const QString& sql, const QVariantList& values) { return m_statements.run(sql, values); }

private:
    ClubServer m_server;
    ClubCall& m_call;
    QString m_name;
    int m_socket = -1;
    PreparedStatements m_statements;
};

// A SQLite file on a connection of this thread's own (the worker's reading of the archive, the
// mapping of another bench's identifiers), written with full durability.
class LocalFile
{
public:
    explicit LocalFile(const QString& path);
    ~LocalFile();
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;

    QSqlQuery& run(const QString& sql, const QVariantList& values) { return m_statements.run(sql, values); }
    std::vector<QVariantList> rows(const QString& sql, const QVariantList& values)
    {
        return m_statements.rows(sql, values);
    }

    void begin() { run(QStringLiteral("BEGIN IMMEDIATE"), {}); }
    void commit() { run(QStringLiteral("COMMIT"), {}); }

private:
    QString m_name;
    PreparedStatements m_statements;
};

// Runs each(on, first) on two connections at once, so that the server works on two statements:
// first 0 on this thread with the connection given, first 1 on a thread of its own with a
// connection of its own. A failure on either sets failed, which both look at, and is thrown once
// both are done. With fewer than two items, only the first runs.
void OnTwoConnections(Server& server, const ClubServer& settings, const QString& password, ClubCall& call, size_t count,
                      std::atomic<bool>& failed, const std::function<void(Server& on, size_t first)>& each);

} // namespace ClubStore

#include "club/ClubConnection.h"

#include "storage/Database.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

#include <dlfcn.h>
#include <exception>
#include <thread>

namespace ClubStore {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ClubStore)
};

QString UniqueName(const char* what)
{
    static std::atomic<int> serial{0};
    return QStringLiteral("sidelines_%1_%2").arg(QLatin1String(what)).arg(++serial);
}

// What the user reads when the server refuses or cannot be reached. The driver hands back the
// server's SQLSTATE for refused statements, and libpq's own words for a connection that failed.
QString Explain(const QSqlError& error, const ClubServer& server, const ClubCall::Limits& limits)
{
    const QString engine = error.databaseText().trimmed().isEmpty() ? error.text().trimmed() : error.databaseText().trimmed();
    const QString code = error.nativeErrorCode();
    const QString host = server.host.isEmpty() ? QStringLiteral("localhost") : server.host;
    auto has = [&engine](const char* words) { return engine.contains(QLatin1String(words), Qt::CaseInsensitive); };
    if (engine.isEmpty())
        return Words::tr("The connection to the club server was lost.");
    if (has("password authentication failed"))
        return Words::tr("The club server refused the password of %1. (%2)").arg(server.user, engine);
    if (has("no password supplied"))
        return Words::tr("The club server asks for a password, and none is kept for %1: type it in File > Club "
                         "Server, or keep it in the PostgreSQL password file (~/.pgpass) of this account. (%2)")
            .arg(server.user, engine);
    if (has("database \"") && has("does not exist"))
        return Words::tr("The club server has no database \"%1\". (%2)").arg(server.database, engine);
    if (has("role \"") && has("does not exist"))
        return Words::tr("The club server has no login role \"%1\". (%2)").arg(server.user, engine);
    if (has("does not match host name"))
        return Words::tr("The club server at %1 could not prove that it is %1: its certificate was made for another "
                         "host, so Sidelines did not connect. (%2)")
            .arg(host, engine);
    if (has("certificate verify failed"))
        return Words::tr("The club server at %1 could not prove that it is %1: its certificate is not signed by the CA "
                         "certificate %2, so Sidelines did not connect. (%3)")
            .arg(host, server.caFile, engine);
    if (has("root certificate file"))
        return Words::tr("The CA certificate file %1 cannot be used. (%2)").arg(server.caFile, engine);
    if (has("server does not support SSL"))
        return Words::tr("The club server at %1 offers no encrypted connection, which a server not on this computer "
                         "must. (%2)")
            .arg(host, engine);
    if (has("timeout expired"))
        return Words::tr("The club server at %1 did not answer within %2 seconds. (%3)")
            .arg(host, QString::number(limits.connectSeconds), engine);
    if (has("Connection refused"))
        return Words::tr("Nothing answers at %1, port %2: the club server is not running there, or a firewall is in "
                         "the way. (%3)")
            .arg(host, QString::number(server.port), engine);
    if (has("could not translate host name"))
        return Words::tr("The name %1 cannot be found: check it, and the network. (%2)").arg(host, engine);
    if (has("No such file or directory") && server.host.startsWith(QLatin1Char('/')))
        return Words::tr("There is no club server at the socket folder %1, port %2. (%3)")
            .arg(host, QString::number(server.port), engine);
    if (has("pg_hba.conf"))
        return Words::tr("The club server does not let %1 in from this computer. (%2)").arg(server.user, engine);
    if (code == QLatin1String("42501") && has("row-level security"))
        return Words::tr("The club server refused to store this bench's matches: the login role %1 may write only its "
                         "own bench's rows, and this bench's identifier belongs to another login role. (%2)")
            .arg(server.user, engine);
    if (code == QLatin1String("42501"))
        return Words::tr("The login role %1 lacks a right that the club server's set-up gives every bench. (%2)")
            .arg(server.user, engine);
    if (code == QLatin1String("42P01") || code == QLatin1String("42703"))
        return Words::tr("The club server's database %1 does not have the Sidelines tables as this Sidelines needs "
                         "them: set it up with schema.sql (see the README). (%2)")
            .arg(server.database, engine);
    if (code == QLatin1String("57014"))
        return Words::tr("The club server took longer than %1 seconds over one statement. (%2)")
            .arg(QString::number(limits.statementMs / 1000), engine);
    // Over TLS a connection cut short reads "SSL SYSCALL error: EOF detected" or "SSL connection
    // has been closed unexpectedly".
    if (code.startsWith(QLatin1String("57P")) || has("server closed the connection") || has("terminating connection")
        || has("no connection to the server") || has("SSL SYSCALL error") || has("EOF detected")
        || has("SSL connection has been closed"))
        return Words::tr("The connection to the club server was lost. (%1)").arg(engine);
    return Words::tr("The club server refused: %1").arg(engine);
}

// libpq's socket of an open connection, so that a call given up can shut it. The driver hands out
// libpq's connection; libpq itself is already loaded with the driver.
int SocketOf(const QSqlDatabase& db)
{
    using SocketFunction = int (*)(const void*);
    static const SocketFunction socketOf = [] {
        void* lib = dlopen("libpq.so.5", RTLD_LAZY | RTLD_NOLOAD);
        return lib ? reinterpret_cast<SocketFunction>(dlsym(lib, "PQsocket")) : nullptr;
    }();
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!socketOf || !handle.isValid() || qstrcmp(handle.typeName(), "pg_conn*") != 0)
        return -1;
    const void* connection = *static_cast<void* const*>(handle.constData());
    return connection ? socketOf(connection) : -1;
}

QString Quoted(const QString& value)
{
    QString out = value;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

} // namespace

PreparedStatements::PreparedStatements(const QString& connection, Explainer explain)
    : m_connection(connection), m_explain(std::move(explain))
{
}

QSqlQuery& PreparedStatements::run(const QString& sql, const QVariantList& values)
{
    std::unique_ptr<QSqlQuery>& q = m_queries[sql];
    if (!q) {
        q = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_connection, false));
        q->setForwardOnly(true);
        if (!q->prepare(sql)) {
            const QString why = m_explain(q->lastError());
            q.reset();
            throw DbError(why, sql);
        }
    }
    for (int i = 0; i < values.size(); ++i)
        q->bindValue(i, values[i]);
    if (!q->exec())
        throw DbError(m_explain(q->lastError()), sql);
    return *q;
}

std::vector<QVariantList> PreparedStatements::rows(const QString& sql, const QVariantList& values)
{
    QSqlQuery& q = run(sql, values);
    std::vector<QVariantList> out;
    const int columns = q.record().count();
    while (q.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row << q.value(i);
        out.push_back(std::move(row));
    }
    q.finish();
    return out;
}

Server::Server(const ClubServer& server, const QString& password, ClubCall& call)
    : m_server(server), m_call(call), m_name(UniqueName("club")),
      m_statements(m_name, [this](const QSqlError& error) { return Explain(error, m_server, m_call.limits()); })
{
    if (const QString problem = ClubSettings::Problem(server); !problem.isEmpty())
        throw DbError(problem, QString());
    if (!server.isSet())
        throw DbError(Words::tr("No club server is set up: see File > Club Server."), QString());
    const ClubCall::Limits& limits = call.limits();
    QStringList options{
        QStringLiteral("connect_timeout=%1").arg(qMax(2, limits.connectSeconds)),
        // A dead link is noticed by unanswered packets, and while waiting for an answer by
        // unanswered keepalive probes, within networkMs either way.
        QStringLiteral("tcp_user_timeout=%1").arg(limits.networkMs),
        QStringLiteral("keepalives=1"),
        QStringLiteral("keepalives_idle=%1").arg(qMax(1, limits.networkMs / 2000)),
        QStringLiteral("keepalives_interval=1"),
        QStringLiteral("keepalives_count=2"),
        QStringLiteral("application_name=Sidelines"),
        // Every statement is prepared once and run per match: planned once too, rather than
        // anew for each match (the plan does not depend on which match).
        QStringLiteral("options='-c statement_timeout=%1 -c plan_cache_mode=force_generic_plan'").arg(limits.statementMs),
    };
    if (!server.caFile.isEmpty())
        options << QStringLiteral("sslmode=verify-full") << QStringLiteral("sslrootcert=%1").arg(Quoted(server.caFile));
    else if (server.host.startsWith(QLatin1Char('/')))
        options << QStringLiteral("sslmode=disable");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        if (!db.isValid())
            throw DbError(Words::tr("The PostgreSQL driver of Qt is not installed (Debian package "
                                    "libqt6sql6-psql)."),
                          QString());
        db.setHostName(server.host);
        db.setPort(server.port);
        db.setDatabaseName(server.database);
        db.setUserName(server.user);
        db.setPassword(password);
        db.setConnectOptions(options.join(QLatin1Char(';')));
        if (!db.open()) {
            const QString why = Explain(db.lastError(), server, limits);
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            m_name.clear();
            throw DbError(why, QString());
        }
        m_socket = SocketOf(db);
        m_call.holdSocket(m_socket);
    }
}

Server::~Server()
{
    m_statements.clear();
    if (m_name.isEmpty())
        return;
    m_call.releaseSocket(m_socket);
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

LocalFile::LocalFile(const QString& path)
    : m_name(UniqueName("clubfile")), m_statements(m_name, [](const QSqlError& error) { return error.text(); })
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open()) {
        const QString why = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
        m_name.clear();
        throw DbError(why, QString());
    }
    run(QStringLiteral("PRAGMA synchronous = FULL"), {});
}

LocalFile::~LocalFile()
{
    m_statements.clear();
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

void OnTwoConnections(Server& server, const ClubServer& settings, const QString& password, ClubCall& call, size_t count,
                      std::atomic<bool>& failed, const std::function<void(Server& on, size_t first)>& each)
{
    if (count < 2) {
        each(server, 0);
        return;
    }
    std::exception_ptr otherFailure;
    std::thread other([&] {
        try {
            Server second(settings, password, call);
            each(second, 1);
        } catch (...) {
            otherFailure = std::current_exception();
            failed = true;
        }
    });
    try {
        each(server, 0);
    } catch (...) {
        failed = true;
        other.join();
        throw;
    }
    other.join();
    if (otherFailure)
        std::rethrow_exception(otherFailure);
}

} // namespace ClubStore

#pragma once

// A throwaway PostgreSQL 15 server for the club server's tests and benchmarks: made in a temporary
// folder, run as the "postgres" user when the tests run as root (initdb refuses root), reached
// through a unix socket in that folder and over TLS on 127.0.0.1, and stopped at the end. No
// system service is used or touched. The club's database is set up with the program's own
// schema.sql and roles.sql, as the README tells a club to.

#include "club/ClubSettings.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class PgCluster
{
public:
    PgCluster();
    ~PgCluster();
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    // Makes the cluster and starts it; false with the reason in error().
    bool start();
    // Stops it as a crash would (-m immediate) or cleanly, and starts it again on the same files.
    bool stop(bool immediate = true);
    bool startAgain();
    bool running() const { return m_running; }
    QString error() const { return m_error; }

    QString folder() const { return m_dir ? m_dir->path() : QString(); }
    int port() const { return m_port; }
    // The CA that signed both of the server's certificates.
    QString caFile() const;
    // Which certificate the server shows over TLS: one made for 127.0.0.1, or one for another host.
    bool showCertificateFor(bool thisHost);

    // Runs SQL as the superuser in a database (stdin to psql, stopping at the first error).
    bool psql(const QString& sql, const QString& database = QStringLiteral("postgres"), QString* output = nullptr);
    // The first value the statement returns, or empty.
    QString value(const QString& sql, const QString& database = QStringLiteral("postgres"));

    // A club database made with schema.sql and roles.sql, and a login role per bench.
    bool makeClubDatabase(const QString& name);
    bool addBench(const QString& role, const QString& password);

    // How a bench reaches the server: through the socket folder, or over TLS to 127.0.0.1 with the
    // cluster's CA.
    ClubServer socketServer(const QString& database, const QString& user) const;
    ClubServer tlsServer(const QString& database, const QString& user) const;

    // The one server of a test executable, started on first use and stopped when the application
    // ends. Null (with a warning) when it cannot start.
    static PgCluster* Shared();

private:
    bool run(const QString& program, const QStringList& arguments, bool asServerUser, QString* output = nullptr,
             const QByteArray& input = QByteArray());
    bool writeServerSettings(bool thisHost);

    std::unique_ptr<QTemporaryDir> m_dir;
    int m_port = 0;
    bool m_running = false;
    bool m_asRoot = false;
    bool m_watching = false;
    QString m_error;
};

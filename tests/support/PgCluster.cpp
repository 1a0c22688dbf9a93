#include "support/PgCluster.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QThread>

#include <unistd.h>

namespace {
const QString kBin = QStringLiteral("/usr/lib/postgresql/15/bin/");

QString SqlFolder()
{
    return QStringLiteral(SIDELINES_CLUB_SQL);
}

bool WriteFile(const QString& path, const QByteArray& contents)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(contents) == contents.size();
}

// Fixed arguments written as one text, apart by blanks (paths, which may hold blanks, go apart).
QStringList Words(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

int FreePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 54329;
}
} // namespace

PgCluster::PgCluster() : m_asRoot(::geteuid() == 0) {}

PgCluster::~PgCluster()
{
    if (m_running)
        stop(true);
}

bool PgCluster::run(const QString& program, const QStringList& arguments, bool asServerUser, QString* output,
                    const QByteArray& input)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (asServerUser && m_asRoot)
        p.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), program} + arguments);
    else
        p.start(program, arguments);
    if (!p.waitForStarted(10000)) {
        m_error = program + QStringLiteral(": ") + p.errorString();
        return false;
    }
    if (!input.isEmpty())
        p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    const QString said = QString::fromLocal8Bit(p.readAll());
    if (output)
        *output = said;
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        m_error = program + QStringLiteral(" failed: ") + said;
        return false;
    }
    return true;
}

QString PgCluster::caFile() const
{
    return folder() + QStringLiteral("/ca.crt");
}

bool PgCluster::start()
{
    m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/sidelines-pg-XXXXXX"));
    if (!m_dir->isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    const QString dir = folder();
    // The server runs as another user: it must reach the folder and own its data.
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                   | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                   | QFileDevice::ExeOther);
    if (m_asRoot && !run(QStringLiteral("chown"), {QStringLiteral("postgres:"), dir}, false))
        return false;
    // A CA and two certificates signed by it: one for 127.0.0.1, one for another host.
    const QString openssl = QStringLiteral("openssl");
    WriteFile(dir + QStringLiteral("/this.ext"), "subjectAltName=IP:127.0.0.1\n");
    WriteFile(dir + QStringLiteral("/other.ext"), "subjectAltName=DNS:club.example.invalid\n");
    const QStringList ec = Words("-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes");
    if (!run(openssl, Words("req -x509 -days 30 -subj") << QStringLiteral("/CN=Sidelines test CA") << ec << QStringLiteral("-keyout")
                          << dir + QStringLiteral("/ca.key") << QStringLiteral("-out") << caFile(),
             true))
        return false;
    for (const QString& name : {QStringLiteral("this"), QStringLiteral("other")}) {
        const QString base = dir + QLatin1Char('/') + name;
        const QString subject = name == QLatin1String("this") ? QStringLiteral("/CN=127.0.0.1")
                                                               : QStringLiteral("/CN=club.example.invalid");
        if (!run(openssl, Words("req -subj") << subject << ec << QStringLiteral("-keyout") << base + QStringLiteral(".key")
                                             << QStringLiteral("-out") << base + QStringLiteral(".csr"),
                 true)
            || !run(openssl, Words("x509 -req -CAcreateserial -days 30 -in") << base + QStringLiteral(".csr") << QStringLiteral("-CA")
                                 << caFile() << QStringLiteral("-CAkey") << dir + QStringLiteral("/ca.key") << QStringLiteral("-out")
                                 << base + QStringLiteral(".crt") << QStringLiteral("-extfile") << base + QStringLiteral(".ext"),
                    true)
            || !run(QStringLiteral("chmod"), {QStringLiteral("600"), base + QStringLiteral(".key")}, true))
            return false;
    }
    if (!run(kBin + QStringLiteral("initdb"),
             Words("-U postgres -A trust -E UTF8 --locale=C.UTF-8 --no-sync -D") << dir + QStringLiteral("/data"), true))
        return false;
    // The superuser over the socket without a password (the tests' own set-up); every bench with
    // its password, over the socket or over TLS, as the README sets a club's server up.
    const QByteArray hba = "local all postgres trust\n"
                           "local all all scram-sha-256\n"
                           "hostssl all all 127.0.0.1/32 scram-sha-256\n";
    if (!run(QStringLiteral("sh"),
             {QStringLiteral("-c"), QStringLiteral("cat > '%1/data/pg_hba.conf' && echo \"include 'sidelines.conf'\" >> "
                                                   "'%1/data/postgresql.conf'")
                                        .arg(dir)},
             true, nullptr, hba))
        return false;
    m_port = FreePort();
    if (!writeServerSettings(true))
        return false;
    return startAgain();
}

bool PgCluster::writeServerSettings(bool thisHost)
{
    const QString dir = folder();
    const QString cert = thisHost ? QStringLiteral("this") : QStringLiteral("other");
    const QByteArray settings = QStringLiteral("listen_addresses = '127.0.0.1'\n"
                                               "port = %1\n"
                                               "unix_socket_directories = '%2'\n"
                                               "fsync = off\n"
                                               "ssl = on\n"
                                               "ssl_cert_file = '%2/%3.crt'\n"
                                               "ssl_key_file = '%2/%3.key'\n")
                                    .arg(m_port)
                                    .arg(dir, cert)
                                    .toUtf8();
    return run(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("cat > '%1/data/sidelines.conf'").arg(dir)}, true,
               nullptr, settings);
}

bool PgCluster::startAgain()
{
    const QString dir = folder();
    if (!run(kBin + QStringLiteral("pg_ctl"),
             Words("-w -D") << dir + QStringLiteral("/data") << QStringLiteral("-l") << dir + QStringLiteral("/log")
                            << QStringLiteral("start"),
             true))
        return false;
    m_running = true;
    if (!m_watching) {
        // A test process that dies (a crash, a timeout's kill) cannot stop its server: this watcher
        // does, and takes the folder away, once the process is gone.
        m_watching = true;
        QProcess watcher;
        watcher.setProgram(QStringLiteral("sh"));
        watcher.setArguments(
            {QStringLiteral("-c"),
             QStringLiteral("while [ -d /proc/%1 ]; do sleep 1; done; [ -d '%2/data' ] || exit 0; %3 '%4pg_ctl' -D '%2/data' "
                            "-m immediate -w stop; rm -rf '%2'")
                 .arg(QCoreApplication::applicationPid())
                 .arg(dir, m_asRoot ? QStringLiteral("runuser -u postgres --") : QString(), kBin)});
        watcher.setStandardInputFile(QProcess::nullDevice());
        watcher.setStandardOutputFile(QProcess::nullDevice());
        watcher.setStandardErrorFile(QProcess::nullDevice());
        watcher.startDetached();
    }
    return true;
}

bool PgCluster::stop(bool immediate)
{
    if (!m_running)
        return true;
    m_running = false;
    return run(kBin + QStringLiteral("pg_ctl"),
               Words(immediate ? "-w -m immediate -D" : "-w -m fast -D") << folder() + QStringLiteral("/data")
                                                                        << QStringLiteral("stop"),
               true);
}

bool PgCluster::showCertificateFor(bool thisHost)
{
    return writeServerSettings(thisHost) && psql(QStringLiteral("SELECT pg_reload_conf();"));
}

bool PgCluster::psql(const QString& sql, const QString& database, QString* output)
{
    return run(QStringLiteral("psql"),
               Words("-X -q -A -t -v ON_ERROR_STOP=1 -U postgres -f - -p") << QString::number(m_port) << QStringLiteral("-h")
                   << folder() << QStringLiteral("-d") << database,
               false, output, sql.toUtf8());
}

QString PgCluster::value(const QString& sql, const QString& database)
{
    QString out;
    return psql(sql, database, &out) ? out.trimmed() : QString();
}

bool PgCluster::makeClubDatabase(const QString& name)
{
    QFile schema(SqlFolder() + QStringLiteral("/schema.sql"));
    QFile roles(SqlFolder() + QStringLiteral("/roles.sql"));
    if (!schema.open(QIODevice::ReadOnly) || !roles.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("schema.sql or roles.sql not found in ") + SqlFolder();
        return false;
    }
    return psql(QStringLiteral("CREATE DATABASE %1;").arg(name))
           && psql(QString::fromUtf8(schema.readAll() + "\n" + roles.readAll()), name);
}

bool PgCluster::addBench(const QString& role, const QString& password)
{
    return psql(QStringLiteral("\\set role '%1'\n\\set pw '%2'\n"
                               "DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'benches') THEN "
                               "CREATE ROLE benches NOLOGIN; END IF; "
                               "IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = '%1') THEN "
                               "CREATE ROLE %1 LOGIN IN ROLE benches; END IF; END $$;\n"
                               "ALTER ROLE :\"role\" PASSWORD :'pw';\n")
                    .arg(role, password));
}

ClubServer PgCluster::socketServer(const QString& database, const QString& user) const
{
    ClubServer s;
    s.host = folder();
    s.port = m_port;
    s.database = database;
    s.user = user;
    return s;
}

ClubServer PgCluster::tlsServer(const QString& database, const QString& user) const
{
    ClubServer s = socketServer(database, user);
    s.host = QStringLiteral("127.0.0.1");
    s.caFile = caFile();
    return s;
}

namespace {
std::unique_ptr<PgCluster>& shared()
{
    static std::unique_ptr<PgCluster> cluster;
    return cluster;
}

void StopShared()
{
    shared().reset();
}
} // namespace

PgCluster* PgCluster::Shared()
{
    static bool started = false;
    if (!shared()) {
        shared() = std::make_unique<PgCluster>();
        started = shared()->start();
        if (!started)
            qWarning("PostgreSQL test server: %s", qPrintable(shared()->error()));
        qAddPostRoutine(StopShared);
    }
    // Once started, it is the same server whether a test has stopped it for a while or not.
    return started ? shared().get() : nullptr;
}

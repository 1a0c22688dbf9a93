#include "club/ClubSettings.h"

#include "storage/Settings.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSysInfo>
#include <QTimer>
#include <QUuid>

#include <qt6keychain/keychain.h>

namespace {
const QString kGroup = QStringLiteral("Club");
// The key store's entries of this program are filed under this service.
const QString kService = QStringLiteral("Sidelines club server");

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ClubSettings)
};

std::optional<QString>& sessionPassword()
{
    static std::optional<QString> password;
    return password;
}
} // namespace

bool ClubServer::isLocal() const
{
    return host.isEmpty() || host.startsWith(QLatin1Char('/')) || host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
}

QString ClubServer::describe() const
{
    return user + QLatin1Char('@') + place();
}

QString ClubServer::place() const
{
    return (host.isEmpty() ? QStringLiteral("localhost") : host) + QLatin1Char(':') + QString::number(port)
           + QLatin1Char('/') + database;
}

namespace ClubSettings {

ClubServer Server()
{
    ClubServer s;
    s.host = GetSetting(kGroup, QStringLiteral("Host"), QString());
    bool ok = false;
    const int port = GetSetting(kGroup, QStringLiteral("Port"), QStringLiteral("5432")).toInt(&ok);
    s.port = ok ? port : 5432;
    s.database = GetSetting(kGroup, QStringLiteral("Database"), QString());
    s.user = GetSetting(kGroup, QStringLiteral("User"), QString());
    s.caFile = GetSetting(kGroup, QStringLiteral("CACertificate"), QString());
    return s;
}

void SaveServer(const ClubServer& server)
{
    SaveSetting(kGroup, QStringLiteral("Host"), server.host);
    SaveSetting(kGroup, QStringLiteral("Port"), QString::number(server.port));
    SaveSetting(kGroup, QStringLiteral("Database"), server.database);
    SaveSetting(kGroup, QStringLiteral("User"), server.user);
    SaveSetting(kGroup, QStringLiteral("CACertificate"), server.caFile);
}

QString Problem(const ClubServer& server)
{
    if (server.host.isEmpty() && server.database.isEmpty() && server.user.isEmpty())
        return {};
    if (server.database.isEmpty())
        return Words::tr("Name the club server's database.");
    if (server.user.isEmpty())
        return Words::tr("Name this bench's login role on the club server (the user).");
    if (server.port < 1 || server.port > 65535)
        return Words::tr("The port must be a number from 1 to 65535.");
    if (server.caFile.isEmpty()) {
        if (!server.isLocal())
            return Words::tr(
                       "The club server %1 is not on this computer, so it must prove itself with its certificate: "
                       "choose the CA certificate file that signed it.")
                .arg(server.host);
        return {};
    }
    // The driver takes its options separated by ';', so such a path would be cut in two.
    if (server.caFile.contains(QLatin1Char(';')))
        return Words::tr("The path of the CA certificate file must not contain ';'.");
    const QFileInfo ca(server.caFile);
    if (!ca.isFile() || !ca.isReadable())
        return Words::tr("The CA certificate file %1 cannot be read.").arg(server.caFile);
    return {};
}

std::optional<ClubServer> FromConnectionString(const QString& input, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    ClubServer server;
    server.port = 5432;
    qsizetype i = 0;
    const qsizetype n = input.size();
    auto skipSpace = [&] {
        while (i < n && input.at(i).isSpace())
            ++i;
    };
    bool any = false;
    for (skipSpace(); i < n; skipSpace()) {
        const qsizetype keyStart = i;
        while (i < n && !input.at(i).isSpace() && input.at(i) != QLatin1Char('='))
            ++i;
        const QString key = input.mid(keyStart, i - keyStart);
        skipSpace();
        if (key.isEmpty() || i >= n || input.at(i) != QLatin1Char('='))
            return fail(Words::tr("Expected key=value pairs such as \"host=club.example port=5432 dbname=season "
                                  "user=bench_hall\", not \"%1\".")
                            .arg(input.mid(keyStart)));
        ++i;
        skipSpace();
        QString value;
        if (i < n && input.at(i) == QLatin1Char('\'')) {
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar c = input.at(i++);
                if (c == QLatin1Char('\\') && i < n) {
                    value += input.at(i++);
                } else if (c == QLatin1Char('\'')) {
                    closed = true;
                    break;
                } else {
                    value += c;
                }
            }
            if (!closed)
                return fail(Words::tr("The value of %1 has no closing quote.").arg(key));
        } else {
            while (i < n && !input.at(i).isSpace()) {
                const QChar c = input.at(i++);
                if (c == QLatin1Char('\\') && i < n)
                    value += input.at(i++);
                else
                    value += c;
            }
        }
        any = true;
        if (key == QLatin1String("host")) {
            server.host = value;
        } else if (key == QLatin1String("port")) {
            bool ok = false;
            server.port = value.toInt(&ok);
            if (!ok)
                return fail(Words::tr("The port must be a number from 1 to 65535."));
        } else if (key == QLatin1String("dbname")) {
            server.database = value;
        } else if (key == QLatin1String("user")) {
            server.user = value;
        } else if (key == QLatin1String("sslrootcert")) {
            server.caFile = value.isEmpty() ? value : QFileInfo(value).absoluteFilePath();
        } else if (key == QLatin1String("password")) {
            return fail(Words::tr("A password is never given on the command line. Type it in File > Club Server, or "
                                  "keep it in the PostgreSQL password file (~/.pgpass) of the account that sends."));
        } else {
            return fail(Words::tr("Unknown key \"%1\": the club server is named by host, port, dbname, user and "
                                  "sslrootcert.")
                            .arg(key));
        }
    }
    if (!any || !server.isSet())
        return fail(Words::tr("Name at least the database (dbname=...) and this bench's login role (user=...)."));
    if (const QString problem = Problem(server); !problem.isEmpty())
        return fail(problem);
    return server;
}

QString BenchId()
{
    const QString stored = GetSetting(kGroup, QStringLiteral("BenchId"), QString());
    if (!QUuid::fromString(stored).isNull())
        return QUuid::fromString(stored).toString(QUuid::WithoutBraces);
    const QString made = QUuid::createUuid().toString(QUuid::WithoutBraces);
    SaveSetting(kGroup, QStringLiteral("BenchId"), made);
    return made;
}

QString BenchName()
{
    const QString name = GetSetting(kGroup, QStringLiteral("BenchName"), QString()).trimmed();
    if (!name.isEmpty())
        return name;
    const QString machine = QSysInfo::machineHostName();
    return machine.isEmpty() ? Words::tr("This bench") : machine;
}

void SetBenchName(const QString& name)
{
    SaveSetting(kGroup, QStringLiteral("BenchName"), name.trimmed());
}

std::optional<QString> SessionPassword()
{
    return sessionPassword();
}

void SetSessionPassword(const std::optional<QString>& password)
{
    sessionPassword() = password;
}

} // namespace ClubSettings

namespace KeyStore {

namespace {
// Runs a key store job to its end, or until the time is up: the store sits behind D-Bus, and an
// unanswered call must not hold the program.
Answer Run(QKeychain::Job* job, int timeoutMs)
{
    Answer answer;
    answer.error = Words::tr("The key store did not answer within %1 seconds.").arg(timeoutMs / 1000);
    QEventLoop loop;
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    // The loop is the context: a job that answers after the wait was given up talks to no one.
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&answer, &loop](QKeychain::Job* done) {
        switch (done->error()) {
        case QKeychain::NoError:
            answer.reachable = true;
            answer.error.clear();
            if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(done))
                answer.password = read->textData();
            break;
        case QKeychain::EntryNotFound:
            answer.reachable = true;
            answer.error.clear();
            break;
        default:
            answer.reachable = false;
            answer.error = done->errorString().isEmpty()
                ? Words::tr("The key store refused (error %1).").arg(int(done->error()))
                : done->errorString();
            break;
        }
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    job->start();
    loop.exec();
    return answer;
}
} // namespace

Answer ReadPassword(const QString& name, int timeoutMs)
{
    auto* job = new QKeychain::ReadPasswordJob(kService);
    job->setKey(name);
    return Run(job, timeoutMs);
}

Answer WritePassword(const QString& name, const QString& password, int timeoutMs)
{
    auto* job = new QKeychain::WritePasswordJob(kService);
    job->setKey(name);
    job->setTextData(password);
    return Run(job, timeoutMs);
}

} // namespace KeyStore

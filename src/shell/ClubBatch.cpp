#include "shell/ClubBatch.h"

#include "storage/ArchiveStore.h"
#include "club/ClubCall.h"
#include "club/ClubSettings.h"
#include "club/ClubStore.h"
#include "storage/DataPlace.h"
#include "storage/Database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace ClubBatch {

namespace {
const QString kServerOption = QStringLiteral("club-server");
const QString kSendOption = QStringLiteral("send-club");

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ClubBatch)
};

void Out(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

void Err(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stderr);
}

int StoreServer(const QString& settings)
{
    QString error;
    const std::optional<ClubServer> server = ClubSettings::FromConnectionString(settings, &error);
    if (!server) {
        Err(error);
        return 2;
    }
    ClubSettings::SaveServer(*server);
    Out(Words::tr("Club server: %1 (bench \"%2\", %3). The password is typed in File > Club Server, or kept in the "
                  "PostgreSQL password file (~/.pgpass) of the account that sends.")
            .arg(server->describe(), ClubSettings::BenchName(), ClubSettings::BenchId()));
    return 0;
}

int SendWaiting()
{
    const ClubServer server = ClubSettings::Server();
    if (!server.isSet()) {
        Err(Words::tr("No club server is set up. Name it first: sidelines --club-server \"host=... port=... dbname=... "
                      "user=...\""));
        return 1;
    }
    // The archive beside the database the program itself would open; the database is not opened,
    // so a copy running on it meanwhile is no hindrance.
    const QString dir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const DataPlace place = DataPlaces::Choose(dir, DataPlaces::IsWritableFolder(dir), DataPlaces::UserDataFolder());
    if (!place.ok()) {
        Err(place.error);
        return 1;
    }
    const QString archive = ArchiveStore::PathBeside(place.database);
    if (!QFileInfo::exists(archive)) {
        Out(Words::tr("No match waits for the club server."));
        return 0;
    }
    QString error;
    if (!Db::prepareFile(archive, &error)) {
        Err(Words::tr("The archive of saved matches %1 cannot be used: %2").arg(archive, error));
        return 1;
    }
    // The key store's password when one is kept there and a session lets us ask; otherwise libpq's
    // own: the password file, or PGPASSWORD.
    const KeyStore::Answer kept = KeyStore::ReadPassword(server.describe(), 3000);
    const QString password = kept.password.value_or(QString());

    ClubStore::SendReport report;
    const ClubStore::Bench bench{ClubSettings::BenchId(), ClubSettings::BenchName()};
    ClubCall call(ClubCall::Limits::Window());
    QString failure;
    try {
        call.run([&](ClubCall& c) { ClubStore::SendWaiting(archive, bench, server, password, c, &report); },
                 [](int, int, const QString& sent) {
                     if (!sent.isEmpty())
                         Out(Words::tr("sent: %1").arg(sent));
                 });
    } catch (const DbError& e) {
        failure = e.message();
    }
    if (report.matches.empty() && failure.isEmpty()) {
        Out(Words::tr("No match waits for the club server."));
        return 0;
    }
    for (const ClubStore::Sent& s : report.matches) {
        if (s.alreadyThere)
            Out(Words::tr("already on the server: %1").arg(s.match.caption));
    }
    for (const ClubStore::Sent& s : report.matches) {
        if (!s.sent)
            Out(Words::tr("waiting: %1").arg(s.match.caption));
    }
    if (!failure.isEmpty()) {
        Err(failure);
        Err(Words::tr("%1 of %2 matches went to the club server; %3 wait for the next send.")
                .arg(report.sentCount())
                .arg(report.matches.size())
                .arg(report.matches.size() - size_t(report.sentCount())));
        return 1;
    }
    return 0;
}
} // namespace

void AddOptions(QCommandLineParser& parser)
{
    parser.addOption(
        QCommandLineOption(kServerOption,
                           Words::tr("Keeps the club server's settings, in libpq's form: \"host=... port=... "
                                     "dbname=... user=... sslrootcert=...\" (no password)."),
                           Words::tr("settings")));
    parser.addOption(QCommandLineOption(kSendOption, Words::tr("Sends every match waiting for the club server.")));
}

std::optional<int> Run(const QCommandLineParser& parser)
{
    if (parser.isSet(kServerOption))
        return StoreServer(parser.value(kServerOption));
    if (parser.isSet(kSendOption))
        return SendWaiting();
    return std::nullopt;
}

} // namespace ClubBatch

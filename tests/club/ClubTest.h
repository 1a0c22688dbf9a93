#pragma once

// What the club server's tests share: the one PostgreSQL server of the executable with its bench
// login roles, a fresh club database per test, sending and restoring as the program does, and
// reading both sides for comparison.

#include "storage/ArchiveStore.h"
#include "club/ClubCall.h"
#include "club/ClubSettings.h"
#include "club/ClubStore.h"
#include "storage/ReportQuery.h"
#include "storage/ReportStore.h"
#include "support/ClubSeed.h"
#include "support/Fixture.h"
#include "support/PgCluster.h"

#include <QSqlQuery>

namespace club {

// The benches' login roles and their passwords.
inline QString Password(const QString& role)
{
    return QStringLiteral("pw-") + role;
}

// The shared server with the four bench roles; null when it cannot start.
inline PgCluster* Server()
{
    PgCluster* pg = PgCluster::Shared();
    static bool roles = false;
    if (pg && !roles) {
        for (const char* role : {"bench_a", "bench_b", "bench_c", "bench_d"})
            if (!pg->psql(QStringLiteral("SELECT 1;")) || !pg->addBench(QLatin1String(role), Password(QLatin1String(role)))) {
                qWarning("bench role: %s", qPrintable(pg->error()));
                return nullptr;
            }
        roles = true;
    }
    return pg;
}

// The club's database, emptied for each test that asks for it: made once with schema.sql and
// roles.sql (making one per test cost a second each).
inline QString NewDatabase()
{
    static bool made = false;
    const QString name = QStringLiteral("club");
    if (!Server())
        return name;
    if (!made) {
        made = Server()->makeClubDatabase(name);
        if (!made)
            qWarning("club database: %s", qPrintable(Server()->error()));
    } else if (!Server()->psql(QStringLiteral("TRUNCATE BENCH, TEAM, PLAYER, MATCH, GAME, PLAYED, PLAY, RALLY;"), name)) {
        qWarning("club database: %s", qPrintable(Server()->error()));
    }
    return name;
}

// What each test of a bench starts from: a database file of its own, the club database emptied
// and no password kept from the test before.
inline std::unique_ptr<TestApp> FreshBench(QString* clubDatabase)
{
    auto app = std::make_unique<TestApp>();
    *clubDatabase = NewDatabase();
    ClubSettings::SetSessionPassword(std::nullopt);
    return app;
}

// Another installation (its own folder, settings and bench) in place of the test's: the old one's
// end closes the shared connection, before the new one opens.
inline void AnotherInstallation(std::unique_ptr<TestApp>& app)
{
    app.reset();
    app = std::make_unique<TestApp>();
}

inline ClubStore::Bench ThisBench()
{
    return {ClubSettings::BenchId(), ClubSettings::BenchName()};
}

// Sends what waits in this bench's archive as the program does; the failure, if any, in *failure.
inline ClubStore::SendReport Send(const ClubServer& server, const QString& password, QString* failure = nullptr)
{
    ClubStore::SendReport report;
    ClubCall call(ClubCall::Limits::Window());
    try {
        // Found here: the database it stands beside is open on this thread, not the call's.
        const QString archive = ArchiveStore::DefaultPath();
        call.run([&](ClubCall& c) { ClubStore::SendWaiting(archive, ThisBench(), server, password, c, &report); });
    } catch (const DbError& e) {
        if (failure)
            *failure = e.message();
    }
    return report;
}

// The matches of this bench's archive waiting for the server as this bench names it.
inline int WaitingCount(const ClubServer& server)
{
    return int(ClubStore::WaitingMatches(ArchiveStore::DefaultPath(), ClubSettings::BenchId(), server).size());
}

// The bench's matches recorded and left through the exit, as the program keeps them.
inline void RecordAndLeave(const SeasonShape& shape)
{
    SeedSeason(shape);
    ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath());
}

// Every match of this bench's archive, back in its working tables.
inline void RestoreArchive()
{
    QList<RecordId> all;
    for (const ArchiveStore::ArchivedMatch& m : ArchiveStore::ListMatches(ArchiveStore::DefaultPath()))
        all << m.id;
    ArchiveStore::Restore(ArchiveStore::DefaultPath(), all);
}

// Every match the server holds, as a restore names them.
inline QList<ClubStore::ServerKey> ServerKeys(const ClubServer& server, const QString& password)
{
    QList<ClubStore::ServerKey> keys;
    ClubCall call(ClubCall::Limits::Window());
    call.run([&](ClubCall& c) {
        for (const ClubStore::ServerMatch& m : ClubStore::ListServerMatches(server, password, c))
            keys << ClubStore::ServerKey{m.bench, m.match.id};
    });
    return keys;
}

// Every match the server holds, restored into the working tables of this bench.
inline ArchiveStore::RestoreResult RestoreAll(const ClubServer& server, const QString& password)
{
    const QList<ClubStore::ServerKey> keys = ServerKeys(server, password);
    ClubCall call(ClubCall::Limits::Window());
    return ClubStore::RestoreFromServer(server, password, keys, ArchiveStore::DefaultPath(), ClubSettings::BenchId(), call);
}

// The tables a match and its teams are kept in.
inline const QStringList kMatchTables{"TEAM", "PLAYER", "MATCH", "GAME", "PLAYED", "PLAY", "RALLY"};

// Every row of a file's match and roster tables, table by table.
inline QStringList Dump(const QString& path, const QStringList& tables = kMatchTables + QStringList{"CLUBSENT", "CLUBRECORD"})
{
    QStringList out;
    for (const QString& table : tables)
        out << table << FileRows(path, QStringLiteral("SELECT * FROM ") + table);
    return out;
}

// Per saved match of a file: its games, line-ups, actions and rally entries.
inline QStringList LocalShapes(const QString& path)
{
    const QString games = QStringLiteral("(SELECT GAMEID FROM GAME G WHERE G.MATCHID = M.MATCHID)");
    return FileRows(path, QStringLiteral("SELECT M.MATCHID, (SELECT COUNT(*) FROM GAME G WHERE G.MATCHID = M.MATCHID), "
                                         "(SELECT COUNT(*) FROM PLAYED WHERE GAMEID IN %1), (SELECT COUNT(*) FROM PLAY "
                                         "WHERE GAMEID IN %1), (SELECT COUNT(*) FROM RALLY WHERE GAMEID IN %1) FROM MATCH M")
                                  .arg(games));
}

// The same per match of one bench on the server, as readers see it (the copy the match row names);
// a match row counts once however often it was sent.
inline QStringList ServerShapes(const QString& database, const QString& bench)
{
    const QString copy = QStringLiteral("X.BENCH = M.BENCH AND X.MATCHID = M.MATCHID AND X.COPY = M.COPY");
    const QString out = Server()->value(
        QStringLiteral("SELECT string_agg(line, E'\\n' ORDER BY line) FROM (SELECT M.MATCHID || '|' || "
                       "(SELECT COUNT(*) FROM GAME X WHERE %1) || '|' || (SELECT COUNT(*) FROM PLAYED X WHERE %1) || '|' || "
                       "(SELECT COUNT(*) FROM PLAY X WHERE %1) || '|' || (SELECT COUNT(*) FROM RALLY X WHERE %1) AS line "
                       "FROM MATCH M WHERE M.BENCH = '%2') L;")
            .arg(copy, bench),
        database);
    return out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n'));
}

// Every line of the report on every game of the working tables, without identifiers (another
// bench's records may carry other identifiers here), sorted.
inline QStringList ReportLines()
{
    QStringList out;
    for (const ReportLine& line : ReportStore::Fill(BuildReportStatement({}))) {
        QStringList figures{line.team, line.player, line.number.toString(), line.position.toString(),
                            QString::number(line.games), QString::number(line.pass.sum), QString::number(line.pass.net)};
        for (const qint64 count : line.counts)
            figures << QString::number(count);
        out << figures.join(QLatin1Char('|'));
    }
    out.sort();
    return out;
}

} // namespace club

// The club server over the local socket: a season of 200 matches of 5 games (100,000 actions, each
// with its rally log entry, and the points between them) sent from a bench's archive to a
// PostgreSQL server started for the run, and restored from it into emptied working tables.
//
// Targets: the send within 3 s, the restore within 2 s. Anchors, measured in the same run over the
// same socket: the same rows loaded bare with COPY (psql \copy, one transaction), and read bare
// with COPY ... TO; for the restore also the other half of its work, the same rows copied by
// SQLite itself from the archive file into emptied working tables in one transaction.

#include "BenchSupport.h"
#include "storage/ArchiveStore.h"
#include "club/ClubCall.h"
#include "club/ClubSettings.h"
#include "club/ClubStore.h"
#include "storage/Database.h"
#include "widgets/mConstants.h"
#include "support/ClubSeed.h"
#include "support/PgCluster.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kMatches = 200;
constexpr int kGames = 5;
constexpr int kPlays = 100;
const QString kDatabase = QStringLiteral("club");
const QString kRole = QStringLiteral("bench_hall");
const QString kPassword = QStringLiteral("bench-password");
const QString kBench = QStringLiteral("6f1c2a1e-8d4b-4c7a-9a55-1a2b3c4d5e6f");

struct Season
{
    QTemporaryDir dir;
    PgCluster server;
    QString archive;
    QString working;
    bool ready = false;
};

double Ms(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// psql as the superuser with its output thrown away; the time it took, or -1.
double Psql(PgCluster& server, const QString& script)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral("psql"), {QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                                     QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-h"), server.folder(),
                                     QStringLiteral("-p"), QString::number(server.port()), QStringLiteral("-U"),
                                     QStringLiteral("postgres"), QStringLiteral("-d"), kDatabase, QStringLiteral("-f"),
                                     QStringLiteral("-")});
    p.write(script.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(120000);
    const double ms = Ms(t);
    if (p.exitCode() != 0) {
        std::fprintf(stderr, "psql: %s\n", p.readAll().constData());
        return -1;
    }
    return ms;
}

Season& TheSeason()
{
    static Season s;
    if (s.ready)
        return s;
    if (!s.server.start() || !s.server.makeClubDatabase(kDatabase) || !s.server.addBench(kRole, kPassword)) {
        std::fprintf(stderr, "no PostgreSQL server: %s\n", qPrintable(s.server.error()));
        return s;
    }
    s.working = s.dir.filePath(QStringLiteral("Rally2.db"));
    s.archive = s.dir.filePath(QStringLiteral("Archive.db"));
    QString error;
    if (!Db::createFresh(s.working, &error) || !Db::open(s.working, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return s;
    }
    SeedSeason({QStringLiteral("Harbour"), {}, 40, 15, kMatches, kGames, kPlays});
    ArchiveStore::ArchiveThenForget(s.archive);
    Db::close();
    s.ready = true;
    return s;
}

ClubServer Server(const Season& s)
{
    return s.server.socketServer(kDatabase, kRole);
}

// The archive's rows as the server's tables take them, as CSV files for COPY.
bool ExportForCopy(Season& s)
{
    const QString name = QStringLiteral("bench_export");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(s.archive);
        db.open();
        auto write = [&](const QString& file, const QString& sql) {
            QFile out(s.dir.filePath(file));
            if (!out.open(QIODevice::WriteOnly)) {
                ok = false;
                return;
            }
            QSqlQuery q(db);
            q.setForwardOnly(true);
            if (!q.exec(sql)) {
                ok = false;
                return;
            }
            const int n = q.record().count();
            QByteArray line;
            while (q.next()) {
                line.clear();
                for (int i = 0; i < n; ++i) {
                    if (i)
                        line += ',';
                    if (!q.isNull(i))
                        line += '"' + q.value(i).toString().toUtf8().replace("\"", "\"\"") + '"';
                }
                line += '\n';
                out.write(line);
            }
        };
        const QString head = QStringLiteral("SELECT '%1', G.MATCHID, 1, ").arg(kBench);
        write(QStringLiteral("match.csv"), QStringLiteral("SELECT '%1', MATCHID, HOMETEAMID, AWAYTEAMID, 1, 'd' FROM MATCH").arg(kBench));
        write(QStringLiteral("game.csv"), head + QStringLiteral("G.GAMEID, G.GAMENUMBER, G.HOMESCORE, G.AWAYSCORE FROM GAME G"));
        write(QStringLiteral("played.csv"), head + QStringLiteral("P.GAMEID, P.PLAYERID FROM PLAYED P JOIN GAME G ON G.GAMEID = P.GAMEID"));
        write(QStringLiteral("play.csv"), head + QStringLiteral("P.* FROM PLAY P JOIN GAME G ON G.GAMEID = P.GAMEID"));
        write(QStringLiteral("rally.csv"), head + QStringLiteral("R.* FROM RALLY R JOIN GAME G ON G.GAMEID = R.GAMEID"));
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// The bare load: the same rows, COPY'd into the server's tables in one transaction.
double CopyIn(Season& s)
{
    QString script = QStringLiteral("BEGIN;\nTRUNCATE BENCH, TEAM, PLAYER, MATCH, GAME, PLAYED, PLAY, RALLY;\n"
                                    "INSERT INTO BENCH VALUES ('%1', 'copy', 'postgres');\n")
                         .arg(kBench);
    for (const char* table : {"match (bench, matchid, hometeamid, awayteamid, copy, digest)", "game", "played", "play", "rally"})
        script += QStringLiteral("\\copy %1 FROM '%2' CSV\n")
                      .arg(QLatin1String(table), s.dir.filePath(QString::fromLatin1(table).section(QLatin1Char(' '), 0, 0) + QStringLiteral(".csv")));
    script += QStringLiteral("ROLLBACK;\n");
    return Psql(s.server, script);
}

// The bare read: the same rows COPY'd out of the server.
double CopyOut(Season& s)
{
    QString script;
    for (const char* table : {"match", "game", "played", "play", "rally", "team", "player"})
        script += QStringLiteral("\\copy %1 TO '/dev/null'\n").arg(QLatin1String(table));
    return Psql(s.server, script);
}

// The bare local load: the season copied by the engine from the archive into emptied working
// tables (their indexes and the totals' triggers as they are), committed as a restore is.
double LocalLoad(Season& s, const QString& path)
{
    Db::close();
    QFile::remove(path);
    QString error;
    if (!Db::createFresh(path, &error) || !Db::open(path, &error))
        return -1;
    QElapsedTimer t;
    t.start();
    Execute(QStringLiteral("ATTACH DATABASE ? AS season"), {s.archive});
    {
        // Committed as the restore commits: the log synced, copied into the file later.
        const CheckpointAtPause later;
        Transaction load;
        for (const char* table : {"TEAM", "PLAYER", "MATCH", "GAME", "PLAYED", "PLAY", "RALLY"})
            Execute(QStringLiteral("INSERT INTO main.%1 SELECT * FROM season.%1").arg(QLatin1String(table)));
        load.commit();
    }
    const double ms = Ms(t);
    Execute(QStringLiteral("DETACH DATABASE season"));
    Db::close();
    return ms;
}

void ResetServer(Season& s)
{
    Psql(s.server, QStringLiteral("TRUNCATE BENCH, TEAM, PLAYER, MATCH, GAME, PLAYED, PLAY, RALLY;"));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench_reset"));
    db.setDatabaseName(s.archive);
    db.open();
    QSqlQuery(QStringLiteral("DELETE FROM CLUBSENT"), db);
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("bench_reset"));
}

void BM_SendSeason(benchmark::State& state)
{
    Season& s = TheSeason();
    if (!s.ready || !ExportForCopy(s)) {
        state.SkipWithError("no season");
        return;
    }
    std::vector<double> sends, copies;
    for (auto _ : state) {
        state.PauseTiming();
        ResetServer(s);
        state.ResumeTiming();
        QElapsedTimer t;
        t.start();
        ClubStore::SendReport report;
        ClubCall call(ClubCall::Limits::Window(), QStringLiteral("Sending the matches to the club server..."));
        try {
            call.run([&](ClubCall& c) {
                ClubStore::SendWaiting(s.archive, {kBench, QStringLiteral("Harbour")}, Server(s), kPassword, c, &report);
            });
        } catch (const DbError& e) {
            state.SkipWithError(qPrintable(e.message()));
            return;
        }
        sends.push_back(Ms(t));
        state.PauseTiming();
        if (report.sentCount() != kMatches) {
            state.SkipWithError("not every match went");
            return;
        }
        copies.push_back(CopyIn(s));
        state.ResumeTiming();
    }
    const double worst = *std::max_element(sends.begin(), sends.end());
    std::printf("sending %d matches (%d actions): median %.0f ms, worst %.0f ms; the same rows COPY'd bare: median %.0f ms "
                "(ratio %.1f)\n",
                kMatches, kMatches * kGames * kPlays, Percentile(sends, 0.5), worst, Percentile(copies, 0.5),
                Percentile(sends, 0.5) / Percentile(copies, 0.5));
    state.counters["worst_ms"] = worst;
    state.counters["copy_ms"] = Percentile(copies, 0.5);
}
BENCHMARK(BM_SendSeason)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_RestoreFromServer(benchmark::State& state)
{
    Season& s = TheSeason();
    if (!s.ready) {
        state.SkipWithError("no season");
        return;
    }
    // Everything on the server once.
    ResetServer(s);
    {
        ClubStore::SendReport report;
        ClubCall call(ClubCall::Limits::Window());
        call.run([&](ClubCall& c) {
            ClubStore::SendWaiting(s.archive, {kBench, QStringLiteral("Harbour")}, Server(s), kPassword, c, &report);
        });
    }
    const QString office = s.dir.filePath(QStringLiteral("Office.db"));
    const QString officeArchive = s.dir.filePath(QStringLiteral("OfficeArchive.db"));
    std::vector<double> restores, copies, loads;
    for (auto _ : state) {
        state.PauseTiming();
        Db::close();
        QFile::remove(office);
        QFile::remove(officeArchive);
        QString error;
        if (!Db::createFresh(office, &error) || !Db::open(office, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        state.ResumeTiming();
        QElapsedTimer t;
        t.start();
        ArchiveStore::RestoreResult result;
        {
            ClubCall call(ClubCall::Limits::Window(), QStringLiteral("Restoring the matches from the club server..."));
            QList<ClubStore::ServerKey> keys;
            call.run([&](ClubCall& c) {
                for (const ClubStore::ServerMatch& m : ClubStore::ListServerMatches(Server(s), kPassword, c))
                    keys << ClubStore::ServerKey{m.bench, m.match.id};
            });
            // Another bench's matches, as a head office restores them.
            result = ClubStore::RestoreFromServer(Server(s), kPassword, keys, officeArchive, QStringLiteral("office"), call);
        }
        restores.push_back(Ms(t));
        state.PauseTiming();
        const int actions = SelectAll(QStringLiteral("SELECT SUM(ACTIONS) FROM TOTALS")).front().value(0).toInt();
        if (result.restored.size() != kMatches || actions != kMatches * kGames * kPlays) {
            state.SkipWithError("the season did not come back whole");
            return;
        }
        copies.push_back(CopyOut(s));
        loads.push_back(LocalLoad(s, office));
        state.ResumeTiming();
    }
    Db::close();
    const double worst = *std::max_element(restores.begin(), restores.end());
    const double bare = Percentile(copies, 0.5) + Percentile(loads, 0.5);
    std::printf("restoring %d matches (%d actions) from the server: median %.0f ms, worst %.0f ms; the same rows "
                "COPY'd out bare: median %.0f ms, and copied bare into the working tables: median %.0f ms (ratio to "
                "both %.1f)\n",
                kMatches, kMatches * kGames * kPlays, Percentile(restores, 0.5), worst, Percentile(copies, 0.5),
                Percentile(loads, 0.5), Percentile(restores, 0.5) / bare);
    state.counters["worst_ms"] = worst;
    state.counters["copy_ms"] = Percentile(copies, 0.5);
    state.counters["load_ms"] = Percentile(loads, 0.5);
}
BENCHMARK(BM_RestoreFromServer)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchApp bench(argc, argv, "bench_club");
    return RunBenchmarks(argc, argv);
}

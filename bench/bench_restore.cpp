// Restoring a season from the archive: 200 matches of 5 games, 100,000 actions, 40 teams and 600
// players, left through the exit once; each run restores all 200 into emptied working tables with
// the gauge stepping, then reports on them.
//
// Target: the restore within 2 s. The report on the restored season is timed beside it.

#include "BenchSupport.h"
#include "storage/ArchiveStore.h"
#include "widgets/CProgressBar.h"
#include "storage/Database.h"
#include "widgets/PictureBox.h"
#include "base/RecordId.h"
#include "storage/ReportQuery.h"
#include "storage/ReportStore.h"
#include "widgets/mConstants.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kTeams = 40;
constexpr int kPlayersPerTeam = 15;
constexpr int kMatches = 200;
constexpr int kGamesPerMatch = 5;
constexpr int kPlaysPerGame = 100;
constexpr int kOnCourt = 6;

QString idText(const QDateTime& when)
{
    return RecordId(when).text();
}

// A season recorded into the working file, then left through the exit into the archive; the
// working file is kept emptied, as the next start finds it.
bool prepare(const QString& working, const QString& archive)
{
    QString error;
    if (!Db::createFresh(working, &error) || !Db::open(working, &error)) {
        std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(working), qPrintable(error));
        return false;
    }
    {
        Transaction t;
        const QDateTime base(QDate(2025, 8, 1), QTime(9, 0, 0));
        QList<QStringList> players;
        QStringList teams;
        Query team(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, ?)"));
        Query player(
            QStringLiteral("INSERT INTO PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) VALUES (?, ?, ?, ?)"));
        for (int i = 0; i < kTeams; ++i) {
            teams << idText(base.addSecs(i));
            team.raw().bindValue(0, teams.last());
            team.raw().bindValue(1, QStringLiteral("Team %1").arg(i + 1));
            team.exec();
            QStringList roster;
            for (int p = 0; p < kPlayersPerTeam; ++p) {
                roster << idText(base.addSecs(1000 + i * kPlayersPerTeam + p));
                player.raw().bindValue(0, roster.last());
                player.raw().bindValue(1, teams.last());
                player.raw().bindValue(2, QStringLiteral("Player %1-%2").arg(i + 1).arg(p + 1));
                player.raw().bindValue(3, p + 1);
                player.exec();
            }
            players << roster;
        }
        Query match(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"));
        Query game(QStringLiteral(
            "INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) VALUES (?, ?, ?, 25, 20)"));
        Query played(QStringLiteral("INSERT INTO PLAYED (GAMEID, PLAYERID) VALUES (?, ?)"));
        Query play(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, POSITION, KILL, ATTEMPT, DIG, PASSING) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        const QDateTime season(QDate(2026, 1, 5), QTime(18, 0, 0));
        for (int m = 0; m < kMatches; ++m) {
            const QDateTime when = season.addDays(m / 4).addSecs(3600 * (m % 4));
            const int home = m % kTeams;
            const int away = (home + 1 + m / kTeams) % kTeams;
            match.raw().bindValue(0, idText(when));
            match.raw().bindValue(1, teams[home]);
            match.raw().bindValue(2, teams[away]);
            match.exec();
            for (int g = 1; g <= kGamesPerMatch; ++g) {
                const QString gameId = idText(when.addSecs(60 * g));
                game.raw().bindValue(0, idText(when));
                game.raw().bindValue(1, gameId);
                game.raw().bindValue(2, g);
                game.exec();
                QStringList court;
                for (int side : {home, away})
                    for (int j = 0; j < kOnCourt; ++j)
                        court << players[side][(g + j) % kPlayersPerTeam];
                for (const QString& p : court) {
                    played.raw().bindValue(0, gameId);
                    played.raw().bindValue(1, p);
                    played.exec();
                }
                for (int r = 0; r < kPlaysPerGame; ++r) {
                    const int kind = r % 3;
                    play.raw().bindValue(0, gameId);
                    play.raw().bindValue(1, idText(when.addSecs(60 * g + r)));
                    play.raw().bindValue(2, court[r % court.size()]);
                    play.raw().bindValue(3, 1 + r % 12);
                    play.raw().bindValue(4, kind == 0 ? QVariant(1) : QVariant());
                    play.raw().bindValue(5, kind == 0 ? QVariant(1) : QVariant());
                    play.raw().bindValue(6, kind == 1 ? QVariant(1) : QVariant());
                    play.raw().bindValue(7, kind == 2 ? QVariant(1 + r % 3) : QVariant());
                    play.exec();
                }
            }
        }
        t.commit();
    }
    ArchiveStore::ArchiveThenForget(archive);
    Db::close();
    return true;
}

void BM_RestoreSeason(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pristine = dir.filePath(QStringLiteral("pristine.db"));
    const QString working = dir.filePath(QStringLiteral("Rally2.db"));
    const QString archive = dir.filePath(QStringLiteral("Archive.db"));
    if (!prepare(pristine, archive)) {
        state.SkipWithError("no season");
        return;
    }
    QList<RecordId> all;
    PictureBox gauge;
    gauge.resize(242, 22);
    gauge.show();
    pubProgress().setCanvas(&gauge);
    pubProgress().setMin(0);

    double worstMs = 0;
    double reportMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Db::close();
        QFile::remove(working);
        QFile::copy(pristine, working);
        QString error;
        if (!Db::open(working, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        if (all.isEmpty()) {
            for (const ArchiveStore::ArchivedMatch& m : ArchiveStore::ListMatches(archive))
                all << m.id;
        }
        state.ResumeTiming();

        QElapsedTimer timer;
        timer.start();
        int restored = 0;
        {
            ProgressScope progress(QStringLiteral("Restoring the saved matches..."), int(all.size()));
            restored = int(ArchiveStore::Restore(archive, all, &progress).restored.size());
        }
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        worstMs = std::max(worstMs, ms);

        state.PauseTiming();
        const int actions = SelectAll(QStringLiteral("SELECT SUM(ACTIONS) FROM TOTALS")).front().value(0).toInt();
        if (restored != kMatches || actions != kMatches * kGamesPerMatch * kPlaysPerGame) {
            state.SkipWithError("the season did not come back whole");
            return;
        }
        timer.restart();
        ReportStore::Fill(BuildReportStatement({}));
        reportMs = double(timer.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
    }
    std::printf("restoring %d matches (%d actions): worst %.0f ms; report on them: %.0f ms\n", kMatches,
                kMatches * kGamesPerMatch * kPlaysPerGame, worstMs, reportMs);
    state.counters["worst_ms"] = worstMs;
    state.counters["report_ms"] = reportMs;
    Db::close();
}
BENCHMARK(BM_RestoreSeason)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchApp bench(argc, argv, "bench_restore");
    return RunBenchmarks(argc, argv);
}

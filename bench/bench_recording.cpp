// Recording speed on the court screen: one action as the user records it (the PLAY row and the
// status line) against a bare prepared insert of the same row on the same connection, both
// under the program's durability settings (synchronous=FULL, one transaction per action); and
// the set-up of the court and one rotation.
//
// Build with -DSIDELINES_BENCH=ON (Release), run build-bench/bench/bench_recording. The database
// lives in the system's temporary folder, so the figures include that disk's sync.

#include "BenchSupport.h"
#include "core/Database.h"
#include "core/MatchStore.h"
#include "core/RecordId.h"
#include "core/RosterStore.h"
#include "core/mConstants.h"
#include "game/MatchSession.h"
#include "game/clsGame.h"
#include "game/frmGame.h"
#include "roster/clsPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

// A database with two teams of six, a match and its game, and a court screen showing them.
struct Fixture
{
    QTemporaryDir dir;
    MatchSession session;
    std::shared_ptr<clsGame> game;
    std::unique_ptr<frmGame> screen;

    Fixture()
    {
        const QString path = dir.filePath(QStringLiteral("Rally2.db"));
        QString error;
        if (!Db::createFresh(path, &error) || !Db::open(path, &error))
            qFatal("database: %s", qPrintable(error));
        session.homeTeamId = NewRecordId(RecordKind::Team);
        session.awayTeamId = NewRecordId(RecordKind::Team);
        RosterStore::AddTeam(session.homeTeamId, QStringLiteral("Hawks"));
        RosterStore::AddTeam(session.awayTeamId, QStringLiteral("Owls"));
        for (int i = 1; i <= 6; ++i) {
            for (const RecordId& team : {session.homeTeamId, session.awayTeamId}) {
                const bool home = team == session.homeTeamId;
                if (RosterStore::AddPlayer(PlayerRow{NewRecordId(RecordKind::Player), team,
                                                     QStringLiteral("Player %1").arg(i), home ? i : 10 + i}))
                    qFatal("seeding: a shirt number given twice");
            }
        }
        session.matchId = NewRecordId(RecordKind::Match);
        game = session.game;
        game->setGameID(NewRecordId(RecordKind::Game));
        game->setGameNumber(1);
        MatchStore::AddMatch(session.matchId, session.homeTeamId, session.awayTeamId, game->GameID(), 1);
        session.loadRosters();
        screen = std::make_unique<frmGame>(session);
        for (int t = 0; t < 2; ++t) {
            for (const PlayerRow& r : session.rosters[size_t(t)].players) {
                auto p = std::make_shared<clsPlayer>();
                p->setPlayerID(r.id);
                p->setTeamID(r.teamId);
                p->setPlayerName(r.name);
                p->setPlayerNumber(qint16(r.number));
                (t == 0 ? screen->colHomePlayers : screen->colAwayPlayers) << p;
            }
        }
        screen->SetUpHome();
        screen->SetUpAway();
        screen->resize(1366, 768);
        screen->show();
        QApplication::processEvents();
        screen->game().PlayerOnClick(4);
    }

    ~Fixture()
    {
        screen->bShowMessage = false;
        screen.reset();
        game.reset();
        Db::close();
    }
};

// Both ways of writing an action, alternating within one run so that they meet the same disk.
void BM_RecordActionVersusBareInsert(benchmark::State& state)
{
    Fixture f;
    const RecordId player = f.screen->boxPlayerId(4);
    Query bare(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, DIG, POSITION) VALUES (?, ?, ?, ?, ?)"));
    std::vector<double> record, insert;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        f.game->AddStat(QStringLiteral("Dig"), player);
        record.push_back(double(t.nsecsElapsed()) / 1000.0);

        t.start();
        bare.raw().bindValue(0, Bind(f.game->GameID()));
        bare.raw().bindValue(1, Bind(NewRecordId(RecordKind::Play)));
        bare.raw().bindValue(2, Bind(player));
        bare.raw().bindValue(3, 1);
        bare.raw().bindValue(4, 4);
        bare.exec();
        insert.push_back(double(t.nsecsElapsed()) / 1000.0);
    }
    const double recordMedian = Percentile(record, 0.5), recordP99 = Percentile(record, 0.99);
    const double insertMedian = Percentile(insert, 0.5), insertP99 = Percentile(insert, 0.99);
    state.counters["record_median_us"] = recordMedian;
    state.counters["record_p99_us"] = recordP99;
    state.counters["insert_median_us"] = insertMedian;
    state.counters["insert_p99_us"] = insertP99;
    state.counters["median_ratio"] = insertMedian > 0 ? recordMedian / insertMedian : 0;
    state.counters["p99_ratio"] = insertP99 > 0 ? recordP99 / insertP99 : 0;
}
BENCHMARK(BM_RecordActionVersusBareInsert)->Iterations(400)->Unit(benchmark::kMillisecond);

// The court set up for a game: both sides placed, their PLAYED rows written.
void BM_SetUpCourtNewGame(benchmark::State& state)
{
    Fixture f;
    std::vector<double> times;
    QElapsedTimer t;
    for (auto _ : state) {
        state.PauseTiming();
        f.game->setGameID(NewRecordId(RecordKind::Game));
        state.ResumeTiming();
        t.start();
        f.screen->SetUpHome();
        f.screen->SetUpAway();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p99_ms"] = Percentile(times, 0.99);
}
BENCHMARK(BM_SetUpCourtNewGame)->Iterations(200)->Unit(benchmark::kMillisecond);

// The same again within a game (after a substitution): every player is checked, none written.
void BM_SetUpCourtAgain(benchmark::State& state)
{
    Fixture f;
    std::vector<double> times;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        f.screen->SetUpHome();
        f.screen->SetUpAway();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p99_ms"] = Percentile(times, 0.99);
}
BENCHMARK(BM_SetUpCourtAgain)->Iterations(200)->Unit(benchmark::kMillisecond);

// One rotation of a side, as the button does it.
void BM_Rotation(benchmark::State& state)
{
    Fixture f;
    std::vector<double> times;
    QElapsedTimer t;
    int i = 0;
    for (auto _ : state) {
        t.start();
        f.screen->cmdRotate_Click(i++ % 2);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    state.counters["median_ms"] = Percentile(times, 0.5);
    state.counters["p99_ms"] = Percentile(times, 0.99);
}
BENCHMARK(BM_Rotation)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchApp bench(argc, argv, "bench_recording");
    return RunBenchmarks(argc, argv);
}

// Recording speed on the court screen: one action, one point and one take-back, a libero swap and a
// timeout as the user records them, each against a bare prepared insert into a plain table on the
// same connection, all under the program's durability settings (synchronous=FULL, one transaction
// per command); and the set-up of the court and one rotation.
//
// Build with -DSIDELINES_BENCH=ON (Release), run build-bench/bench/bench_recording. The database
// lives in the system's temporary folder, so the figures include that disk's sync.

#include "BenchSupport.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "base/RecordId.h"
#include "storage/RosterStore.h"
#include "widgets/mConstants.h"
#include "game/MatchSession.h"
#include "game/clsGame.h"
#include "game/frmGame.h"
#include "roster/clsPlayer.h"
#include "storage/RecordIssue.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
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
        // Six a side and a libero each.
        for (int i = 1; i <= 7; ++i) {
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
        session.liberos = {session.rosters[0].players[6].id, session.rosters[1].players[6].id};
        newScreen();
        screen->SetUpHome();
        screen->SetUpAway();
        screen->resize(1366, 768);
        screen->show();
        QApplication::processEvents();
        screen->game().PlayerOnClick(4);
    }

    // A court screen for the session's game with both teams' six on court, not yet set up.
    void newScreen()
    {
        if (screen)
            screen->bShowMessage = false;
        screen = std::make_unique<frmGame>(session);
        for (int t = 0; t < 2; ++t) {
            for (const PlayerRow& r : session.rosters[size_t(t)].players.mid(0, 6))
                (t == 0 ? screen->colHomePlayers : screen->colAwayPlayers) << std::make_shared<clsPlayer>(r);
        }
    }

    ~Fixture()
    {
        screen->bShowMessage = false;
        screen.reset();
        game.reset();
        Db::close();
    }
};

// The anchor of every recording figure: one durable insert of a row of the same size into a plain
// table without indexes or triggers, each its own transaction, on the same connection and
// settings: what the disk's sync costs, with nothing of ours on top.
class BareInsert
{
public:
    BareInsert()
    {
        Execute(QStringLiteral("CREATE TABLE IF NOT EXISTS BARE (GAMEID TEXT, PLAYID TEXT, PLAYERID TEXT, "
                               "VALUE INTEGER, POSITION INTEGER)"));
    }
    double operator()(const RecordId& game, const RecordId& player)
    {
        QElapsedTimer t;
        t.start();
        ExecuteKept(QStringLiteral("INSERT INTO BARE (GAMEID, PLAYID, PLAYERID, VALUE, POSITION) VALUES (?, ?, ?, ?, ?)"),
                    {Bind(game), Bind(NewRecordId(RecordKind::Play)), Bind(player), 1, 4});
        return double(t.nsecsElapsed()) / 1000.0;
    }
};

void Report(benchmark::State& state, const char* what, const std::vector<double>& ours,
            const std::vector<double>& bare)
{
    const double median = Percentile(ours, 0.5), p99 = Percentile(ours, 0.99);
    const double bareMedian = Percentile(bare, 0.5), bareP99 = Percentile(bare, 0.99);
    state.counters[std::string(what) + "_median_us"] = median;
    state.counters[std::string(what) + "_p99_us"] = p99;
    state.counters[std::string(what) + "_median_ratio"] = bareMedian > 0 ? median / bareMedian : 0;
    state.counters[std::string(what) + "_p99_ratio"] = bareP99 > 0 ? p99 / bareP99 : 0;
    state.counters["bare_median_us"] = bareMedian;
    state.counters["bare_p99_us"] = bareP99;
}

// An action as the user records it (its PLAY row, its log entry, the status line) against the bare
// insert, alternating within one run so that both meet the same disk. Target: at most 1.5 times.
void BM_RecordActionVersusBareInsert(benchmark::State& state)
{
    Fixture f;
    BareInsert bare;
    const RecordId player = f.screen->boxPlayerId(4);
    std::vector<double> record, insert;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        f.game->AddStat(QStringLiteral("Dig"), player);
        QCoreApplication::processEvents();
        record.push_back(double(t.nsecsElapsed()) / 1000.0);
        insert.push_back(bare(f.game->GameID(), player));
    }
    Report(state, "record", record, insert);
}
BENCHMARK(BM_RecordActionVersusBareInsert)->Iterations(400)->Unit(benchmark::kMillisecond);

// A point as the score button stores it (the GAME row and its log entry in one transaction) and
// its take-back, each against the bare insert in the same run. Target: each at most 1.5 times.
void BM_ScoreAndTakeBackVersusBareInsert(benchmark::State& state)
{
    Fixture f;
    BareInsert bare;
    const RecordId player = f.screen->boxPlayerId(4);
    std::vector<double> score, undo, insert;
    QElapsedTimer t;
    // Each command is timed until the screen shows it: its pending paints are done too.
    for (auto _ : state) {
        t.start();
        f.screen->cmdScore_Click(0);
        QCoreApplication::processEvents();
        score.push_back(double(t.nsecsElapsed()) / 1000.0);
        insert.push_back(bare(f.game->GameID(), player));
        t.start();
        f.screen->mnuUndo_Click();
        QCoreApplication::processEvents();
        undo.push_back(double(t.nsecsElapsed()) / 1000.0);
        insert.push_back(bare(f.game->GameID(), player));
    }
    if (f.screen->rally().score(0) != 0)
        state.SkipWithError("the take-backs did not bring the score back");
    Report(state, "score", score, insert);
    Report(state, "undo", undo, insert);
}
BENCHMARK(BM_ScoreAndTakeBackVersusBareInsert)->Iterations(300)->Unit(benchmark::kMillisecond);

// A libero swap as her key makes it on a back-row box (in, then out again: each its own command
// with its log entry, and PLAYED the first time), against the bare insert in the same run. Target:
// at most 1.5 times.
void BM_LiberoSwapVersusBareInsert(benchmark::State& state)
{
    Fixture f;
    BareInsert bare;
    const RecordId player = f.screen->boxPlayerId(4);
    f.screen->game().PlayerOnClick(5);
    std::vector<double> swap, insert;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        f.screen->mnuLibero_Click();
        QCoreApplication::processEvents();
        swap.push_back(double(t.nsecsElapsed()) / 1000.0);
        insert.push_back(bare(f.game->GameID(), player));
    }
    if (f.screen->rally().book().log().back().kind != Rally::Kind::Libero)
        state.SkipWithError("the libero's key recorded nothing");
    Report(state, "libero", swap, insert);
}
BENCHMARK(BM_LiberoSwapVersusBareInsert)->Iterations(300)->Unit(benchmark::kMillisecond);

// A timeout as the command records it once the side is chosen, against the bare insert in the
// same run; each is taken back (not timed), so that no third timeout asks. Target: at most 1.5
// times.
void BM_TimeoutVersusBareInsert(benchmark::State& state)
{
    Fixture f;
    BareInsert bare;
    const RecordId player = f.screen->boxPlayerId(4);
    std::vector<double> timeout, insert;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        f.screen->recordTimeout(Rally::kAway);
        QCoreApplication::processEvents();
        timeout.push_back(double(t.nsecsElapsed()) / 1000.0);
        insert.push_back(bare(f.game->GameID(), player));
        state.PauseTiming();
        f.screen->mnuUndo_Click();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (Rally::TimeoutsTaken(f.screen->rally().book().log(), Rally::kAway) != 0)
        state.SkipWithError("the timeouts were not taken back");
    Report(state, "timeout", timeout, insert);
}
BENCHMARK(BM_TimeoutVersusBareInsert)->Iterations(300)->Unit(benchmark::kMillisecond);

// The court set up for a new game: both sides placed, their PLAYED rows and the log's start
// written in one transaction.
void BM_SetUpCourtNewGame(benchmark::State& state)
{
    Fixture f;
    std::vector<double> times;
    QElapsedTimer t;
    for (auto _ : state) {
        state.PauseTiming();
        f.game->setGameID(NewRecordId(RecordKind::Game));
        f.newScreen();
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

// The same again within a game (after a substitution that changed nobody): nothing written.
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

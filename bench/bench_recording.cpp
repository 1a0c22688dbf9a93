// Recording speed on the court screen: every command of the rally log as the user gives it (an
// action, a point, a take-back, a rotation, a substitution, the libero in and out, a timeout), each
// against a bare prepared insert into a plain table on the same connection, all under the
// program's durability settings (synchronous=FULL, one transaction per command); and the set-up of
// the court and one rotation. A table on the error stream gives each command's median and 99th
// percentile beside its anchor's, until the command returns and until the screen is painted.
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

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <map>
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
        // Six a side, a libero and one more on the bench each.
        for (int i = 1; i <= 8; ++i) {
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

// One command's samples beside the anchor's, taken alternately so that both meet the same disk:
// the command until it returns (stored: its commit done and the window's widgets set), and until
// the screen has painted it (shown).
struct Samples
{
    std::vector<double> stored, shown, bare;
};

// A figure as a row of the table printed after the run: each command with its anchor beside it and
// the ratios to it, the median and the 99th percentile.
void Report(benchmark::State& state, const std::string& what, const Samples& s)
{
    const double bareMedian = Percentile(s.bare, 0.5), bareP99 = Percentile(s.bare, 0.99);
    auto ratio = [](double ours, double bare) { return bare > 0 ? ours / bare : 0; };
    const double stored = Percentile(s.stored, 0.5), storedP99 = Percentile(s.stored, 0.99);
    const double shown = Percentile(s.shown, 0.5), shownP99 = Percentile(s.shown, 0.99);
    state.counters[what + "_median_ratio"] = ratio(shown, bareMedian);
    state.counters[what + "_p99_ratio"] = ratio(shownP99, bareP99);
    std::fprintf(stderr,
                 "%-10s n=%3zu | anchor median %7.1f us p99 %7.1f us | stored median %7.1f us (%.2fx) p99 %7.1f us "
                 "(%.2fx) | shown median %7.1f us (%.2fx) p99 %7.1f us (%.2fx)\n",
                 what.c_str(), s.stored.size(), bareMedian, bareP99, stored, ratio(stored, bareMedian), storedP99,
                 ratio(storedP99, bareP99), shown, ratio(shown, bareMedian), shownP99, ratio(shownP99, bareP99));
}

// Every command of the rally log as the user gives it on the court screen, in turn, each followed
// by a bare insert for its anchor: an action from the stat menu, a point, a rotation, a
// substitution (the line-up window's return), the libero in and out, a timeout, and the take-back
// of the action, the point and the timeout (so that no third timeout asks and the score stays
// low). Target: every command within 1.5 times its anchor, median and 99th percentile.
void BM_EveryCommandVersusBareInsert(benchmark::State& state)
{
    Fixture f;
    BareInsert bare;
    frmGame& screen = *f.screen;
    QAction* dig = screen.statMenu()->findChild<QAction*>(QStringLiteral("mnuDig"));
    if (!dig)
        return state.SkipWithError("no Dig in the stat menu");
    std::shared_ptr<clsPlayer> bench = std::make_shared<clsPlayer>(f.session.rosters[0].players[7]);
    std::map<std::string, Samples> samples;
    QElapsedTimer t;
    const RecordId anchorPlayer = screen.boxPlayerId(4);
    const auto timed = [&](const char* what, int box, const std::function<void()>& command) {
        if (box > 0)
            screen.game().PlayerOnClick(qint16(box));
        Samples& s = samples[what];
        t.start();
        command();
        s.stored.push_back(double(t.nsecsElapsed()) / 1000.0);
        QCoreApplication::processEvents();
        s.shown.push_back(double(t.nsecsElapsed()) / 1000.0);
        s.bare.push_back(bare(f.game->GameID(), anchorPlayer));
    };
    const qsizetype logBefore = screen.rally().book().log().size();
    for (auto _ : state) {
        timed("action", 4, [&] { dig->trigger(); });
        timed("take-back", 0, [&] { screen.mnuUndo_Click(); });
        timed("score", 0, [&] { screen.cmdScore_Click(0); });
        timed("take-back", 0, [&] { screen.mnuUndo_Click(); });
        timed("rotation", 0, [&] { screen.cmdRotate_Click(0); });
        timed("sub", 0, [&] {
            // The line-up window hands back the side with the player from the bench in zone 2.
            std::swap(screen.colHomePlayers[1], bench);
            screen.SetUpHome();
            screen.SetUpAway();
        });
        timed("libero-in", 5, [&] { screen.mnuLibero_Click(); });
        timed("libero-out", 5, [&] { screen.mnuLibero_Click(); });
        timed("timeout", 0, [&] { screen.recordTimeout(Rally::kAway); });
        timed("take-back", 0, [&] { screen.mnuUndo_Click(); });
    }
    // Each command must have written its entries, or the figures measure nothing.
    const Rally::Log& log = screen.rally().book().log();
    std::map<Rally::Kind, int> kinds;
    for (auto e = log.begin() + logBefore; e != log.end(); ++e)
        ++kinds[e->kind];
    const int n = int(state.iterations());
    if (kinds[Rally::Kind::Action] != n || kinds[Rally::Kind::Point] != n || kinds[Rally::Kind::Undo] != 3 * n
        || kinds[Rally::Kind::Rotate] < n || kinds[Rally::Kind::Sub] != n || kinds[Rally::Kind::Libero] != 2 * n
        || kinds[Rally::Kind::Timeout] != n)
        return state.SkipWithError("a command recorded less than it should");
    if (screen.rally().score(Rally::kHome) != 0)
        state.SkipWithError("the take-backs did not bring the score back");
    for (const auto& [what, s] : samples)
        Report(state, what, s);
}
BENCHMARK(BM_EveryCommandVersusBareInsert)->Iterations(120)->Unit(benchmark::kMillisecond);

// The court set up for a new game: both sides placed, their PLAYED rows and the log's start
// written in one transaction; a bare insert after each is its anchor. Target: 1 ms.
void BM_SetUpCourtNewGame(benchmark::State& state)
{
    Fixture f;
    BareInsert bare;
    const RecordId player = f.screen->boxPlayerId(4);
    Samples s;
    QElapsedTimer t;
    for (auto _ : state) {
        state.PauseTiming();
        f.game->setGameID(NewRecordId(RecordKind::Game));
        f.newScreen();
        state.ResumeTiming();
        t.start();
        f.screen->SetUpHome();
        f.screen->SetUpAway();
        s.stored.push_back(double(t.nsecsElapsed()) / 1000.0);
        // The new game's screen is painted when it opens, after the set-up: stored is the figure.
        s.shown.push_back(s.stored.back());
        state.PauseTiming();
        s.bare.push_back(bare(f.game->GameID(), player));
        state.ResumeTiming();
    }
    Report(state, "court-new", s);
    state.counters["median_ms"] = Percentile(s.stored, 0.5) / 1000.0;
    state.counters["p99_ms"] = Percentile(s.stored, 0.99) / 1000.0;
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

// One rotation of a side, as the button does it, until it returns and until it is painted, with
// the bare insert after each as its anchor. Target: 1 ms.
void BM_Rotation(benchmark::State& state)
{
    Fixture f;
    BareInsert bare;
    const RecordId player = f.screen->boxPlayerId(4);
    Samples s;
    QElapsedTimer t;
    int i = 0;
    for (auto _ : state) {
        t.start();
        f.screen->cmdRotate_Click(i++ % 2);
        s.stored.push_back(double(t.nsecsElapsed()) / 1000.0);
        QCoreApplication::processEvents();
        s.shown.push_back(double(t.nsecsElapsed()) / 1000.0);
        s.bare.push_back(bare(f.game->GameID(), player));
    }
    Report(state, "rotation", s);
    state.counters["median_ms"] = Percentile(s.shown, 0.5) / 1000.0;
    state.counters["p99_ms"] = Percentile(s.shown, 0.99) / 1000.0;
}
BENCHMARK(BM_Rotation)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    BenchApp bench(argc, argv, "bench_recording");
    return RunBenchmarks(argc, argv);
}

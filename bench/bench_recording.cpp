// Recording speed on the court screen: one action as the user records it (the PLAY row and the
// status line) against a bare prepared insert of the same row on the same connection, both
// under the program's durability settings (synchronous=FULL, one transaction per action); and
// the set-up of the court and one rotation.
//
// Build with -DSIDELINES_BENCH=ON (Release), run build-bench/bench/bench_recording. The database
// lives in the system's temporary folder, so the figures include that disk's sync.

#include "game/clsGame.h"
#include "game/frmGame.h"
#include "core/mConstants.h"
#include "core/Database.h"
#include "core/RecordId.h"
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
    RecordId gameId;
    std::shared_ptr<clsGame> game;
    std::unique_ptr<frmGame> screen;

    Fixture()
    {
        const QString path = dir.filePath(QStringLiteral("Rally2.db"));
        QString error;
        if (!Db::createFresh(path, &error) || !Db::open(path, &error))
            qFatal("database: %s", qPrintable(error));
        const RecordId home = NewRecordId(RecordKind::Team);
        const RecordId away = NewRecordId(RecordKind::Team);
        Execute(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, ?), (?, ?)"),
                {Bind(home), QStringLiteral("Hawks"), Bind(away), QStringLiteral("Owls")});
        screen = std::make_unique<frmGame>();
        for (int i = 1; i <= 6; ++i) {
            for (const RecordId& team : {home, away}) {
                auto p = std::make_shared<clsPlayer>();
                p->setPlayerID(NewRecordId(RecordKind::Player));
                p->setTeamID(team);
                p->setPlayerName(QStringLiteral("Player %1").arg(i));
                p->setPlayerNumber(qint16(team == home ? i : 10 + i));
                Execute(QStringLiteral("INSERT INTO PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) "
                                       "VALUES (?, ?, ?, ?)"),
                        {Bind(p->PlayerID()), Bind(team), p->PlayerName(), int(p->PlayerNumber())});
                (team == home ? screen->colHomePlayers : screen->colAwayPlayers) << p;
            }
        }
        const RecordId match = NewRecordId(RecordKind::Match);
        gameId = NewRecordId(RecordKind::Game);
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
                {Bind(match), Bind(home), Bind(away)});
        Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                               "VALUES (?, ?, 1, 0, 0)"),
                {Bind(match), Bind(gameId)});
        game = std::make_shared<clsGame>();
        game->setGameID(gameId);
        game->setGameNumber(1);
        screen->strSide = QStringLiteral("LEFT");
        screen->setGame(game);
        screen->SetUpHome();
        screen->SetUpAway();
        screen->resize(1366, 768);
        screen->show();
        QApplication::processEvents();
        game->PlayerOnClick(4);
    }

    ~Fixture()
    {
        screen->bShowMessage = false;
        screen.reset();
        game.reset();
        Db::close();
    }
};

double Percentile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, size_t(q * double(v.size() - 1) + 0.5));
    return v[i];
}

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
        bare.raw().bindValue(0, Bind(f.gameId));
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Sidelines"));
    QCoreApplication::setApplicationName(QStringLiteral("sidelines"));
    InitResources();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

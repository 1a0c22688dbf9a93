// How long the team and player choosers take to fill from a large roster, gauge included.
// Target: at most 250 ms for 10,000 teams and for 1,000 players.

#include "BenchSupport.h"
#include "widgets/CProgressBar.h"
#include "widgets/MsgBox.h"
#include "widgets/PictureBox.h"
#include "widgets/mConstants.h"
#include "storage/Database.h"
#include "base/RecordId.h"
#include "roster/frmPickPlayer.h"
#include "roster/frmPickTeam.h"
#include "storage/RecordIssue.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
// A database in a temporary folder with the given roster, opened as pubDB, and a visible gauge.
class Roster
{
public:
    Roster(int teams, int playersOfFirstTeam)
    {
        QString error;
        const QString path = m_dir.filePath(QString::fromLatin1(Db::kFileName));
        if (!Db::createFresh(path, &error) || !Db::open(path, &error))
            qFatal("bench_choosers: %s", qPrintable(error));
        pubAppPath = m_dir.path() + QLatin1Char('/');
        MsgBoxHook::install();
        m_canvas = std::make_unique<PictureBox>();
        m_canvas->resize(300, 20);
        m_canvas->show();
        pubProgress().setCanvas(m_canvas.get());
        pubProgress().setMin(0);

        Transaction transaction;
        for (int i = 0; i < teams; ++i) {
            const RecordId id = NewRecordId(RecordKind::Team);
            if (i == 0)
                m_firstTeam = id;
            Execute(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, ?)"),
                    {Bind(id), QStringLiteral("Team number %1 of the league").arg(i)});
        }
        for (int i = 0; i < playersOfFirstTeam; ++i)
            Execute(
                QStringLiteral("INSERT INTO PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) VALUES (?, ?, ?, ?)"),
                {Bind(NewRecordId(RecordKind::Player)), Bind(m_firstTeam), QStringLiteral("Player %1").arg(i),
                 i % 100});
        transaction.commit();
    }

    ~Roster()
    {
        m_canvas.reset();
        MsgBoxHook::uninstall();
        Db::close();
        ResetRecordIds();
    }

    RecordId firstTeam() const { return m_firstTeam; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PictureBox> m_canvas;
    RecordId m_firstTeam;
};

void BM_TeamChooser10000(benchmark::State& state)
{
    Roster roster(10000, 0);
    for (auto _ : state) {
        frmPickTeam chooser;
        if (!chooser.Load())
            state.SkipWithError("no teams listed");
    }
}
BENCHMARK(BM_TeamChooser10000)->Unit(benchmark::kMillisecond);

void BM_PlayerChooser1000(benchmark::State& state)
{
    Roster roster(1, 1000);
    for (auto _ : state) {
        frmPickPlayer chooser;
        if (!chooser.LoadTeam(roster.firstTeam()))
            state.SkipWithError("no players listed");
    }
}
BENCHMARK(BM_PlayerChooser1000)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    BenchApp bench(argc, argv, "bench_choosers");
    return RunBenchmarks(argc, argv);
}

// Start-up cost: Sidelines up to the moment its main window is loaded and the splash is on
// screen with its picture (before the splash timer's first tick), against a bare Qt main window
// with a menu bar, a tool bar, a status bar and a SQLite connection on the same database file,
// both in the same run. Peak resident memory (getrusage) is reported after the bare window alone
// and after both, so the difference shows what Sidelines adds. Target: the median start at most
// twice the bare one's, and 40 MiB at most.
#include "BenchSupport.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "widgets/mConstants.h"
#include "storage/Database.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <sys/resource.h>

#include <algorithm>
#include <vector>

namespace {
QTemporaryDir* g_dir = nullptr;

double PeakRssMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux reports KiB
}

// One start of each, timed from nothing to the window on the screen and the events handled.
bool StartBare()
{
    const QString path = g_dir->filePath(QString::fromLatin1(Db::kFileName));
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery(QStringLiteral("PRAGMA journal_mode=WAL"), db).exec();
        QSqlQuery(QStringLiteral("PRAGMA synchronous=FULL"), db).exec();

        QMainWindow window;
        for (const char* title : {"&File", "&Edit", "&View", "&Report"}) {
            QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
            menu->addAction(QStringLiteral("One"));
            menu->addAction(QStringLiteral("Two"));
        }
        QToolBar* bar = window.addToolBar(QStringLiteral("Tools"));
        for (int i = 0; i < 5; ++i)
            bar->addAction(QStringLiteral("Button %1").arg(i));
        window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")));
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.winId());
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    return ok;
}

bool StartSidelines()
{
    bool ok = true;
    {
        SidelinesStart start(g_dir->path());
        ok = start.begin();
        if (ok)
            start.splash()->timer()->stop();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(start.mainWindow());
    }
    Db::close();
    return ok;
}

// The bare window alone first: peak memory only grows, so its figure is what Qt itself needs.
void BM_BareQtMainWindow(benchmark::State& state)
{
    for (auto _ : state)
        if (!StartBare())
            state.SkipWithError("cannot open the database");
    state.counters["peak_rss_MiB"] = PeakRssMiB();
}

// Then the two in turn, one start of each per iteration, so that the machine's changing pace
// falls on both alike; the ratio is of the medians.
void BM_SidelinesVersusBare(benchmark::State& state)
{
    std::vector<double> bare, sidelines;
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        const bool bareOk = StartBare();
        bare.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.start();
        const bool ok = StartSidelines();
        sidelines.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (!bareOk || !ok)
            state.SkipWithError("start-up failed");
    }
    state.counters["bare_median_ms"] = Percentile(bare, 0.5);
    state.counters["sidelines_median_ms"] = Percentile(sidelines, 0.5);
    state.counters["ratio_to_bare"] = Percentile(bare, 0.5) > 0 ? Percentile(sidelines, 0.5) / Percentile(bare, 0.5) : 0;
    state.counters["peak_rss_MiB"] = PeakRssMiB();
}

BENCHMARK(BM_BareQtMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SidelinesVersusBare)->Unit(benchmark::kMillisecond)->Iterations(300);
}  // namespace

int main(int argc, char** argv)
{
    BenchApp bench(argc, argv, "bench_startup");
    QTemporaryDir dir;
    g_dir = &dir;
    QString error;
    if (!Db::createFresh(dir.filePath(QString::fromLatin1(Db::kFileName)), &error)) {
        qWarning("cannot write the database: %s", qPrintable(error));
        return 1;
    }
    std::printf("peak RSS before any window: %.1f MiB\n", PeakRssMiB());
    return RunBenchmarks(argc, argv);
}

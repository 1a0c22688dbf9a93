// Start-up cost: Sidelines up to the moment its main window is loaded and the splash is on
// screen (before the splash timer's first tick), against a bare Qt main window with a menu bar,
// a tool bar, a status bar and a SQLite connection on the same database file. Peak resident
// memory (getrusage) is reported after each, so the difference shows what Sidelines adds.
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "core/mConstants.h"
#include "core/Database.h"

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

namespace {
QTemporaryDir* g_dir = nullptr;
double g_bareSeconds = 0; // per start, from the bare run, for the ratio
QElapsedTimer g_clock;

double PeakRssMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux reports KiB
}

void BM_BareQtMainWindow(benchmark::State& state)
{
    const QString path = g_dir->filePath(QString::fromLatin1(Db::kFileName));
    g_clock.start();
    for (auto _ : state) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
            db.setDatabaseName(path);
            if (!db.open())
                state.SkipWithError("cannot open the database");
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
    }
    state.counters["peak_rss_MiB"] = PeakRssMiB();
    g_bareSeconds = g_clock.elapsed() / 1000.0 / double(state.iterations());
}

void BM_SidelinesMainWindowLoaded(benchmark::State& state)
{
    g_clock.start();
    for (auto _ : state) {
        {
            SidelinesStart start(g_dir->path());
            if (!start.begin())
                state.SkipWithError("start-up failed");
            start.splash()->timer()->stop();
            QCoreApplication::processEvents();
            benchmark::DoNotOptimize(start.mainWindow());
        }
        Db::close();
    }
    state.counters["peak_rss_MiB"] = PeakRssMiB();
    const double seconds = g_clock.elapsed() / 1000.0 / double(state.iterations());
    if (g_bareSeconds > 0)
        state.counters["ratio_to_bare"] = seconds / g_bareSeconds;
}

// Bare first: peak memory only grows, so the second figure includes what Sidelines adds.
BENCHMARK(BM_BareQtMainWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SidelinesMainWindowLoaded)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Sidelines"));
    QCoreApplication::setApplicationName(QStringLiteral("bench_startup"));
    InitResources();
    QTemporaryDir settings;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

    QTemporaryDir dir;
    g_dir = &dir;
    QString error;
    if (!Db::createFresh(dir.filePath(QString::fromLatin1(Db::kFileName)), &error)) {
        qWarning("cannot write the database: %s", qPrintable(error));
        return 1;
    }
    std::printf("peak RSS before any window: %.1f MiB\n", PeakRssMiB());

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#pragma once

// What every benchmark executable shares: the application it runs in, the run itself, and the
// percentiles its figures are reported as.

#include "widgets/mConstants.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

// The offscreen platform unless one is chosen, the program's identity and resources, and the
// settings in a scratch folder, so that no run reads or changes the user's.
class BenchApp
{
public:
    BenchApp(int& argc, char** argv, const char* name) : m_platform(UseOffscreen()), m_app(argc, argv)
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Sidelines"));
        QCoreApplication::setApplicationName(QString::fromLatin1(name));
        InitResources();
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    }

private:
    static bool UseOffscreen()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }

    bool m_platform;
    QApplication m_app;
    QTemporaryDir m_settings;
};

// Runs the benchmarks the command line names; an unknown argument is refused with status 1.
inline int RunBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The q-th quantile (0.5: the median) of the samples, nearest rank; 0 without samples.
inline double Percentile(const std::vector<double>& samples, double q)
{
    if (samples.empty())
        return 0;
    std::vector<double> v(samples);
    const size_t i = std::min(v.size() - 1, size_t(q * double(v.size() - 1) + 0.5));
    std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(i), v.end());
    return v[i];
}

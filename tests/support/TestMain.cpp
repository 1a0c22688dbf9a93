#include "support/TestMain.h"

#include "core/mConstants.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {
std::map<std::string, std::function<QObject*()>>& registry()
{
    static std::map<std::string, std::function<QObject*()>> classes;
    return classes;
}
}  // namespace

int RegisterTestClass(const char* name, std::function<QObject*()> make)
{
    registry()[name] = std::move(make);
    return 0;
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Sidelines"));
    QCoreApplication::setApplicationName(QStringLiteral("sidelines"));
    InitResources();

    // Nor does the archive of saved matches, even from a test without a TestApp.
    QTemporaryDir dataDir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataDir.path()));
    // Settings never reach the developer's own profile.
    QTemporaryDir settingsDir;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());

    std::string only;
    int first = 1;
    if (argc > 1 && registry().count(argv[1])) {
        only = argv[1];
        first = 2;
    }
    int failures = 0;
    for (auto& [name, make] : registry()) {
        if (!only.empty() && name != only)
            continue;
        std::unique_ptr<QObject> test(make());
        QStringList args{QString::fromLocal8Bit(argv[0])};
        for (int i = first; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}

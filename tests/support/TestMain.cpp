#include "support/TestMain.h"

#include "widgets/Accessible.h"
#include "widgets/mConstants.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>
#include <string>

namespace {
std::map<std::string, std::function<QObject*()>>& registry()
{
    static std::map<std::string, std::function<QObject*()>> classes;
    return classes;
}
} // namespace

int RegisterTestClass(const char* name, std::function<QObject*()> make)
{
    registry()[name] = std::move(make);
    return 0;
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime, dataDir, settingsDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Sidelines"));
    QCoreApplication::setApplicationName(QStringLiteral("sidelines"));
    InitResources();
    a11y::InstallInterfaces();

    // Neither the archive of saved matches (even from a test without a TestApp) nor the settings
    // ever reach the developer's own profile.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataDir.path()));
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());

    // The first argument may name the one class to run.
    const bool one = argc > 1 && registry().count(argv[1]);
    QStringList args{QString::fromLocal8Bit(argv[0])};
    for (int i = one ? 2 : 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    int failures = 0;
    for (auto& [name, make] : registry()) {
        if (one && name != argv[1])
            continue;
        std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}

#include "shell/Version.h"
#include "shell/frmSplash.h"
#include "core/mConstants.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Sidelines"));
    QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).baseName());
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(SidelinesVersion::kMajor)
                                                .arg(SidelinesVersion::kMinor)
                                                .arg(SidelinesVersion::kRevision));
    InitResources();
    // The program ends through the main window's exit question only, not when the splash (the
    // last window for a moment) closes.
    QApplication::setQuitOnLastWindowClosed(false);

    SidelinesStart start(QCoreApplication::applicationDirPath());
    if (!start.begin())
        return 1;
    return app.exec();
}

#include "shell/Version.h"
#include "shell/frmSplash.h"
#include "core/mConstants.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
    // The user's language when a translation is there; the texts as written otherwise.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    QTranslator ownTexts;
    if (ownTexts.load(QLocale(), QStringLiteral("sidelines"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&ownTexts);
    // The program ends through the main window's exit question only, not when the splash (the
    // last window for a moment) closes.
    QApplication::setQuitOnLastWindowClosed(false);

    SidelinesStart start(QCoreApplication::applicationDirPath());
    if (!start.begin())
        return 1;
    return app.exec();
}

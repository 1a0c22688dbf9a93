#include "shell/ClubBatch.h"
#include "shell/Pictures.h"
#include "shell/Texts.h"
#include "shell/Version.h"
#include "shell/ScoutBatch.h"
#include "shell/frmSplash.h"
#include "widgets/Accessible.h"
#include "storage/Database.h"
#include "widgets/mConstants.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>

namespace {
void SetIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Sidelines"));
    QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).baseName());
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(SidelinesVersion::kMajor)
                                                .arg(SidelinesVersion::kMinor)
                                                .arg(SidelinesVersion::kRevision));
}

// The program takes no arguments but --help, --version and the batch commands (ScoutBatch,
// ClubBatch). They are answered without a window system, so that a terminal without a display can
// ask too; anything else is refused with the usage text and status 2.
int AnswerArguments(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    SetIdentity();
    InitResources();
    InstallTranslations();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Volleyball statistics from the bench. Started without arguments, "
                                            "Sidelines opens its main window."));
    // Qt's own help option would also offer --help-all with Qt's options, which are refused here.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    ScoutBatch::AddOptions(parser);
    ClubBatch::AddOptions(parser);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QCoreApplication::arguments())
        || (!parser.positionalArguments().isEmpty() && !ScoutBatch::TakesFiles(parser))) {
        const QString why = parser.errorText().isEmpty()
                                ? QCoreApplication::translate("main", "Unexpected argument '%1'.")
                                      .arg(parser.positionalArguments().value(0))
                                : parser.errorText();
        std::fputs(qPrintable(why + QStringLiteral("\n") + parser.helpText()), stderr);
        return 2;
    }
    if (parser.isSet(help))
        std::fputs(qPrintable(parser.helpText()), stdout);
    else if (ScoutBatch::Wanted(parser))
        return ScoutBatch::Run(parser, QCoreApplication::applicationDirPath());
    else if (parser.isSet(version))
        std::fputs(qPrintable(QStringLiteral("%1 %2\n").arg(QStringLiteral("Sidelines"), QCoreApplication::applicationVersion())),
                   stdout);
    else if (const std::optional<int> status = ClubBatch::Run(parser))
        return *status;
    return 0;
}
}  // namespace

int main(int argc, char* argv[])
{
    if (argc > 1)
        return AnswerArguments(argc, argv);

    QApplication app(argc, argv);
    SetIdentity();
    // The desktop entry's name lets a desktop show its icon for these windows; the same icon on
    // the windows themselves serves desktops that do not look.
    QGuiApplication::setDesktopFileName(QStringLiteral(SIDELINES_APP_ID));
    InitResources();
    a11y::InstallInterfaces();
    // Drawn at the sizes a window asks for, when it asks.
    QApplication::setWindowIcon(SvgIcon(QStringLiteral(":/desktop/sidelines.svg")));
    // The user's language when a translation is there; the texts as written otherwise.
    InstallTranslations();
    // The program ends through the main window's exit question only, not when the splash (the
    // last window for a moment) closes.
    QApplication::setQuitOnLastWindowClosed(false);

    SidelinesStart start(QCoreApplication::applicationDirPath());
    if (!start.begin())
        return 1;
    const int status = app.exec();
    // The log copied into the file and the kept statements let go while the application is
    // still there to take them.
    Db::close();
    return status;
}

#include "shell/ClubCommands.h"

#include "storage/ArchiveStore.h"
#include "club/ClubCall.h"
#include "club/ClubSettings.h"
#include "club/ClubStore.h"
#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"
#include "shell/frmClubServer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>

#include <cstdio>

namespace ClubCommands {

namespace {
// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ClubCommands)
};

// The archive, upgraded first when an older Sidelines wrote it, or empty when there is none yet.
QString Archive()
{
    const QString path = ArchiveStore::DefaultPath();
    if (!QFileInfo::exists(path))
        return {};
    QString error;
    if (!Db::prepareFile(path, &error))
        throw DbError(Words::tr("The archive of saved matches %1 cannot be used: %2").arg(path, error), QString());
    return path;
}

ClubStore::Bench ThisBench()
{
    return {ClubSettings::BenchId(), ClubSettings::BenchName()};
}

// Sends what waits with these limits. The report holds what came of each match even when the call
// was given up.
ClubStore::SendReport Send(const ClubCall::Limits& limits, QString* failure)
{
    ClubStore::SendReport report;
    const QString archive = Archive();
    if (archive.isEmpty())
        return report;
    const ClubServer server = ClubSettings::Server();
    const QString password = ClubSettings::SessionPassword().value_or(QString());
    const ClubStore::Bench bench = ThisBench();
    ClubCall call(limits, QCoreApplication::translate("ClubCommands", "Sending the matches to the club server..."));
    try {
        call.run([&](ClubCall& c) { ClubStore::SendWaiting(archive, bench, server, password, c, &report); });
    } catch (const DbError& e) {
        *failure = e.message();
    }
    return report;
}
} // namespace

QString WaitingText(int count)
{
    return count == 1 ? Words::tr("1 match waiting for the club server")
                      : Words::tr("%1 matches waiting for the club server").arg(count);
}

int ShowWaiting()
{
    int count = 0;
    if (const ClubServer server = ClubSettings::Server(); server.isSet()) {
        try {
            const QString archive = Archive();
            if (!archive.isEmpty())
                count = int(ClubStore::WaitingMatches(archive, ClubSettings::BenchId(), server).size());
        } catch (const DbError&) {
            // The archive's trouble is said by the commands that use it; the status line stays quiet.
        }
    }
    SetIdleNote(count > 0 ? WaitingText(count) : QString());
    return count;
}

void ShowSettings(QWidget* parent)
{
    frmClubServer window(parent);
    if (window.choose())
        ShowWaiting();
}

void SendNow(QWidget* parent)
{
    Q_UNUSED(parent);
    const QString title = Words::tr("Send Matches to Club Server");
    if (!ClubSettings::Server().isSet()) {
        MsgBox(Words::tr("No club server is set up yet: File > Club Server."), QMessageBox::Ok,
               QMessageBox::Information, title);
        return;
    }
    QString failure;
    const ClubStore::SendReport report = Send(ClubCall::Limits::Window(), &failure);
    const int waiting = ShowWaiting();
    const int sent = report.sentCount();
    if (failure.isEmpty() && report.matches.empty()) {
        MsgBox(Words::tr("Every saved match is on the club server already."), QMessageBox::Ok, QMessageBox::Information,
               title);
        return;
    }
    if (failure.isEmpty()) {
        SetStatus(sent == 1 ? Words::tr("1 match sent to the club server.")
                            : Words::tr("%1 matches sent to the club server.").arg(sent));
        return;
    }
    MsgBox(Words::tr("%1 of %2 matches went to the club server; %3 wait for the next send.\n\n%4")
               .arg(sent)
               .arg(report.matches.size())
               .arg(waiting)
               .arg(failure),
           QMessageBox::Ok, QMessageBox::Warning, title);
}

void SendAtExit()
{
    if (!ClubSettings::Server().isSet())
        return;
    QString failure;
    try {
        const ClubStore::SendReport report = Send(ClubCall::Limits::Exit(), &failure);
        if (!failure.isEmpty())
            std::fprintf(stderr, "%s\n",
                         qPrintable(Words::tr("Matches left waiting for the club server: %1").arg(failure)));
    } catch (const DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
    }
}

void AtStart(QWidget* parent)
{
    const ClubServer server = ClubSettings::Server();
    if (!server.isSet()) {
        SetIdleNote(QString());
        return;
    }
    KeyStore::Answer answer;
    {
        BusyPointer busy;
        answer = KeyStore::ReadPassword(server.describe());
    }
    if (answer.reachable) {
        ClubSettings::SetSessionPassword(answer.password);
    } else {
        MsgBox(Words::tr("The system's key store cannot be reached (%1), so the password for the club server %2 is not "
                         "kept between starts.\n\nPlease type it for this session.")
                   .arg(answer.error, server.describe()),
               QMessageBox::Ok, QMessageBox::Warning, Words::tr("Club Server"));
        QInputDialog ask(parent);
        ask.setObjectName(QStringLiteral("frmClubPassword"));
        ask.setWindowTitle(Words::tr("Club Server"));
        ask.setLabelText(Words::tr("Password of %1:").arg(server.describe()));
        ask.setTextEchoMode(QLineEdit::Password);
        ask.setInputMode(QInputDialog::TextInput);
        if (ask.exec() == QDialog::Accepted)
            ClubSettings::SetSessionPassword(ask.textValue());
        else
            ClubSettings::SetSessionPassword(std::nullopt);
    }
    ShowWaiting();
}

} // namespace ClubCommands

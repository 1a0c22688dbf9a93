#pragma once

#include "reports/ReportData.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QPrinter;
class QPushButton;
class QTextBrowser;

// Where the file dialogs of the report window open: the user's Documents folder, or the home
// folder when there is none (never the program's own folder).
QString ExportFolder();
// The path with the export's extension ("pdf", "html", "csv", "txt"): a name typed without it gets it.
QString WithExtension(const QString& path, const QString& extension);
// A team's name as part of a file name: characters no file system takes become "_", and blanks
// and dots at the ends go; never empty.
QString FileNamePart(const QString& name);
// The MaxPreps files of a report, given the chosen path (with its extension): the path itself for
// one team; for several, one file per team beside it, "<name> - <team>.txt", distinct even where
// two teams' names read alike in a file name.
QStringList MaxPrepsPaths(const QString& path, const QStringList& teams);

// The report window: a preview of the report and the ways to take it away (printer, PDF, web page,
// CSV).
class frmReportView : public QDialog
{
    Q_OBJECT

public:
    explicit frmReportView(ReportModel model, QWidget* parent = nullptr);
    ~frmReportView() override;

    const ReportModel& model() const { return m_model; }

    // Write the report to a file; the buttons call these after asking for the path. A file that
    // cannot be written is reported and gives false.
    bool saveAsPdf(const QString& path);
    // One self-contained web page of the same content as the PDF (ReportHtml), for any browser and
    // screen reader, and to mail.
    bool saveAsHtml(const QString& path);
    bool exportCsv(const QString& path);
    // MaxPreps takes one team a file: with several teams, one file per team (MaxPrepsPaths), and
    // the window names the files it wrote.
    bool exportMaxPreps(const QString& path);
    // The team numbers (TeamNumbersCsv) and every rally that stands (RalliesCsv) of the games the
    // report covers; the rallies' whole line-ups are read from the database for the file.
    bool exportTeamNumbers(const QString& path);
    bool exportRallies(const QString& path);

    // Lays the report out on the printer's pages (landscape), at 9 points, the box score across
    // the page's width, its column headings on every page and the page's number at its foot.
    void printTo(QPrinter* printer) const;

private:
    void cmdPrint_Click();
    void cmdSavePdf_Click();
    void cmdSaveHtml_Click();
    void cmdExportCsv_Click();
    void cmdExportMaxPreps_Click();
    void cmdExportTeamNumbers_Click();
    void cmdExportRallies_Click();
    // Asks for the file to write, starting in ExportFolder() with the name offered; the extension
    // is added to a name typed without it (asking before that replaces a file). Empty when the
    // user cancelled.
    QString askPath(const QString& title, const QString& extension, const QString& filter,
                    const std::function<QStringList(const QString&)>& written, const QString& offered = QString());
    // Writes each text to its path, each in one piece (nothing half-written is left): every file
    // is opened and written before the first one takes its place. Reports a failure.
    bool writeTexts(const QStringList& paths, const QList<QByteArray>& texts);

    ReportModel m_model;
    QTextBrowser* txtPreview = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSavePdf = nullptr;
    QPushButton* cmdSaveHtml = nullptr;
    QPushButton* cmdExportCsv = nullptr;
    QPushButton* cmdExportMaxPreps = nullptr;
    QPushButton* cmdExportTeamNumbers = nullptr;
    QPushButton* cmdExportRallies = nullptr;
    QPushButton* cmdClose = nullptr;
};

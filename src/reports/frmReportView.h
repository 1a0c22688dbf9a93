#pragma once

#include "reports/ReportData.h"

#include <QDialog>

class QPrinter;
class QPushButton;
class QTextBrowser;

// The report window: a preview of the report and the ways to take it away (printer, PDF, CSV).
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
    bool exportCsv(const QString& path);
    bool exportMaxPreps(const QString& path);

    // Lays the report out on the printer's pages (landscape), at 9 points, the box score across
    // the page's width, its column headings on every page and the page's number at its foot.
    void printTo(QPrinter* printer) const;

private:
    void cmdPrint_Click();
    void cmdSavePdf_Click();
    void cmdExportCsv_Click();
    void cmdExportMaxPreps_Click();
    // Writes text to path in one piece (nothing half-written is left); reports a failure.
    bool writeText(const QString& path, const QByteArray& bytes);

    ReportModel m_model;
    QTextBrowser* txtPreview = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSavePdf = nullptr;
    QPushButton* cmdExportCsv = nullptr;
    QPushButton* cmdExportMaxPreps = nullptr;
    QPushButton* cmdClose = nullptr;
};

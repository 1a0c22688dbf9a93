#pragma once

#include "reports/ReportData.h"

#include <QPointer>
#include <QString>
#include <utility>

class frmReportView;

// The report engine that the report generation drives: it is told which layout to use and which
// report to show, then runs it, opening a report window. It knows the two layouts by their file
// names; nothing is read from those files.
class ReportEngine
{
public:
    static constexpr auto kPositionsTogether = "vbsum.rpt";
    static constexpr auto kPositionsApart = "vbpositn.rpt";

    // The layout of the next run, as a path whose file name is one of the two layouts.
    void SetReportFileName(const QString& path);
    QString ReportFileName() const { return m_fileName; }

    // The report to show: its heading and its lines, as the report statement returned them.
    void SetReport(ReportModel model) { m_model = std::move(model); }
    const ReportModel& Report() const { return m_model; }

    // Shows the report in the layout set (not modal; Escape closes it). Throws when the layout is
    // unknown.
    frmReportView* Run();

    // The window of the last run while it is open.
    frmReportView* LastWindow() const;

    static ReportLayout LayoutOf(const QString& path, bool* known = nullptr);

private:
    QString m_fileName;
    ReportModel m_model;
    QPointer<frmReportView> m_window;
};

// The process-wide engine, created on first use.
ReportEngine& VB_REPORT();

#pragma once

#include "reports/ReportData.h"

#include <QPointer>
#include <QString>

class frmReportView;

// The report engine that the report generation drives: it is told which layout to use and then
// runs it over the working tables REPORT and GAMECOUNT, opening a report window. It knows the two
// layouts by their file names; nothing is read from those files.
class ReportEngine
{
public:
    static constexpr auto kPositionsTogether = "vbsum.rpt";
    static constexpr auto kPositionsApart = "vbpositn.rpt";

    // The layout of the next run, as a path whose file name is one of the two layouts.
    void SetReportFileName(const QString& path);
    QString ReportFileName() const { return m_fileName; }

    // The choices the heading states, the order of the lines and the pass tallies of this report.
    void SetSelection(const ReportSelection& selection) { m_selection = selection; }
    const ReportSelection& Selection() const { return m_selection; }

    // Produces the report from the tables as they stand and shows it (not modal; Escape closes
    // it). Throws when the layout is unknown or the tables cannot be read.
    frmReportView* Run();

    // The window of the last run while it is open.
    frmReportView* LastWindow() const;

    static ReportLayout LayoutOf(const QString& path, bool* known = nullptr);

private:
    QString m_fileName;
    ReportSelection m_selection;
    QPointer<frmReportView> m_window;
};

// The process-wide engine, created on first use.
ReportEngine& VB_REPORT();

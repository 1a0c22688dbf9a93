#include "reports/ReportEngine.h"

#include "widgets/mConstants.h"
#include "reports/frmReportView.h"

#include <QFileInfo>
#include <stdexcept>

void ReportEngine::SetReportFileName(const QString& path)
{
    m_fileName = path;
}

ReportLayout ReportEngine::LayoutOf(const QString& path, bool* known)
{
    const QString name = QFileInfo(path).fileName();
    const bool apart = name.compare(QLatin1String(kPositionsApart), Qt::CaseInsensitive) == 0;
    const bool together = name.compare(QLatin1String(kPositionsTogether), Qt::CaseInsensitive) == 0;
    if (known)
        *known = apart || together;
    return apart ? ReportLayout::PositionsApart : ReportLayout::PositionsTogether;
}

frmReportView* ReportEngine::Run()
{
    bool known = false;
    const ReportLayout layout = LayoutOf(m_fileName, &known);
    if (!known)
        throw std::runtime_error("The report layout \"" + m_fileName.toStdString() + "\" is not known.");
    BusyPointer busy;
    ReportModel model = m_model;
    model.layout = layout;
    auto* window = new frmReportView(std::move(model));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    CentreOnScreen(window);
    window->raise();
    window->activateWindow();
    m_window = window;
    return window;
}

frmReportView* ReportEngine::LastWindow() const
{
    return m_window;
}

ReportEngine& VB_REPORT()
{
    static ReportEngine engine;
    return engine;
}

#include "widgets/mConstants.h"

#include "storage/Database.h"
#include "widgets/Accessible.h"
#include "widgets/CProgressBar.h"
#include "widgets/MsgBox.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
QPointer<QLabel>& statusLabel()
{
    static QPointer<QLabel> label;
    return label;
}

int& beeps()
{
    static int count = 0;
    return count;
}

// The status line and the gauge as storage's long operations see them.
class WindowDisplay final : public ProgressDisplay
{
public:
    void showStatus(const QString& text, bool changed) override
    {
        QLabel* label = statusLabel();
        if (!label)
            return;
        label->setText(text);
        // Its text is its accessible name: a screen reader reads each new status out.
        if (changed)
            a11y::Announce(label);
        if (label->isVisible())
            label->repaint();
    }
    void setGaugeMax(int max) override { pubProgress().setMax(max); }
    void setGaugeValue(int value) override { pubProgress().setValue(value); }
    void beginWait() override
    {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()))
            m_busy.push_back(std::make_unique<BusyPointer>());
    }
    void endWait() override
    {
        if (!m_busy.empty())
            m_busy.pop_back();
    }

private:
    std::vector<std::unique_ptr<BusyPointer>> m_busy;
};

// Linked into every program with windows, so the display is in place before any of them opens.
const bool g_displayed = [] {
    static WindowDisplay display;
    SetProgressDisplay(&display);
    return true;
}();
}  // namespace

CProgressBar& pubProgress()
{
    static CProgressBar gauge;
    return gauge;
}

void SetStatusLabel(QLabel* label)
{
    statusLabel() = label;
}

bool RunCommand(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const DbError& e) {
        MsgBox(DescribeFailure(e), QMessageBox::Ok, QMessageBox::Critical, QCoreApplication::translate("Sidelines", "Sidelines"),
               QMessageBox::NoButton, FailureDetails(e));
    } catch (const GaugeError& e) {
        MsgBox(e.description(), QMessageBox::Ok, QMessageBox::Critical, e.source());
    } catch (const std::exception& e) {
        MsgBox(QString::fromLocal8Bit(e.what()), QMessageBox::Ok, QMessageBox::Critical,
               QCoreApplication::translate("Sidelines", "Sidelines"));
    }
    return false;
}

BusyPointer::BusyPointer(QWidget* window) : m_window(window)
{
    if (!window)
        return;
    m_windowHadCursor = window->testAttribute(Qt::WA_SetCursor);
    m_previousShape = window->cursor().shape();
    window->setCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer()
{
    if (m_override) {
        QApplication::restoreOverrideCursor();
        return;
    }
    if (!m_window)
        return;
    if (m_windowHadCursor)
        m_window->setCursor(m_previousShape);
    else
        m_window->unsetCursor();
}

void Beep()
{
    ++beeps();
    QApplication::beep();
}

int BeepCount()
{
    return beeps();
}

void CentreOnScreen(QWidget* window)
{
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

namespace {
struct ButtonWords
{
    Q_DECLARE_TR_FUNCTIONS(DialogButtons)
};
} // namespace

OkCancelButtons MakeOkCancel(QWidget* parent)
{
    auto* ok = new QPushButton(ButtonWords::tr("OK"), parent);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    auto* cancel = new QPushButton(ButtonWords::tr("Cancel"), parent);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setAutoDefault(false);
    return {ok, cancel};
}

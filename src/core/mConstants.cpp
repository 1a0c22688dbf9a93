#include "core/mConstants.h"

#include "core/Accessible.h"
#include "core/CProgressBar.h"
#include "core/MsgBox.h"
#include "core/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>

QString pubAppPath;

namespace {
QPointer<QLabel>& statusLabel()
{
    static QPointer<QLabel> label;
    return label;
}

QString& statusText()
{
    static QString text;
    return text;
}

std::function<void(const QString&)>& statusObserver()
{
    static std::function<void(const QString&)> observer;
    return observer;
}

int& beeps()
{
    static int count = 0;
    return count;
}
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

void SetStatus(const QString& text)
{
    statusText() = text;
    if (statusObserver())
        statusObserver()(text);
    if (QLabel* label = statusLabel()) {
        const bool changed = label->text() != text;
        label->setText(text);
        // Its text is its accessible name: a screen reader reads each new status out.
        if (changed)
            a11y::Announce(label);
        if (label->isVisible())
            label->repaint();
    }
}

QString StatusText()
{
    return statusText();
}

void SetStatusObserver(std::function<void(const QString&)> observer)
{
    statusObserver() = std::move(observer);
}

namespace {
QString& idleStatus()
{
    static QString text;
    return text;
}

QString& idleNote()
{
    static QString text;
    return text;
}

QString idleLine()
{
    if (idleNote().isEmpty())
        return idleStatus();
    return idleStatus().isEmpty() ? idleNote() : idleStatus() + QStringLiteral("  \u2014  ") + idleNote();
}
}  // namespace

void SetIdleStatus(const QString& text)
{
    idleStatus() = text;
    SetStatus(idleLine());
}

void SetIdleNote(const QString& note)
{
    idleNote() = note;
    SetStatus(idleLine());
}

void ClearProgress()
{
    pubProgress().setValue(0);
    SetStatus(idleLine());
}

ProgressScope::ProgressScope(const QString& status, int count)
{
    SetStatus(status);
    setCount(count);
}

ProgressScope::~ProgressScope()
{
    ClearProgress();
}

void ProgressScope::setCount(int count)
{
    // A maximum of 0 is refused by the gauge; an empty list simply leaves it as it is.
    if (count > 0) {
        pubProgress().setMax(count);
        m_sized = true;
    }
}

void ProgressScope::step(int done)
{
    if (m_sized)
        pubProgress().setValue(done);
}

QString DescribeFailure(const DbError& error)
{
    const QString file = Db::isOpen() ? Db::connection().databaseName() : QString();
    if (!file.isEmpty() && !QFileInfo::exists(file))
        return QCoreApplication::translate("Sidelines", "The database file %1 is no longer there: it was moved or "
                                                        "deleted while Sidelines was running.")
            .arg(QDir::toNativeSeparators(file));
    return error.message();
}

bool RunCommand(const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const DbError& e) {
        MsgBox(DescribeFailure(e), QMessageBox::Ok, QMessageBox::Critical, QCoreApplication::translate("Sidelines", "Sidelines"));
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

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue)
{
    QSettings settings;
    return settings.value(section + QLatin1Char('/') + key, defaultValue).toString();
}

void SaveSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings;
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
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

void InitResources()
{
    Q_INIT_RESOURCE(sidelines);
}

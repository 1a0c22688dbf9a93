#include "club/ClubCall.h"

#include "storage/Database.h"
#include "storage/Progress.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <memory>
#include <optional>
#include <sys/socket.h>

namespace {
// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ClubCall)
};

// While a call runs, the windows paint, move and resize, but take no keys, clicks or closing: a
// command started now would run inside this one.
class InputHold : public QObject
{
public:
    InputHold() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputHold() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        case QEvent::Close:
            // The window system's close box; the program's own closing is not spontaneous.
            if (event->spontaneous() && watched->isWidgetType()) {
                event->ignore();
                return true;
            }
            return false;
        default:
            return false;
        }
    }
};
} // namespace

ClubCall::Limits ClubCall::Limits::Window()
{
    return {10, 10000, 20000, 30, 0};
}

ClubCall::Limits ClubCall::Limits::Exit()
{
    return {2, 2000, 3000, 4, 5};
}

ClubCall::ClubCall(const Limits& limits, const QString& status) : m_limits(limits), m_status(status) {}

void ClubCall::progressed(int done, int count, const QString& what)
{
    // Called on the worker: handed to the waiting thread, which owns the windows and the timers.
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app,
        [this, done, count, what] {
            if (m_restartQuiet)
                m_restartQuiet();
            if (m_onProgress)
                m_onProgress(done, count, what);
        },
        Qt::QueuedConnection);
}

void ClubCall::holdSocket(int fd)
{
    if (fd < 0)
        return;
    std::lock_guard<std::mutex> lock(m_socketLock);
    m_sockets.push_back(fd);
    // Given up while the connection was being made: the socket is shut as soon as there is one.
    if (m_stop.load())
        ::shutdown(fd, SHUT_RDWR);
}

void ClubCall::releaseSocket(int fd)
{
    std::lock_guard<std::mutex> lock(m_socketLock);
    std::erase(m_sockets, fd);
}

void ClubCall::giveUp(const QString& why)
{
    if (m_stop.load())
        return;
    m_limitReached = why;
    abandon();
}

void ClubCall::abandon()
{
    if (m_stop.exchange(true))
        return;
    std::lock_guard<std::mutex> lock(m_socketLock);
    // Shut, not closed: the worker still owns the descriptor and closes it itself, so the number
    // cannot be taken by another file in between. A blocked read or write returns at once.
    for (const int fd : m_sockets)
        ::shutdown(fd, SHUT_RDWR);
}

void ClubCall::run(const std::function<void(ClubCall&)>& work,
                   const std::function<void(int, int, const QString&)>& onProgress)
{
    m_stop = false;
    m_limitReached.clear();
    m_onProgress = onProgress;

    QString failure;
    bool failed = false;
    std::unique_ptr<QThread> thread(QThread::create([this, &work, &failure, &failed] {
        try {
            work(*this);
        } catch (const DbError& e) {
            failed = true;
            failure = e.message();
        } catch (const std::exception& e) {
            failed = true;
            failure = QString::fromLocal8Bit(e.what());
        }
    }));

    const bool windows = QCoreApplication::instance()->inherits("QApplication");
    std::optional<WaitScope> busy;
    std::optional<InputHold> hold;
    std::optional<ProgressScope> progress;
    if (windows) {
        busy.emplace();
        hold.emplace();
    }
    if (!m_status.isEmpty())
        progress.emplace(m_status);
    auto userProgress = m_onProgress;
    m_onProgress = [&progress, userProgress](int done, int count, const QString& what) {
        if (progress && count > 0) {
            progress->setCount(count);
            progress->step(done);
        }
        if (userProgress)
            userProgress(done, count, what);
    };

    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer quiet;
    quiet.setSingleShot(true);
    quiet.setInterval(m_limits.quietSeconds * 1000);
    QObject::connect(&quiet, &QTimer::timeout, &loop, [this] {
        giveUp(Words::tr("The club server did not answer within %1 seconds.").arg(m_limits.quietSeconds));
    });
    QTimer total;
    total.setSingleShot(true);
    if (m_limits.totalSeconds > 0) {
        total.setInterval(m_limits.totalSeconds * 1000);
        QObject::connect(&total, &QTimer::timeout, &loop, [this] {
            giveUp(
                Words::tr("The club server took longer than the %1 seconds it is given.").arg(m_limits.totalSeconds));
        });
    }
    m_restartQuiet = [&quiet] { quiet.start(); };

    quiet.start();
    if (m_limits.totalSeconds > 0)
        total.start();
    thread->start();
    loop.exec();
    thread->wait();
    // The progress the worker posted before it ended is shown before the call returns.
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::MetaCall);
    m_restartQuiet = nullptr;
    m_onProgress = nullptr;

    if (!m_limitReached.isEmpty()) {
        // What the worker met after its socket was shut is only the consequence.
        throw DbError(m_limitReached, QString());
    }
    if (failed)
        throw DbError(failure, QString());
}

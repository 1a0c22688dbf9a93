#pragma once

// One exchange with the club server, run on a thread of its own so that a slow or dead network
// never holds the window: the calling thread waits in an event loop that keeps painting (with the
// status line, the gauge and the busy pointer) but takes no input, and gives up when its limits
// are reached. Giving up shuts the connection's socket, so the worker's blocked call returns at
// once; run() returns only when the worker has finished, so nothing of it outlives the call.

#include <QString>

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

class ClubCall
{
public:
    struct Limits
    {
        int connectSeconds;  // to reach the server and log in (libpq takes no less than 2)
        int networkMs;       // unanswered packets and keepalive probes before the link counts as dead
        int statementMs;     // the longest one statement may run on the server
        int quietSeconds;    // the call gives up when nothing has come back for this long
        int totalSeconds;    // and, when not 0, after this long in all

        // A command of the window: each answer within 30 s.
        static Limits Window();
        // The exit: a few seconds in all, whatever the network does.
        static Limits Exit();
    };

    explicit ClubCall(const Limits& limits, const QString& status = QString());
    ClubCall(const ClubCall&) = delete;
    ClubCall& operator=(const ClubCall&) = delete;

    const Limits& limits() const { return m_limits; }

    // Runs work on a thread of its own and waits for it. The work's DbError comes back as a DbError
    // thrown here; a call that reached its limits throws one that says so. onProgress, when given,
    // hears of every step the work reports, on the calling thread.
    void run(const std::function<void(ClubCall&)>& work,
             const std::function<void(int done, int count, const QString& what)>& onProgress = {});

    // For the caller, while run() waits: stop the work at its next safe point, as giving up does,
    // for a reason of the caller's own (run() then throws the work's failure, if any).
    void abandon();
    // For the work: whether the caller has given up (stop at the next safe point).
    bool stopped() const { return m_stop.load(); }
    // For the work: a step done; shown by the caller, and it restarts the quiet limit.
    void progressed(int done, int count, const QString& what = QString());
    // For the work: the socket of an open connection, which giving up shuts; released before the
    // connection closes. The work may hold several, one per connection.
    void holdSocket(int fd);
    void releaseSocket(int fd);

    // Why the last run gave up, or empty when it did not.
    QString limitReached() const { return m_limitReached; }

private:
    void giveUp(const QString& why);

    Limits m_limits;
    QString m_status;
    std::atomic<bool> m_stop{false};
    std::mutex m_socketLock;
    std::vector<int> m_sockets;
    QString m_limitReached;
    std::function<void()> m_restartQuiet;
    std::function<void(int, int, const QString&)> m_onProgress;
};

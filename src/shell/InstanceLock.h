#pragma once

#include <QString>

#include <optional>

// Keeps a second copy of the program off one database: a lock file beside it, held for the
// copy's whole life with the system's advisory lock on the open file. The system drops that lock
// when the process ends however it ends, so a file left behind by a copy that crashed or lost
// its power never blocks a start, whatever it holds; and taking the lock writes nothing that
// must reach the disk before the program can go on.
class InstanceLock
{
public:
    enum class State {
        Held, // this copy holds the lock
        HeldElsewhere, // another running copy holds it
        Unavailable, // the lock file cannot be opened or locked (reason() says why): nothing is held
    };

    // Who holds the lock, as the holder noted it in the file.
    struct Holder {
        qint64 pid = 0;
        QString host; // empty when the note names none
    };

    explicit InstanceLock(const QString& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return m_state; }
    QString path() const { return m_path; }
    // The system's reason when the lock is Unavailable (a directory in the way, access denied, a
    // read-only folder); empty otherwise.
    QString reason() const { return m_reason; }
    // The holder when the lock is HeldElsewhere and the holder's note could be read; the note is
    // written just after the lock is taken, so a start at that very moment may find none yet.
    const std::optional<Holder>& holder() const { return m_holder; }
    // Removes the file and lets the lock go; also done by the destructor.
    void release();

private:
    // Reads a holder's note: its process id, the program's name and the host, one a line.
    static std::optional<Holder> ReadNote(const QByteArray& note);

    QString m_path;
    QString m_reason;
    std::optional<Holder> m_holder;
    int m_fd = -1;
    State m_state = State::Unavailable;
};

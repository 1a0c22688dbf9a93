#include "shell/InstanceLock.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

InstanceLock::InstanceLock(const QString& path) : m_path(path)
{
    const QByteArray name = QFile::encodeName(path);
    // A copy that is letting the lock go removes the file first; a file opened just before that
    // is locked in vain, so the lock counts only while the name still leads to the locked file.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) {
            m_reason = qt_error_string(errno);
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int failure = errno;
            if (failure == EWOULDBLOCK) {
                m_state = State::HeldElsewhere;
                char note[512];
                const ssize_t size = ::read(fd, note, sizeof note);
                if (size > 0)
                    m_holder = ReadNote(QByteArray(note, qsizetype(size)));
            } else {
                m_reason = qt_error_string(failure);
            }
            ::close(fd);
            return;
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(fd, &opened) == 0 && ::stat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev
            && opened.st_ino == named.st_ino) {
            // Who holds it, for a copy that is refused (it names the holder) and for a person
            // looking at the folder; the lock holds whether or not the note could be written.
            const QByteArray who = QByteArray::number(qint64(::getpid())) + "\nsidelines\n"
                + QSysInfo::machineHostName().toUtf8() + "\n";
            [[maybe_unused]] const bool noted
                = ::ftruncate(fd, 0) == 0 && ::write(fd, who.constData(), size_t(who.size())) == who.size();
            m_fd = fd;
            m_state = State::Held;
            return;
        }
        ::close(fd);
    }
    m_reason = QCoreApplication::translate("InstanceLock", "The file was replaced each time it was locked.");
}

std::optional<InstanceLock::Holder> InstanceLock::ReadNote(const QByteArray& note)
{
    const QList<QByteArray> lines = note.split('\n');
    bool ok = false;
    const qint64 pid = lines.first().toLongLong(&ok);
    if (!ok || pid <= 0)
        return std::nullopt;
    Holder holder{pid, {}};
    // The host is shown to the user: a garbled one is left out rather than shown.
    const QString host = lines.size() > 2 ? QString::fromUtf8(lines[2]) : QString();
    const bool plain = std::none_of(host.cbegin(), host.cend(), [](QChar c) {
        return !c.isPrint() || c == QChar::ReplacementCharacter;
    });
    if (plain && host.size() <= 255)
        holder.host = host;
    return holder;
}

InstanceLock::~InstanceLock()
{
    release();
}

void InstanceLock::release()
{
    if (m_fd < 0)
        return;
    // Removed while still held, so that no copy can take the lock on a file about to vanish.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
    m_state = State::Unavailable;
    m_reason.clear();
}

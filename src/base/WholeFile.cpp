#include "base/WholeFile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace WholeFile {

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

Result Read(const QString& path, qint64 limit)
{
    Result r;
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        r.failure = errno == ENOENT || errno == ENOTDIR ? Failure::Missing : Failure::Unreadable;
        r.reason = SystemReason(errno);
        return r;
    }
    if (!S_ISREG(info.st_mode)) {
        r.failure = Failure::NotRegular;
        return r;
    }
    // Without waiting: whatever stands at the path by now (it may have been replaced since it was
    // looked at) is looked at again once open, before a byte is read.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        r.failure = errno == ENOENT ? Failure::Missing : Failure::Unreadable;
        r.reason = SystemReason(errno);
        return r;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        r.failure = Failure::NotRegular;
        return r;
    }
    constexpr qint64 kChunk = 1 << 16;
    r.bytes.reserve(qsizetype(std::min<qint64>(info.st_size > 0 ? info.st_size : kChunk, limit) + 1));
    for (;;) {
        // One byte past the limit says the file is larger, whatever its size said.
        const qint64 room = std::min(kChunk, limit + 1 - qint64(r.bytes.size()));
        if (room <= 0) {
            r.failure = Failure::TooLarge;
            r.bytes.clear();
            break;
        }
        const qsizetype at = r.bytes.size();
        r.bytes.resize(at + qsizetype(room));
        const ssize_t got = ::read(fd, r.bytes.data() + at, size_t(room));
        if (got < 0 && errno == EINTR) {
            r.bytes.resize(at);
            continue;
        }
        if (got < 0) {
            r.failure = Failure::Unreadable;
            r.reason = SystemReason(errno);
            r.bytes.clear();
            break;
        }
        r.bytes.resize(at + qsizetype(got));
        if (got == 0)
            break;
    }
    ::close(fd);
    return r;
}

} // namespace WholeFile

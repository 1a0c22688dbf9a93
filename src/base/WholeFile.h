#pragma once

// A file a user names, read whole into memory, safely: only a regular file is opened for reading
// (a FIFO would wait for a writer for ever, a device such as /dev/zero never ends), and the bytes
// are counted as they come, since a file system's size may be wrong or change while it is read.

#include <QByteArray>
#include <QString>

namespace WholeFile {

enum class Failure {
    None,
    Missing, // no such file
    NotRegular, // a FIFO, a device, a folder, a socket
    TooLarge, // more bytes than the limit
    Unreadable, // the system's reason in Result::reason
};

struct Result
{
    QByteArray bytes;
    Failure failure = Failure::None;
    QString reason; // Unreadable: the system's words
    bool ok() const { return failure == Failure::None; }
};

// The file at path, when it is a regular file (or a link to one) of at most limit bytes.
Result Read(const QString& path, qint64 limit);

} // namespace WholeFile

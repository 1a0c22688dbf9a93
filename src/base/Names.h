#pragma once

// Team and player names set inside texts of ours: headings, messages, the status line, a court
// box, a report's labels.
//
// A name in a right-to-left script takes the figures next to it along: by the bidirectional rules
// a number that follows Arabic letters is an Arabic number, so "سارة" over "#2" on a court box
// shows the shirt as "2#", and so does "#2" or a score in a sentence after such a name. Set apart
// (first strong isolate … pop directional isolate), the name keeps its own order and leaves its
// neighbours theirs. A name without right-to-left letters is left exactly as typed, so every other
// text stays as it was.
//
// A typed name is held to kLongestName characters (a court box, a heading and a printed line can
// show that much); one stored before the limit or read from elsewhere is shortened in its middle
// wherever it is shown in a heading or a message, so that no window grows past the screen.

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

namespace names {

constexpr int kLongest = 60;

inline bool HasRightToLeft(QStringView text)
{
    for (char32_t c : text.toUcs4()) {
        switch (QChar::direction(c)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            break;
        }
    }
    return false;
}

inline QString Isolated(const QString& name)
{
    if (!HasRightToLeft(name))
        return name;
    return QChar(0x2068) + name + QChar(0x2069);
}

// At most kLongest characters, the middle of a longer name given up for "…" (never half of a
// surrogate pair), then isolated.
inline QString Shown(const QString& name)
{
    if (name.size() <= kLongest)
        return Isolated(name);
    qsizetype head = (kLongest - 1) / 2;
    qsizetype tail = kLongest - 1 - head;
    if (name.at(head - 1).isHighSurrogate())
        --head;
    if (name.at(name.size() - tail).isLowSurrogate())
        --tail;
    return Isolated(name.left(head) + QChar(0x2026) + name.right(tail));
}

} // namespace names

#pragma once

// The pieces the reader's files share (ScoutRead: the file and its sections; ScoutLines: the
// [3SCOUT] lines and the sets they tell). Nothing here is for anyone else.

#include "scoutfile/ScoutFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVarLengthArray>
#include <optional>
#include <vector>

namespace Scout {

[[noreturn]] void Refuse(int line, const QString& reason);

// A line of a section as text, with its number in the file.
struct TextLine
{
    int number = 0;
    QString text;
};

// A line's fields, split at ';' and trimmed. The hexadecimal copies of texts that newer programs
// add to a line are taken out into copies, and leave their place empty: a copy never stands for
// the field of its place, and never refuses the line. The fields are views of the line's text,
// which the object keeps: no field is copied until it is asked for.
class LineFields
{
public:
    explicit LineFields(const TextLine& line);

    qsizetype size() const { return m_fields.size(); }
    int line() const { return m_line; }
    const std::vector<QByteArray>& copies() const { return m_copies; }
    // A field the program uses ("" past the end). A control character in it refuses the line; one
    // in a field the program does not use is never looked at.
    QStringView view(qsizetype i) const;
    QString at(qsizetype i) const { return view(i).toString(); }

private:
    int m_line = 0;
    QString m_text;
    QVarLengthArray<QStringView, 32> m_fields;
    std::vector<QByteArray> m_copies;
};

// A whole number in [low, high] written with digits only (a sign allowed), or nothing.
std::optional<int> Number(QStringView text, int low, int high);
// "14.31.13", "14:31:13", "14.31"; an empty text is no time (invalid); nothing for anything else.
std::optional<QTime> ReadTime(QStringView text);
// "home" or "visiting", as the refusals name a side.
QString SideName(int side);

// The scout lines (ScoutLines.cpp).
inline constexpr int kScoutFields = 26; // the code and 25 fields, to the last visiting zone
Line ReadScoutLine(const TextLine& text);
// Every shirt number a line names is on its side's roster, and nobody stands in two zones.
void CheckNames(const Line& line, const ScoutMatch& match);
// Splits the lines into sets at their **Nset lines, checks every point against the score before
// it, and settles each set's final score with [3SET].
void ReadSetsPlayed(ScoutMatch& match);

} // namespace Scout

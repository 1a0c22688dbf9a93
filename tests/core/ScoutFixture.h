#pragma once

// The real scout file in tests/data and the changes the scout tests make to it, line by line.

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QStringList>

namespace scoutfixture {

inline QString DataPath(const QString& name)
{
    return QStringLiteral(SIDELINES_TEST_DATA "/") + name;
}

inline QByteArray Fixture(const QString& name = QStringLiteral("example_data.dvw"))
{
    QFile file(DataPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The file's lines without their ends (the file ends its lines with CR LF).
inline QList<QByteArray> Lines(const QByteArray& bytes = Fixture())
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    return lines;
}

inline QByteArray Join(const QList<QByteArray>& lines, const QByteArray& end = "\r\n")
{
    return lines.join(end) + end;
}

// Line n (from 1) replaced.
inline QByteArray WithLine(int n, const QByteArray& text, const QByteArray& bytes = Fixture())
{
    QList<QByteArray> lines = Lines(bytes);
    lines[n - 1] = text;
    return Join(lines);
}

// The same match between other teams on another day: another match as far as the season knows.
inline QByteArray Renamed(const QByteArray& home, const QByteArray& away, const QByteArray& date,
                          const QByteArray& bytes = Fixture())
{
    QList<QByteArray> lines = Lines(bytes);
    lines[15] = date + lines[15].mid(lines[15].indexOf(';'));
    lines[18] = "BR4;" + home + ";3;;;;";
    lines[19] = "MB4;" + away + ";0;;;;";
    return Join(lines);
}

// Players added to both rosters (without a set played) up to `players` a side, and a long home
// team name: the import window's largest case.
inline QByteArray Crowded(int players, const QByteArray& homeName, const QByteArray& bytes = Fixture())
{
    QList<QByteArray> lines = Lines(bytes);
    lines[18] = "BR4;" + homeName + ";3;;;;";
    QList<QByteArray> out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Before the header after each roster, the extra players of that roster.
        if (lines[i] == "[3PLAYERS-V]" || lines[i] == "[3ATTACKCOMBINATION]") {
            const int side = lines[i] == "[3PLAYERS-V]" ? 0 : 1;
            const int listed = side == 0 ? 14 : 11;
            for (int n = 0; n < players - listed; ++n) {
                const int number = 70 + n;
                out << QByteArray::number(side) + ";" + QByteArray::number(number) + ";" + QByteArray::number(40 + n)
                        + ";;;;;;X" + QByteArray::number(number)
                        + ";Konstantinopoulou-Vanderbilt;Maximiliana;;;;False;;;";
            }
        }
        out << lines[i];
    }
    return Join(out);
}

// The few letters of the file's names in a single-byte code page ("windows-1250" or
// "iso-8859-2"); the rest of the file is plain ASCII.
inline QByteArray Encoded(const QByteArray& utf8, const QString& codePage)
{
    const bool iso = codePage == QLatin1String("iso-8859-2");
    const QHash<QChar, char> letters{{QChar(0x10C), char(0xC8)},
                                     {QChar(0x10D), char(0xE8)},
                                     {QChar(0x160), char(iso ? 0xA9 : 0x8A)},
                                     {QChar(0x17D), char(iso ? 0xAE : 0x8E)}};
    QByteArray out;
    for (const QChar c : QString::fromUtf8(utf8))
        out += c.unicode() < 0x80 ? char(c.unicode()) : letters.value(c, '?');
    return out;
}

// The encoding field of [3MATCH] replaced.
inline QByteArray Declaring(const QByteArray& declared, const QByteArray& bytes)
{
    QList<QByteArray> lines = Lines(bytes);
    QList<QByteArray> fields = lines[15].split(';');
    fields[8] = declared;
    lines[15] = fields.join(';');
    return Join(lines);
}

// The file with every letter that is not plain ASCII written without its accent, then the teams'
// and players' last names given (in the order of the rosters, round and round), the whole encoded
// in a code page by the system's converter ("windows-1251", ...): a file of another country.
inline QByteArray Foreign(const QStringList& teams, const QStringList& lastNames, const char* codePage)
{
    QString plain;
    for (const QChar c : QString::fromUtf8(Fixture()).normalized(QString::NormalizationForm_D))
        if (c.unicode() < 0x80)
            plain += c;
    QStringList lines = plain.split(QStringLiteral("\r\n"));
    QString section;
    int player = 0;
    for (QString& l : lines) {
        if (l.startsWith(QLatin1String("[3"))) {
            section = l;
            continue;
        }
        if (l.isEmpty())
            continue;
        QStringList f = l.split(QLatin1Char(';'));
        if (section == QLatin1String("[3TEAMS]"))
            f[1] = teams.value(f[0] == QLatin1String("BR4") ? 0 : 1);
        else if (section.startsWith(QLatin1String("[3PLAYERS-")))
            f[9] = lastNames[player++ % lastNames.size()];
        else
            continue;
        l = f.join(QLatin1Char(';'));
    }
    QStringEncoder encoder(codePage);
    return encoder(lines.join(QStringLiteral("\r\n")));
}

// Every substitution line of the file cut to 15 fields (the last one empty), as video portals write
// them: no line-up after the substitution.
inline QByteArray WithoutSubstitutionLineUps(const QByteArray& bytes = Fixture())
{
    QList<QByteArray> lines = Lines(bytes);
    for (QByteArray& l : lines)
        if ((l.startsWith("*c") || l.startsWith("ac")) && l.count(';') > 14)
            l = l.split(';').mid(0, 14).join(';') + ';';
    return Join(lines);
}

// A file made from the real one by a recipe of steps apart by " then ", as the scout tests' data
// writes them: "line N: TEXT" (line N replaced), "first N" (the first N lines; "first N unended":
// without the last line's end), "cut N K" (the file ends after K bytes of line N), "drop A-B" (lines
// A to B left out; "A-": to the end), "copy A-B after C", "encode CODEPAGE", "declare NAME",
// "file NAME" (another file of tests/data), "rename HOME / AWAY / DATE", "foreign CODEPAGE / TEAMS /
// LAST NAMES" (teams and names apart by ";"), "no substitution line-ups", "ends END" (every line
// ended so), "unended" (the last line end gone), "junk" (ten megabytes of junk lines added),
// "empty", "bytes: TEXT". An empty recipe is the real file.
inline QByteArray Made(const QByteArray& recipe)
{
    QByteArray bytes = Fixture();
    for (qsizetype at = 0, next = 0; at < recipe.size(); at = next + 6) {
        next = recipe.indexOf(" then ", at) < 0 ? recipe.size() : recipe.indexOf(" then ", at);
        const QByteArray step = recipe.mid(at, next - at);
        const qsizetype colon = step.indexOf(": ");
        const QByteArray text = colon < 0 ? QByteArray() : step.mid(colon + 2);
        const QString head = QString::fromUtf8(colon < 0 ? step : step.left(colon));
        const QStringList w = head.split(QLatin1Char(' ')), parts = head.section(QLatin1Char(' '), 1).split(QStringLiteral(" / "));
        const auto number = [&](int i, int end = 0) {
            const QString n = w.value(i).section(QLatin1Char('-'), end, end);
            return n.isEmpty() ? int(Lines(bytes).size()) : n.toInt();
        };
        QList<QByteArray> lines = Lines(bytes);
        if (w[0] == QLatin1String("line")) {
            lines[number(1) - 1] = text;
            bytes = Join(lines);
        } else if (w[0] == QLatin1String("first")) {
            bytes = w.value(2) == QLatin1String("unended") ? lines.mid(0, number(1)).join("\r\n") : Join(lines.mid(0, number(1)));
        } else if (w[0] == QLatin1String("cut")) {
            lines = lines.mid(0, number(1));
            lines.last().truncate(number(2));
            bytes = lines.join("\r\n");
        } else if (w[0] == QLatin1String("drop")) {
            lines.remove(number(1) - 1, number(1, 1) - number(1) + 1);
            bytes = Join(lines);
        } else if (w[0] == QLatin1String("copy")) {
            bytes = Join(lines.mid(0, number(3)) + lines.mid(number(1) - 1, number(1, 1) - number(1) + 1) + lines.mid(number(3)));
        } else if (w[0] == QLatin1String("encode")) {
            bytes = Encoded(bytes, w[1]);
        } else if (w[0] == QLatin1String("declare")) {
            bytes = Declaring(w[1].toUtf8(), bytes);
        } else if (w[0] == QLatin1String("file")) {
            bytes = Fixture(w[1]);
        } else if (w[0] == QLatin1String("rename")) {
            bytes = Renamed(parts[0].toUtf8(), parts[1].toUtf8(), parts[2].toUtf8(), bytes);
        } else if (w[0] == QLatin1String("foreign")) {
            bytes = Foreign(parts[1].split(QLatin1Char(';')), parts[2].split(QLatin1Char(';')), qPrintable(parts[0]));
        } else if (head == QLatin1String("no substitution line-ups")) {
            bytes = WithoutSubstitutionLineUps(bytes);
        } else if (w[0] == QLatin1String("ends")) {
            bytes = Join(lines, step.mid(5));
        } else if (w[0] == QLatin1String("unended")) {
            bytes.chop(2);
        } else if (w[0] == QLatin1String("junk")) {
            while (bytes.size() < 10 * 1024 * 1024)
                bytes += "4F2A 99 zz qq ### ~~~ 0000 junk junk junk junk junk junk junk\n";
        } else if (w[0] == QLatin1String("empty") || w[0] == QLatin1String("bytes")) {
            bytes = text;
        } else {
            qFatal("no such step of a scout file's recipe: %s", step.constData());
        }
    }
    return bytes;
}

} // namespace scoutfixture

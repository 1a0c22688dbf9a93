#include "core/ScoutFile.h"

#include "core/RecordId.h"
#include "core/ScoutGames.h"
#include "core/ScoutKinds.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <set>

namespace Scout {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Scout)
};

[[noreturn]] void Refuse(int line, const QString& reason)
{
    throw RefusalError(Refusal{line, reason});
}

// ---------------------------------------------------------------------------------------------
// Text encodings

// The letters of bytes 0x80 to 0xFF; 0 where the code page has none (those bytes cannot be read).
// The C1 controls of ISO-8859-2 are left out too: no name holds one.
constexpr std::array<char16_t, 128> kWindows1250{
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, 0x0000, 0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};
constexpr std::array<char16_t, 128> kWindows1251{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F};
constexpr std::array<char16_t, 128> kWindows1252{
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152,
    0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0,
    0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
    0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA,
    0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4,
    0x00F5, 0x00F6, 0x00F7, 0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF};
constexpr std::array<char16_t, 128> kIso8859_2{
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A,
    0x00A7, 0x00A8, 0x0160, 0x015E, 0x0164, 0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142,
    0x00B4, 0x013E, 0x015B, 0x02C7, 0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

const std::array<char16_t, 128>* TableOf(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Windows1250:
        return &kWindows1250;
    case Encoding::Windows1251:
        return &kWindows1251;
    case Encoding::Windows1252:
        return &kWindows1252;
    case Encoding::Iso8859_2:
        return &kIso8859_2;
    case Encoding::Automatic:
    case Encoding::Utf8:
        break;
    }
    return nullptr;
}

// The length of the well-formed UTF-8 sequence at p (overlong forms, surrogates and code points
// past U+10FFFF are not), or 0.
int Utf8SequenceAt(const unsigned char* p, const unsigned char* end)
{
    const unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    int length = 0;
    char32_t low = 0;
    char32_t point = 0;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        point = c & 0x1F;
        low = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        point = c & 0x0F;
        low = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        point = c & 0x07;
        low = 0x10000;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        point = (point << 6) | (p[i] & 0x3F);
    }
    if (point < low || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

bool IsUtf8(QByteArrayView bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        // Runs of plain ASCII, the bulk of any scout file, are skipped quickly.
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int n = Utf8SequenceAt(p, end);
        if (n == 0)
            return false;
        p += n;
    }
    return true;
}

// The lines of the file as bytes with their numbers; split at CR LF, CR or LF.
struct RawLine
{
    int number = 0;
    QByteArrayView bytes;
};

std::vector<RawLine> SplitLines(QByteArrayView all)
{
    std::vector<RawLine> lines;
    qsizetype start = 0;
    int number = 0;
    const qsizetype n = all.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = all[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.push_back({++number, all.sliced(start, i - start)});
        if (c == '\r' && i + 1 < n && all[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.push_back({++number, all.sliced(start)});
    return lines;
}

// What the file says its text is, from the ninth field of the first line of [3MATCH]: a code
// page number, "UTF-8", or nothing worth trusting (a bare "1").
std::optional<Encoding> Declared(const std::vector<RawLine>& lines, QString* declared)
{
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].bytes.trimmed() != QByteArrayView("[3MATCH]"))
            continue;
        const QList<QByteArray> fields = lines[i + 1].bytes.toByteArray().split(';');
        const QByteArray value = fields.value(8).trimmed().toUpper();
        *declared = QString::fromLatin1(value);
        if (value == "UTF-8" || value == "UTF8" || value == "65001")
            return Encoding::Utf8;
        if (value == "1250" || value == "WINDOWS-1250" || value == "CP1250")
            return Encoding::Windows1250;
        if (value == "1251" || value == "WINDOWS-1251" || value == "CP1251")
            return Encoding::Windows1251;
        if (value == "1252" || value == "WINDOWS-1252" || value == "CP1252")
            return Encoding::Windows1252;
        if (value == "28592" || value == "ISO-8859-2" || value == "LATIN2")
            return Encoding::Iso8859_2;
        return std::nullopt;
    }
    return std::nullopt;
}

bool IsTextChar(char16_t c)
{
    return c == u'\t' || (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c <= 0x9F));
}

// One line as text, or a refusal naming it: bytes the encoding has no letter for, or characters
// no scout writes (binary data).
QString Decode(const RawLine& line, Encoding encoding)
{
    QString text;
    if (const auto* table = TableOf(encoding)) {
        text.resize(line.bytes.size());
        QChar* out = text.data();
        for (qsizetype i = 0; i < line.bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(line.bytes[i]);
            const char16_t c = b < 0x80 ? char16_t(b) : (*table)[b - 0x80];
            if (c == 0 && b >= 0x80)
                Refuse(line.number,
                       Words::tr("the byte 0x%1 has no letter in %2; choose the text encoding the file was "
                                 "written in.")
                           .arg(int(b), 2, 16, QLatin1Char('0'))
                           .arg(EncodingName(encoding)));
            if (!IsTextChar(c))
                Refuse(line.number,
                       Words::tr("the line holds characters that are not text: this is no scout file, or it "
                                 "is damaged."));
            out[i] = QChar(c);
        }
        return text;
    }
    if (!IsUtf8(line.bytes))
        Refuse(line.number, Words::tr("the line is not UTF-8 text; choose the text encoding the file was written in."));
    text = QString::fromUtf8(line.bytes);
    for (const QChar c : std::as_const(text))
        if (!IsTextChar(c.unicode()))
            Refuse(line.number,
                   Words::tr("the line holds characters that are not text: this is no scout file, or it is "
                             "damaged."));
    return text;
}

// ---------------------------------------------------------------------------------------------
// Sections

struct TextLine
{
    int number = 0;
    QString text;
};

struct Section
{
    QString name;
    int header = 0;
    std::vector<TextLine> lines; // blank lines left out
};

const QStringList kRequired{QStringLiteral("3MATCH"),     QStringLiteral("3TEAMS"),     QStringLiteral("3MORE"),
                            QStringLiteral("3PLAYERS-H"), QStringLiteral("3PLAYERS-V"), QStringLiteral("3SCOUT")};

bool IsHeader(const QString& text, QString* name)
{
    static const QRegularExpression header(QStringLiteral("^\\[(3[A-Z0-9-]+)\\]$"));
    const QRegularExpressionMatch m = header.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    *name = m.captured(1);
    return true;
}

QStringList Fields(const QString& text)
{
    QStringList fields = text.split(QLatin1Char(';'));
    for (QString& f : fields)
        f = f.trimmed();
    return fields;
}

// A whole number in [low, high] written with digits only (a sign allowed), or nothing.
std::optional<int> Number(const QString& text, int low, int high)
{
    static const QRegularExpression digits(QStringLiteral("^-?[0-9]{1,9}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

// ---------------------------------------------------------------------------------------------
// Dates and times

struct DateParts
{
    int a = 0, b = 0, year = 0;
    bool yearFirst = false;
};

std::optional<DateParts> SplitDate(const QString& text)
{
    static const QRegularExpression dayFirst(QStringLiteral("^([0-9]{1,2})[/.-]([0-9]{1,2})[/.-]([0-9]{4})$"));
    static const QRegularExpression yearFirst(QStringLiteral("^([0-9]{4})[/.-]([0-9]{1,2})[/.-]([0-9]{1,2})$"));
    if (const auto m = dayFirst.match(text); m.hasMatch())
        return DateParts{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), false};
    if (const auto m = yearFirst.match(text); m.hasMatch())
        return DateParts{m.captured(2).toInt(), m.captured(3).toInt(), m.captured(1).toInt(), true};
    return std::nullopt;
}

// Whether the file writes its dates month first, told by any date of its own that can only be
// read one way; nothing when none can.
std::optional<bool> MonthFirst(const std::vector<TextLine>& header)
{
    for (const TextLine& l : header) {
        const QString value = l.text.section(QLatin1Char(':'), 1).trimmed().section(QLatin1Char(' '), 0, 0);
        const std::optional<DateParts> p = SplitDate(value);
        if (!p || p->yearFirst)
            continue;
        if (p->a > 12 && p->b <= 12)
            return false;
        if (p->b > 12 && p->a <= 12)
            return true;
    }
    return std::nullopt;
}

QDate ReadDate(const QString& text, std::optional<bool> monthFirst)
{
    const std::optional<DateParts> p = SplitDate(text);
    if (!p)
        return {};
    if (p->yearFirst)
        return QDate(p->year, p->a, p->b);
    // dd/mm/yyyy is the usual form; mm/dd/yyyy where the numbers or the file's other dates say so.
    bool mf = monthFirst.value_or(false);
    if (p->a > 12)
        mf = false;
    else if (p->b > 12)
        mf = true;
    return mf ? QDate(p->year, p->a, p->b) : QDate(p->year, p->b, p->a);
}

// "14.31.13", "14:31:13", "14.31"; an empty text is no time (invalid), anything else is refused.
std::optional<QTime> ReadTime(const QString& text)
{
    if (text.isEmpty())
        return QTime();
    static const QRegularExpression time(QStringLiteral("^([0-9]{1,2})[.:]([0-9]{2})(?:[.:]([0-9]{2}))?$"));
    const QRegularExpressionMatch m = time.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const QTime t(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).isEmpty() ? 0 : m.captured(3).toInt());
    if (!t.isValid())
        return std::nullopt;
    return t;
}

// ---------------------------------------------------------------------------------------------
// The sections' contents

QString SideName(int side)
{
    return side == kHome ? Words::tr("home") : Words::tr("visiting");
}

void ReadTeams(const Section& s, ScoutMatch& m)
{
    if (s.lines.size() != 2)
        Refuse(s.lines.size() > 2 ? s.lines[2].number : s.header,
               Words::tr("[3TEAMS] must hold two lines, the home team's and the visiting team's; it holds %1.")
                   .arg(s.lines.size()));
    for (int side = 0; side < 2; ++side) {
        const TextLine& l = s.lines[size_t(side)];
        const QStringList f = Fields(l.text);
        if (f.size() < 3)
            Refuse(l.number,
                   Words::tr("the line is cut short: a team line gives at least its code, name and sets won."));
        Team& t = m.teams[size_t(side)];
        t.line = l.number;
        t.code = f[0];
        t.name = f[1];
        if (t.name.isEmpty())
            Refuse(l.number, Words::tr("the %1 team has no name.").arg(SideName(side)));
        if (t.name.size() > 200)
            Refuse(l.number, Words::tr("the %1 team's name is too long to be a team's name.").arg(SideName(side)));
        const std::optional<int> sets = Number(f[2], 0, kMaxSets);
        if (!sets)
            Refuse(l.number,
                   Words::tr("the sets won by the %1 team must be a number from 0 to %2, not \"%3\".")
                       .arg(SideName(side))
                       .arg(kMaxSets)
                       .arg(f[2]));
        t.setsWon = *sets;
        t.coach = f.value(3);
        t.assistant = f.value(4);
    }
    if (m.teams[0].name.compare(m.teams[1].name, Qt::CaseInsensitive) == 0)
        Refuse(m.teams[1].line,
               Words::tr("both teams are called \"%1\": the players of one could not be told from the "
                         "other's.")
                   .arg(m.teams[1].name));
}

void ReadPlayers(const Section& s, int side, ScoutMatch& m)
{
    Team& team = m.teams[size_t(side)];
    for (const TextLine& l : s.lines) {
        const QStringList f = Fields(l.text);
        // team; shirt; index; five sets; id; last name; first name
        if (f.size() < 11)
            Refuse(l.number,
                   Words::tr("the player line is cut short: it has %1 fields where a player line has at least "
                             "11.")
                       .arg(f.size()));
        if (f[0] != QString::number(side))
            Refuse(l.number,
                   Words::tr("a line of [3PLAYERS-%1] must begin with %2, not \"%3\".")
                       .arg(side == kHome ? QStringLiteral("H") : QStringLiteral("V"))
                       .arg(side)
                       .arg(f[0]));
        Player p;
        p.line = l.number;
        const std::optional<int> number = Number(f[1], 0, 99);
        if (!number)
            Refuse(l.number, Words::tr("the shirt number \"%1\" is not one from 0 to 99.").arg(f[1]));
        p.number = *number;
        if (team.player(p.number))
            Refuse(l.number,
                   Words::tr("the %1 team lists shirt number %2 twice (first at line %3).")
                       .arg(SideName(side))
                       .arg(p.number)
                       .arg(team.player(p.number)->line));
        for (int set = 0; set < kMaxSets; ++set) {
            const QString& z = f[3 + set];
            if (!z.isEmpty() && z != QLatin1String("*") && !Number(z, 1, 6))
                Refuse(l.number,
                       Words::tr("player %1's place in set %2 must be a zone from 1 to 6, \"*\" or nothing, not "
                                 "\"%3\".")
                           .arg(p.number)
                           .arg(set + 1)
                           .arg(z));
            p.sets[size_t(set)] = z;
        }
        p.lastName = f[9];
        p.firstName = f[10];
        if (p.name().isEmpty())
            Refuse(l.number, Words::tr("player %1 of the %2 team has no name.").arg(p.number).arg(SideName(side)));
        if (p.name().size() > 200)
            Refuse(l.number, Words::tr("player %1's name is too long to be a player's name.").arg(p.number));
        team.players.push_back(p);
    }
    if (team.players.empty())
        Refuse(s.header, Words::tr("the %1 team has no players.").arg(SideName(side)));
}

void ReadSets(const Section& s, ScoutMatch& m)
{
    static const QRegularExpression score(QStringLiteral("^([0-9]{1,3})\\s*-\\s*([0-9]{1,3})$"));
    m.hasSetSection = true;
    for (const TextLine& l : s.lines) {
        const QStringList f = Fields(l.text);
        SetResult r;
        r.line = l.number;
        const QString final = f.value(4);
        if (!final.isEmpty()) {
            const QRegularExpressionMatch sm = score.match(final);
            if (!sm.hasMatch())
                Refuse(l.number, Words::tr("the final score \"%1\" cannot be read.").arg(final));
            r.played = true;
            r.home = sm.captured(1).toInt();
            r.away = sm.captured(2).toInt();
            r.minutes = Number(f.value(5), 0, 100000).value_or(-1);
        }
        m.setResults.push_back(r);
    }
}

// The scout line's code: what it is and what it names.
void ReadCode(Line& l)
{
    static const QRegularExpression setEnd(QStringLiteral("^\\*\\*([0-9])set$"));
    static const QRegularExpression point(QStringLiteral("^[*a]p([0-9]{1,3}):([0-9]{1,3})$"));
    static const QRegularExpression rotation(QStringLiteral("^[*a]z([1-6])$"));
    static const QRegularExpression sub(QStringLiteral("^[*a]c([0-9]{1,2}):([0-9]{1,2})$"));
    static const QRegularExpression lineUp(QStringLiteral("^[*a](?:P([0-9]{1,2})|z([1-6]))>LUp$"));
    static const QRegularExpression action(QStringLiteral("^[*a]([0-9]{2}|\\$\\$)([A-Z])([A-Z])([#+!/=-])(.*)$"));
    const QString& c = l.code;
    if (const auto m = setEnd.match(c); m.hasMatch()) {
        l.kind = Line::Kind::SetEnd;
        l.setNumber = m.captured(1).toInt();
        return;
    }
    if (c.size() < 2 || (c[0] != QLatin1Char('*') && c[0] != QLatin1Char('a')))
        Refuse(l.line,
               Words::tr("\"%1\" is no scout code: a code begins with * (home) or a (visiting).").arg(c.left(40)));
    l.side = c[0] == QLatin1Char('*') ? kHome : kAway;
    const QChar second = c[1];
    if (second.isDigit() || second == QLatin1Char('$')) {
        if (c.startsWith(QLatin1String("*$$&")) || c.startsWith(QLatin1String("a$$&"))) {
            l.kind = Line::Kind::Other; // a rally's end credited to nobody
            return;
        }
        const auto m = action.match(c);
        if (!m.hasMatch())
            Refuse(l.line,
                   Words::tr("the code \"%1\" cannot be read: an action is the team, two digits of the shirt "
                             "number, the skill, the hitting type and the evaluation.")
                       .arg(c.left(40)));
        l.kind = Line::Kind::Action;
        l.number = m.captured(1) == QLatin1String("$$") ? -1 : m.captured(1).toInt();
        l.skill = char(m.captured(2).at(0).toLatin1());
        l.hitType = char(m.captured(3).at(0).toLatin1());
        l.evaluation = char(m.captured(4).at(0).toLatin1());
        if (!IsScoutSkill(l.skill))
            Refuse(l.line,
                   Words::tr("the code \"%1\" names no skill: the skills are S, R, A, B, D, E and F.").arg(c.left(40)));
        // The custom code stands from the 16th place of the code; ~ keeps an empty place.
        l.customCode = c.mid(15);
        l.customCode.remove(QLatin1Char('~'));
        return;
    }
    if (const auto m = point.match(c); m.hasMatch()) {
        l.kind = Line::Kind::Point;
        l.homeScore = m.captured(1).toInt();
        l.awayScore = m.captured(2).toInt();
        return;
    }
    if (const auto m = lineUp.match(c); m.hasMatch()) {
        l.kind = Line::Kind::LineUp;
        if (!m.captured(1).isEmpty())
            l.number = m.captured(1).toInt();
        else
            l.setterZone = m.captured(2).toInt();
        return;
    }
    if (const auto m = rotation.match(c); m.hasMatch()) {
        l.kind = Line::Kind::Rotation;
        l.setterZone = m.captured(1).toInt();
        return;
    }
    if (const auto m = sub.match(c); m.hasMatch()) {
        l.kind = Line::Kind::Substitution;
        l.out = m.captured(1).toInt();
        l.number = m.captured(2).toInt();
        return;
    }
    // A point, rotation or substitution that does not read as one would change the game unseen.
    if (second == QLatin1Char('p') || second == QLatin1Char('z') || second == QLatin1Char('c'))
        Refuse(l.line, Words::tr("the code \"%1\" cannot be read.").arg(c.left(40)));
    l.kind = Line::Kind::Other;
}

constexpr int kScoutFields = 26; // the code and 25 fields, to the last visiting zone

Line ReadScoutLine(const TextLine& t)
{
    Line l;
    l.line = t.number;
    const QStringList f = Fields(t.text);
    l.code = f[0];
    // A line with fields runs to the last visiting zone (real files always do); fewer means the
    // line was cut.
    if (f.size() > 1 && f.size() < kScoutFields)
        Refuse(l.line,
               Words::tr("the scout line is cut short: it has %1 fields where one has %2.")
                   .arg(f.size())
                   .arg(kScoutFields));
    ReadCode(l);
    if (f.size() == 1)
        return l;
    const std::optional<QTime> time = ReadTime(f[7]);
    if (!time)
        Refuse(l.line, Words::tr("the time \"%1\" cannot be read.").arg(f[7].left(20)));
    l.time = *time;
    if (!f[8].isEmpty()) {
        const std::optional<int> set = Number(f[8], 1, kMaxSets + 1);
        if (!set)
            Refuse(l.line,
                   Words::tr("the set number \"%2\" is not one from 1 to %1.").arg(kMaxSets).arg(f[8].left(20)));
        l.set = *set;
    }
    for (int side = 0; side < 2; ++side) {
        l.setterZones[size_t(side)] = Number(f[9 + side], 1, 6).value_or(0);
        for (int z = 0; z < 6; ++z) {
            const QString& v = f[14 + side * 6 + z];
            if (v.isEmpty())
                continue;
            const std::optional<int> number = Number(v, 0, 99);
            if (!number)
                Refuse(l.line,
                       Words::tr("the %1 player in zone %2 is \"%3\", not a shirt number from 0 to 99.")
                           .arg(SideName(side))
                           .arg(z + 1)
                           .arg(v.left(20)));
            l.zones[size_t(side)][size_t(z)] = *number;
        }
    }
    return l;
}

// Every shirt number a line names is on its side's roster, and nobody stands in two zones.
void CheckNames(const Line& l, const ScoutMatch& m)
{
    auto known = [&](int side, int number, const QString& what) {
        if (number >= 0 && !m.teams[size_t(side)].player(number))
            Refuse(l.line,
                   Words::tr("%1 names shirt number %2, who is not on the %3 team's roster.")
                       .arg(what)
                       .arg(number)
                       .arg(SideName(side)));
    };
    if (l.kind == Line::Kind::Action)
        known(l.side, l.number, Words::tr("the action"));
    else if (l.kind == Line::Kind::Substitution) {
        known(l.side, l.out, Words::tr("the substitution"));
        known(l.side, l.number, Words::tr("the substitution"));
        if (l.out == l.number)
            Refuse(l.line, Words::tr("the substitution exchanges player %1 for the same player.").arg(l.number));
    } else if (l.kind == Line::Kind::LineUp)
        known(l.side, l.number, Words::tr("the line-up"));
    for (int side = 0; side < 2; ++side) {
        std::set<int> seen;
        for (int number : l.zones[size_t(side)]) {
            if (number < 0)
                continue;
            known(side, number, Words::tr("the line-up"));
            if (!seen.insert(number).second)
                Refuse(l.line,
                       Words::tr("the %1 player %2 stands in two zones at once.").arg(SideName(side)).arg(number));
        }
    }
}

// Splits the lines into sets at their **Nset lines, checks every point against the score before
// it, and settles each set's final score with [3SET].
void ReadSetsPlayed(ScoutMatch& m)
{
    Set current;
    current.number = 1;
    int home = 0;
    int away = 0;
    int lastLine = m.lineCount;
    auto close = [&](bool ended) {
        current.ended = ended;
        current.home = home;
        current.away = away;
        m.sets.push_back(current);
        current = Set();
        current.number = int(m.sets.size()) + 1;
        home = away = 0;
    };
    for (size_t i = 0; i < m.lines.size(); ++i) {
        const Line& l = m.lines[i];
        if (l.kind == Line::Kind::SetEnd) {
            if (l.setNumber != current.number)
                Refuse(l.line,
                       Words::tr("the line ends set %1, but set %2 is being played.")
                           .arg(l.setNumber)
                           .arg(current.number));
            current.lines.push_back(int(i));
            close(true);
            continue;
        }
        if (current.number > kMaxSets) {
            // What a scout writes after the last set (a time-out, a line-up) is no part of the match.
            if (l.kind == Line::Kind::Point || l.isPlayerAction())
                Refuse(
                    l.line,
                    Words::tr("the line lies past the end of set %1, and a match has at most %1 sets.").arg(kMaxSets));
            continue;
        }
        current.lines.push_back(int(i));
        if (l.kind == Line::Kind::Point) {
            const int wantHome = home + (l.side == kHome ? 1 : 0);
            const int wantAway = away + (l.side == kAway ? 1 : 0);
            if (l.homeScore != wantHome || l.awayScore != wantAway)
                Refuse(l.line,
                       Words::tr("the score %1:%2 does not follow from %3:%4 with a point for the %5 team.")
                           .arg(l.homeScore)
                           .arg(l.awayScore)
                           .arg(home)
                           .arg(away)
                           .arg(SideName(l.side)));
            home = wantHome;
            away = wantAway;
            current.hasPoints = true;
        } else if (l.kind == Line::Kind::Action && l.number >= 0) {
            current.hasActions = true;
        }
    }
    // Lines after the last set's end belong to a set only when a rally was scouted in them.
    if (current.hasPoints || current.hasActions)
        close(false);

    const bool anyPoints = std::any_of(m.sets.begin(), m.sets.end(), [](const Set& s) { return s.hasPoints; });
    std::vector<SetResult> played;
    for (const SetResult& r : m.setResults)
        if (r.played)
            played.push_back(r);
    if (m.hasSetSection) {
        for (size_t i = 0; i < std::max(played.size(), m.sets.size()); ++i) {
            if (i >= m.sets.size()) {
                // A set [3SET] gives a score for but no line tells: a file scouted rally by rally
                // that ends before it was cut short.
                if (anyPoints)
                    Refuse(lastLine,
                           Words::tr("the file ends before set %1, which [3SET] gives as played %2-%3: it is cut "
                                     "short.")
                               .arg(i + 1)
                               .arg(played[i].home)
                               .arg(played[i].away));
                Set s;
                s.number = int(i) + 1;
                s.ended = true;
                m.sets.push_back(s);
            }
            Set& s = m.sets[i];
            const int at = s.lines.empty() ? lastLine : m.lines[size_t(s.lines.back())].line;
            if (i >= played.size()) {
                Refuse(at, Words::tr("set %1 is scouted, but [3SET] gives it no final score.").arg(i + 1));
            }
            const SetResult& r = played[i];
            if (s.hasPoints && (s.home != r.home || s.away != r.away))
                Refuse(s.ended ? at : lastLine,
                       Words::tr("set %1 ends %2-%3 by its points, but [3SET] gives %4-%5%6.")
                           .arg(i + 1)
                           .arg(s.home)
                           .arg(s.away)
                           .arg(r.home)
                           .arg(r.away)
                           .arg(s.ended ? QString() : Words::tr(": the file is cut short")));
            s.home = r.home;
            s.away = r.away;
        }
    } else {
        for (const Set& s : m.sets)
            if (!s.ended && s.hasPoints)
                Refuse(lastLine,
                       Words::tr("the file ends in the middle of set %1 (%2-%3): it is cut short.")
                           .arg(s.number)
                           .arg(s.home)
                           .arg(s.away));
    }
    if (m.sets.empty())
        Refuse(lastLine, Words::tr("the file holds no set that was played."));
    if (int(m.sets.size()) > kMaxSets)
        Refuse(lastLine, Words::tr("the file holds %1 sets; a match has at most %2.").arg(m.sets.size()).arg(kMaxSets));

    std::array<int, 2> won{0, 0};
    for (const Set& s : m.sets) {
        if (s.home > s.away)
            ++won[0];
        else if (s.away > s.home)
            ++won[1];
    }
    for (int side = 0; side < 2; ++side)
        if (won[size_t(side)] != m.teams[size_t(side)].setsWon)
            Refuse(m.teams[size_t(side)].line,
                   Words::tr("the %1 team is said to have won %2 sets, but the set scores give "
                             "it %3.")
                       .arg(SideName(side))
                       .arg(m.teams[size_t(side)].setsWon)
                       .arg(won[size_t(side)]));
}

ScoutMatch Parse(const std::vector<RawLine>& raw, Encoding encoding, const QDate& today)
{
    ScoutMatch m;
    m.encodingUsed = encoding;
    m.lineCount = raw.empty() ? 1 : raw.back().number;
    std::vector<Section> sections;
    QHash<QString, int> seen;
    for (const RawLine& r : raw) {
        const QString text = Decode(r, encoding);
        QString name;
        if (IsHeader(text, &name)) {
            if (seen.contains(name))
                Refuse(
                    r.number,
                    Words::tr("the section [%1] appears a second time (first at line %2).").arg(name).arg(seen[name]));
            seen.insert(name, r.number);
            sections.push_back({name, r.number, {}});
            continue;
        }
        if (text.trimmed().isEmpty())
            continue;
        if (sections.empty())
            Refuse(r.number,
                   Words::tr("this is no scout file: a scout file begins with a section such as "
                             "[3DATAVOLLEYSCOUT]."));
        sections.back().lines.push_back({r.number, text});
    }
    if (sections.empty())
        Refuse(1, Words::tr("the file is empty."));
    auto section = [&](const QString& name) -> const Section* {
        for (const Section& s : sections)
            if (s.name == name)
                return &s;
        return nullptr;
    };
    for (const QString& name : kRequired)
        if (!section(name))
            Refuse(m.lineCount,
                   Words::tr("the file ends without its [%1] section: it is cut short, or it is no scout file.")
                       .arg(name));

    // [3MATCH]
    const Section& match = *section(QStringLiteral("3MATCH"));
    if (match.lines.empty())
        Refuse(match.header, Words::tr("[3MATCH] is empty: it gives the match's date."));
    const TextLine& ml = match.lines.front();
    m.matchLine = ml.number;
    const QStringList mf = Fields(ml.text);
    const Section* header = section(QStringLiteral("3DATAVOLLEYSCOUT"));
    m.date = ReadDate(mf[0], header ? MonthFirst(header->lines) : std::nullopt);
    if (!m.date.isValid())
        Refuse(ml.number, Words::tr("the match's date \"%1\" cannot be read.").arg(mf[0].left(20)));
    if (m.date.year() < 1900)
        Refuse(ml.number, Words::tr("the match's date %1 is no date of a scouted match.").arg(mf[0]));
    if (today.isValid() && m.date > today)
        Refuse(
            ml.number,
            Words::tr("the match's date %1 lies in the future.").arg(QLocale().toString(m.date, QLocale::ShortFormat)));
    const std::optional<QTime> time = ReadTime(mf.value(1));
    if (!time)
        Refuse(ml.number, Words::tr("the match's time \"%1\" cannot be read.").arg(mf.value(1).left(20)));
    m.time = *time;
    m.season = mf.value(2);
    m.league = mf.value(3);
    m.phase = mf.value(4);
    m.declaredEncoding = mf.value(8);
    m.regulation = Number(mf.value(9), 0, 2).value_or(1);

    ReadTeams(*section(QStringLiteral("3TEAMS")), m);
    ReadPlayers(*section(QStringLiteral("3PLAYERS-H")), kHome, m);
    ReadPlayers(*section(QStringLiteral("3PLAYERS-V")), kAway, m);
    if (const Section* sets = section(QStringLiteral("3SET")))
        ReadSets(*sets, m);
    if (const Section* comments = section(QStringLiteral("3COMMENTS")))
        for (const TextLine& l : comments->lines)
            m.comments << l.text;

    const Section& scout = *section(QStringLiteral("3SCOUT"));
    m.lines.reserve(scout.lines.size());
    for (const TextLine& t : scout.lines) {
        Line l = ReadScoutLine(t);
        CheckNames(l, m);
        m.lines.push_back(std::move(l));
    }
    ReadSetsPlayed(m);
    return m;
}

QString TwoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// A field as the format can carry it: no separator, no line break.
QString Field(QString text)
{
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    for (QChar& c : text)
        if (!IsTextChar(c.unicode()) || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return text;
}

} // namespace

// -------------------------------------------------------------------------------------------------

QString Refusal::text() const
{
    return QCoreApplication::translate("Scout", "Line %1: %2").arg(line).arg(reason);
}

RefusalError::RefusalError(Refusal refusal)
    : std::runtime_error(refusal.text().toStdString()), m_refusal(std::move(refusal))
{
}

QString EncodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Automatic:
        return QCoreApplication::translate("Scout", "Automatic");
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Windows1250:
        return QStringLiteral("Windows-1250");
    case Encoding::Windows1251:
        return QStringLiteral("Windows-1251");
    case Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    case Encoding::Iso8859_2:
        return QStringLiteral("ISO-8859-2");
    }
    return {};
}

std::optional<Encoding> EncodingFromName(const QString& name)
{
    const QString n = name.trimmed().toLower().remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    if (n == QLatin1String("automatic") || n == QLatin1String("auto"))
        return Encoding::Automatic;
    if (n == QLatin1String("utf8"))
        return Encoding::Utf8;
    for (const auto& [code, e] : {std::pair{QStringLiteral("1250"), Encoding::Windows1250},
                                  std::pair{QStringLiteral("1251"), Encoding::Windows1251},
                                  std::pair{QStringLiteral("1252"), Encoding::Windows1252}})
        if (n == code || n == QLatin1String("windows") + code || n == QLatin1String("cp") + code)
            return e;
    if (n == QLatin1String("iso88592") || n == QLatin1String("latin2") || n == QLatin1String("28592"))
        return Encoding::Iso8859_2;
    return std::nullopt;
}

bool Complete(const Zones& zones)
{
    return std::none_of(zones.begin(), zones.end(), [](int n) { return n < 0; });
}

bool Complete(const Court& court)
{
    return Complete(court[0]) && Complete(court[1]);
}

QString Player::name() const
{
    if (firstName.isEmpty())
        return lastName;
    if (lastName.isEmpty())
        return firstName;
    return firstName + QLatin1Char(' ') + lastName;
}

bool Player::playedIn(int set) const
{
    return set >= 1 && set <= kMaxSets && !sets[size_t(set - 1)].isEmpty();
}

const Player* Team::player(int number) const
{
    for (const Player& p : players)
        if (p.number == number)
            return &p;
    return nullptr;
}

QTime ScoutMatch::startTime() const
{
    if (time.isValid())
        return time;
    for (const Line& l : lines)
        if (l.time.isValid())
            return l.time;
    return QTime(0, 0);
}

QString ActionCode(int side, int number, char skill, char evaluation, const QString& customCode)
{
    QString code = QLatin1Char(side == kHome ? '*' : 'a') + (number < 0 ? QStringLiteral("$$") : TwoDigits(number))
        + QLatin1Char(skill) + QLatin1Char('H') + QLatin1Char(evaluation);
    if (!customCode.isEmpty())
        code += QString(9, QLatin1Char('~')) + customCode;
    return code;
}

ReadResult Read(const QByteArray& bytes, Encoding encoding, const QDate& today)
{
    ReadResult result;
    QByteArrayView all(bytes);
    // A byte order mark says UTF-8 whatever the file declares.
    const bool bom = all.startsWith("\xEF\xBB\xBF");
    if (bom)
        all = all.sliced(3);
    try {
        if (all.trimmed().isEmpty())
            Refuse(1, Words::tr("the file is empty."));
        const std::vector<RawLine> raw = SplitLines(all);
        if (encoding == Encoding::Automatic) {
            QString declared;
            const std::optional<Encoding> said = Declared(raw, &declared);
            if (bom || IsUtf8(all)) {
                result.used = Encoding::Utf8;
            } else if (said == Encoding::Utf8) {
                // The file says UTF-8 and is not: find the line, and let the user choose.
                result.used = Encoding::Utf8;
                for (const RawLine& r : raw)
                    if (!IsUtf8(r.bytes))
                        Refuse(r.number,
                               Words::tr("the file declares its text as UTF-8, but this line is not UTF-8; choose "
                                         "the text encoding the file was written in."));
            } else {
                result.used = said.value_or(Encoding::Windows1252);
            }
        } else {
            result.used = encoding;
        }
        ScoutMatch m = Parse(raw, result.used, today);
        // The rallies as the import would store them, with stand-in players: anything the lines
        // cannot mean is refused here, before anything is written.
        BuildGames(m, StandInPlayers());
        result.match = std::move(m);
    } catch (const RefusalError& e) {
        result.refusal = e.refusal();
    }
    return result;
}

QByteArray Write(const ScoutMatch& m)
{
    QStringList out;
    const QString now = Clock::now().toString(QStringLiteral("dd/MM/yyyy HH.mm.ss"));
    out << QStringLiteral("[3DATAVOLLEYSCOUT]") << QStringLiteral("FILEFORMAT: 2.0")
        << QStringLiteral("GENERATOR-DAY: %1").arg(now) << QStringLiteral("GENERATOR-IDP: DVW")
        << QStringLiteral("GENERATOR-PRG: Sidelines") << QStringLiteral("GENERATOR-REL: 2.0")
        << QStringLiteral("GENERATOR-VER: ") << QStringLiteral("GENERATOR-NAM: ")
        << QStringLiteral("LASTCHANGE-DAY: %1").arg(now) << QStringLiteral("LASTCHANGE-IDP: DVW")
        << QStringLiteral("LASTCHANGE-PRG: Sidelines") << QStringLiteral("LASTCHANGE-REL: 2.0")
        << QStringLiteral("LASTCHANGE-VER: ") << QStringLiteral("LASTCHANGE-NAM: ");
    // Fields are joined, never put through arg(): a name may hold "%1" itself.
    out << QStringLiteral("[3MATCH]")
        << QStringList{m.date.toString(QStringLiteral("dd/MM/yyyy")),
                       m.time.isValid() ? m.time.toString(QStringLiteral("HH.mm.ss")) : QString(),
                       Field(m.season),
                       Field(m.league),
                       Field(m.phase),
                       QString(),
                       QString(),
                       QString(),
                       QStringLiteral("UTF-8"),
                       QString::number(m.regulation),
                       QStringLiteral("Z"),
                       QStringLiteral("0"),
                       QString()}
               .join(QLatin1Char(';'))
        << QStringLiteral(";;;;;;;;");
    out << QStringLiteral("[3TEAMS]");
    for (int side = 0; side < 2; ++side) {
        const Team& t = m.teams[size_t(side)];
        out << QStringList{Field(t.code), Field(t.name), QString::number(t.setsWon), Field(t.coach), Field(t.assistant),
                           QString(),     QString()}
                   .join(QLatin1Char(';'));
    }
    out << QStringLiteral("[3MORE]") << QStringLiteral(";;;;;;");
    out << QStringLiteral("[3COMMENTS]");
    for (const QString& c : m.comments)
        out << Field(c);
    out << QStringLiteral("[3SET]");
    for (int i = 0; i < kMaxSets; ++i) {
        const SetResult r = i < int(m.setResults.size()) ? m.setResults[size_t(i)] : SetResult();
        out << (r.played ? QStringLiteral("True;;;;%1-%2;%3;")
                               .arg(r.home)
                               .arg(r.away)
                               .arg(r.minutes >= 0 ? QString::number(r.minutes) : QString())
                         : QStringLiteral("True;;;;;;"));
    }
    for (int side = 0; side < 2; ++side) {
        out << (side == kHome ? QStringLiteral("[3PLAYERS-H]") : QStringLiteral("[3PLAYERS-V]"));
        int index = 0;
        for (const Player& p : m.teams[size_t(side)].players) {
            QStringList f{QString::number(side), QString::number(p.number), QString::number(++index)};
            for (const QString& s : p.sets)
                f << s;
            f << QStringLiteral("%1%2").arg(side == kHome ? QLatin1Char('H') : QLatin1Char('V')).arg(p.number)
              << Field(p.lastName) << Field(p.firstName) << QString() << QString() << QString()
              << QStringLiteral("False") << QString() << QString() << QString();
            out << f.join(QLatin1Char(';'));
        }
    }
    out << QStringLiteral("[3ATTACKCOMBINATION]") << QStringLiteral("[3SETTERCALL]")
        << QStringLiteral("[3WINNINGSYMBOLS]") << QStringLiteral("[3RESERVE]") << QStringLiteral("[3VIDEO]")
        << QStringLiteral("[3SCOUT]");
    for (const Line& l : m.lines) {
        QStringList f(kScoutFields);
        f[0] = l.code;
        if (l.time.isValid())
            f[7] = l.time.toString(QStringLiteral("HH.mm.ss"));
        if (l.set > 0)
            f[8] = QString::number(l.set);
        for (int side = 0; side < 2; ++side) {
            if (l.setterZones[size_t(side)] > 0)
                f[9 + side] = QString::number(l.setterZones[size_t(side)]);
            for (int z = 0; z < 6; ++z)
                if (l.zones[size_t(side)][size_t(z)] >= 0)
                    f[14 + side * 6 + z] = QString::number(l.zones[size_t(side)][size_t(z)]);
        }
        out << f.join(QLatin1Char(';')) + QLatin1Char(';');
    }
    return (out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace Scout

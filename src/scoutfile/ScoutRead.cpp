#include "scoutfile/ScoutFile.h"
#include "scoutfile/ScoutGames.h"
#include "scoutfile/ScoutParse.h"
#include "scoutfile/ScoutText.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

namespace Scout {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Scout)
};

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

// A section header, "[3NAME]": plain ASCII, whatever the encoding of the rest.
bool IsHeader(QByteArrayView bytes, QString* name)
{
    static const QRegularExpression header(QStringLiteral("^\\[(3[A-Z0-9-]+)\\]$"));
    const QByteArrayView t = bytes.trimmed();
    if (t.size() < 4 || t.front() != '[' || t.back() != ']')
        return false;
    const QRegularExpressionMatch m = header.match(QString::fromLatin1(t));
    if (!m.hasMatch())
        return false;
    *name = m.captured(1);
    return true;
}

struct Section
{
    QString name;
    int header = 0;
    std::vector<RawLine> lines; // blank lines left out
};

const QStringList kRequired{QStringLiteral("3MATCH"),     QStringLiteral("3TEAMS"),     QStringLiteral("3MORE"),
                            QStringLiteral("3PLAYERS-H"), QStringLiteral("3PLAYERS-V"), QStringLiteral("3SCOUT")};

// What the file says its text is, from the ninth field of the first line of [3MATCH] (a code
// page number, "UTF-8", or nothing worth trusting such as a bare "1").
std::optional<Encoding> Declared(const std::vector<RawLine>& lines, QString* declared)
{
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].bytes.trimmed() != QByteArrayView("[3MATCH]"))
            continue;
        const QByteArray value = lines[i + 1].bytes.toByteArray().split(';').value(8).trimmed();
        *declared = QString::fromLatin1(value);
        return EncodingDeclared(value);
    }
    return std::nullopt;
}

// The bytes the names stand in: everything before the scout lines, whose codes are plain ASCII.
QByteArrayView NameBytes(QByteArrayView all, const std::vector<RawLine>& lines)
{
    for (const RawLine& l : lines)
        if (l.bytes.trimmed() == QByteArrayView("[3SCOUT]"))
            return all.first(l.bytes.data() - all.data());
    return all;
}

// A line of a section that is read, as text. Bytes the encoding has no letter for refuse it:
// the names would come out wrong.
TextLine Text(const RawLine& line, Encoding encoding)
{
    qsizetype bad = -1;
    TextLine t{line.number, Decoded(line.bytes, encoding, &bad)};
    if (bad >= 0) {
        if (encoding == Encoding::Utf8)
            Refuse(line.number,
                   Words::tr("the line is not UTF-8 text; choose the text encoding the file was written in."));
        Refuse(line.number,
               Words::tr("the byte 0x%1 has no letter in %2; choose the text encoding the file was written in.")
                   .arg(int(static_cast<unsigned char>(line.bytes[bad])), 2, 16, QLatin1Char('0'))
                   .arg(EncodingName(encoding)));
    }
    return t;
}

// ---------------------------------------------------------------------------------------------
// Dates

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

// ---------------------------------------------------------------------------------------------
// The sections' contents

// The lines of a section read, as text and fields.
struct SectionText
{
    std::vector<TextLine> text;
    std::vector<LineFields> fields;
};

SectionText ReadSection(const Section& s, Encoding encoding)
{
    SectionText r;
    r.text.reserve(s.lines.size());
    r.fields.reserve(s.lines.size());
    for (const RawLine& l : s.lines) {
        r.text.push_back(Text(l, encoding));
        r.fields.emplace_back(r.text.back());
    }
    return r;
}

// How a text of the line is used: put right where it is garbled and a copy has it right.
struct Names
{
    Encoding copyPage = Encoding::Windows1252;
    QString of(const LineFields& f, qsizetype i) const { return Repaired(f.at(i), f.copies(), copyPage); }
};

void ReadTeams(const Section& s, const SectionText& r, const Names& names, ScoutMatch& m)
{
    if (r.fields.size() != 2)
        Refuse(r.fields.size() > 2 ? r.fields[2].line() : s.header,
               Words::tr("[3TEAMS] must hold two lines, the home team's and the visiting team's; it holds %1.")
                   .arg(r.fields.size()));
    for (int side = 0; side < 2; ++side) {
        const LineFields& f = r.fields[size_t(side)];
        if (f.size() < 3)
            Refuse(f.line(),
                   Words::tr("the line is cut short: a team line gives at least its code, name and sets won."));
        Team& t = m.teams[size_t(side)];
        t.line = f.line();
        t.code = f.at(0);
        t.name = names.of(f, 1);
        if (t.name.isEmpty())
            Refuse(f.line(), Words::tr("the %1 team has no name.").arg(SideName(side)));
        if (t.name.size() > 200)
            Refuse(f.line(), Words::tr("the %1 team's name is too long to be a team's name.").arg(SideName(side)));
        const std::optional<int> sets = Number(f.at(2), 0, kMaxSets);
        if (!sets)
            Refuse(f.line(),
                   Words::tr("the sets won by the %1 team must be a number from 0 to %2, not \"%3\".")
                       .arg(SideName(side))
                       .arg(kMaxSets)
                       .arg(f.at(2)));
        t.setsWon = *sets;
        t.coach = names.of(f, 3);
        t.assistant = names.of(f, 4);
    }
    if (m.teams[0].name.compare(m.teams[1].name, Qt::CaseInsensitive) == 0)
        Refuse(m.teams[1].line,
               Words::tr("both teams are called \"%1\": the players of one could not be told from the "
                         "other's.")
                   .arg(m.teams[1].name));
}

void ReadPlayers(const Section& s, const SectionText& r, const Names& names, int side, ScoutMatch& m)
{
    Team& team = m.teams[size_t(side)];
    for (const LineFields& f : r.fields) {
        // team; shirt; index; five sets; id; last name; first name
        if (f.size() < 11)
            Refuse(f.line(),
                   Words::tr("the player line is cut short: it has %1 fields where a player line has at least "
                             "11.")
                       .arg(f.size()));
        if (f.at(0) != QString::number(side))
            Refuse(f.line(),
                   Words::tr("a line of [3PLAYERS-%1] must begin with %2, not \"%3\".")
                       .arg(side == kHome ? QStringLiteral("H") : QStringLiteral("V"))
                       .arg(side)
                       .arg(f.at(0)));
        Player p;
        p.line = f.line();
        const std::optional<int> number = Number(f.at(1), 0, 99);
        if (!number)
            Refuse(f.line(), Words::tr("the shirt number \"%1\" is not one from 0 to 99.").arg(f.at(1)));
        p.number = *number;
        if (team.player(p.number))
            Refuse(f.line(),
                   Words::tr("the %1 team lists shirt number %2 twice (first at line %3).")
                       .arg(SideName(side))
                       .arg(p.number)
                       .arg(team.player(p.number)->line));
        for (int set = 0; set < kMaxSets; ++set) {
            const QString z = f.at(3 + set);
            if (!z.isEmpty() && z != QLatin1String("*") && !Number(z, 1, 6))
                Refuse(f.line(),
                       Words::tr("player %1's place in set %2 must be a zone from 1 to 6, \"*\" or nothing, not "
                                 "\"%3\".")
                           .arg(p.number)
                           .arg(set + 1)
                           .arg(z));
            p.sets[size_t(set)] = z;
        }
        p.code = f.at(8);
        // The role is a digit where a file gives one; anything else says nothing of the player.
        p.role = Number(f.view(13), 0, 9).value_or(0);
        p.lastName = names.of(f, 9);
        p.firstName = names.of(f, 10);
        if (p.name().isEmpty())
            Refuse(f.line(), Words::tr("player %1 of the %2 team has no name.").arg(p.number).arg(SideName(side)));
        if (p.name().size() > 200)
            Refuse(f.line(), Words::tr("player %1's name is too long to be a player's name.").arg(p.number));
        team.players.push_back(p);
    }
    if (team.players.empty())
        Refuse(s.header, Words::tr("the %1 team has no players.").arg(SideName(side)));
}

void ReadSets(const SectionText& r, ScoutMatch& m)
{
    static const QRegularExpression score(QStringLiteral("^([0-9]{1,3})\\s*-\\s*([0-9]{1,3})$"));
    m.hasSetSection = true;
    for (const LineFields& f : r.fields) {
        SetResult result;
        result.line = f.line();
        const QString final = f.at(4);
        if (!final.isEmpty()) {
            const QRegularExpressionMatch sm = score.match(final);
            if (!sm.hasMatch())
                Refuse(f.line(), Words::tr("the final score \"%1\" cannot be read.").arg(final));
            result.played = true;
            result.home = sm.captured(1).toInt();
            result.away = sm.captured(2).toInt();
            result.minutes = Number(f.at(5), 0, 100000).value_or(-1);
        }
        m.setResults.push_back(result);
    }
}

// The code page of the hexadecimal copies: the one the file declares; else the file's own when it
// is a code page; else the one the detector finds in the copies; else Windows-1252.
Encoding CopyPage(std::optional<Encoding> declared, Encoding used, const std::vector<const SectionText*>& sections)
{
    if (declared && *declared != Encoding::Utf8)
        return *declared;
    if (used != Encoding::Utf8)
        return used;
    QByteArray copies;
    for (const SectionText* r : sections)
        for (const LineFields& f : r->fields)
            for (const QByteArray& c : f.copies())
                copies += c + ' ';
    if (IsUtf8(copies))
        return Encoding::Windows1252;
    return DetectedCodePage(copies).value_or(Encoding::Windows1252);
}

// The file's match, read in the encoding `how` gives; said is what the file declares.
ScoutMatch Parse(const std::vector<RawLine>& raw, const ReadResult& how, std::optional<Encoding> said,
                 const QString& declared, const QDate& today)
{
    ScoutMatch m;
    m.encodingUsed = how.used;
    m.encodingFound = how.found;
    m.lineCount = raw.empty() ? 1 : raw.back().number;
    std::vector<Section> sections;
    QHash<QString, int> seen;
    for (const RawLine& r : raw) {
        QString name;
        if (IsHeader(r.bytes, &name)) {
            if (seen.contains(name))
                Refuse(
                    r.number,
                    Words::tr("the section [%1] appears a second time (first at line %2).").arg(name).arg(seen[name]));
            seen.insert(name, r.number);
            sections.push_back({name, r.number, {}});
            continue;
        }
        if (r.bytes.trimmed().isEmpty())
            continue;
        if (sections.empty()) {
            const bool binary = std::any_of(r.bytes.begin(), r.bytes.end(), [](char c) {
                return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F;
            });
            Refuse(r.number,
                   binary ? Words::tr("the line holds characters that are not text: this is no scout file, or it "
                                      "is damaged.")
                          : Words::tr("this is no scout file: a scout file begins with a section such as "
                                      "[3DATAVOLLEYSCOUT]."));
        }
        sections.back().lines.push_back(r);
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

    // Only the sections the program reads are read as text.
    const SectionText match = ReadSection(*section(QStringLiteral("3MATCH")), how.used);
    const SectionText teams = ReadSection(*section(QStringLiteral("3TEAMS")), how.used);
    const SectionText home = ReadSection(*section(QStringLiteral("3PLAYERS-H")), how.used);
    const SectionText away = ReadSection(*section(QStringLiteral("3PLAYERS-V")), how.used);
    const Names names{CopyPage(said, how.used, {&match, &teams, &home, &away})};

    // [3MATCH]
    if (match.fields.empty())
        Refuse(section(QStringLiteral("3MATCH"))->header, Words::tr("[3MATCH] is empty: it gives the match's date."));
    const LineFields& mf = match.fields.front();
    m.matchLine = mf.line();
    std::vector<TextLine> header;
    if (const Section* s = section(QStringLiteral("3DATAVOLLEYSCOUT")))
        for (const RawLine& l : s->lines)
            header.push_back({l.number, Decoded(l.bytes, how.used)});
    const QString date = mf.at(0);
    m.date = ReadDate(date, header.empty() ? std::nullopt : MonthFirst(header));
    if (!m.date.isValid())
        Refuse(mf.line(), Words::tr("the match's date \"%1\" cannot be read.").arg(date.left(20)));
    if (m.date.year() < 1900)
        Refuse(mf.line(), Words::tr("the match's date %1 is no date of a scouted match.").arg(date));
    if (today.isValid() && m.date > today)
        Refuse(
            mf.line(),
            Words::tr("the match's date %1 lies in the future.").arg(QLocale().toString(m.date, QLocale::ShortFormat)));
    const std::optional<QTime> time = ReadTime(mf.at(1));
    if (!time)
        Refuse(mf.line(), Words::tr("the match's time \"%1\" cannot be read.").arg(mf.at(1).left(20)));
    m.time = *time;
    m.season = names.of(mf, 2);
    m.league = names.of(mf, 3);
    m.phase = names.of(mf, 4);
    m.declaredEncoding = declared;
    m.regulation = Number(mf.at(9), 0, 2).value_or(1);

    ReadTeams(*section(QStringLiteral("3TEAMS")), teams, names, m);
    ReadPlayers(*section(QStringLiteral("3PLAYERS-H")), home, names, kHome, m);
    ReadPlayers(*section(QStringLiteral("3PLAYERS-V")), away, names, kAway, m);
    if (const Section* sets = section(QStringLiteral("3SET")))
        ReadSets(ReadSection(*sets, how.used), m);
    // Comments are kept as words only: nothing else of them is used.
    if (const Section* comments = section(QStringLiteral("3COMMENTS")))
        for (const RawLine& l : comments->lines) {
            QString text = Decoded(l.bytes, how.used);
            text.removeIf([](QChar c) { return !IsTextChar(c.unicode()); });
            m.comments << text;
        }

    const Section& scout = *section(QStringLiteral("3SCOUT"));
    m.lines.reserve(scout.lines.size());
    for (const RawLine& r : scout.lines) {
        Line l = ReadScoutLine(Text(r, how.used));
        CheckNames(l, m);
        m.lines.push_back(std::move(l));
    }
    ReadSetsPlayed(m);
    return m;
}

} // namespace

// -------------------------------------------------------------------------------------------------

void Refuse(int line, const QString& reason)
{
    throw RefusalError(Refusal{line, reason});
}

LineFields::LineFields(const TextLine& line) : m_line(line.number), m_text(line.text)
{
    for (QStringView f : QStringView(m_text).tokenize(QLatin1Char(';'))) {
        f = f.trimmed();
        if (!f.isEmpty() && f.front() == QChar(0x0F)) {
            if (std::optional<QByteArray> copy = HexCopy(f)) {
                m_copies.push_back(std::move(*copy));
                f = {};
            }
        }
        m_fields.append(f);
    }
}

QStringView LineFields::view(qsizetype i) const
{
    const QStringView f = i < m_fields.size() ? m_fields[i] : QStringView();
    if (!IsText(f))
        Refuse(m_line,
               Words::tr("the line holds characters that are not text: this is no scout file, or it is damaged."));
    return f;
}

namespace {
// The digits of text from `from` on, at least one and at most `most`: the number and where they
// end; nothing when there is no digit there.
std::optional<std::pair<int, qsizetype>> Digits(QStringView text, qsizetype from, int most)
{
    int value = 0;
    qsizetype i = from;
    for (; i < text.size() && i - from < most && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        value = value * 10 + (text[i].unicode() - '0');
    if (i == from)
        return std::nullopt;
    return std::pair{value, i};
}

bool TimeSeparator(QStringView text, qsizetype i)
{
    return i < text.size() && (text[i] == QLatin1Char('.') || text[i] == QLatin1Char(':'));
}
} // namespace

// Read by hand, not by pattern: every field of every scout line comes through here.
std::optional<int> Number(QStringView text, int low, int high)
{
    const bool minus = text.startsWith(QLatin1Char('-'));
    const auto digits = Digits(text, minus ? 1 : 0, 9);
    if (!digits || digits->second != text.size())
        return std::nullopt;
    const int value = minus ? -digits->first : digits->first;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<QTime> ReadTime(QStringView text)
{
    if (text.isEmpty())
        return QTime();
    const auto hour = Digits(text, 0, 2);
    if (!hour || !TimeSeparator(text, hour->second))
        return std::nullopt;
    const auto minute = Digits(text, hour->second + 1, 2);
    if (!minute || minute->second - hour->second != 3)
        return std::nullopt;
    int second = 0;
    if (minute->second != text.size()) {
        const auto s = TimeSeparator(text, minute->second) ? Digits(text, minute->second + 1, 2) : std::nullopt;
        if (!s || s->second - minute->second != 3 || s->second != text.size())
            return std::nullopt;
        second = s->first;
    }
    const QTime t(hour->first, minute->first, second);
    if (!t.isValid())
        return std::nullopt;
    return t;
}

QString SideName(int side)
{
    return side == kHome ? Words::tr("home") : Words::tr("visiting");
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
        QString declared;
        const std::optional<Encoding> said = Declared(raw, &declared);
        if (encoding == Encoding::Automatic) {
            if (bom || IsUtf8(all)) {
                result.used = Encoding::Utf8;
                result.found = EncodingFound::Utf8Bytes;
            } else if (said == Encoding::Utf8) {
                // The file says UTF-8 and is not: find the line, and let the user choose.
                result.used = Encoding::Utf8;
                result.found = EncodingFound::Declared;
                for (const RawLine& r : raw)
                    if (!IsUtf8(r.bytes))
                        Refuse(r.number,
                               Words::tr("the file declares its text as UTF-8, but this line is not UTF-8; choose "
                                         "the text encoding the file was written in."));
            } else if (said) {
                result.used = *said;
                result.found = EncodingFound::Declared;
            } else if (const std::optional<Encoding> detected = DetectedCodePage(NameBytes(all, raw))) {
                result.used = *detected;
                result.found = EncodingFound::Detected;
            } else {
                result.used = Encoding::Windows1252;
                result.found = EncodingFound::Assumed;
            }
        } else {
            result.used = encoding;
            result.found = EncodingFound::Chosen;
        }
        ScoutMatch m = Parse(raw, result, said, declared, today);
        // The rallies as the import would store them, with stand-in players: anything the lines
        // cannot mean is refused here, before anything is written.
        BuildGames(m, StandInPlayers());
        result.match = std::move(m);
    } catch (const RefusalError& e) {
        result.refusal = e.refusal();
    }
    return result;
}

QString EncodingNote(Encoding used, EncodingFound found)
{
    const QString name = EncodingName(used);
    switch (found) {
    case EncodingFound::Chosen:
        return Words::tr("read as %1, as chosen").arg(name);
    case EncodingFound::Utf8Bytes:
        return Words::tr("read as %1").arg(name);
    case EncodingFound::Declared:
        return Words::tr("read as %1, as the file declares").arg(name);
    case EncodingFound::Detected:
        return Words::tr("read as %1, found in the file's letters").arg(name);
    case EncodingFound::Assumed:
        return Words::tr("read as %1: the file's letters tell no other").arg(name);
    }
    return {};
}

} // namespace Scout

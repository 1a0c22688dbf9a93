#include "scoutfile/ScoutFile.h"

#include "base/RecordId.h"
#include "scoutfile/ScoutParse.h"
#include "scoutfile/ScoutText.h"

#include <QCoreApplication>
#include <algorithm>

namespace Scout {

namespace {

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

QString Refusal::text() const
{
    return QCoreApplication::translate("Scout", "Line %1: %2").arg(line).arg(reason);
}

RefusalError::RefusalError(Refusal refusal)
    : std::runtime_error(refusal.text().toStdString()), m_refusal(std::move(refusal))
{
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

QString FileKey(const ScoutMatch& m)
{
    QStringList scores;
    for (const Set& s : m.sets)
        scores << QStringLiteral("%1-%2").arg(s.home).arg(s.away);
    return QStringList{m.date.toString(Qt::ISODate) + QLatin1Char(' ') + m.startTime().toString(Qt::ISODate),
                       m.teams[kHome].code.toUpper(), m.teams[kAway].code.toUpper(),
                       scores.join(QLatin1Char(' '))}
        .join(QLatin1Char('|'));
}

QString ActionCode(int side, int number, char skill, char evaluation, const QString& customCode)
{
    QString code = QLatin1Char(side == kHome ? '*' : 'a') + (number < 0 ? QStringLiteral("$$") : TwoDigits(number))
        + QLatin1Char(skill) + QLatin1Char('H') + QLatin1Char(evaluation);
    if (!customCode.isEmpty())
        code += QString(9, QLatin1Char('~')) + customCode;
    return code;
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
            // A player without a code of its own (one made by hand) is named by side and shirt.
            f << (p.code.isEmpty()
                      ? QStringLiteral("%1%2").arg(side == kHome ? QLatin1Char('H') : QLatin1Char('V')).arg(p.number)
                      : Field(p.code))
              << Field(p.lastName) << Field(p.firstName) << QString() << QString()
              << (p.role > 0 ? QString::number(p.role) : QString()) << QStringLiteral("False") << QString()
              << QString() << QString();
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

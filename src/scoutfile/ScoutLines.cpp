#include "scoutfile/ScoutKinds.h"
#include "scoutfile/ScoutParse.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <bitset>

namespace Scout {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Scout)
};

// The scout line's code: what it is and what it names.
void ReadCode(Line& l)
{
    static const QRegularExpression setEnd(QStringLiteral("^\\*\\*([0-9])set$"));
    static const QRegularExpression point(QStringLiteral("^[*a]p([0-9]{1,3}):([0-9]{1,3})$"));
    static const QRegularExpression rotation(QStringLiteral("^[*a]z([1-6])$"));
    static const QRegularExpression sub(QStringLiteral("^[*a]c([0-9]{1,2}):([0-9]{1,2})$"));
    static const QRegularExpression lineUp(QStringLiteral("^[*a](?:P([0-9]{1,2})|z([1-6]))>LUp$"));
    const QString& c = l.code;
    if (c.startsWith(QLatin1String("**"))) {
        if (const auto m = setEnd.match(c); m.hasMatch()) {
            l.kind = Line::Kind::SetEnd;
            l.setNumber = m.captured(1).toInt();
            return;
        }
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
        // Team, two digits of the shirt (or $$), skill, hitting type, evaluation: read by hand, as
        // most lines of a file are actions.
        auto digit = [&](qsizetype i) { return c[i] >= QLatin1Char('0') && c[i] <= QLatin1Char('9'); };
        auto capital = [&](qsizetype i) { return c[i] >= QLatin1Char('A') && c[i] <= QLatin1Char('Z'); };
        const bool nobody = c.size() >= 3 && c[1] == QLatin1Char('$') && c[2] == QLatin1Char('$');
        if (c.size() < 6 || !(nobody || (digit(1) && digit(2))) || !capital(3) || !capital(4)
            || !QStringView(u"#+!/=-").contains(c[5]))
            Refuse(l.line,
                   Words::tr("the code \"%1\" cannot be read: an action is the team, two digits of the shirt "
                             "number, the skill, the hitting type and the evaluation.")
                       .arg(c.left(40)));
        l.kind = Line::Kind::Action;
        l.number = nobody ? -1 : (c[1].unicode() - '0') * 10 + (c[2].unicode() - '0');
        l.skill = char(c[3].unicode());
        l.hitType = char(c[4].unicode());
        l.evaluation = char(c[5].unicode());
        if (!IsScoutSkill(l.skill))
            Refuse(l.line,
                   Words::tr("the code \"%1\" names no skill: the skills are S, R, A, B, D, E and F.").arg(c.left(40)));
        // The custom code stands from the 16th place of the code; ~ keeps an empty place.
        l.customCode = c.mid(15);
        l.customCode.remove(QLatin1Char('~'));
        // The program's own: a mark, a block's partner after BA, a zone ("BA07Z6"); anything else
        // is another program's, and says nothing here.
        static const QRegularExpression ours(QStringLiteral("^(BA|SA)?([0-9]{2})?(?:Z([1-6]))?$"));
        if (const auto m = ours.match(l.customCode); m.hasMatch() && !l.customCode.isEmpty()
                                                     && (m.captured(2).isEmpty() || m.captured(1) == QLatin1String("BA"))) {
            l.mark = m.captured(1);
            l.partner = m.captured(2).isEmpty() ? -1 : m.captured(2).toInt();
            l.zone = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
        }
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
    if (c.size() == 2 && second == QLatin1Char('T')) {
        l.kind = Line::Kind::Timeout;
        return;
    }
    // A point, rotation or substitution that does not read as one would change the game unseen.
    if (second == QLatin1Char('p') || second == QLatin1Char('z') || second == QLatin1Char('c'))
        Refuse(l.line, Words::tr("the code \"%1\" cannot be read.").arg(c.left(40)));
    l.kind = Line::Kind::Other;
}

} // namespace

Line ReadScoutLine(const TextLine& t)
{
    Line l;
    l.line = t.number;
    const LineFields f(t);
    l.code = f.at(0);
    ReadCode(l);
    // A line with fields runs to the last visiting zone (real files always do); fewer means the
    // line was cut. Video portals write substitutions without the line-up after them: the court
    // tells it from the one before and the two shirt numbers.
    const bool withLineUp = f.size() >= kScoutFields;
    if (f.size() > 1 && !withLineUp && (l.kind != Line::Kind::Substitution || f.size() < 9))
        Refuse(l.line,
               Words::tr("the scout line is cut short: it has %1 fields where one has %2.")
                   .arg(f.size())
                   .arg(kScoutFields));
    if (f.size() == 1)
        return l;
    const std::optional<QTime> time = ReadTime(f.view(7));
    if (!time)
        Refuse(l.line, Words::tr("the time \"%1\" cannot be read.").arg(f.at(7).left(20)));
    l.time = *time;
    if (const QStringView set = f.view(8); !set.isEmpty()) {
        const std::optional<int> number = Number(set, 1, kMaxSets + 1);
        if (!number)
            Refuse(l.line, Words::tr("the set number \"%2\" is not one from 1 to %1.").arg(kMaxSets).arg(set.left(20)));
        l.set = *number;
    }
    for (int side = 0; side < 2; ++side) {
        l.setterZones[size_t(side)] = Number(f.view(9 + side), 1, 6).value_or(0);
        if (!withLineUp)
            continue;
        for (int z = 0; z < 6; ++z) {
            const QStringView v = f.view(14 + side * 6 + z);
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
    // What names the number, put in words only for a refusal: this runs for every line.
    enum class What { Action, Substitution, LineUp };
    auto known = [&](int side, int number, What what) {
        if (number < 0 || m.teams[size_t(side)].player(number))
            return;
        const QString words = what == What::Action         ? Words::tr("the action")
                              : what == What::Substitution ? Words::tr("the substitution")
                                                           : Words::tr("the line-up");
        Refuse(l.line,
               Words::tr("%1 names shirt number %2, who is not on the %3 team's roster.")
                   .arg(words)
                   .arg(number)
                   .arg(SideName(side)));
    };
    if (l.kind == Line::Kind::Action) {
        known(l.side, l.number, What::Action);
        known(l.side, l.partner, What::Action);
        if (l.partner >= 0 && l.partner == l.number)
            Refuse(l.line, Words::tr("the block names player %1 as the partner of the same player.").arg(l.number));
    }
    else if (l.kind == Line::Kind::Substitution) {
        known(l.side, l.out, What::Substitution);
        known(l.side, l.number, What::Substitution);
        if (l.out == l.number)
            Refuse(l.line, Words::tr("the substitution exchanges player %1 for the same player.").arg(l.number));
    } else if (l.kind == Line::Kind::LineUp)
        known(l.side, l.number, What::LineUp);
    for (int side = 0; side < 2; ++side) {
        std::bitset<100> seen;
        for (int number : l.zones[size_t(side)]) {
            if (number < 0)
                continue;
            known(side, number, What::LineUp);
            if (seen.test(size_t(number)))
                Refuse(l.line,
                       Words::tr("the %1 player %2 stands in two zones at once.").arg(SideName(side)).arg(number));
            seen.set(size_t(number));
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
    // A file whose [3SCOUT] holds no play at all was cut right after its header: the sets [3SET]
    // scores are not in it.
    const bool scouted = std::any_of(m.sets.begin(), m.sets.end(), [](const Set& s) { return s.hasActions; });
    std::vector<SetResult> played;
    for (const SetResult& r : m.setResults)
        if (r.played)
            played.push_back(r);
    if (m.hasSetSection) {
        for (size_t i = 0; i < std::max(played.size(), m.sets.size()); ++i) {
            if (i >= m.sets.size()) {
                // A set [3SET] gives a score for but no line tells: a file scouted rally by rally
                // that ends before it was cut short.
                if (anyPoints || !scouted)
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

} // namespace Scout

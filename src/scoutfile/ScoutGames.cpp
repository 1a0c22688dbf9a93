#include "scoutfile/ScoutGames.h"

#include "scoutfile/ScoutKinds.h"
#include "scoutfile/ScoutParse.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>
#include <set>

namespace Scout {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(Scout)
};

Zones Turned(const Zones& zones, bool back)
{
    Zones turned;
    for (size_t z = 0; z < zones.size(); ++z)
        turned[z] = back ? zones[(z + zones.size() - 1) % zones.size()] : zones[(z + 1) % zones.size()];
    return turned;
}

int ZoneOf(const Zones& zones, int number)
{
    const auto it = std::find(zones.begin(), zones.end(), number);
    return it == zones.end() ? 0 : int(it - zones.begin()) + 1;
}

int ZoneOf(const Rally::Zones& zones, const RecordId& player)
{
    const auto it = std::find(zones.begin(), zones.end(), player);
    return it == zones.end() ? 0 : int(it - zones.begin()) + 1;
}

// The side that served the set's first rally: the first serve before its first point; else told
// by the rotation after that point (a side that wins the other's serve turns); else home.
int FirstServer(const ScoutMatch& m, const Set& s)
{
    size_t firstPoint = s.lines.size();
    for (size_t j = 0; j < s.lines.size(); ++j) {
        const Line& l = m.lines[size_t(s.lines[j])];
        if (l.kind == Line::Kind::Point) {
            firstPoint = j;
            break;
        }
        if (l.kind == Line::Kind::Action && l.skill == 'S')
            return l.side;
    }
    if (firstPoint == s.lines.size())
        return kHome;
    const Line& p = m.lines[size_t(s.lines[firstPoint])];
    const Zones before = p.zones[size_t(p.side)];
    if (!Complete(before))
        return kHome;
    for (size_t j = firstPoint + 1; j < s.lines.size(); ++j) {
        const Line& l = m.lines[size_t(s.lines[j])];
        if (l.kind == Line::Kind::Point)
            break;
        const Zones after = l.zones[size_t(p.side)];
        if (!Complete(after))
            continue;
        if (after == Turned(before, false))
            return p.side == kHome ? kAway : kHome;
        if (after == before)
            return p.side;
        break;
    }
    return kHome;
}

// Whether the action after line j of the set (before the rally ends) is a kill of the given side.
bool KillFollows(const ScoutMatch& m, const Set& s, size_t j, int side)
{
    for (size_t k = j + 1; k < s.lines.size(); ++k) {
        const Line& l = m.lines[size_t(s.lines[k])];
        if (l.kind == Line::Kind::Point)
            return false;
        if (l.kind == Line::Kind::Action)
            return l.skill == 'A' && l.evaluation == '#' && l.side == side;
    }
    return false;
}

class GameBuilder
{
public:
    GameBuilder(const ScoutMatch& match, const Set& set, const Resolver& resolver,
                const std::vector<QDateTime>& lineTimes)
        : m(match), s(set), players(resolver), times(lineTimes)
    {
    }

    Game build()
    {
        g.number = s.number;
        g.home = s.home;
        g.away = s.away;
        g.started = times.empty() ? QDateTime() : times.front();
        // The set's rallies can be told when a full line-up stands before its first rally.
        std::optional<size_t> startAt;
        std::optional<size_t> firstPlay;
        for (size_t j = 0; j < s.lines.size(); ++j) {
            const Line& l = line(j);
            if (!startAt && Complete(l.zones))
                startAt = j;
            if (!firstPlay && (l.kind == Line::Kind::Point || l.isPlayerAction()))
                firstPlay = j;
        }
        logged = s.hasPoints && startAt && firstPlay && *startAt <= *firstPlay;
        if (logged) {
            const Rally::Court court{ids(line(*startAt).zones[0], kHome), ids(line(*startAt).zones[1], kAway)};
            add(book.start(court, FirstServer(m, s), times[*startAt]));
            for (const Rally::Zones& side : court)
                for (const RecordId& p : side)
                    played.insert(p);
        }
        for (size_t j = 0; j < s.lines.size(); ++j) {
            const Line& l = line(j);
            const QDateTime& at = times[j];
            switch (l.kind) {
            case Line::Kind::Rotation:
                if (logged && book.started())
                    align(l.zones, at);
                break;
            case Line::Kind::Substitution:
                substitute(l, at);
                break;
            case Line::Kind::Point:
                if (logged) {
                    align(l.zones, at);
                    add(book.point(l.side, 1, true, at));
                }
                break;
            case Line::Kind::Action:
                action(j, l, at);
                break;
            case Line::Kind::LineUp:
            case Line::Kind::SetEnd:
            case Line::Kind::Other:
                break;
            }
        }
        // Whoever the players' lines say took part in the set.
        for (int side = 0; side < 2; ++side)
            for (const Player& p : m.teams[size_t(side)].players)
                if (p.playedIn(s.number))
                    played.insert(players(side, p.number));
        g.played = QList<RecordId>(played.begin(), played.end());
        if (logged)
            g.log = book.log();
        return g;
    }

private:
    const Line& line(size_t j) const { return m.lines[size_t(s.lines[j])]; }

    Rally::Zones ids(const Zones& zones, int side) const
    {
        Rally::Zones out;
        for (size_t z = 0; z < zones.size(); ++z)
            out[z] = zones[z] >= 0 ? players(side, zones[z]) : RecordId();
        return out;
    }

    // The court as it stands with one side's players replaced.
    Rally::Court WithSide(int side, const Rally::Zones& zones) const
    {
        Rally::Court court = book.court();
        court[size_t(side)] = zones;
        return court;
    }

    void add(const Rally::StepWrite& step)
    {
        book.append(step);
        const QDateTime at = step.entries.empty() ? QDateTime() : step.entries.front().entered;
        for (const Rally::PlayWrite& p : step.plays)
            g.plays.push_back({p.player, p.position, p.kind, p.value, at});
        for (const Rally::Entry& e : step.entries)
            if (e.kind == Rally::Kind::Sub)
                played.insert(e.player);
    }

    // Brings the court in line with a line's line-ups: a side turned one place either way is a
    // rotation, any other change a substitution of each player exchanged.
    void align(const Court& court, const QDateTime& at)
    {
        for (int side = 0; side < 2; ++side) {
            if (!Complete(court[size_t(side)]))
                continue;
            const Rally::Zones target = ids(court[size_t(side)], side);
            const Rally::Zones now = book.court()[size_t(side)];
            if (now == target)
                continue;
            if (Rally::Rotated(now, false) == target)
                add(book.rotate(side, false, at));
            else if (Rally::Rotated(now, true) == target)
                add(book.rotate(side, true, at));
            else
                add(book.substitute(WithSide(side, target), at));
        }
    }

    void substitute(const Line& l, const QDateTime& at)
    {
        const RecordId in = players(l.side, l.number);
        played.insert(in);
        if (!logged || !book.started())
            return;
        Rally::Zones now = book.court()[size_t(l.side)];
        const RecordId out = players(l.side, l.out);
        const int outZone = ZoneOf(now, out);
        if (outZone == 0)
            Refuse(l.line, Words::tr("player %1 is not on court to go off.").arg(l.out));
        if (ZoneOf(now, in) != 0)
            Refuse(l.line, Words::tr("player %1 is on court already.").arg(l.number));
        const Zones& after = l.zones[size_t(l.side)];
        if (Complete(after)) {
            if (ZoneOf(after, l.number) == 0 || ZoneOf(after, l.out) != 0)
                Refuse(l.line,
                       Words::tr("the line-up of the line does not show player %1 coming on for player %2.")
                           .arg(l.number)
                           .arg(l.out));
            align(l.zones, at);
            return;
        }
        now[size_t(outZone - 1)] = in;
        add(book.substitute(WithSide(l.side, now), at));
    }

    void action(size_t j, const Line& l, const QDateTime& at)
    {
        if (l.number < 0)
            return;
        const ScoutKind* row = ScoutKindFor(l.skill, l.evaluation, l.mark.toLatin1().constData());
        if ((!row || !row->statKey) && KillFollows(m, s, j, l.side) && l.skill == 'E')
            row = ScoutAssistBeforeKill(l.evaluation);
        const StatKind* kind = row ? ScoutStat(*row) : nullptr;
        record(l, l.number, l.zone, kind, row ? row->value : 0, at);
        // A block of two in one line: the partner it names blocked too.
        if (kind && row->rule == ScoutRule::Marked && l.partner >= 0)
            record(l, l.partner, 0, kind, row->value, at);
    }

    // An action of the player with this shirt in the line's side: in the zone the line gives
    // (zoneGiven), else the one its line-ups give the player, else the court's, else the libero's.
    void record(const Line& l, int number, int zoneGiven, const StatKind* kind, int value, const QDateTime& at)
    {
        const RecordId player = players(l.side, number);
        played.insert(player);
        if (!kind)
            return;
        int zone = zoneGiven > 0 ? zoneGiven : ZoneOf(l.zones[size_t(l.side)], number);
        if (zone == 0 && logged)
            zone = ZoneOf(book.court()[size_t(l.side)], player);
        if (zone == 0)
            zone = kUnplacedZone;
        const int box = Box(l.side, s.number, zone);
        if (logged)
            add(book.action(player, l.side, box, *kind, value, std::nullopt, false, at));
        else
            g.plays.push_back({player, box, kind, value, at});
    }

    const ScoutMatch& m;
    const Set& s;
    const Resolver& players;
    const std::vector<QDateTime>& times;
    Game g;
    Rally::Book book;
    bool logged = false;
    std::set<RecordId> played;
};

} // namespace

Resolver StandInPlayers()
{
    static const RecordId base = RecordId::fromText(QStringLiteral("2000-01-01 00:00:00"));
    return [](int side, int number) { return base.addSecs(1 + side * 100 + number); };
}

bool OnLeft(int side, int set)
{
    return (side == kHome) == (set % 2 == 1);
}

int Box(int side, int set, int zone)
{
    return OnLeft(side, set) ? zone : zone + 6;
}

std::vector<Game> BuildGames(const ScoutMatch& m, const Resolver& players)
{
    std::vector<Game> games;
    // Each line's moment: the match's date with the line's time (or the one before it), a day on
    // when the scout's clock goes back by more than half a day (past midnight).
    QDate day = m.date;
    QTime last = m.startTime();
    QDateTime previous(day, last);
    for (const Set& s : m.sets) {
        std::vector<QDateTime> times;
        times.reserve(s.lines.size());
        for (int index : s.lines) {
            const Line& l = m.lines[size_t(index)];
            // A local date-time is costly to make (the time zone is looked up each time): lines of
            // one moment share it.
            if (l.time.isValid() && l.time != last) {
                if (l.time.msecsSinceStartOfDay() + 12 * 3600 * 1000 < last.msecsSinceStartOfDay())
                    day = day.addDays(1);
                last = l.time;
                previous = QDateTime(day, last);
            }
            times.push_back(previous);
        }
        Game g = GameBuilder(m, s, players, times).build();
        if (!g.started.isValid())
            g.started = previous;
        games.push_back(std::move(g));
    }
    return games;
}

} // namespace Scout

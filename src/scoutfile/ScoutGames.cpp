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

// A side's libero in a set: of the players its roster marks as liberos, the first whom the set's
// line-ups place on court, else the first who played in the set (her set column, or a line of
// hers). A second libero in the same set plays as the file's line-ups say, as any player.
int LiberoOf(const ScoutMatch& m, const Set& s, int side)
{
    std::vector<int> liberos;
    for (const Player& p : m.teams[size_t(side)].players)
        if (p.libero())
            liberos.push_back(p.number);
    if (liberos.empty())
        return -1;
    std::optional<int> acted;
    for (int index : s.lines) {
        const Line& l = m.lines[size_t(index)];
        for (int number : liberos) {
            if (ZoneOf(l.zones[size_t(side)], number) != 0)
                return number;
            if (!acted && l.side == side && l.isPlayerAction() && (l.number == number || l.partner == number))
                acted = number;
        }
    }
    for (int number : liberos)
        if (m.teams[size_t(side)].player(number)->playedIn(s.number))
            return number;
    return acted.value_or(-1);
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
        if (logged)
            start(*startAt);
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
                    add(book.pointEndedBy(l.side, ending(l.side), true, at));
                }
                deciding = {};
                lastWin = -1;
                break;
            case Line::Kind::Timeout:
                if (logged && book.started())
                    add(book.timeout(l.side, at));
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

    // The start with both line-ups, the first server and each side's libero. A libero whom the
    // first line-up already places came in for the player the roster gives her zone to at the
    // start of the set, where it gives one: he starts, and the first line-up read after the start
    // brings her in.
    void start(size_t startAt)
    {
        const Line& first = line(startAt);
        Rally::Court court{ids(first.zones[0], kHome), ids(first.zones[1], kAway)};
        for (int side = 0; side < 2; ++side) {
            const int number = LiberoOf(m, s, side);
            if (number < 0)
                continue;
            liberos[size_t(side)] = players(side, number);
            const int zone = ZoneOf(first.zones[size_t(side)], number);
            for (const Player& p : m.teams[size_t(side)].players)
                if (zone != 0 && p.sets[size_t(s.number - 1)] == QString::number(zone)
                    && ZoneOf(first.zones[size_t(side)], p.number) == 0) {
                    court[size_t(side)][size_t(zone - 1)] = players(side, p.number);
                    break;
                }
        }
        add(book.start(court, FirstServer(m, s), times[startAt], liberos));
        for (const Rally::Zones& side : court)
            for (const RecordId& p : side)
                played.insert(p);
    }

    // The log's entry of the line that decided the rally for a side, or none (a point only).
    const Rally::Entry* ending(int side) const
    {
        const int entry = deciding[size_t(side)].entry;
        if (entry == 0)
            return nullptr;
        const Rally::Log& log = book.log();
        const auto it = std::find_if(log.rbegin(), log.rend(), [&](const Rally::Entry& e) { return e.entry == entry; });
        return it == log.rend() ? nullptr : &*it;
    }

    // Whether one side's line-up `to` differs from `from` only by the libero: she comes in for
    // one player, goes off for another, or both.
    bool liberoOnly(int side, const Rally::Zones& from, const Rally::Zones& to) const
    {
        const RecordId& libero = liberos[size_t(side)];
        if (libero.isNull())
            return false;
        for (size_t z = 0; z < from.size(); ++z) {
            if (from[z] == to[z])
                continue;
            const bool in = to[z] == libero && ZoneOf(to, from[z]) == 0;
            const bool off = from[z] == libero && ZoneOf(from, to[z]) == 0 && !to[z].isNull();
            if (!in && !off)
                return false;
        }
        return true;
    }

    // The libero's part of the change from a side's court to the line-up given, as her swaps:
    // off first, for the player the line-up puts in her place when he is not on court, then in,
    // for the player there when the line-up leaves him off.
    void swapLibero(int side, const Rally::Zones& target, const QDateTime& at)
    {
        const RecordId libero = liberos[size_t(side)];
        if (libero.isNull())
            return;
        const Rally::Zones now = book.court()[size_t(side)];
        if (const int off = ZoneOf(now, libero); off != 0 && target[size_t(off - 1)] != libero
                                                   && ZoneOf(now, target[size_t(off - 1)]) == 0)
            add(book.liberoSwap(side, target[size_t(off - 1)], libero, -1, at));
        const Rally::Zones after = book.court()[size_t(side)];
        if (const int in = ZoneOf(target, libero); in != 0 && after[size_t(in - 1)] != libero
                                                  && ZoneOf(target, after[size_t(in - 1)]) == 0)
            add(book.liberoSwap(side, libero, after[size_t(in - 1)], 1, at));
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
            if (e.kind == Rally::Kind::Sub || (e.kind == Rally::Kind::Libero && e.amount > 0))
                played.insert(e.player);
    }

    // Brings the court in line with a line's line-ups: a side turned one place either way is a
    // rotation (with the libero's return the rules bring in its step, and any swap of hers the
    // line-up shows beyond that); in any other change the libero's part is her swap, and the rest
    // a substitution of each player exchanged.
    void align(const Court& court, const QDateTime& at)
    {
        for (int side = 0; side < 2; ++side) {
            if (!Complete(court[size_t(side)]))
                continue;
            const Rally::Zones target = ids(court[size_t(side)], side);
            const Rally::Zones now = book.court()[size_t(side)];
            if (now == target)
                continue;
            bool turned = false;
            for (const bool back : {false, true}) {
                const Rally::StepWrite turn = book.rotate(side, back, at);
                const Rally::Zones after = turn.entries.back().zones[size_t(side)];
                if (after == target || liberoOnly(side, after, target)) {
                    add(turn);
                    swapLibero(side, target, at);
                    turned = true;
                    break;
                }
            }
            if (turned)
                continue;
            swapLibero(side, target, at);
            if (book.court()[size_t(side)] != target)
                add(book.substitute(WithSide(side, target), at));
        }
    }

    void substitute(const Line& l, const QDateTime& at)
    {
        const RecordId in = players(l.side, l.number);
        played.insert(in);
        if (!logged || !book.started())
            return;
        const RecordId out = players(l.side, l.out);
        // A player the libero stands in for comes back before he goes off: the line-ups between
        // them show her leaving.
        if (ZoneOf(book.court()[size_t(l.side)], out) == 0 && Rally::LiberoStandsFor(book.log(), l.side) == out)
            add(book.liberoSwap(l.side, out, liberos[size_t(l.side)], -1, at));
        Rally::Zones now = book.court()[size_t(l.side)];
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
        if (l.number < 0) {
            lastWin = -1;
            return;
        }
        const ScoutKind* row = ScoutKindFor(l.skill, l.evaluation, l.mark.toLatin1().constData());
        if ((!row || !row->statKey) && KillFollows(m, s, j, l.side) && l.skill == 'E')
            row = ScoutAssistBeforeKill(l.evaluation);
        const StatKind* kind = row ? ScoutStat(*row) : nullptr;
        const int entry = record(l, l.number, l.zone, kind, row ? row->value : 0, at);
        // A block of two in one line: the partner it names blocked too.
        if (kind && row->rule == ScoutRule::Marked && l.partner >= 0)
            record(l, l.partner, 0, kind, row->value, at);
        // How a side's point ended, as the court links it: the newest line of the rally that wins
        // it for the side (its kill, ace or block, the other side's error); of a block, its first
        // player (the line's own, where it names a partner). A scout writes an ace's reception
        // error and a kill's block error right after them: such an error leaves the point to the
        // action it answers.
        const int previousWin = lastWin;
        lastWin = -1;
        if (entry == 0 || kind->rallyEnd == RallyEnd::None)
            return;
        if (kind->rallyEnd == RallyEnd::Loses) {
            const int to = Rally::Other(l.side);
            if (previousWin != to)
                deciding[size_t(to)] = {entry, false};
            return;
        }
        lastWin = l.side;
        const bool block = kind->rallyEnd == RallyEnd::FirstWins;
        if (!(block && deciding[size_t(l.side)].block))
            deciding[size_t(l.side)] = {entry, block};
    }

    // An action of the player with this shirt in the line's side: in the zone the line gives
    // (zoneGiven), else the one its line-ups give the player, else the court's, else the libero's.
    // Its entry in the log, or 0 when there is none.
    int record(const Line& l, int number, int zoneGiven, const StatKind* kind, int value, const QDateTime& at)
    {
        const RecordId player = players(l.side, number);
        played.insert(player);
        if (!kind)
            return 0;
        int zone = zoneGiven > 0 ? zoneGiven : ZoneOf(l.zones[size_t(l.side)], number);
        if (zone == 0 && logged)
            zone = ZoneOf(book.court()[size_t(l.side)], player);
        if (zone == 0)
            zone = kUnplacedZone;
        const int box = Box(l.side, s.number, zone);
        if (!logged) {
            g.plays.push_back({player, box, kind, value, at});
            return 0;
        }
        const Rally::StepWrite step = book.action(player, l.side, box, *kind, value, std::nullopt, false, at);
        add(step);
        return step.entries.front().entry;
    }

    const ScoutMatch& m;
    const Set& s;
    const Resolver& players;
    const std::vector<QDateTime>& times;
    Game g;
    Rally::Book book;
    bool logged = false;
    std::set<RecordId> played;
    std::array<RecordId, 2> liberos; // each side's in this set; null: none
    // Per side, in the rally under way: the entry of the line that would end it for the side (0:
    // none), and whether that is a block's; the side whose winning action the last action line
    // was (-1: none).
    struct Deciding
    {
        int entry = 0;
        bool block = false;
    };
    std::array<Deciding, 2> deciding;
    int lastWin = -1;
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

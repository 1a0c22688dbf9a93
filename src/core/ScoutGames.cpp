#include "core/ScoutGames.h"

#include "core/ScoutKinds.h"

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

[[noreturn]] void Refuse(int line, const QString& reason)
{
    throw RefusalError(Refusal{line, reason});
}

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
        const RecordId player = players(l.side, l.number);
        played.insert(player);
        const ScoutKind* row = ScoutKindFor(l.skill, l.evaluation, l.customCode.toLatin1().constData());
        if ((!row || !row->statKey) && KillFollows(m, s, j, l.side) && l.skill == 'E')
            row = ScoutAssistBeforeKill(l.evaluation);
        const StatKind* kind = row ? ScoutStat(*row) : nullptr;
        if (!kind)
            return;
        // The zone the line's own line-ups give the player, else the court's, else the libero's.
        int zone = ZoneOf(l.zones[size_t(l.side)], l.number);
        if (zone == 0 && logged)
            zone = ZoneOf(book.court()[size_t(l.side)], player);
        if (zone == 0)
            zone = kUnplacedZone;
        const int box = Box(l.side, s.number, zone);
        if (logged)
            add(book.action(player, l.side, box, *kind, row->value, std::nullopt, false, at));
        else
            g.plays.push_back({player, box, kind, row->value, at});
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

// -------------------------------------------------------------------------------------------------
// The way out

namespace {

// An action as the export writes it: from a log entry (with the court it was recorded on) or
// from a PLAY row of a game without a usable log.
struct Item
{
    int order = 0;
    RecordId player;
    int side = kHome;
    int position = 0;
    const StatKind* kind = nullptr;
    int value = 1;
    QDateTime at;
    std::optional<Rally::Court> court;
    bool assistMarked = false; // an assist with no kill to pair with
    int pairedAssist = -1; // a kill: the item written just before it
    bool pairedAway = false; // an assist written before its kill instead of in its place
};

// Take-backs in subtraction mode (a negative value) cancel the newest action still standing of the
// same player, kind, box and size; one with nothing to cancel is counted.
std::vector<Item> Standing(std::vector<Item> items, int* unmatched)
{
    std::vector<Item> standing;
    for (Item& i : items) {
        if (i.value > 0) {
            standing.push_back(std::move(i));
            continue;
        }
        const auto it = std::find_if(standing.rbegin(), standing.rend(), [&](const Item& s) {
            return s.player == i.player && s.kind == i.kind && s.position == i.position && s.value == -i.value;
        });
        if (it == standing.rend())
            ++*unmatched;
        else
            standing.erase(std::next(it).base());
    }
    return standing;
}

// Each assist goes before a kill of its side: the newest not yet paired before it, else the next
// one after it; with none left it keeps its place and its own code.
void PairAssists(std::vector<Item>& items)
{
    for (size_t a = 0; a < items.size(); ++a) {
        if (!ScoutPairsWithKill(items[a].kind->key))
            continue;
        auto isFreeKill = [&](size_t k) {
            return std::strcmp(items[k].kind->key, "Kill") == 0 && items[k].side == items[a].side
                && items[k].pairedAssist < 0;
        };
        std::optional<size_t> kill;
        for (size_t k = a; k-- > 0;)
            if (isFreeKill(k)) {
                kill = k;
                break;
            }
        if (!kill)
            for (size_t k = a + 1; k < items.size(); ++k)
                if (isFreeKill(k)) {
                    kill = k;
                    break;
                }
        if (kill) {
            items[*kill].pairedAssist = int(a);
            items[a].pairedAway = true;
        } else {
            items[a].assistMarked = true;
        }
    }
}

class Writer
{
public:
    Writer(const RecordedMatch& recorded, ScoutMatch& out) : r(recorded), m(out)
    {
        for (int side = 0; side < 2; ++side)
            for (const RecordedPlayer& p : r.players[size_t(side)])
                numbers[p.id] = {side, p.number};
    }

    // The side and shirt of a player, or nothing for one no longer on the roster.
    std::optional<std::pair<int, int>> shirt(const RecordId& id) const
    {
        const auto it = numbers.find(id);
        if (it == numbers.end())
            return std::nullopt;
        return it->second;
    }

    Zones zonesOf(const Rally::Zones& z) const
    {
        Zones out = kNoZones;
        for (size_t i = 0; i < z.size(); ++i)
            if (const auto s = shirt(z[i]))
                out[i] = s->second;
        return out;
    }

    Court courtOf(const Rally::Court& c) const { return {zonesOf(c[0]), zonesOf(c[1])}; }

    Line line(Line::Kind kind, const QString& code, const QDateTime& at, const Court& court)
    {
        Line l;
        l.kind = kind;
        l.code = code;
        l.time = at.time();
        l.set = setNumber;
        l.setterZones = setter;
        l.zones = court;
        return l;
    }

    void action(const std::vector<Item>& items, const Item& i)
    {
        if (i.pairedAssist >= 0)
            writeAction(items[size_t(i.pairedAssist)], ScoutRule::BeforeKill, &i);
        if (i.pairedAway)
            return;
        writeAction(i, i.assistMarked ? ScoutRule::Marked : ScoutRule::Plain);
    }

    // An assist written before its kill takes the kill's moment and line-ups (when they place the
    // setter where the assist was recorded), so that the lines around it read as one rally.
    void writeAction(const Item& recorded, ScoutRule rule, const Item* before = nullptr)
    {
        Item i = recorded;
        if (before) {
            i.at = before->at;
            i.court = before->court;
        }
        const ScoutKind* row = ScoutKindToWrite(i.kind->key, i.value, rule);
        if (!row)
            row = ScoutKindToWrite(i.kind->key, i.value, ScoutRule::Marked);
        const auto who = shirt(i.player);
        if (!row || !who) {
            ++leftOut;
            return;
        }
        const int zone = (i.position - 1) % 6 + 1;
        // The line-ups as they stood when the action was recorded; where they do not place the
        // player in the box recorded, only the player, so that the box comes back as it was.
        Court court{kNoZones, kNoZones};
        if (i.court) {
            court = courtOf(*i.court);
            if (court[size_t(i.side)][size_t(zone - 1)] != who->second)
                court = {kNoZones, kNoZones};
        }
        court[size_t(i.side)][size_t(zone - 1)] = who->second;
        const QString custom = row->rule == ScoutRule::Marked ? QString::fromLatin1(row->mark) : QString();
        Line l
            = line(Line::Kind::Action, ActionCode(i.side, who->second, row->skill, row->written, custom), i.at, court);
        m.lines.push_back(l);
    }

    void logged(const RecordedGame& g, std::vector<Item> items, std::array<int, 2>& starters)
    {
        const Rally::Log& log = g.log;
        const auto reversed = Rally::ReversedSteps(log);
        std::set<int> standingPoints;
        for (const Rally::Point& p : Rally::StandingPoints(log))
            standingPoints.insert(p.entry);
        std::map<int, size_t> itemAt; // entry number -> item
        for (size_t k = 0; k < items.size(); ++k)
            itemAt[items[k].order] = k;
        std::array<int, 2> score{0, 0};
        std::vector<size_t> pending;
        auto flush = [&](const Rally::Entry* point) {
            if (point) {
                const int server = point->server == kAway ? kAway : kHome;
                // The rally opens with its serve: a serve recorded for the serving side, else one
                // made for the player in zone 1, which says who served.
                auto serve = std::find_if(pending.begin(), pending.end(), [&](size_t k) {
                    const Item& i = items[k];
                    return i.side == server && ScoutKindToWrite(i.kind->key, i.value, ScoutRule::Plain)
                        && ScoutKindToWrite(i.kind->key, i.value, ScoutRule::Plain)->skill == 'S';
                });
                if (serve != pending.end()) {
                    action(items, items[*serve]);
                    pending.erase(serve);
                } else {
                    const auto who = shirt(point->zones[size_t(server)][0]);
                    const ScoutKind* neutral = ScoutKindFor('S', '!', "");
                    const QDateTime at = pending.empty() ? point->entered : items[pending.front()].at;
                    m.lines.push_back(line(Line::Kind::Action,
                                           ActionCode(server, who ? who->second : -1, 'S', neutral->written), at,
                                           courtOf(point->zones)));
                }
            }
            for (size_t k : pending)
                action(items, items[k]);
            pending.clear();
            if (point) {
                ++score[size_t(point->side)];
                m.lines.push_back(line(Line::Kind::Point,
                                       QStringLiteral("%1p%2:%3")
                                           .arg(QLatin1Char(point->side == kHome ? '*' : 'a'))
                                           .arg(score[0], 2, 10, QLatin1Char('0'))
                                           .arg(score[1], 2, 10, QLatin1Char('0')),
                                       point->entered, courtOf(point->zones)));
            }
        };
        for (const Rally::Entry& e : log) {
            if (e.kind == Rally::Kind::Undo || reversed.contains(e.step))
                continue;
            switch (e.kind) {
            case Rally::Kind::Start:
                if (started)
                    break;
                started = true;
                setter = {1, 1};
                for (int side = 0; side < 2; ++side) {
                    const QChar mark = QLatin1Char(side == kHome ? '*' : 'a');
                    const auto first = shirt(e.zones[size_t(side)][0]);
                    starters[size_t(side)] = first ? first->second : -1;
                    if (first)
                        m.lines.push_back(
                            line(Line::Kind::LineUp,
                                 QStringLiteral("%1P%2>LUp").arg(mark).arg(first->second, 2, 10, QLatin1Char('0')),
                                 e.entered, courtOf(e.zones)));
                    m.lines.push_back(
                        line(Line::Kind::LineUp, QStringLiteral("%1z1>LUp").arg(mark), e.entered, courtOf(e.zones)));
                }
                break;
            case Rally::Kind::Action:
                if (const auto it = itemAt.find(e.entry); it != itemAt.end())
                    pending.push_back(it->second);
                break;
            case Rally::Kind::Point:
                if (standingPoints.count(e.entry))
                    flush(&e);
                break;
            case Rally::Kind::Rotate: {
                // The setter's zone, counted from the player in zone 1 at the start: a turn forward
                // takes zone 1 to 6.
                int& z = setter[size_t(e.side)];
                z = e.amount > 0 ? (z == 1 ? 6 : z - 1) : (z == 6 ? 1 : z + 1);
                // A turn that brought the libero to the front row brought her replacement back in
                // the same step: the line shows the court as the step left it.
                const Rally::Court* after = &e.zones;
                for (const Rally::Entry* later : Rally::StepEntries(log, e.step))
                    if (later->kind == Rally::Kind::Libero && later->entry > e.entry)
                        after = &later->zones;
                m.lines.push_back(line(Line::Kind::Rotation,
                                       QStringLiteral("%1z%2").arg(QLatin1Char(e.side == kHome ? '*' : 'a')).arg(z),
                                       e.entered, courtOf(*after)));
                break;
            }
            case Rally::Kind::Sub: {
                const auto in = shirt(e.player);
                const auto out = shirt(e.out);
                if (!in || !out)
                    break;
                m.lines.push_back(line(Line::Kind::Substitution,
                                       QStringLiteral("%1c%2:%3")
                                           .arg(QLatin1Char(e.side == kHome ? '*' : 'a'))
                                           .arg(out->second, 2, 10, QLatin1Char('0'))
                                           .arg(in->second, 2, 10, QLatin1Char('0')),
                                       e.entered, courtOf(e.zones)));
                break;
            }
            case Rally::Kind::Undo:
            // A timeout has no line; a libero swap shows in the line-ups of the lines after it.
            case Rally::Kind::Libero:
            case Rally::Kind::Timeout:
                break;
            }
        }
        flush(nullptr);
    }

    const RecordedMatch& r;
    ScoutMatch& m;
    std::map<RecordId, std::pair<int, int>> numbers;
    int setNumber = 0;
    std::array<int, 2> setter{0, 0};
    bool started = false;
    int leftOut = 0;
};

// Per player, box and kind: the values recorded and how many (take-backs negative).
using Sums = std::map<std::tuple<RecordId, int, QString>, std::pair<qint64, qint64>>;

void AddTo(Sums& sums, const RecordId& player, int position, const QString& column, int value)
{
    auto& s = sums[{player, position, column.toUpper()}];
    s.first += value;
    s.second += value > 0 ? 1 : (value < 0 ? -1 : 0);
}

// Whether the log tells the whole game: it starts, its standing points come to the stored score,
// and its actions to the stored rows.
bool LogTellsGame(const RecordedGame& g)
{
    if (std::none_of(g.log.begin(), g.log.end(), [](const Rally::Entry& e) { return e.kind == Rally::Kind::Start; }))
        return false;
    std::array<int, 2> score{0, 0};
    for (const Rally::Point& p : Rally::StandingPoints(g.log))
        ++score[size_t(p.winner == kAway ? kAway : kHome)];
    if (score[0] != g.home || score[1] != g.away)
        return false;
    const auto reversed = Rally::ReversedSteps(g.log);
    Sums fromLog;
    for (const Rally::Entry& e : g.log)
        if (e.kind == Rally::Kind::Action && !reversed.contains(e.step))
            AddTo(fromLog, e.player, e.position, e.stat, e.amount);
    Sums fromRows;
    for (const RecordedPlay& p : g.plays)
        AddTo(fromRows, p.player, p.position, p.column, p.value);
    auto nonZero = [](Sums s) {
        for (auto it = s.begin(); it != s.end();)
            it = it->second == std::pair<qint64, qint64>{0, 0} ? s.erase(it) : std::next(it);
        return s;
    };
    return nonZero(fromLog) == nonZero(fromRows);
}

} // namespace

ScoutMatch FromRecorded(const RecordedMatch& r)
{
    ScoutMatch m;
    m.date = r.when.date();
    m.time = r.when.time();
    m.declaredEncoding = QStringLiteral("UTF-8");
    m.hasSetSection = true;
    if (r.games.size() > size_t(kMaxSets))
        throw ExportError(
            Words::tr("The match has %1 games; a scout file holds at most %2.").arg(r.games.size()).arg(kMaxSets));
    for (int side = 0; side < 2; ++side) {
        Team& t = m.teams[size_t(side)];
        t.code = side == kHome ? QStringLiteral("H") : QStringLiteral("V");
        t.name = r.teams[size_t(side)];
        for (const RecordedPlayer& p : r.players[size_t(side)]) {
            if (const Player* other = t.player(p.number))
                throw ExportError(
                    Words::tr("%2 and %3 of %4 both wear number %1: a scout file tells players apart by their "
                              "numbers. Change one of them, then export again.")
                        .arg(p.number)
                        .arg(other->name(), p.name, t.name));
            Player pl;
            pl.number = p.number;
            // The last word is the last name, so that "First Last" reads back as it was.
            const qsizetype space = p.name.lastIndexOf(QLatin1Char(' '));
            pl.lastName = space < 0 ? p.name : p.name.mid(space + 1);
            pl.firstName = space < 0 ? QString() : p.name.left(space);
            t.players.push_back(pl);
        }
    }
    if (m.teams[0].name.compare(m.teams[1].name, Qt::CaseInsensitive) == 0)
        throw ExportError(
            Words::tr("Both teams of the match are called \"%1\": a scout file could not tell their players "
                      "apart.")
                .arg(m.teams[0].name));

    Writer w(r, m);
    QList<int> withoutLog;
    int unmatched = 0;
    for (size_t gi = 0; gi < r.games.size(); ++gi) {
        const RecordedGame& g = r.games[gi];
        w.setNumber = int(gi) + 1;
        w.started = false;
        w.setter = {0, 0};
        const bool usable = LogTellsGame(g);
        if (!usable)
            withoutLog << w.setNumber;
        // The actions, in the order recorded.
        std::vector<Item> items;
        if (usable) {
            const auto reversed = Rally::ReversedSteps(g.log);
            for (const Rally::Entry& e : g.log) {
                if (e.kind != Rally::Kind::Action || reversed.contains(e.step))
                    continue;
                Item i;
                i.order = e.entry;
                i.player = e.player;
                i.side = e.side;
                i.position = e.position;
                i.kind = StatByColumn(e.stat);
                i.value = e.amount;
                i.at = e.entered;
                i.court = e.zones;
                if (i.kind)
                    items.push_back(i);
            }
        } else {
            int order = 0;
            for (const RecordedPlay& p : g.plays) {
                Item i;
                i.order = ++order;
                i.player = p.player;
                const auto who = w.shirt(p.player);
                i.side = who ? who->first : kHome;
                i.position = p.position;
                i.kind = StatByColumn(p.column);
                i.value = p.value;
                i.at = p.at;
                if (i.kind)
                    items.push_back(i);
            }
        }
        // A rating's value is its size; every other kind counts one.
        for (Item& i : items)
            if (i.kind->shape != StatShape::Rating)
                i.value = i.value > 0 ? 1 : -1;
        items = Standing(std::move(items), &unmatched);
        PairAssists(items);

        std::array<int, 2> starters{-1, -1};
        if (usable) {
            w.logged(g, items, starters);
        } else {
            for (const Item& i : items)
                w.action(items, i);
        }
        Line end = w.line(Line::Kind::SetEnd, QStringLiteral("**%1set").arg(w.setNumber),
                          m.lines.empty() ? r.when : QDateTime(m.date, m.lines.back().time), Court{kNoZones, kNoZones});
        end.set = w.setNumber + 1;
        end.setterZones = {0, 0};
        m.lines.push_back(end);

        // The players' lines: the zone each started the set in, "*" for everyone else on court.
        std::map<RecordId, int> startZone;
        if (usable) {
            for (const Rally::Entry& e : g.log) {
                if (e.kind != Rally::Kind::Start)
                    continue;
                for (const Rally::Zones& side : e.zones)
                    for (size_t z = 0; z < side.size(); ++z)
                        startZone[side[z]] = int(z) + 1;
                break;
            }
        }
        for (const RecordId& id : g.played) {
            const auto who = w.shirt(id);
            if (!who)
                continue;
            for (Player& p : m.teams[size_t(who->first)].players)
                if (p.number == who->second)
                    p.sets[gi] = startZone.count(id) ? QString::number(startZone[id]) : QStringLiteral("*");
        }

        SetResult result;
        result.played = true;
        result.home = g.home;
        result.away = g.away;
        m.setResults.push_back(result);
        m.sets.push_back(Set{w.setNumber, {}, true, usable, !items.empty(), g.home, g.away});
    }
    for (const Set& s : m.sets) {
        if (s.home > s.away)
            ++m.teams[0].setsWon;
        else if (s.away > s.home)
            ++m.teams[1].setsWon;
    }
    if (!withoutLog.isEmpty()) {
        QStringList games;
        for (int n : withoutLog)
            games << QString::number(n);
        m.comments << Words::tr("Recorded without a rally log: game %1 has its actions and final score only, not its "
                                "points, rotations and substitutions.")
                          .arg(games.join(QStringLiteral(", ")));
    }
    if (unmatched > 0)
        m.comments << Words::tr("%1 actions taken back in subtraction mode had no action left to take back and are not "
                                "written.")
                          .arg(unmatched);
    if (w.leftOut > 0)
        m.comments << Words::tr("%1 actions of players no longer on the roster are not written.").arg(w.leftOut);
    return m;
}

} // namespace Scout

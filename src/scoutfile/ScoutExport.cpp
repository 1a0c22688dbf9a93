#include "scoutfile/ScoutExport.h"

#include "scoutfile/ScoutExportItems.h"
#include "scoutfile/ScoutKinds.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>
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

// What the writer keeps while it writes one set.
struct SetState
{
    int number = 0; // the set, from 1
    bool started = false; // its start (both line-ups) written
    std::array<int, 2> setter{0, 0}; // each side's setter zone as the lines give it; 0: none yet
    std::array<int, 2> score{0, 0};
};

// A code of the program's own for a team or player: its record identifier's digits, so that every
// file the program writes names the same team or player alike, and no two alike.
QString CodeOf(QChar kind, const RecordId& id)
{
    QString digits = id.text();
    digits.removeIf([](QChar c) { return !c.isDigit(); });
    return kind + digits;
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

    static int ZoneOf(const ExportItem& i) { return (i.position - 1) % 6 + 1; }

    // Whether the line-ups a line is written with (those of `line`) place the player of `i` in
    // the zone of the box recorded.
    bool places(const ExportItem& line, const ExportItem& i) const
    {
        const auto who = shirt(i.player);
        return who && line.court && courtOf(*line.court)[size_t(i.side)][size_t(ZoneOf(i) - 1)] == who->second;
    }

    Line line(Line::Kind kind, const QString& code, const QDateTime& at, const Court& court) const
    {
        Line l;
        l.kind = kind;
        l.code = code;
        l.time = at.time();
        l.set = set.number;
        l.setterZones = set.setter;
        l.zones = court;
        return l;
    }

    void action(const std::vector<ExportItem>& items, const ExportItem& i)
    {
        if (i.pairedAssist >= 0)
            writeAction(items, items[size_t(i.pairedAssist)], ScoutRule::BeforeKill, &i);
        if (i.pairedAway || i.partnerAway)
            return;
        writeAction(items, i, i.assistMarked ? ScoutRule::Marked : ScoutRule::Plain);
    }

    // An action's line carries the whole line-ups as they stood when it was recorded (an assist
    // written before its kill: the kill's moment and line-ups, so that the lines around it read as
    // one rally). Where they do not place the player in the box recorded (a libero, whom no
    // line-up names), the custom field gives the zone ("Z6"), so that the box comes back as it
    // was; a block of two names the partner there ("BA07").
    void writeAction(const std::vector<ExportItem>& items, const ExportItem& recorded, ScoutRule rule,
                     const ExportItem* before = nullptr)
    {
        ExportItem i = recorded;
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
        const int zone = ZoneOf(i);
        QString custom = row->rule == ScoutRule::Marked ? QString::fromLatin1(row->mark) : QString();
        if (i.blockPartner >= 0) {
            if (const auto partner = shirt(items[size_t(i.blockPartner)].player))
                custom += QStringLiteral("%1").arg(partner->second, 2, 10, QLatin1Char('0'));
        }
        Court court{kNoZones, kNoZones};
        if (i.court) {
            court = courtOf(*i.court);
            if (court[size_t(i.side)][size_t(zone - 1)] != who->second)
                custom += QStringLiteral("Z%1").arg(zone);
        } else {
            // A game recorded before the log has no line-ups: the player alone tells the box.
            court[size_t(i.side)][size_t(zone - 1)] = who->second;
        }
        m.lines.push_back(
            line(Line::Kind::Action, ActionCode(i.side, who->second, row->skill, row->written, custom), i.at, court));
    }

    void timeout(const Rally::Entry& e)
    {
        m.lines.push_back(line(Line::Kind::Timeout, QStringLiteral("%1T").arg(QLatin1Char(e.side == kHome ? '*' : 'a')),
                               e.entered, courtOf(e.zones)));
    }

    void logged(const RecordedGame& g, const std::vector<ExportItem>& items, std::array<int, 2>& starters)
    {
        const Rally::Log& log = g.log;
        const auto reversed = Rally::ReversedSteps(log);
        std::set<int> standingPoints;
        for (const Rally::Point& p : Rally::StandingPoints(log))
            standingPoints.insert(p.entry);
        std::map<int, size_t> itemAt; // entry number -> item
        for (size_t k = 0; k < items.size(); ++k)
            itemAt[items[k].order] = k;
        // What waits for its rally's point: its actions (items) and any timeout recorded between
        // them, in the order recorded.
        struct Waiting
        {
            size_t item = 0;
            const Rally::Entry* timeout = nullptr;
        };
        std::vector<Waiting> pending;
        auto flush = [&](const Rally::Entry* point) {
            if (point) {
                const int server = point->server == kAway ? kAway : kHome;
                // The rally opens with its serve: a serve recorded for the serving side, else one
                // made for the player in zone 1, which says who served.
                auto serve = std::find_if(pending.begin(), pending.end(), [&](const Waiting& w) {
                    if (w.timeout)
                        return false;
                    const ExportItem& i = items[w.item];
                    const ScoutKind* row = ScoutKindToWrite(i.kind->key, i.value, ScoutRule::Plain);
                    return i.side == server && row && row->skill == 'S';
                });
                if (serve != pending.end()) {
                    action(items, items[serve->item]);
                    pending.erase(serve);
                } else {
                    const auto who = shirt(point->zones[size_t(server)][0]);
                    const ScoutKind* neutral = ScoutKindFor('S', '!', "");
                    const auto first = std::find_if(pending.begin(), pending.end(), [](const Waiting& w) { return !w.timeout; });
                    const QDateTime at = first == pending.end() ? point->entered : items[first->item].at;
                    m.lines.push_back(line(Line::Kind::Action,
                                           ActionCode(server, who ? who->second : -1, 'S', neutral->written), at,
                                           courtOf(point->zones)));
                }
            }
            for (const Waiting& w : pending) {
                if (w.timeout)
                    timeout(*w.timeout);
                else
                    action(items, items[w.item]);
            }
            pending.clear();
            if (point) {
                // A point that no action decided: the rally's end credited to nobody, as the format
                // writes it, so that other readers know the point was won and by nobody's action.
                if (point->stat.isEmpty())
                    m.lines.push_back(line(Line::Kind::Other, ActionCode(point->side, -1, '&', '#'), point->entered,
                                           courtOf(point->zones)));
                ++set.score[size_t(point->side)];
                m.lines.push_back(line(Line::Kind::Point,
                                       QStringLiteral("%1p%2:%3")
                                           .arg(QLatin1Char(point->side == kHome ? '*' : 'a'))
                                           .arg(set.score[0], 2, 10, QLatin1Char('0'))
                                           .arg(set.score[1], 2, 10, QLatin1Char('0')),
                                       point->entered, courtOf(point->zones)));
            }
        };
        for (const Rally::Entry& e : log) {
            if (e.kind == Rally::Kind::Undo || reversed.contains(e.step))
                continue;
            switch (e.kind) {
            case Rally::Kind::Start:
                if (set.started)
                    break;
                set.started = true;
                set.setter = {1, 1};
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
                    pending.push_back({it->second, nullptr});
                break;
            case Rally::Kind::Timeout:
                // Between rallies at once; one recorded among a rally's actions keeps its place
                // among them, after the rally's serve.
                if (pending.empty())
                    timeout(e);
                else
                    pending.push_back({0, &e});
                break;
            case Rally::Kind::Point:
                if (standingPoints.count(e.entry))
                    flush(&e);
                break;
            case Rally::Kind::Rotate: {
                // The setter's zone, counted from the player in zone 1 at the start: a turn forward
                // takes zone 1 to 6.
                int& z = set.setter[size_t(e.side)];
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
            // A libero swap has no line of its own: it shows in the line-ups of the lines after it.
            case Rally::Kind::Libero:
                break;
            }
        }
        flush(nullptr);
    }

    const RecordedMatch& r;
    ScoutMatch& m;
    std::map<RecordId, std::pair<int, int>> numbers;
    SetState set;
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
    // The match's liberos: whoever a game's start names.
    std::set<RecordId> liberos;
    for (const RecordedGame& g : r.games)
        for (const RecordId& id : Rally::Liberos(g.log))
            if (!id.isNull())
                liberos.insert(id);
    for (int side = 0; side < 2; ++side) {
        Team& t = m.teams[size_t(side)];
        t.code = CodeOf(QLatin1Char('T'), r.teamIds[size_t(side)]);
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
            pl.role = liberos.count(p.id) ? kLiberoRole : 0;
            pl.code = CodeOf(QLatin1Char('P'), p.id);
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
        w.set = SetState();
        w.set.number = int(gi) + 1;
        const bool usable = LogTellsGame(g);
        if (!usable)
            withoutLog << w.set.number;
        // The actions, in the order recorded, each with the rally it was recorded in.
        std::vector<ExportItem> items;
        if (usable) {
            const auto reversed = Rally::ReversedSteps(g.log);
            std::vector<int> points;
            for (const Rally::Point& p : Rally::StandingPoints(g.log))
                points.push_back(p.entry);
            for (const Rally::Entry& e : g.log) {
                if (e.kind != Rally::Kind::Action || reversed.contains(e.step))
                    continue;
                ExportItem i;
                i.order = e.entry;
                i.player = e.player;
                i.side = e.side;
                i.position = e.position;
                i.kind = StatByColumn(e.stat);
                i.value = e.amount;
                i.at = e.entered;
                i.court = e.zones;
                i.rally = int(std::lower_bound(points.begin(), points.end(), e.entry) - points.begin());
                if (i.kind)
                    items.push_back(i);
            }
        } else {
            int order = 0;
            for (const RecordedPlay& p : g.plays) {
                ExportItem i;
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
        for (ExportItem& i : items)
            if (i.kind->shape != StatShape::Rating)
                i.value = i.value > 0 ? 1 : -1;
        items = Standing(std::move(items), &unmatched);
        PairAssists(items);
        // A block's partner is named in the line; the line's line-ups must place the partner where
        // recorded, since nothing else in the line can.
        PairBlocks(items, [&](const ExportItem& line, const ExportItem& partner) { return w.places(line, partner); });

        std::array<int, 2> starters{-1, -1};
        if (usable) {
            w.logged(g, items, starters);
        } else {
            for (const ExportItem& i : items)
                w.action(items, i);
        }
        Line end = w.line(Line::Kind::SetEnd, QStringLiteral("**%1set").arg(w.set.number),
                          m.lines.empty() ? r.when : QDateTime(m.date, m.lines.back().time), Court{kNoZones, kNoZones});
        end.set = w.set.number + 1;
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
        m.sets.push_back(Set{w.set.number, {}, true, usable, !items.empty(), g.home, g.away});
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

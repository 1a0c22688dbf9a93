#include "rules/RallyLog.h"

#include <algorithm>

namespace Rally {

namespace {
constexpr std::array<std::pair<Kind, const char*>, 8> kKindNames{{{Kind::Start, "START"},
                                                                    {Kind::Point, "POINT"},
                                                                    {Kind::Rotate, "ROTATE"},
                                                                    {Kind::Sub, "SUB"},
                                                                    {Kind::Action, "ACTION"},
                                                                    {Kind::Undo, "UNDO"},
                                                                    {Kind::Libero, "LIBERO"},
                                                                    {Kind::Timeout, "TIMEOUT"}}};

int ZoneOf(const Zones& zones, const RecordId& id)
{
    if (id.isNull())
        return 0;
    for (size_t z = 0; z < zones.size(); ++z)
        if (zones[z] == id)
            return int(z) + 1;
    return 0;
}

// The entries of one step as they are built: each takes the next number and the court and scores
// the ones before it left.
struct Draft
{
    int entry = 0; // the last number given
    int step = 0;
    Court court;
    std::array<int, 2> scores{0, 0};
    QDateTime at;
    StepWrite write;
    // What the libero rule needs as the entries go: each side's libero, the player she stands in
    // for while on court, and the side serving.
    std::array<RecordId, 2> liberos;
    std::array<RecordId, 2> standsFor;
    int serving = kHome;

    Entry& add(Kind kind)
    {
        Entry e;
        e.entry = ++entry;
        e.step = step;
        e.kind = kind;
        e.entered = at;
        e.homeScore = scores[kHome];
        e.awayScore = scores[kAway];
        e.zones = court;
        write.entries.push_back(e);
        return write.entries.back();
    }

    void point(int side, int amount, int server, bool rotateOnSideOut, const Entry* ending = nullptr)
    {
        // Copied first: the ending may be an entry of this very step, which the next one may move.
        const std::optional<Entry> end = ending ? std::optional<Entry>(*ending) : std::nullopt;
        scores[size_t(side)] += amount;
        write.scoreChange[size_t(side)] += amount;
        // The point's line-ups are those of the rally, before any rotation it brings.
        Entry& p = add(Kind::Point);
        p.side = side;
        p.server = server;
        p.amount = amount;
        if (end) {
            p.stat = end->stat;
            p.player = end->player;
            p.position = end->position;
        }
        if (amount > 0)
            serving = side;
        if (amount > 0 && side != server && rotateOnSideOut)
            rotate(side, false);
    }

    void rotate(int side, bool back, bool liberoRule = true)
    {
        court[size_t(side)] = Rotated(court[size_t(side)], back);
        Entry& r = add(Kind::Rotate);
        r.side = side;
        r.amount = back ? -1 : 1;
        if (liberoRule)
            liberoBack(side);
    }

    // The libero leaves the front row, and the serve, to the player she replaced.
    void liberoBack(int side)
    {
        const RecordId& libero = liberos[size_t(side)];
        const int zone = ZoneOf(court[size_t(side)], libero);
        if (zone == 0 || standsFor[size_t(side)].isNull())
            return;
        if (BackRow(zone) && !(zone == 1 && serving == side))
            return;
        swap(side, standsFor[size_t(side)], libero, -1);
    }

    // A libero swap: in comes in for out where out stands (both copied: either may be a place of
    // the court that the swap changes).
    void swap(int side, const RecordId in, const RecordId out, int amount)
    {
        const int zone = ZoneOf(court[size_t(side)], out);
        if (zone == 0)
            return;
        court[size_t(side)][size_t(zone - 1)] = in;
        standsFor[size_t(side)] = amount > 0 ? out : RecordId();
        Entry& e = add(Kind::Libero);
        e.side = side;
        e.player = in;
        e.out = out;
        e.amount = amount;
    }

    // Undoes what an entry did to the court and scores, without entries of its own: the take-back
    // writes one UNDO entry for the whole step.
    void reverse(const Entry& e)
    {
        switch (e.kind) {
        case Kind::Point:
            scores[size_t(e.side)] -= e.amount;
            write.scoreChange[size_t(e.side)] -= e.amount;
            break;
        case Kind::Rotate:
            court[size_t(e.side)] = Rotated(court[size_t(e.side)], e.amount > 0);
            break;
        case Kind::Libero:
            if (const int zone = ZoneOf(court[size_t(e.side)], e.player))
                court[size_t(e.side)][size_t(zone - 1)] = e.out;
            break;
        case Kind::Action:
            if (const StatKind* kind = StatByColumn(e.stat))
                write.plays.push_back({e.player, e.position, kind, -e.amount});
            break;
        case Kind::Start:
        case Kind::Sub:
        case Kind::Undo:
        case Kind::Timeout:
            break;
        }
    }
};
} // namespace

QString KindName(Kind kind)
{
    for (const auto& [k, name] : kKindNames)
        if (k == kind)
            return QString::fromLatin1(name);
    return {};
}

std::optional<Kind> KindFromName(const QString& name)
{
    for (const auto& [k, text] : kKindNames)
        if (name == QLatin1String(text))
            return k;
    return std::nullopt;
}

QSet<int> ReversedSteps(const Log& log)
{
    QSet<int> steps;
    for (const Entry& e : log)
        if (e.kind == Kind::Undo)
            steps << e.reverses;
    return steps;
}

std::vector<Point> StandingPoints(const Log& log)
{
    const QSet<int> reversed = ReversedSteps(log);
    std::vector<Point> points;
    for (const Entry& e : log) {
        if (e.kind != Kind::Point || reversed.contains(e.step))
            continue;
        if (e.amount > 0) {
            points.push_back({e.entry, e.side, e.server, e.homeScore, e.awayScore, e.zones, e.stat, e.player});
            continue;
        }
        // Taken off by the score button: that side's last point no longer stands.
        const auto last = std::find_if(points.rbegin(), points.rend(), [&](const Point& p) { return p.winner == e.side; });
        if (last != points.rend())
            points.erase(std::next(last).base());
    }
    return points;
}

namespace {
// The rules below as the book asks them after every command, given the steps taken back that it
// keeps, so that none of them walks the whole log to collect those again. Each walks back from
// the newest entry and stops at the first that tells.

int ServingGiven(const Log& log, const QSet<int>& reversed)
{
    // The newest point that stands: walking back, a point taken off by a side cancels that side's
    // next point met, as going forward it cancels that side's last point before it.
    std::array<int, 2> takenOff{0, 0};
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        if (it->kind != Kind::Point || (it->side != kHome && it->side != kAway) || reversed.contains(it->step))
            continue;
        int& pending = takenOff[size_t(it->side)];
        if (it->amount <= 0)
            ++pending;
        else if (pending > 0)
            --pending;
        else
            return it->side;
    }
    for (const Entry& e : log)
        if (e.kind == Kind::Start && (e.server == kHome || e.server == kAway))
            return e.server;
    return kHome;
}

std::optional<int> StepToTakeBackGiven(const Log& log, const QSet<int>& reversed)
{
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        const bool reversible = it->kind == Kind::Point || it->kind == Kind::Rotate || it->kind == Kind::Action
                             || it->kind == Kind::Libero || it->kind == Kind::Timeout;
        if (reversible && !reversed.contains(it->step))
            return it->step;
    }
    return std::nullopt;
}

std::optional<RecordId> LiberoStandsForGiven(const Log& log, int side, const QSet<int>& reversed)
{
    // Whole steps are taken back, so the newest swap that stands tells where she is.
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        if (it->kind != Kind::Libero || it->side != side || reversed.contains(it->step))
            continue;
        if (it->amount > 0)
            return it->out;
        return std::nullopt;
    }
    return std::nullopt;
}

LiberoMove CheckLiberoGiven(const Log& log, int side, int zone, const QSet<int>& reversed, int serving)
{
    if ((side != kHome && side != kAway) || zone < 1 || zone > 6)
        return LiberoMove::EmptyBox;
    const RecordId libero = Liberos(log)[size_t(side)];
    if (libero.isNull() || log.empty())
        return LiberoMove::NoLibero;
    const Zones& zones = log.back().zones[size_t(side)];
    const RecordId& here = zones[size_t(zone - 1)];
    if (here == libero)
        return LiberoStandsForGiven(log, side, reversed) ? LiberoMove::Out : LiberoMove::Elsewhere;
    if (ZoneOf(zones, libero) != 0)
        return LiberoMove::Elsewhere;
    if (here.isNull())
        return LiberoMove::EmptyBox;
    if (!BackRow(zone))
        return LiberoMove::FrontRow;
    if (zone == 1 && serving == side)
        return LiberoMove::WouldServe;
    return LiberoMove::In;
}
} // namespace

int Serving(const Log& log)
{
    return ServingGiven(log, ReversedSteps(log));
}

std::optional<int> StepToTakeBack(const Log& log)
{
    return StepToTakeBackGiven(log, ReversedSteps(log));
}

std::vector<const Entry*> StepEntries(const Log& log, int step)
{
    std::vector<const Entry*> out;
    for (const Entry& e : log)
        if (e.step == step)
            out.push_back(&e);
    return out;
}

std::vector<Timeout> StandingTimeouts(const Log& log)
{
    const QSet<int> reversed = ReversedSteps(log);
    const std::vector<Point> points = StandingPoints(log);
    std::vector<Timeout> out;
    for (const Entry& e : log) {
        if (e.kind != Kind::Timeout || reversed.contains(e.step))
            continue;
        const int before = int(std::count_if(points.begin(), points.end(), [&](const Point& p) { return p.entry < e.entry; }));
        out.push_back({e.entry, e.side, e.homeScore, e.awayScore, before});
    }
    return out;
}

int TimeoutsTaken(const Log& log, int side)
{
    const std::vector<Timeout> all = StandingTimeouts(log);
    return int(std::count_if(all.begin(), all.end(), [side](const Timeout& t) { return t.side == side; }));
}

std::array<RecordId, 2> Liberos(const Log& log)
{
    for (const Entry& e : log)
        if (e.kind == Kind::Start)
            return {e.player, e.out};
    return {};
}

std::optional<RecordId> LiberoStandsFor(const Log& log, int side)
{
    return LiberoStandsForGiven(log, side, ReversedSteps(log));
}

LiberoMove CheckLibero(const Log& log, int side, int zone)
{
    const QSet<int> reversed = ReversedSteps(log);
    return CheckLiberoGiven(log, side, zone, reversed, ServingGiven(log, reversed));
}

namespace {
const Entry* DecidingActionGiven(const Log& log, int side, const QSet<int>& reversed)
{
    // An action taken off in subtraction mode cancels the newest one of its kind and player.
    std::vector<const Entry*> takenOff;
    // A block assist that fits: the block's first player is looked for before it.
    const Entry* found = nullptr;
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        if (it->kind == Kind::Undo || reversed.contains(it->step))
            continue;
        if (it->kind == Kind::Point && it->amount > 0) {
            // Block assists right after a point their side's block won are that block's second
            // player, recorded once the first had scored: they decide no rally of their own.
            if (found && it->side == side && it->stat.compare(found->stat, Qt::CaseInsensitive) == 0)
                return nullptr;
            break;
        }
        if (it->kind != Kind::Action)
            continue;
        if (it->amount < 0) {
            takenOff.push_back(&*it);
            continue;
        }
        const auto cancelled = std::find_if(takenOff.begin(), takenOff.end(), [&](const Entry* off) {
            return off->player == it->player && off->stat.compare(it->stat, Qt::CaseInsensitive) == 0;
        });
        if (cancelled != takenOff.end()) {
            takenOff.erase(cancelled);
            continue;
        }
        if (found) {
            if (it->side == side && it->stat.compare(found->stat, Qt::CaseInsensitive) == 0) {
                found = &*it;
                continue;
            }
            return found;
        }
        const StatKind* kind = StatByColumn(it->stat);
        if (!kind || kind->rallyEnd == RallyEnd::None)
            continue;
        const int decides = kind->rallyEnd == RallyEnd::Loses ? Other(it->side) : it->side;
        if (decides != side)
            continue;
        if (kind->rallyEnd != RallyEnd::FirstWins)
            return &*it;
        found = &*it;
    }
    return found;
}
} // namespace

const Entry* DecidingAction(const Log& log, int side)
{
    return DecidingActionGiven(log, side, ReversedSteps(log));
}

Ending EndingOf(const QString& column)
{
    const StatKind* kind = StatByColumn(column);
    if (!kind)
        return Ending::PointOnly;
    switch (kind->rallyEnd) {
    case RallyEnd::None:
        return Ending::PointOnly;
    case RallyEnd::Loses:
        return Ending::OtherError;
    case RallyEnd::FirstWins:
        return Ending::Block;
    case RallyEnd::Wins:
        break;
    }
    if (kind->shape == StatShape::Attack)
        return Ending::Attack;
    return column.compare(QLatin1String("SERVEACE"), Qt::CaseInsensitive) == 0 ? Ending::Serve : Ending::Block;
}

std::optional<int> PointFromAction(const StatKind& kind, int playerSide, int value, const Log& log)
{
    if (value <= 0)
        return std::nullopt;
    switch (kind.rallyEnd) {
    case RallyEnd::None:
        return std::nullopt;
    case RallyEnd::Wins:
        return playerSide;
    case RallyEnd::Loses:
        return Other(playerSide);
    case RallyEnd::FirstWins:
        break;
    }
    // Back through the steps that stand: block assists of this side that scored nothing belong to
    // the same block; the first other step tells whether that block already won the rally.
    const QSet<int> reversed = ReversedSteps(log);
    const auto isAssist = [&](const Entry& e) {
        return e.kind == Kind::Action && e.side == playerSide && e.amount > 0
            && e.stat.compare(QLatin1String(kind.column), Qt::CaseInsensitive) == 0;
    };
    int step = -1;
    bool assist = false;
    bool scored = false;
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        if (it->kind == Kind::Undo || reversed.contains(it->step))
            continue;
        if (it->step != step) {
            // A whole step has been seen: a lone assist goes on looking further back.
            if (step >= 0 && !(assist && !scored))
                break;
            step = it->step;
            assist = false;
            scored = false;
        }
        assist = assist || isAssist(*it);
        scored = scored || (it->kind == Kind::Point && it->amount > 0);
    }
    if (step >= 0 && assist && scored)
        return std::nullopt;
    return playerSide;
}

Book::Book(Log log) : m_log(std::move(log)), m_reversed(ReversedSteps(m_log))
{
    for (const Entry& e : m_log) {
        m_lastStep = std::max(m_lastStep, e.step);
        m_started = m_started || e.kind == Kind::Start;
    }
}

int Book::serving() const
{
    if (!m_serving)
        m_serving = ServingGiven(m_log, m_reversed);
    return *m_serving;
}

std::array<RecordId, 2> Book::standsFor() const
{
    std::array<RecordId, 2> out;
    for (size_t side = 0; side < 2; ++side) {
        if (!m_standsFor[side])
            m_standsFor[side] = LiberoStandsForGiven(m_log, int(side), m_reversed).value_or(RecordId());
        out[side] = *m_standsFor[side];
    }
    return out;
}

LiberoMove Book::checkLibero(int side, int zone) const
{
    return CheckLiberoGiven(m_log, side, zone, m_reversed, serving());
}

std::optional<int> Book::stepToTakeBack() const
{
    return StepToTakeBackGiven(m_log, m_reversed);
}

Court Book::court() const
{
    return m_log.empty() ? Court{} : m_log.back().zones;
}

int Book::score(int side) const
{
    return m_log.empty() ? 0 : m_log.back().score(side);
}

namespace {
Draft DraftOn(const Log& log, int step, const QDateTime& at, int serving, const std::array<RecordId, 2>& standsFor)
{
    Draft d;
    d.entry = log.empty() ? 0 : log.back().entry;
    d.step = step;
    d.court = log.empty() ? Court{} : log.back().zones;
    d.scores = log.empty() ? std::array<int, 2>{0, 0} : std::array<int, 2>{log.back().homeScore, log.back().awayScore};
    d.at = at;
    d.liberos = Liberos(log);
    d.standsFor = standsFor;
    d.serving = serving;
    return d;
}
} // namespace

StepWrite Book::start(const Court& court, int firstServer, const QDateTime& at,
                       const std::array<RecordId, 2>& liberos) const
{
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    d.court = court;
    Entry& e = d.add(Kind::Start);
    e.server = firstServer;
    e.player = liberos[kHome];
    e.out = liberos[kAway];
    return d.write;
}

StepWrite Book::point(int side, int amount, bool rotateOnSideOut, const QDateTime& at, bool linkEnding) const
{
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    if (amount > 0) {
        const Entry* ending = linkEnding ? DecidingActionGiven(m_log, side, m_reversed) : nullptr;
        d.point(side, amount, serving(), rotateOnSideOut, ending);
        return d.write;
    }
    d.point(side, amount, serving(), false);
    // The point taken off is that side's last that stands: the turn (and the libero's return) its
    // own step brought go back with it, newest first.
    const std::vector<Point> points = StandingPoints(m_log);
    const auto last = std::find_if(points.rbegin(), points.rend(), [&](const Point& p) { return p.winner == side; });
    if (last == points.rend())
        return d.write;
    const auto won = std::find_if(m_log.begin(), m_log.end(), [&](const Entry& e) { return e.entry == last->entry; });
    const std::vector<const Entry*> step = StepEntries(m_log, won->step);
    for (auto it = step.rbegin(); it != step.rend(); ++it) {
        const Entry& e = **it;
        if (e.entry <= won->entry)
            break;
        if (e.kind == Kind::Rotate)
            d.rotate(e.side, e.amount > 0, false);
        else if (e.kind == Kind::Libero)
            d.swap(e.side, e.out, e.player, -e.amount);
    }
    return d.write;
}

StepWrite Book::pointEndedBy(int side, const Entry* ending, bool rotateOnSideOut, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    d.point(side, 1, serving(), rotateOnSideOut, ending);
    return d.write;
}

StepWrite Book::rotate(int side, bool back, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    d.rotate(side, back);
    return d.write;
}

StepWrite Book::libero(int side, int zone, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    const RecordId libero = d.liberos[size_t(side == kAway ? kAway : kHome)];
    switch (checkLibero(side, zone)) {
    case LiberoMove::In:
        d.swap(side, libero, d.court[size_t(side)][size_t(zone - 1)], 1);
        break;
    case LiberoMove::Out:
        d.swap(side, d.standsFor[size_t(side)], libero, -1);
        break;
    case LiberoMove::NoLibero:
    case LiberoMove::FrontRow:
    case LiberoMove::WouldServe:
    case LiberoMove::Elsewhere:
    case LiberoMove::EmptyBox:
        break;
    }
    return d.write;
}

StepWrite Book::liberoSwap(int side, const RecordId& in, const RecordId& out, int amount, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    d.swap(side == kAway ? kAway : kHome, in, out, amount > 0 ? 1 : -1);
    return d.write;
}

StepWrite Book::timeout(int side, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    d.add(Kind::Timeout).side = side;
    return d.write;
}

StepWrite Book::substitute(const Court& now, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    for (int side = 0; side < 2; ++side) {
        for (size_t z = 0; z < Zones().size(); ++z) {
            RecordId& place = d.court[size_t(side)][z];
            const RecordId& in = now[size_t(side)][z];
            if (place == in)
                continue;
            const RecordId out = place;
            place = in;
            Entry& e = d.add(Kind::Sub);
            e.side = side;
            e.player = in;
            e.out = out;
        }
    }
    return d.write;
}

StepWrite Book::action(const RecordId& player, int side, int position, const StatKind& kind, int value,
                       std::optional<int> pointFor, bool rotateOnSideOut, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    Entry& e = d.add(Kind::Action);
    e.side = side;
    e.amount = value;
    e.player = player;
    e.stat = QString::fromLatin1(kind.column);
    e.position = position;
    d.write.plays.push_back({player, position, &kind, value});
    if (pointFor)
        d.point(*pointFor, 1, serving(), rotateOnSideOut, &e);
    return d.write;
}

std::optional<StepWrite> Book::takeBack(const QDateTime& at) const
{
    const std::optional<int> step = stepToTakeBack();
    if (!step)
        return std::nullopt;
    const std::vector<const Entry*> entries = StepEntries(m_log, *step);
    Draft d = DraftOn(m_log, nextStep(), at, serving(), standsFor());
    // Undone newest first, so that a rotation a point brought goes before the point.
    for (auto it = entries.rbegin(); it != entries.rend(); ++it)
        d.reverse(**it);
    const Entry& first = *entries.front();
    Entry& undo = d.add(Kind::Undo);
    undo.reverses = *step;
    undo.side = first.side;
    undo.player = first.player;
    undo.stat = first.stat;
    undo.amount = first.amount;
    undo.position = first.position;
    return d.write;
}

void Book::append(const StepWrite& step)
{
    m_log.insert(m_log.end(), step.entries.begin(), step.entries.end());
    for (const Entry& e : step.entries) {
        m_lastStep = std::max(m_lastStep, e.step);
        switch (e.kind) {
        case Kind::Start:
            m_started = true;
            m_serving.reset();
            m_standsFor = {};
            break;
        case Kind::Point:
            // A point won stands when it comes: its winner serves next. One taken off may uncover
            // any earlier point.
            if (e.amount > 0)
                m_serving = e.side;
            else
                m_serving.reset();
            break;
        case Kind::Undo:
            m_reversed.insert(e.reverses);
            m_serving.reset();
            m_standsFor = {};
            break;
        case Kind::Libero:
            if (e.side == kHome || e.side == kAway)
                m_standsFor[size_t(e.side)] = e.amount > 0 ? e.out : RecordId();
            break;
        case Kind::Rotate:
        case Kind::Sub:
        case Kind::Action:
        case Kind::Timeout:
            break;
        }
    }
}

} // namespace Rally

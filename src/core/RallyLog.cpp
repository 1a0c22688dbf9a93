#include "core/RallyLog.h"

#include <algorithm>

namespace Rally {

namespace {
constexpr std::array<std::pair<Kind, const char*>, 6> kKindNames{{{Kind::Start, "START"},
                                                                    {Kind::Point, "POINT"},
                                                                    {Kind::Rotate, "ROTATE"},
                                                                    {Kind::Sub, "SUB"},
                                                                    {Kind::Action, "ACTION"},
                                                                    {Kind::Undo, "UNDO"}}};

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

    void point(int side, int amount, int server, bool rotateOnSideOut)
    {
        scores[size_t(side)] += amount;
        write.scoreChange[size_t(side)] += amount;
        // The point's line-ups are those of the rally, before any rotation it brings.
        Entry& p = add(Kind::Point);
        p.side = side;
        p.server = server;
        p.amount = amount;
        if (amount > 0 && side != server && rotateOnSideOut)
            rotate(side, false);
    }

    void rotate(int side, bool back)
    {
        court[size_t(side)] = Rotated(court[size_t(side)], back);
        Entry& r = add(Kind::Rotate);
        r.side = side;
        r.amount = back ? -1 : 1;
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
            points.push_back({e.entry, e.side, e.server, e.homeScore, e.awayScore, e.zones});
            continue;
        }
        // Taken off by the score button: that side's last point no longer stands.
        const auto last = std::find_if(points.rbegin(), points.rend(), [&](const Point& p) { return p.winner == e.side; });
        if (last != points.rend())
            points.erase(std::next(last).base());
    }
    return points;
}

int Serving(const Log& log)
{
    const std::vector<Point> points = StandingPoints(log);
    if (!points.empty())
        return points.back().winner;
    for (const Entry& e : log)
        if (e.kind == Kind::Start && (e.server == kHome || e.server == kAway))
            return e.server;
    return kHome;
}

std::optional<int> StepToTakeBack(const Log& log)
{
    const QSet<int> reversed = ReversedSteps(log);
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        const bool reversible = it->kind == Kind::Point || it->kind == Kind::Rotate || it->kind == Kind::Action;
        if (reversible && !reversed.contains(it->step))
            return it->step;
    }
    return std::nullopt;
}

std::vector<const Entry*> StepEntries(const Log& log, int step)
{
    std::vector<const Entry*> out;
    for (const Entry& e : log)
        if (e.step == step)
            out.push_back(&e);
    return out;
}

Zones Rotated(const Zones& zones, bool back)
{
    Zones turned;
    for (size_t z = 0; z < zones.size(); ++z)
        turned[z] = back ? zones[(z + zones.size() - 1) % zones.size()] : zones[(z + 1) % zones.size()];
    return turned;
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

Book::Book(Log log) : m_log(std::move(log))
{
    for (const Entry& e : m_log) {
        m_lastStep = std::max(m_lastStep, e.step);
        m_started = m_started || e.kind == Kind::Start;
    }
}

int Book::serving() const
{
    if (!m_serving)
        m_serving = Serving(m_log);
    return *m_serving;
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
Draft DraftOn(const Log& log, int step, const QDateTime& at)
{
    Draft d;
    d.entry = log.empty() ? 0 : log.back().entry;
    d.step = step;
    d.court = log.empty() ? Court{} : log.back().zones;
    d.scores = log.empty() ? std::array<int, 2>{0, 0} : std::array<int, 2>{log.back().homeScore, log.back().awayScore};
    d.at = at;
    return d;
}
} // namespace

StepWrite Book::start(const Court& court, int firstServer, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at);
    d.court = court;
    Entry& e = d.add(Kind::Start);
    e.server = firstServer;
    return d.write;
}

StepWrite Book::point(int side, int amount, bool rotateOnSideOut, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at);
    d.point(side, amount, serving(), rotateOnSideOut);
    return d.write;
}

StepWrite Book::rotate(int side, bool back, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at);
    d.rotate(side, back);
    return d.write;
}

StepWrite Book::substitute(const Court& now, const QDateTime& at) const
{
    Draft d = DraftOn(m_log, nextStep(), at);
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
    Draft d = DraftOn(m_log, nextStep(), at);
    Entry& e = d.add(Kind::Action);
    e.side = side;
    e.amount = value;
    e.player = player;
    e.stat = QString::fromLatin1(kind.column);
    e.position = position;
    d.write.plays.push_back({player, position, &kind, value});
    if (pointFor)
        d.point(*pointFor, 1, serving(), rotateOnSideOut);
    return d.write;
}

std::optional<StepWrite> Book::takeBack(const QDateTime& at) const
{
    const std::optional<int> step = StepToTakeBack(m_log);
    if (!step)
        return std::nullopt;
    const std::vector<const Entry*> entries = StepEntries(m_log, *step);
    Draft d = DraftOn(m_log, nextStep(), at);
    // Undone newest first, so that a rotation a point brought goes before the point.
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const Entry& e = **it;
        switch (e.kind) {
        case Kind::Action:
            if (const StatKind* kind = StatByColumn(e.stat))
                d.write.plays.push_back({e.player, e.position, kind, -e.amount});
            break;
        case Kind::Point:
            d.scores[size_t(e.side)] -= e.amount;
            d.write.scoreChange[size_t(e.side)] -= e.amount;
            break;
        case Kind::Rotate:
            d.court[size_t(e.side)] = Rotated(d.court[size_t(e.side)], e.amount > 0);
            break;
        case Kind::Start:
        case Kind::Sub:
        case Kind::Undo:
            break;
        }
    }
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
            m_serving.reset();
            break;
        case Kind::Rotate:
        case Kind::Sub:
        case Kind::Action:
            break;
        }
    }
}

} // namespace Rally

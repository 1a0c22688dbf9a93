#include "rules/TeamNumbers.h"

#include <QHash>

#include <algorithm>
#include <map>

namespace TeamNumbers {

std::optional<double> Tally::breakPoint() const
{
    if (served <= 0)
        return std::nullopt;
    return double(wonServing) / double(served);
}

std::optional<double> Tally::sideout() const
{
    if (received <= 0)
        return std::nullopt;
    return double(wonReceiving) / double(received);
}

void PointsWon::add(Rally::Ending ending)
{
    switch (ending) {
    case Rally::Ending::Attack:
        ++attack;
        break;
    case Rally::Ending::Block:
        ++block;
        break;
    case Rally::Ending::Serve:
        ++serve;
        break;
    case Rally::Ending::OtherError:
        ++errors;
        break;
    case Rally::Ending::PointOnly:
        ++other;
        break;
    }
}

PointsWon& PointsWon::operator+=(const PointsWon& more)
{
    attack += more.attack;
    block += more.block;
    serve += more.serve;
    errors += more.errors;
    other += more.other;
    return *this;
}

bool Numbers::anyLog() const
{
    return std::any_of(games.begin(), games.end(), [](const Flow& f) { return f.logged; });
}

bool Logged(const Rally::Log& log)
{
    return std::any_of(log.begin(), log.end(), [](const Rally::Entry& e) {
        return e.kind == Rally::Kind::Start || e.kind == Rally::Kind::Point;
    });
}

namespace {
void Count(Tally& tally, int side, const Rally::Point& p)
{
    const bool won = p.winner == side;
    if (p.server == side) {
        ++tally.served;
        tally.wonServing += won ? 1 : 0;
    } else {
        ++tally.received;
        tally.wonReceiving += won ? 1 : 0;
    }
}
} // namespace

Numbers Compute(const std::vector<GameRecord>& games, const std::optional<RecordId>& team)
{
    Numbers out;
    std::map<RecordId, size_t> teamAt;
    const auto teamOf = [&](const RecordId& id, const QString& name) -> Team& {
        const auto found = teamAt.find(id);
        if (found != teamAt.end())
            return out.teams[found->second];
        teamAt.emplace(id, out.teams.size());
        out.teams.push_back(Team{id, name, {}, {}, {}, {}, {}});
        return out.teams.back();
    };

    // A season's points end in a dozen ways: each is looked up among the kinds once.
    QHash<QString, Rally::Ending> endings;
    const auto endingOf = [&](const QString& column) {
        auto found = endings.constFind(column);
        if (found == endings.constEnd())
            found = endings.insert(column, Rally::EndingOf(column));
        return *found;
    };

    for (const GameRecord& g : games) {
        Flow flow{g.match, g.number, g.names, g.homeScore, g.awayScore, Logged(g.log), {}, {}};
        if (!flow.logged) {
            out.games.push_back(std::move(flow));
            continue;
        }
        const std::vector<Rally::Point> points = Rally::StandingPoints(g.log);
        for (const Rally::Point& p : points)
            flow.leads.push_back(p.homeScore - p.awayScore);
        for (const Rally::Timeout& t : Rally::StandingTimeouts(g.log))
            flow.timeouts.push_back({t.afterRally, t.side, t.homeScore, t.awayScore});
        out.games.push_back(std::move(flow));

        for (int side = 0; side < 2; ++side) {
            const RecordId& id = g.teams[size_t(side)];
            if (team && !(id == *team))
                continue;
            // A team that plays itself is still one team: both sides' rallies are its own.
            Team& t = teamOf(id, g.names[size_t(side)]);
            Run run{g.match, g.number, 0};
            GamePoints won{g.match, g.number, {}};
            int streak = 0;
            for (const Rally::Point& p : points) {
                if (p.winner == side)
                    won.won.add(endingOf(p.ended));
                Count(t.tally, side, p);
                const RecordId& zoneOne = p.zones[size_t(side)][0];
                auto rotation = std::find_if(t.rotations.begin(), t.rotations.end(),
                                             [&](const Rotation& r) { return r.player == zoneOne; });
                if (rotation == t.rotations.end()) {
                    t.rotations.push_back({zoneOne, {}});
                    rotation = std::prev(t.rotations.end());
                }
                Count(rotation->tally, side, p);
                streak = p.winner == side ? streak + 1 : 0;
                run.points = std::max(run.points, streak);
            }
            t.runs.push_back(run);
            t.won += won.won;
            t.games.push_back(won);
        }
    }
    std::stable_sort(out.teams.begin(), out.teams.end(), [](const Team& a, const Team& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return out;
}

} // namespace TeamNumbers

#pragma once

// What the scout tests look at in the database: the rows an import writes, a report's lines, and
// the rally numbers of a stored match as the court's rules and the team numbers read its logs.

#include "storage/Database.h"
#include "storage/RallyStore.h"
#include "storage/ReportQuery.h"
#include "storage/ReportStore.h"
#include "storage/RosterStore.h"
#include "scoutfile/ScoutFile.h"
#include "storage/ScoutStore.h"
#include "rules/TeamNumbers.h"
#include "support/Fixture.h"

#include <QDate>
#include <QSqlRecord>
#include <QStringList>
#include <array>
#include <vector>

namespace scoutchecks {

inline const QDate kToday(2026, 12, 7);

// Every row of the tables an import writes, counted: a refused file must leave them all as they were.
inline QString Counts(TestApp& app)
{
    QStringList out;
    for (const char* table : {"TEAM", "PLAYER", "MATCH", "GAME", "PLAYED", "PLAY", "RALLY", "TOTALS"})
        out << QStringLiteral("%1=%2").arg(QLatin1String(table)).arg(app.count(QString::fromLatin1(table)));
    return out.join(QLatin1Char(' '));
}

// A report's lines as text, one per line, every figure in it.
inline QStringList ReportText(const ReportChoices& choices)
{
    QStringList out;
    for (const ReportLine& l : ReportStore::Fill(BuildReportStatement(choices))) {
        QStringList f{l.team, l.player, l.number.toString(), l.position.toString(), QString::number(l.games)};
        for (qint64 c : l.counts)
            f << QString::number(c);
        f << QString::number(l.pass.sum) << QString::number(l.pass.net);
        out << f.join(QLatin1Char('|'));
    }
    return out;
}

inline ReportChoices OneMatch(const RecordId& match, bool apart)
{
    ReportChoices c;
    c.match = match;
    c.positionsApart = apart;
    return c;
}

// Per team: serves, points won on them (break points), serves received, points won on them (side-outs).
struct RallyCounts
{
    std::array<int, 2> serves{0, 0};
    std::array<int, 2> breaks{0, 0};
    std::array<int, 2> received{0, 0};
    std::array<int, 2> sideouts{0, 0};
    bool operator==(const RallyCounts&) const = default;
};

inline QString Text(const RallyCounts& c)
{
    return QStringLiteral("home %1/%2 bp %3/%4 so, away %5/%6 bp %7/%8 so")
        .arg(c.breaks[0])
        .arg(c.serves[0])
        .arg(c.sideouts[0])
        .arg(c.received[0])
        .arg(c.breaks[1])
        .arg(c.serves[1])
        .arg(c.sideouts[1])
        .arg(c.received[1]);
}

inline void Count(RallyCounts& c, int server, int winner)
{
    const int receiver = 1 - server;
    ++c.serves[size_t(server)];
    ++c.received[size_t(receiver)];
    if (winner == server)
        ++c.breaks[size_t(server)];
    else
        ++c.sideouts[size_t(receiver)];
}

// A player's shirt number; -1 for none.
inline int Shirt(const RecordId& id)
{
    const auto player = RosterStore::Player(id);
    return player ? player->number : -1;
}

// The rally numbers of a stored match, from its logs as the court's rules read them.
inline RallyCounts StoredRallies(const RecordId& match, std::vector<std::vector<QString>>* points = nullptr)
{
    RallyCounts c;
    QList<RecordId> games;
    for (const QSqlRecord& r :
         SelectAll(QStringLiteral("SELECT GAMEID FROM GAME WHERE MATCHID = ? ORDER BY GAMENUMBER"), {Bind(match)}))
        games << RecordId::fromText(r.value(0).toString());
    const auto logs = RallyStore::GameLogs(games);
    for (const RecordId& g : games) {
        std::vector<QString> game;
        const auto it = logs.find(g);
        if (it == logs.end())
            continue;
        for (const Rally::Point& p : Rally::StandingPoints(it->second)) {
            Count(c, p.server, p.winner);
            // Who stood where, by shirt number, as the rally was played, and how the point ended
            // (its deciding action and player, as the rally export names them; "-" a point only).
            QStringList zones;
            for (const Rally::Zones& side : p.zones)
                for (const RecordId& id : side)
                    zones << QString::number(Shirt(id));
            game.push_back(QStringLiteral("%1>%2 %3:%4 [%5] %6")
                               .arg(p.server)
                               .arg(p.winner)
                               .arg(p.homeScore)
                               .arg(p.awayScore)
                               .arg(zones.join(' '))
                               .arg(p.ended.isEmpty() ? QStringLiteral("-")
                                                      : QStringLiteral("%1 #%2").arg(p.ended).arg(Shirt(p.endedBy))));
        }
        if (points)
            points->push_back(game);
    }
    return c;
}

// The team numbers of a stored match as the reports compute them from its logs (players named by
// shirt number, so that a match stored under other identifiers compares too).
inline QStringList Numbers(const RecordId& match)
{
    std::vector<TeamNumbers::GameRecord> games;
    QList<RecordId> ids;
    for (const QSqlRecord& r :
         SelectAll(QStringLiteral("SELECT G.GAMEID, G.GAMENUMBER, G.HOMESCORE, G.AWAYSCORE, "
                                  "M.HOMETEAMID, M.AWAYTEAMID, H.TEAMNAME, A.TEAMNAME FROM GAME G "
                                  "JOIN MATCH M ON M.MATCHID = G.MATCHID JOIN TEAM H ON H.TEAMID = "
                                  "M.HOMETEAMID JOIN TEAM A ON A.TEAMID = M.AWAYTEAMID "
                                  "WHERE G.MATCHID = ? ORDER BY G.GAMENUMBER"),
                   {Bind(match)})) {
        TeamNumbers::GameRecord g;
        g.match = match;
        g.game = RecordId::fromText(r.value(0).toString());
        g.number = r.value(1).toInt();
        g.homeScore = r.value(2).toInt();
        g.awayScore = r.value(3).toInt();
        g.teams = {RecordId::fromText(r.value(4).toString()), RecordId::fromText(r.value(5).toString())};
        g.names = {r.value(6).toString(), r.value(7).toString()};
        games.push_back(g);
        ids << g.game;
    }
    const auto logs = RallyStore::GameLogs(ids);
    for (TeamNumbers::GameRecord& g : games)
        if (const auto it = logs.find(g.game); it != logs.end())
            g.log = it->second;
    auto tally = [](const TeamNumbers::Tally& t) {
        return QStringLiteral("%1/%2 on serve, %3/%4 on receive")
            .arg(t.wonServing)
            .arg(t.served)
            .arg(t.wonReceiving)
            .arg(t.received);
    };
    auto won = [](const TeamNumbers::PointsWon& w) {
        return QStringLiteral("won by attack %1, block %2, serve %3, errors %4, otherwise %5")
            .arg(w.attack)
            .arg(w.block)
            .arg(w.serve)
            .arg(w.errors)
            .arg(w.other);
    };
    QStringList out;
    const TeamNumbers::Numbers n = TeamNumbers::Compute(games);
    for (const TeamNumbers::Team& t : n.teams) {
        out << t.name + QStringLiteral(": ") + tally(t.tally) + QStringLiteral("; ") + won(t.won);
        for (const TeamNumbers::GamePoints& g : t.games)
            out << QStringLiteral("  game %1 ").arg(g.game) + won(g.won);
        for (const TeamNumbers::Run& run : t.runs)
            out << QStringLiteral("  longest run in game %1: %2").arg(run.game).arg(run.points);
        for (const TeamNumbers::Rotation& r : t.rotations)
            out << QStringLiteral("  #%1 in zone 1: ")
                        .arg(RosterStore::Player(r.player) ? RosterStore::Player(r.player)->number : -1)
                    + tally(r.tally);
    }
    for (const TeamNumbers::Flow& f : n.games) {
        QStringList leads;
        for (int lead : f.leads)
            leads << QString::number(lead);
        QStringList timeouts;
        for (const TeamNumbers::FlowTimeout& t : f.timeouts)
            timeouts << QStringLiteral("%1 after %2 at %3-%4").arg(t.side).arg(t.afterRally).arg(t.homeScore).arg(t.awayScore);
        out << QStringLiteral("game %1 %2-%3: %4; timeouts: %5")
                   .arg(f.number)
                   .arg(f.homeScore)
                   .arg(f.awayScore)
                   .arg(leads.join(' '), timeouts.join(QStringLiteral(", ")));
    }
    return out;
}

// The file read and imported; a null identifier (and the refusal on the log) when it is refused.
inline RecordId ImportBytes(const QByteArray& bytes)
{
    const Scout::ReadResult read = Scout::Read(bytes, Scout::Encoding::Automatic, kToday);
    if (!read.ok())
        qWarning("%s", qPrintable(read.refusal.text()));
    return read.ok() ? ScoutStore::Import(*read.match).match : RecordId();
}

} // namespace scoutchecks

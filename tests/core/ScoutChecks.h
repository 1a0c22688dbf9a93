#pragma once

// What the scout tests look at in the database: the rows an import writes, a report's lines, and
// the points of a stored match as the court's rules and the team numbers read its logs.

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

// A player's shirt number; -1 for none.
inline int Shirt(const RecordId& id)
{
    const auto player = RosterStore::Player(id);
    return player ? player->number : -1;
}

// A match's games in their order.
inline QList<RecordId> Games(const RecordId& match)
{
    QList<RecordId> games;
    for (const QSqlRecord& r :
         SelectAll(QStringLiteral("SELECT GAMEID FROM GAME WHERE MATCHID = ? ORDER BY GAMENUMBER"), {Bind(match)}))
        games << RecordId::fromText(r.value(0).toString());
    return games;
}

// The points that stand in a stored match's logs as the court's rules read them, game by game:
// server>winner, the score, who stood where by shirt number as the rally was played, and how the
// point ended (its deciding action and player, as the rally export names them; "-" a point only).
inline QList<QStringList> StoredPoints(const RecordId& match)
{
    QList<QStringList> out;
    const QList<RecordId> games = Games(match);
    const auto logs = RallyStore::GameLogs(games);
    for (const RecordId& g : games) {
        const auto it = logs.find(g);
        if (it == logs.end())
            continue;
        QStringList game;
        for (const Rally::Point& p : Rally::StandingPoints(it->second)) {
            QStringList zones;
            for (const Rally::Zones& side : p.zones)
                for (const RecordId& id : side)
                    zones << QString::number(Shirt(id));
            game << QStringLiteral("%1>%2 %3:%4 [%5] %6")
                        .arg(p.server)
                        .arg(p.winner)
                        .arg(p.homeScore)
                        .arg(p.awayScore)
                        .arg(zones.join(' '))
                        .arg(p.ended.isEmpty() ? QStringLiteral("-")
                                               : QStringLiteral("%1 #%2").arg(p.ended).arg(Shirt(p.endedBy)));
        }
        out << game;
    }
    return out;
}

// The team numbers of a stored match as the reports read its games and compute them (players
// named by shirt number, so that a match stored under other identifiers compares too).
inline QStringList Numbers(const RecordId& match)
{
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
    const TeamNumbers::Numbers n = TeamNumbers::Compute(ReportStore::RallyGames(OneMatch(match, false)));
    for (const TeamNumbers::Team& t : n.teams) {
        out << t.name + QStringLiteral(": ") + tally(t.tally) + QStringLiteral("; ") + won(t.won);
        for (const TeamNumbers::GamePoints& g : t.games)
            out << QStringLiteral("  game %1 ").arg(g.game) + won(g.won);
        for (const TeamNumbers::Run& run : t.runs)
            out << QStringLiteral("  longest run in game %1: %2").arg(run.game).arg(run.points);
        for (const TeamNumbers::Rotation& r : t.rotations)
            out << QStringLiteral("  #%1 in zone 1: ").arg(Shirt(r.player)) + tally(r.tally);
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

#include "storage/ReportStore.h"

#include "storage/Database.h"
#include "storage/RallyStore.h"
#include "storage/Progress.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlRecord>
#include <QStringList>
#include <algorithm>

namespace {

QString Placeholders(qsizetype count)
{
    QString marks;
    for (qsizetype i = 0; i < count; ++i)
        marks += i ? QStringLiteral(",?") : QStringLiteral("?");
    return marks;
}

QVariantList BindAll(const QList<RecordId>& ids)
{
    QVariantList values;
    values.reserve(ids.size());
    for (const RecordId& id : ids)
        values << Bind(id);
    return values;
}

} // namespace

namespace ReportStore {

std::vector<QDate> MatchDates()
{
    std::vector<QDate> days;
    for (const QSqlRecord& r : SelectAll(
             QStringLiteral("SELECT DISTINCT date(MATCHID) FROM MATCH WHERE date(MATCHID) IS NOT NULL ORDER BY 1")))
        days.push_back(QDate::fromString(r.value(0).toString(), Qt::ISODate));
    return days;
}

std::vector<MatchRow> Matches(const ReportChoices& dates)
{
    // Home and away names come from one row per match, so an entry can never pair one match's
    // home team with another's away team; a deleted team leaves its match listed.
    const BoundSql w = DateCondition(dates, QStringLiteral("MATCH.MATCHID"));
    std::vector<MatchRow> out;
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT MATCH.MATCHID, AWAY.TEAMNAME, HOME.TEAMNAME FROM MATCH "
                                                        "LEFT JOIN TEAM AS HOME ON HOME.TEAMID = MATCH.HOMETEAMID "
                                                        "LEFT JOIN TEAM AS AWAY ON AWAY.TEAMID = MATCH.AWAYTEAMID "
                                                        "WHERE 1 = 1 %1ORDER BY MATCH.MATCHID")
                                             .arg(w.sql),
                                         w.binds)) {
        const QString text = r.value(0).toString();
        out.push_back({RecordId::fromText(text), text, r.value(1), r.value(2)});
    }
    return out;
}

MatchResult Result(const RecordId& match)
{
    MatchResult result;
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT HOME.TEAMNAME, AWAY.TEAMNAME, MATCH.GAMES, MATCH.POINTS "
                                                        "FROM MATCH "
                                                        "LEFT JOIN TEAM AS HOME ON HOME.TEAMID = MATCH.HOMETEAMID "
                                                        "LEFT JOIN TEAM AS AWAY ON AWAY.TEAMID = MATCH.AWAYTEAMID "
                                                        "WHERE MATCH.MATCHID = ?"),
                                         {Bind(match)})) {
        result.home = r.value(0);
        result.away = r.value(1);
        if (!r.isNull(2) && !r.isNull(3))
            result.format = GameRules::MatchFormat{r.value(2).toInt() == 5 ? 5 : 3, r.value(3).toInt() == 25 ? 25 : 15};
    }
    for (const QSqlRecord& r : SelectAll(QStringLiteral("SELECT HOMESCORE, AWAYSCORE FROM GAME WHERE MATCHID = ? "
                                                        "ORDER BY GAMENUMBER, GAMEID"),
                                         {Bind(match)}))
        result.games.emplace_back(r.value(0).toInt(), r.value(1).toInt());
    return result;
}

int GameCount(const RecordId& match)
{
    const auto rows = SelectAll(QStringLiteral("SELECT COUNT(*) FROM GAME WHERE MATCHID = ?"), {Bind(match)});
    return rows.empty() ? 0 : rows.front().value(0).toInt();
}

std::vector<NamedRow> Teams(const QList<RecordId>& matches)
{
    std::vector<NamedRow> out;
    if (matches.isEmpty())
        return out;
    for (const QSqlRecord& r :
         SelectAll(QStringLiteral("SELECT DISTINCT TEAM.TEAMID, TEAM.TEAMNAME FROM TEAM INNER JOIN MATCH "
                                  "ON (TEAM.TEAMID = MATCH.HOMETEAMID OR TEAM.TEAMID = MATCH.AWAYTEAMID) "
                                  "WHERE MATCH.MATCHID IN (%1) ORDER BY TEAM.TEAMNAME, TEAM.TEAMID")
                       .arg(Placeholders(matches.size())),
                   BindAll(matches)))
        out.push_back({RecordId::fromText(r.value(0).toString()), r.value(1).toString(), QString()});
    return out;
}

std::vector<NamedRow> Players(const QList<RecordId>& teams)
{
    std::vector<NamedRow> out;
    if (teams.isEmpty())
        return out;
    for (const QSqlRecord& r :
         SelectAll(QStringLiteral("SELECT PLAYER.PLAYERID, PLAYER.PLAYERNAME, TEAM.TEAMNAME FROM PLAYER "
                                  "LEFT JOIN TEAM ON TEAM.TEAMID = PLAYER.TEAMID "
                                  "WHERE PLAYER.TEAMID IN (%1) "
                                  "ORDER BY PLAYER.PLAYERNAME, TEAM.TEAMNAME, PLAYER.PLAYERID")
                       .arg(Placeholders(teams.size())),
                   BindAll(teams)))
        out.push_back({RecordId::fromText(r.value(0).toString()), r.value(1).toString(), r.value(2).toString()});
    return out;
}

std::vector<ReportLine> Fill(const ReportStatement& st, ProgressScope* progress, bool* readKeptZones, int stepsAfter)
{
    namespace C = ReportColumn;
    // Five steps (the games, the zones, REPORT, the lines, the commit), each a statement or two
    // over a few thousand rows at most.
    if (progress)
        progress->setCount(5 + std::max(0, stepsAfter));
    int done = 0;
    const auto stepped = [&] {
        if (progress)
            progress->step(++done);
    };
    Transaction transaction;
    for (const QString& table : ReportWorkTables())
        Execute(table);
    for (const char* table : {"REPORT", "GAMECOUNT", "REPORTGAMES", "REPORTZONES"})
        Execute(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    Execute(st.games.sql, st.games.binds);
    Execute(st.gameCount);
    stepped();

    std::vector<ReportLine> lines;
    try {
        const bool kept = !st.keptZonesHold.isEmpty() && [&] {
            const auto answer = SelectAll(st.keptZonesHold);
            return !answer.empty() && answer.front().value(0).toInt() == 1;
        }();
        if (readKeptZones)
            *readKeptZones = kept;
        const BoundSql& zones = kept ? st.keptZones : st.zones;
        Execute(zones.sql, zones.binds);
        stepped();
        Execute(st.report);
        stepped();

        Query select(st.lines);
        select.raw().setForwardOnly(true);
        select.exec();
        while (select.next()) {
            ReportLine line;
            line.team = select.value(C::Team).toString();
            line.playerId = select.value(C::PlayerId).toString();
            line.player = select.value(C::Player).toString();
            line.number = select.value(C::Number);
            line.position = select.value(C::Position);
            line.games = select.value(C::Games).toInt();
            for (std::size_t k = 0; k < kStatKinds.size(); ++k)
                line.counts[k] = select.value(C::Stat(k)).toLongLong();
            line.pass = {select.value(C::PassSum).toLongLong(), select.value(C::PassNet).toLongLong()};
            // Apart, the games a player took part in without any action make a line without a
            // position; it says nothing beside the player's other lines (the games played are
            // the player's, from GAMECOUNT), so it is kept only for a player who has no other.
            // A player's lines come together, the one without a position last.
            if (!lines.empty() && lines.back().playerId == line.playerId && line.position.isNull())
                continue;
            lines.push_back(std::move(line));
        }
        // The engine may stop on a row it cannot compute (a sum out of range) without failing exec.
        if (select.raw().lastError().isValid())
            throw DbError(select.raw().lastError().text(), st.lines);
        stepped();
    } catch (const DbError& e) {
        // Sums out of range come from rows other tools wrote: the user is told whose they are.
        if (!st.overflow.sql.isEmpty() && e.message().contains(QLatin1String("overflow"), Qt::CaseInsensitive)) {
            QStringList who;
            for (const QSqlRecord& r : SelectAll(st.overflow.sql, st.overflow.binds))
                who << QStringLiteral("%1 (%2)").arg(r.value(1).toString(), r.value(0).toString());
            if (!who.isEmpty())
                throw ReportOverflow(who.join(QStringLiteral(", ")));
        }
        throw;
    }
    transaction.commit();
    stepped();
    return lines;
}

std::vector<TeamNumbers::GameRecord> RallyGames(const ReportChoices& c)
{
    QString where;
    QVariantList binds;
    if (c.game) {
        where += QStringLiteral("AND GAME.GAMENUMBER = ? ");
        binds << *c.game;
    }
    if (c.match) {
        where += QStringLiteral("AND MATCH.MATCHID = ? ");
        binds << Bind(*c.match);
    }
    if (c.team) {
        where += QStringLiteral("AND (MATCH.HOMETEAMID = ? OR MATCH.AWAYTEAMID = ?) ");
        binds << Bind(*c.team) << Bind(*c.team);
    }
    const BoundSql dates = DateCondition(c, QStringLiteral("MATCH.MATCHID"));
    where += dates.sql;
    binds += dates.binds;

    std::vector<TeamNumbers::GameRecord> games;
    QList<RecordId> ids;
    const QString deleted = QCoreApplication::translate("ReportStore", "(deleted team)");
    Query q(QStringLiteral("SELECT MATCH.MATCHID, GAME.GAMEID, GAME.GAMENUMBER, MATCH.HOMETEAMID, MATCH.AWAYTEAMID, "
                           "HOME.TEAMNAME, AWAY.TEAMNAME, GAME.HOMESCORE, GAME.AWAYSCORE "
                           "FROM GAME CROSS JOIN MATCH LEFT JOIN TEAM AS HOME ON HOME.TEAMID = MATCH.HOMETEAMID "
                           "LEFT JOIN TEAM AS AWAY ON AWAY.TEAMID = MATCH.AWAYTEAMID "
                           "WHERE MATCH.MATCHID = GAME.MATCHID %1"
                           "ORDER BY MATCH.MATCHID, GAME.GAMENUMBER, GAME.GAMEID")
                .arg(where),
            binds);
    q.raw().setForwardOnly(true);
    q.exec();
    while (q.next()) {
        TeamNumbers::GameRecord& g = games.emplace_back();
        g.match = RecordId::fromText(q.value(0).toString());
        g.game = RecordId::fromText(q.value(1).toString());
        g.number = q.value(2).toInt();
        g.teams = {RecordId::fromText(q.value(3).toString()), RecordId::fromText(q.value(4).toString())};
        g.names = {q.value(5).isNull() ? deleted : q.value(5).toString(),
                   q.value(6).isNull() ? deleted : q.value(6).toString()};
        g.homeScore = q.value(7).toInt();
        g.awayScore = q.value(8).toInt();
        ids << g.game;
    }
    std::map<RecordId, Rally::Log> logs = RallyStore::PointLogs(ids, RallyStore::LineUps::ZoneOne);
    for (TeamNumbers::GameRecord& g : games) {
        const auto found = logs.find(g.game);
        if (found != logs.end())
            g.log = std::move(found->second);
    }
    return games;
}

namespace {

// The players on court in these logs and those who decided its points, as the roster has them now.
LineUpRoster RosterOf(const std::vector<const Rally::Log*>& logs)
{
    // Sorted rather than hashed: an identifier's hash goes through its text, and a season's
    // line-ups name the same few hundred players tens of thousands of times.
    std::vector<RecordId> ids;
    for (const Rally::Log* log : logs) {
        const Rally::Court* last = nullptr;
        for (const Rally::Entry& e : *log) {
            // Who made a point's deciding action: the libero too, who names no rotation.
            if (e.kind == Rally::Kind::Point && !e.player.isNull())
                ids.push_back(e.player);
            if (last && *last == e.zones)
                continue;
            last = &e.zones;
            for (const Rally::Zones& side : e.zones)
                for (const RecordId& id : side)
                    if (!id.isNull())
                        ids.push_back(id);
        }
    }
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    LineUpRoster players;
    // In slices, so that no list of players meets the engine's limit on bound values.
    constexpr size_t slice = 500;
    for (size_t from = 0; from < ids.size(); from += slice) {
        const QList<RecordId> part(ids.begin() + qsizetype(from),
                                   ids.begin() + qsizetype(std::min(ids.size(), from + slice)));
        Query q(QStringLiteral("SELECT PLAYERID, PLAYERNUMBER, PLAYERNAME FROM PLAYER WHERE PLAYERID IN (%1)")
                    .arg(Placeholders(part.size())),
                BindAll(part));
        q.raw().setForwardOnly(true);
        q.exec();
        while (q.next())
            players.insert_or_assign(RecordId::fromText(q.value(0).toString()),
                                     LineUpPlayer{q.value(1).toInt(), q.value(2).toString()});
    }
    return players;
}

} // namespace

LineUpRoster LineUpPlayers(const std::vector<TeamNumbers::GameRecord>& games)
{
    std::vector<const Rally::Log*> logs;
    for (const TeamNumbers::GameRecord& g : games)
        logs.push_back(&g.log);
    return RosterOf(logs);
}

WholeLineUps LineUpsOf(const std::vector<TeamNumbers::GameRecord>& games)
{
    QList<RecordId> ids;
    for (const TeamNumbers::GameRecord& g : games)
        if (!g.log.empty())
            ids << g.game;
    WholeLineUps out;
    out.logs = RallyStore::PointLogs(ids, RallyStore::LineUps::Whole);
    std::vector<const Rally::Log*> logs;
    for (const TeamNumbers::GameRecord& g : games) {
        const auto found = out.logs.find(g.game);
        if (found == out.logs.end())
            continue;
        // A log only grows: what was added since the games were read is left out.
        const int last = g.log.empty() ? 0 : g.log.back().entry;
        Rally::Log& log = found->second;
        log.erase(std::remove_if(log.begin(), log.end(), [last](const Rally::Entry& e) { return e.entry > last; }),
                  log.end());
        logs.push_back(&log);
    }
    out.players = RosterOf(logs);
    return out;
}

} // namespace ReportStore

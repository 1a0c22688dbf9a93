#include "storage/ReportQuery.h"

#include "storage/Database.h"

namespace {

constexpr std::size_t kKill = StatIndex("KILL");
constexpr std::size_t kError = StatIndex("ERROR");
constexpr std::size_t kAttempt = StatIndex("ATTEMPT");
static_assert(kKill < kStatKinds.size() && kError < kStatKinds.size() && kAttempt < kStatKinds.size());

bool Summed(const StatKind& k)
{
    return k.shape != StatShape::Rating;
}

QString Column(const StatKind& k)
{
    return QString::fromLatin1(k.column);
}

struct Filter
{
    BoundSql out;
    void add(const QString& piece, const QVariantList& values)
    {
        out.sql += piece;
        out.binds += values;
    }
};

// The ORDER BY of the lines inside a team: the chosen figure of the player (p: all the player's
// lines; with positions together that is the line itself, l) with leaders first, then names
// ascending; ties by name, identifier and position, so that a player's lines stay together and the
// order never depends on how the engine happened to return the rows. Only fixed texts reach the
// statement.
QString LineOrder(const QString& key, const QString& p)
{
    QString lead;
    if (key == QLatin1String(ReportOrder::kPercentage)) {
        // The hitting percentage by its one rule; lines without a figure come last.
        lead = QStringLiteral("CASE WHEN %1KILL = 0 AND %1ERROR = 0 THEN 0.0 "
                              "WHEN %1KILL < 0 OR %1ERROR < 0 OR %1ATTEMPT <= 0 OR %1KILL > %1ATTEMPT "
                              "OR %1ERROR > %1ATTEMPT - %1KILL THEN NULL "
                              "ELSE (%1KILL - %1ERROR) * 1.0 / %1ATTEMPT END DESC NULLS LAST, ")
                   .arg(p);
    } else {
        const std::size_t k = StatIndex(key.toStdString());
        if (k < kStatKinds.size() && Summed(kStatKinds[k]))
            lead = QStringLiteral("%1%2 DESC, ").arg(p, Column(kStatKinds[k]));
    }
    return lead + QStringLiteral("tNAME COLLATE NOCASE, tNAME, tID, COALESCE(tLINE, 99)");
}

// The player's sums of the columns the order reads, over all the player's lines.
QString PlayerSums(const QString& key)
{
    QStringList columns;
    if (key == QLatin1String(ReportOrder::kPercentage)) {
        columns = {QStringLiteral("KILL"), QStringLiteral("ERROR"), QStringLiteral("ATTEMPT")};
    } else {
        const std::size_t k = StatIndex(key.toStdString());
        if (k < kStatKinds.size() && Summed(kStatKinds[k]))
            columns = {Column(kStatKinds[k])};
    }
    QString sums;
    for (const QString& c : columns)
        sums += QStringLiteral(", SUM(L.l%1) OVER (PARTITION BY L.tPLAYER) AS p%1").arg(c);
    return sums;
}

// The summed kinds' columns, each with a prefix, joined by ", ".
QString SummedColumns(const QString& format)
{
    QStringList out;
    for (const StatKind& k : kStatKinds)
        if (Summed(k))
            out << format.arg(Column(k));
    return out.join(QStringLiteral(", "));
}

} // namespace

QStringList ReportWorkTables()
{
    return {QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS REPORTGAMES (tPLAYER INTEGER PRIMARY KEY, "
                           "PLAYERID TEXT, GAMES INTEGER, ONCOURT INTEGER, KEPT INTEGER)"),
            QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS REPORTZONES (tPLAYER INTEGER, tPOSITION INTEGER, %1, "
                           "sPASSSUM INTEGER, sPASSNET INTEGER, sROWS INTEGER)")
                .arg(SummedColumns(QStringLiteral("s%1 INTEGER")))};
}

BoundSql DateCondition(const ReportChoices& c, const QString& column)
{
    if (!c.firstDate)
        return {};
    const QString first = c.firstDate->toString(Qt::ISODate);
    if (c.thruDate)
        return {QStringLiteral("AND (date(%1) BETWEEN ? AND ?) ").arg(column),
                {first, c.thruDate->toString(Qt::ISODate)}};
    return {QStringLiteral("AND (date(%1) = ?) ").arg(column), {first}};
}

ReportStatement BuildReportStatement(const ReportChoices& c)
{
    ReportStatement st;
    const bool apart = c.apart();
    st.layout = apart ? ReportLayout::PositionsApart : ReportLayout::PositionsTogether;

    // The chosen games each player took part in.
    Filter taken;
    if (c.game)
        taken.add(QStringLiteral("AND GAME.GAMENUMBER = ? "), {*c.game});
    if (c.player)
        taken.add(QStringLiteral("AND PLAYED.PLAYERID = ? "), {Bind(*c.player)});
    if (c.team)
        taken.add(QStringLiteral("AND TEAM.TEAMID = ? "), {Bind(*c.team)});
    if (c.match)
        taken.add(QStringLiteral("AND MATCH.MATCHID = ? "), {Bind(*c.match)});
    const BoundSql dates = DateCondition(c, QStringLiteral("MATCH.MATCHID"));
    taken.add(dates.sql, dates.binds);
    const bool everyGame = taken.out.sql.isEmpty();

    // Written as CROSS JOINs so that the engine walks PLAYED first and seeks each player-game's
    // kept totals by their key, which hands them over by zone.
    const QString playerGames
        = QStringLiteral("FROM PLAYED CROSS JOIN GAME CROSS JOIN MATCH CROSS JOIN PLAYER CROSS JOIN TEAM %1"
                         "WHERE GAME.GAMEID = PLAYED.GAMEID AND MATCH.MATCHID = GAME.MATCHID "
                         "AND PLAYER.PLAYERID = PLAYED.PLAYERID AND TEAM.TEAMID = PLAYER.TEAMID %2");
    // The report takes only the player-games whose match has the player's team on court.
    const QString onCourt = QStringLiteral("(TEAM.TEAMID = MATCH.HOMETEAMID OR TEAM.TEAMID = MATCH.AWAYTEAMID)");

    // Games played have no position: they take every filter but the zone, and count a game the
    // player took part in even when the player's team is not in its match. On every game, the
    // players are walked in their own order, which is the order of the groups; narrowed, the
    // line-ups are walked from what narrows them.
    const QString gamesFrom = everyGame
        ? QStringLiteral("FROM PLAYER CROSS JOIN TEAM CROSS JOIN PLAYED CROSS JOIN GAME CROSS JOIN MATCH "
                         "WHERE GAME.GAMEID = PLAYED.GAMEID AND MATCH.MATCHID = GAME.MATCHID "
                         "AND PLAYER.PLAYERID = PLAYED.PLAYERID AND TEAM.TEAMID = PLAYER.TEAMID ")
        : playerGames.arg(QString(), taken.out.sql);
    st.games = {QStringLiteral("INSERT INTO REPORTGAMES (tPLAYER, PLAYERID, GAMES, ONCOURT, KEPT) "
                               "SELECT PLAYER.rowid, PLAYER.PLAYERID, COUNT(*), SUM(%1), "
                               "SUM(CASE WHEN %1 THEN EXISTS (SELECT 1 FROM GAMETOTALS AS K "
                               "WHERE K.PLAYERID = PLAYED.PLAYERID AND K.GAMEID = PLAYED.GAMEID) ELSE 0 END) ")
                        .arg(onCourt)
                    + gamesFrom + QStringLiteral("GROUP BY PLAYER.rowid"),
                taken.out.binds};
    st.gameCount = QStringLiteral("INSERT INTO GAMECOUNT (PLAYERID, GAMESPLAYED) SELECT PLAYERID, GAMES FROM REPORTGAMES");

    Filter zone;
    if (c.position > 0)
        zone.add(QStringLiteral("AND P.POSITION IN (?,?) "), {c.position, c.position + 6});

    const QString zoneColumns = QStringLiteral("INSERT INTO REPORTZONES (tPLAYER, tPOSITION, %1, sPASSSUM, sPASSNET, sROWS) ")
                                    .arg(SummedColumns(QStringLiteral("s%1")));
    // The kept totals of the chosen player-games (one row per player, game and raw zone, exactly
    // the sums of the actions), summed per player and raw zone. A player-game without actions
    // joins one empty row, which counts once and makes the player's line without a zone.
    st.zones.sql = zoneColumns
        + QStringLiteral("SELECT PLAYER.rowid, P.POSITION, %1, COALESCE(SUM(P.PASSSUM),0), COALESCE(SUM(P.PASSNET),0), "
                         "SUM(COALESCE(P.ACTIONS, 1)) ")
              .arg(SummedColumns(QStringLiteral("COALESCE(SUM(P.%1),0)")))
        + playerGames.arg(QStringLiteral("LEFT JOIN TOTALS AS P ON P.PLAYERID = PLAYED.PLAYERID "
                                         "AND P.GAMEID = PLAYED.GAMEID "),
                          QStringLiteral("AND ") + onCourt + QLatin1Char(' ') + taken.out.sql + zone.out.sql)
        + QStringLiteral("GROUP BY PLAYER.rowid, P.POSITION");
    st.zones.binds = taken.out.binds + zone.out.binds;

    // Every game of every match: the same rows from the totals kept per player and box, and the
    // player-games without actions each counted once on the player's line without a zone. They
    // are the same rows as above only while every player-game with kept totals is one the report
    // takes (rows written by other tools may break that; then the statement above runs).
    if (everyGame) {
        st.keptZones.sql = zoneColumns
            + QStringLiteral("SELECT PLAYER.rowid, Z.POSITION, %1, Z.PASSSUM, Z.PASSNET, Z.ACTIONS "
                             "FROM ZONETOTALS AS Z CROSS JOIN PLAYER WHERE PLAYER.PLAYERID = Z.PLAYERID ")
                  .arg(SummedColumns(QStringLiteral("Z.%1")))
            + QString(zone.out.sql).replace(QLatin1String("P.POSITION"), QLatin1String("Z.POSITION"));
        if (c.position == 0) {
            QString noSums;
            for (const StatKind& k : kStatKinds)
                if (Summed(k))
                    noSums += QStringLiteral("0, ");
            st.keptZones.sql += QStringLiteral("UNION ALL SELECT tPLAYER, NULL, %1 0, 0, ONCOURT - KEPT FROM REPORTGAMES "
                                               "WHERE ONCOURT > KEPT")
                                    .arg(noSums);
        }
        st.keptZones.binds = zone.out.binds;
        st.keptZonesHold = QStringLiteral(
            "SELECT (SELECT TOTAL(KEPT) FROM REPORTGAMES) = (SELECT COUNT(*) FROM GAMETOTALS)");
    }

    // Zones n and n+6 are one line when positions are shown apart; together, a player is one line.
    const QString linePosition = apart ? QStringLiteral("CASE WHEN R.tPOSITION > 6 THEN R.tPOSITION - 6 "
                                                        "ELSE R.tPOSITION END")
                                       : QStringLiteral("0");

    // REPORT keeps each raw zone with the line's position, its percentage as the old tables had it,
    // and its pass average by the rule of PassTally::average.
    st.report = QStringLiteral("INSERT INTO REPORT (TEAMNAME, PLAYERID, PLAYERNAME, POSITION, PERCENTAGE, %1, "
                               "PASSING, GAMESPLAYED) SELECT TEAM.TEAMNAME, PLAYER.PLAYERID, PLAYER.PLAYERNAME, %2, "
                               "(R.sKILL - R.sERROR) / (R.sATTEMPT + 0.0000001), %3, "
                               "CASE WHEN R.sPASSNET > 0 THEN R.sPASSSUM * 1.0 / R.sPASSNET ELSE 0.0 END, R.sROWS "
                               "FROM REPORTZONES AS R CROSS JOIN PLAYER CROSS JOIN TEAM "
                               "WHERE PLAYER.rowid = R.tPLAYER AND TEAM.TEAMID = PLAYER.TEAMID")
                    .arg(SummedColumns(QStringLiteral("%1")), linePosition,
                         SummedColumns(QStringLiteral("R.s%1")));

    // The lines: the raw zones summed per player and line, then ordered by team name and the chosen
    // order. Apart, a player's lines are ranked by the player's own sums, so that they stay together.
    QString lineSums, lineColumns;
    for (const StatKind& k : kStatKinds) {
        if (Summed(k)) {
            lineSums += QStringLiteral(", SUM(R.s%1) AS l%1").arg(Column(k));
            lineColumns += QStringLiteral(", L.l%1").arg(Column(k));
        } else {
            lineColumns += QStringLiteral(", 0");
        }
    }
    const QString playerSums = apart ? PlayerSums(c.order) : QString();
    st.lines = QStringLiteral("SELECT TEAM.TEAMNAME AS tTEAM, PLAYER.PLAYERID AS tID, PLAYER.PLAYERNAME AS tNAME, "
                              "PLAYER.PLAYERNUMBER, L.tLINE, COALESCE(G.GAMES, 0), L.lPASSSUM, L.lPASSNET%1%2 "
                              "FROM (SELECT R.tPLAYER, %3 AS tLINE, SUM(R.sPASSSUM) AS lPASSSUM, "
                              "SUM(R.sPASSNET) AS lPASSNET%4 FROM REPORTZONES AS R GROUP BY R.tPLAYER, tLINE) AS L "
                              "CROSS JOIN PLAYER CROSS JOIN TEAM LEFT JOIN REPORTGAMES AS G ON G.tPLAYER = L.tPLAYER "
                              "WHERE PLAYER.rowid = L.tPLAYER AND TEAM.TEAMID = PLAYER.TEAMID "
                              "ORDER BY tTEAM COLLATE NOCASE, tTEAM, %5")
                   .arg(lineColumns, playerSums, linePosition, lineSums,
                        LineOrder(c.order, playerSums.isEmpty() ? QStringLiteral("L.l") : QStringLiteral("p")));

    // Every amount the lines add, split into what it adds and what it takes away: a player whose
    // either side reaches 2^62 is the one whose sums (or their differences) left the 64-bit range.
    QStringList sides;
    for (const StatKind& k : kStatKinds)
        if (Summed(k))
            sides << Column(k);
    sides << QStringLiteral("PASSSUM") << QStringLiteral("PASSNET");
    QString extremes;
    for (const QString& col : sides)
        extremes
            += QStringLiteral(", TOTAL(CASE WHEN P.%1 > 0 THEN P.%1 END), -TOTAL(CASE WHEN P.%1 < 0 THEN P.%1 END)")
                   .arg(col);
    st.overflow.sql = QStringLiteral("SELECT TEAM.TEAMNAME, PLAYER.PLAYERNAME ")
        + playerGames.arg(QStringLiteral("LEFT JOIN TOTALS AS P ON P.PLAYERID = PLAYED.PLAYERID "
                                         "AND P.GAMEID = PLAYED.GAMEID "),
                          QStringLiteral("AND ") + onCourt + QLatin1Char(' ') + taken.out.sql + zone.out.sql)
        + QStringLiteral("GROUP BY PLAYER.PLAYERID HAVING max(0%1) >= 4611686018427387904.0 "
                         "ORDER BY TEAM.TEAMNAME, PLAYER.PLAYERNAME")
              .arg(extremes);
    st.overflow.binds = st.zones.binds;
    return st;
}

std::optional<double> ReportLine::hitting() const
{
    return HittingPercentage(counts[kKill], counts[kError], counts[kAttempt]);
}

std::optional<qint64> ReportLine::halfPoints() const
{
    qint64 half = counts[StatIndex("BLOCKASSIST")];
    for (std::size_t k : {kKill, StatIndex("SERVEACE"), StatIndex("SOLOBLOCK")})
        for (int twice = 0; twice < 2; ++twice)
            if (__builtin_add_overflow(half, counts[k], &half))
                return std::nullopt;
    return half;
}

bool ReportLine::add(const ReportLine& o)
{
    ReportLine sum = *this;
    bool over = false;
    for (std::size_t i = 0; i < counts.size(); ++i)
        over |= __builtin_add_overflow(counts[i], o.counts[i], &sum.counts[i]);
    over |= __builtin_add_overflow(pass.sum, o.pass.sum, &sum.pass.sum);
    over |= __builtin_add_overflow(pass.net, o.pass.net, &sum.pass.net);
    if (over)
        return false;
    *this = sum;
    return true;
}

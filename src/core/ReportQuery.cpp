#include "core/ReportQuery.h"

#include "core/Database.h"

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
        sums += QStringLiteral(", SUM(R.s%1) OVER p AS p%1").arg(c);
    return sums;
}

} // namespace

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

    // Written as CROSS JOINs so that the engine walks PLAYED first and seeks each player-game's
    // kept totals by their key, which hands them over by zone.
    const QString playerGames
        = QStringLiteral("FROM PLAYED CROSS JOIN GAME CROSS JOIN MATCH CROSS JOIN PLAYER CROSS JOIN TEAM %1"
                         "WHERE GAME.GAMEID = PLAYED.GAMEID AND MATCH.MATCHID = GAME.MATCHID "
                         "AND PLAYER.PLAYERID = PLAYED.PLAYERID AND TEAM.TEAMID = PLAYER.TEAMID %2");
    // The report takes only the player-games whose match has the player's team on court.
    const QString onCourt = QStringLiteral("AND (TEAM.TEAMID = MATCH.HOMETEAMID OR TEAM.TEAMID = MATCH.AWAYTEAMID) ");

    Filter zone;
    if (c.position > 0)
        zone.add(QStringLiteral("AND P.POSITION IN (?,?) "), {c.position, c.position + 6});

    // The kept totals of the chosen player-games (one row per player, game and raw zone, exactly
    // the sums of the actions), summed per player and raw zone in one pass. A player-game without
    // actions joins one empty row, which counts once and makes the player's line without a zone.
    // Players are grouped by their row number: sorting numbers is cheaper than sorting texts.
    QString sums, rowSums, insertColumns, insertMarks;
    for (const StatKind& k : kStatKinds) {
        const QString col = Column(k);
        if (!Summed(k)) {
            rowSums += QStringLiteral(", 0, 0");
            continue;
        }
        sums += QStringLiteral("COALESCE(SUM(P.%1),0) AS s%1, ").arg(col);
        rowSums += QStringLiteral(", R.s%1, SUM(R.s%1) OVER w AS l%1").arg(col);
        insertColumns += col + QStringLiteral(", ");
        insertMarks += QStringLiteral("?,");
    }
    const QString perZone
        = QStringLiteral("SELECT PLAYER.rowid AS tPLAYER, P.POSITION AS tPOSITION, %1COALESCE(SUM(P.PASSSUM),0) AS "
                         "sPASSSUM, COALESCE(SUM(P.PASSNET),0) AS sPASSNET, SUM(COALESCE(P.ACTIONS, 1)) AS sROWS ")
              .arg(sums)
        + playerGames.arg(QStringLiteral("LEFT JOIN TOTALS AS P ON P.PLAYERID = PLAYED.PLAYERID "
                                         "AND P.GAMEID = PLAYED.GAMEID "),
                          onCourt + taken.out.sql + zone.out.sql)
        + QStringLiteral("GROUP BY PLAYER.rowid, P.POSITION");
    // Zones n and n+6 are one line when positions are shown apart; together, a player is one line.
    const QString linePosition = apart ? QStringLiteral("CASE WHEN R.tPOSITION > 6 THEN R.tPOSITION - 6 "
                                                        "ELSE R.tPOSITION END")
                                       : QStringLiteral("0");
    // The raw-zone rows go to REPORT as they are; the lines' sums ride beside them, so that the
    // report is summed and ordered here, once.
    // Apart, a player's lines are ranked by the player's own sums, so that they stay together.
    const QString playerSums = apart ? PlayerSums(c.order) : QString();
    const auto rowsOf = [&](const QString& zones) {
        return QStringLiteral("SELECT TEAM.TEAMNAME AS tTEAM, PLAYER.PLAYERID AS tID, PLAYER.PLAYERNAME AS tNAME, "
                         "PLAYER.PLAYERNUMBER, %1 AS tLINE, (ROW_NUMBER() OVER w) = 1, COALESCE(G.tGAMES, 0), "
                         "(R.sKILL - R.sERROR) / (R.sATTEMPT + 0.0000001), R.sPASSSUM, R.sPASSNET, R.sROWS, "
                         "SUM(R.sPASSSUM) OVER w, SUM(R.sPASSNET) OVER w%2, R.tPOSITION AS tRAW%4 "
                         "FROM (%3) AS R CROSS JOIN PLAYER CROSS JOIN TEAM "
                         "LEFT JOIN (SELECT PLAYERID, SUM(GAMESPLAYED) AS tGAMES FROM GAMECOUNT GROUP BY PLAYERID) "
                         "AS G ON G.PLAYERID = PLAYER.PLAYERID "
                         "WHERE PLAYER.rowid = R.tPLAYER AND TEAM.TEAMID = PLAYER.TEAMID "
                         "WINDOW w AS (PARTITION BY R.tPLAYER, %1)%5")
            .arg(linePosition, rowSums, zones, playerSums,
                 playerSums.isEmpty() ? QString() : QStringLiteral(", p AS (PARTITION BY R.tPLAYER)"));
    };
    // Teams by name, then the chosen order; a line's rows stay together.
    const QString order = QStringLiteral(" ORDER BY tTEAM COLLATE NOCASE, tTEAM, %1, tRAW")
                              .arg(LineOrder(c.order, playerSums.isEmpty() ? QStringLiteral("l") : QStringLiteral("p")));
    st.lines.sql = QStringLiteral("SELECT * FROM (%1)").arg(rowsOf(perZone)) + order;
    st.lines.binds = taken.out.binds + zone.out.binds;

    // Every game of every match: the same rows from the totals kept per player and box, and the
    // player-games without actions each counted once on the player's line without a zone. They
    // are the same as above only while every game's kept totals belong to a player-game the
    // report takes (rows written by other tools may break that; then the statement above runs).
    if (taken.out.sql.isEmpty()) {
        QString keptSums, noSums;
        for (const StatKind& k : kStatKinds) {
            if (!Summed(k))
                continue;
            keptSums += QStringLiteral("Z.%1 AS s%1, ").arg(Column(k));
            noSums += QStringLiteral("0, ");
        }
        QString zones = QStringLiteral("SELECT PLAYER.rowid AS tPLAYER, Z.POSITION AS tPOSITION, %1Z.PASSSUM AS sPASSSUM, "
                                       "Z.PASSNET AS sPASSNET, Z.ACTIONS AS sROWS FROM ZONETOTALS AS Z CROSS JOIN PLAYER "
                                       "WHERE PLAYER.PLAYERID = Z.PLAYERID ")
                            .arg(keptSums)
            + QString(zone.out.sql).replace(QLatin1String("P.POSITION"), QLatin1String("Z.POSITION"));
        const QString withTotals = QStringLiteral("EXISTS (SELECT 1 FROM TOTALS AS T WHERE T.PLAYERID = PLAYED.PLAYERID "
                                                  "AND T.GAMEID = PLAYED.GAMEID) ");
        if (c.position == 0)
            zones += QStringLiteral("UNION ALL SELECT PLAYER.rowid, NULL, %1 0, 0, COUNT(*) ").arg(noSums)
                + playerGames.arg(QString(), onCourt + QStringLiteral("AND NOT ") + withTotals)
                + QStringLiteral("GROUP BY PLAYER.rowid");
        st.keptLines = {QStringLiteral("SELECT * FROM (%1)").arg(rowsOf(zones)) + order, zone.out.binds};
        st.keptLinesHold = QStringLiteral("SELECT (SELECT COUNT(*) FROM (SELECT DISTINCT PLAYERID, GAMEID FROM TOTALS)) "
                                          "= (SELECT COUNT(*) ")
            + playerGames.arg(QString(), onCourt + QStringLiteral("AND ") + withTotals) + QStringLiteral(")");
    }

    // Games played have no position: the game count takes every filter but the zone, and counts
    // a game the player took part in even when the player's team is not in its match.
    st.gameCount.sql = QStringLiteral("INSERT INTO GAMECOUNT (PLAYERID, GAMESPLAYED) SELECT PLAYED.PLAYERID, COUNT(*) ")
        + playerGames.arg(QString(), taken.out.sql) + QStringLiteral("GROUP BY PLAYED.PLAYERID");
    st.gameCount.binds = taken.out.binds;

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
                          onCourt + taken.out.sql + zone.out.sql)
        + QStringLiteral("GROUP BY PLAYER.PLAYERID HAVING max(0%1) >= 4611686018427387904.0 "
                         "ORDER BY TEAM.TEAMNAME, PLAYER.PLAYERNAME")
              .arg(extremes);
    st.overflow.binds = st.lines.binds;

    st.insertReport = QStringLiteral("INSERT INTO REPORT (TEAMNAME, PLAYERID, PLAYERNAME, POSITION, PERCENTAGE, %1"
                                     "PASSING, GAMESPLAYED) VALUES (?,?,?,?,?,%2?,?)")
                          .arg(insertColumns, insertMarks);
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

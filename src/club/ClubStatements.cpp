#include "club/ClubStatements.h"

#include "club/ClubTables.h"

namespace ClubStore {

namespace {

QString Marks(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

} // namespace

// The games of one match, in the engine's own terms.
const QString kLocalGames = QStringLiteral("SELECT GAMEID FROM GAME WHERE MATCHID = ?");

// One match's rows of a table, for sending (from the archive) and for restoring (from the server,
// the copy the match row names).
QString LocalRead(const TableShape& shape)
{
    const QString columns = shape.columns.join(QStringLiteral(", "));
    if (shape.table == QLatin1String("GAME"))
        return QStringLiteral("SELECT %1 FROM GAME WHERE MATCHID = ? ORDER BY GAMEID").arg(columns);
    // The rows in the order they were recorded.
    return QStringLiteral("SELECT %1 FROM %2 WHERE GAMEID IN (%3) ORDER BY rowid")
        .arg(columns, shape.table, kLocalGames);
}
// RALLY is a table without a rowid; its key orders it.
const QString kLocalRallyRead = QStringLiteral("SELECT %1 FROM RALLY WHERE GAMEID IN (%2) ORDER BY GAMEID, ENTRY");

// The bulk of one match, packed by the engine that reads it: its rows as a JSON array of rows, in
// the order they were recorded. SQLite's JSON functions quote and escape every value.
QString LocalBulkRead(const TableShape& shape)
{
    const QString columns = shape.columns.join(QStringLiteral(", "));
    const QString rows = shape.table == QLatin1String("RALLY") ? kLocalRallyRead.arg(columns, kLocalGames) : LocalRead(shape);
    return QStringLiteral("SELECT json_group_array(json_array(%1)) FROM (%2)").arg(columns, rows);
}
// A match is read from the server in one statement, which sees one moment of it: the match row
// with the copy it names, both teams with their rosters, its games, and the bulk of that copy
// (line-ups, actions, rally log), each table's rows in the server's own text form of a row value,
// a line each, which it writes about three times faster than JSON (the program takes them apart:
// RowBlock). A line-up stands on many log entries in a row: an entry whose line-up is the one
// before leaves it out. The players the rows name are found by the program from the rows, rather
// than by the server reading them twice; the few who are on neither roster are asked for after
// (ServerMorePlayersRead).
QString ServerMatchRead()
{
    auto bulk = [](const TableShape& shape, const QString& order) {
        return QStringLiteral("(SELECT string_agg(ROW(X.%1)::text, E'\\n' ORDER BY %2) FROM %3 X WHERE X.BENCH = K.B "
                              "AND X.MATCHID = K.M AND X.COPY = K.C)")
            .arg(shape.columns.join(QStringLiteral(", X.")), order, shape.table);
    };
    const QStringList& rally = RallyShape().columns;
    const qsizetype zones = RallyCarriedFrom();
    const QString lineup = QStringLiteral("ARRAY[X.%1]").arg(rally.mid(zones).join(QStringLiteral(", X.")));
    const QString rallyBulk =
        QStringLiteral("(SELECT string_agg(CASE WHEN Y.KEPT THEN ROW(Y.%1)::text ELSE ROW(Y.%2)::text END, E'\\n' ORDER BY "
                       "Y.GAMEID, Y.ENTRY) FROM (SELECT X.*, %3 IS NOT DISTINCT FROM LAG(%3) OVER (ORDER BY X.GAMEID, "
                       "X.ENTRY) AS KEPT FROM RALLY X WHERE X.BENCH = K.B AND X.MATCHID = K.M AND X.COPY = K.C) Y)")
            .arg(rally.mid(0, zones).join(QStringLiteral(", Y.")), rally.join(QStringLiteral(", Y.")), lineup);
    return QStringLiteral(
               "WITH K AS (SELECT BENCH AS B, MATCHID AS M, COPY AS C, HOMETEAMID AS H, AWAYTEAMID AS A FROM MATCH "
               "WHERE BENCH = ?::uuid AND MATCHID = ?) "
               "SELECT K.M, K.H, K.A, "
               "(SELECT json_agg(json_build_array(T.TEAMID, T.TEAMNAME) ORDER BY T.TEAMID) FROM TEAM T WHERE T.BENCH = K.B "
               "AND T.TEAMID IN (K.H, K.A)), "
               "(SELECT json_agg(json_build_array(P.PLAYERID, P.TEAMID, P.PLAYERNAME, P.PLAYERNUMBER) ORDER BY P.PLAYERID) "
               "FROM PLAYER P WHERE P.BENCH = K.B AND P.TEAMID IN (K.H, K.A)), "
               // The games' few rows keep their numbers as numbers, for the program to read.
               "(SELECT json_agg(json_build_array(X.%1) ORDER BY X.GAMEID) FROM GAME X WHERE X.BENCH = K.B "
               "AND X.MATCHID = K.M AND X.COPY = K.C), %2, %3, %4 FROM K")
        .arg(GameShape().columns.join(QStringLiteral(", X.")), bulk(PlayedShape(), QStringLiteral("X.GAMEID, X.PLAYERID")),
             bulk(PlayShape(), QStringLiteral("X.GAMEID, X.PLAYID")), rallyBulk);
}
// Players the rows name who are on neither team's roster, and their teams.
const QString kServerMorePlayersRead = QStringLiteral(
    "WITH P AS (SELECT P.PLAYERID, P.TEAMID, P.PLAYERNAME, P.PLAYERNUMBER FROM PLAYER P WHERE P.BENCH = ?::uuid AND "
    "P.PLAYERID = ANY (?::text[])) SELECT (SELECT json_agg(json_build_array(P.PLAYERID, P.TEAMID, P.PLAYERNAME, "
    "P.PLAYERNUMBER)) FROM P), (SELECT json_agg(json_build_array(T.TEAMID, T.TEAMNAME)) FROM TEAM T WHERE T.BENCH = "
    "?::uuid AND T.TEAMID IN (SELECT P.TEAMID FROM P))");

// The teams and players a match names: both teams with their rosters, and whoever else played.
const QString kLocalPlayersRead = QStringLiteral(
    "SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM PLAYER WHERE TEAMID IN "
    "(SELECT HOMETEAMID FROM MATCH WHERE MATCHID = ? UNION SELECT AWAYTEAMID FROM MATCH WHERE MATCHID = ?) "
    "OR PLAYERID IN (SELECT PLAYERID FROM PLAYED WHERE GAMEID IN (SELECT GAMEID FROM GAME WHERE MATCHID = ?) "
    "UNION SELECT PLAYERID FROM PLAY WHERE GAMEID IN (SELECT GAMEID FROM GAME WHERE MATCHID = ?)) ORDER BY PLAYERID");
QString LocalTeamsRead(int players)
{
    return QStringLiteral("SELECT TEAMID, TEAMNAME FROM TEAM WHERE TEAMID IN (?, ?)%1 ORDER BY TEAMID")
        .arg(players > 0 ? QStringLiteral(" OR TEAMID IN (SELECT TEAMID FROM PLAYER WHERE PLAYERID IN (%1))").arg(Marks(players))
                         : QString());
}
// The match row itself.
const QString kLocalMatchRead = QStringLiteral("SELECT MATCHID, HOMETEAMID, AWAYTEAMID FROM MATCH WHERE MATCHID = ?");

// Writing a match. Into the working tables: a team or player already there keeps what the user
// made of it. Onto the server: the bench's latest names win. The server takes the few rows of the
// teams, players and games as one array per column, and the bulk as JSON, so that a match of a
// thousand actions is one statement.
QString LocalWrite(const TableShape& shape)
{
    const bool roster = shape.table == QLatin1String("TEAM") || shape.table == QLatin1String("PLAYER");
    return QStringLiteral("INSERT%1 INTO main.%2 (%3) VALUES (%4)")
        .arg(roster ? QStringLiteral(" OR IGNORE") : QString(), shape.table, shape.columns.join(QStringLiteral(", ")),
             Marks(shape.columns.size()));
}

namespace {

QString ServerArrays(const QStringList& columns, const TableShape& shape)
{
    QStringList arrays;
    for (const QString& c : columns)
        arrays << (shape.integers.contains(c) ? QStringLiteral("?::integer[]") : QStringLiteral("?::text[]"));
    return QStringLiteral("unnest(%1)").arg(arrays.join(QStringLiteral(", ")));
}
// A match's team or player rows, as the CTEs <name>I, <name>U and <name>: the bench's latest
// names win on the server. A row as the server has it already is neither written nor locked (an
// upsert locks the row it finds even when it changes nothing), so that two connections sending
// matches of the same teams at once do not wait for each other.
QString ServerRosterWrite(const TableShape& shape, const QString& name)
{
    const QStringList columns = ContentColumns(shape);
    const QString& key = columns.front();
    QStringList set, now, sent;
    for (const QString& c : columns.mid(1)) {
        set << QStringLiteral("%1 = I.%1").arg(c);
        now << QStringLiteral("%1.%2").arg(shape.table, c);
        sent << QStringLiteral("I.%1").arg(c);
    }
    return QStringLiteral("%1I AS (SELECT ?::uuid AS BENCH, * FROM %2 AS U(%3)), "
                          "%1U AS (UPDATE %4 SET %5 FROM %1I I WHERE %4.BENCH = I.BENCH AND %4.%6 = I.%6 AND (%7) IS "
                          "DISTINCT FROM (%8) RETURNING 1), "
                          "%1 AS (INSERT INTO %4 (BENCH, %3) SELECT * FROM %1I ON CONFLICT (BENCH, %6) DO NOTHING RETURNING 1)")
        .arg(name, ServerArrays(columns, shape), columns.join(QStringLiteral(", ")), shape.table,
             set.join(QStringLiteral(", ")), key, now.join(QStringLiteral(", ")), sent.join(QStringLiteral(", ")));
}

} // namespace

// The match row: a match sent again takes the next copy number, and its contents go in under it;
// sent unchanged (the archive's mark was lost), it is left as it is and no row comes back.
const QString kServerMatchWrite = QStringLiteral(
    "INSERT INTO MATCH (BENCH, MATCHID, HOMETEAMID, AWAYTEAMID, COPY, DIGEST) VALUES (?::uuid, ?, ?, ?, 1, ?) "
    "ON CONFLICT (BENCH, MATCHID) DO UPDATE SET HOMETEAMID = excluded.HOMETEAMID, AWAYTEAMID = excluded.AWAYTEAMID, "
    "COPY = MATCH.COPY + 1, DIGEST = excluded.DIGEST, SENT = now() WHERE MATCH.DIGEST IS DISTINCT FROM excluded.DIGEST "
    "RETURNING COPY");
// One match in one statement, and so in one transaction: its teams and players, the match row, and
// its contents under the copy number the match row took (nothing more when it took none).
QString ServerMatchWrite()
{
    // The games as arrays, one per column.
    auto games = [](const TableShape& shape) {
        const QStringList columns = ContentColumns(shape);
        return QStringLiteral("G AS (INSERT INTO %1 (BENCH, MATCHID, COPY, %2) SELECT ?::uuid, ?::text, M.COPY, U.* "
                              "FROM M, %3 AS U RETURNING 1)")
            .arg(shape.table, columns.join(QStringLiteral(", ")), ServerArrays(columns, shape));
    };
    // The bulk as the archive packed it: a JSON array of rows, each taken apart by position.
    auto bulk = [](const char* name, const TableShape& shape) {
        QStringList values;
        for (int i = 0; i < shape.columns.size(); ++i)
            values << (shape.integers.contains(shape.columns[i]) ? QStringLiteral("(J.R ->> %1)::integer").arg(i)
                                                               : QStringLiteral("J.R ->> %1").arg(i));
        return QStringLiteral("%1 AS (INSERT INTO %2 (BENCH, MATCHID, COPY, %3) SELECT ?::uuid, ?::text, M.COPY, %4 "
                              "FROM M, jsonb_array_elements(?::jsonb) AS J(R) RETURNING 1)")
            .arg(QLatin1String(name), shape.table, shape.columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
    };
    return QStringLiteral("WITH %1, %2, M AS (%3), %4, %5, %6, %7 SELECT COPY FROM M")
        .arg(ServerRosterWrite(TeamShape(), QStringLiteral("T")), ServerRosterWrite(PlayerShape(), QStringLiteral("P")),
             kServerMatchWrite, games(GameShape()),
             bulk("D", PlayedShape()), bulk("A", PlayShape()), bulk("R", RallyShape()));
}

// This installation's bench, under the login role that sends; a role may only ever change its own.
const QString kServerBenchWrite = QStringLiteral(
    "INSERT INTO BENCH (BENCHID, BENCHNAME) VALUES (?::uuid, ?) ON CONFLICT (BENCHID) DO UPDATE SET "
    "BENCHNAME = excluded.BENCHNAME, SEEN = now()");

// What the server holds, for the restore window and the Test button.
const QString kServerMatchList = QStringLiteral(
    "SELECT M.BENCH::text, B.BENCHNAME, M.MATCHID, H.TEAMNAME, A.TEAMNAME FROM MATCH M JOIN BENCH B ON B.BENCHID = M.BENCH "
    "LEFT JOIN TEAM H ON H.BENCH = M.BENCH AND H.TEAMID = M.HOMETEAMID "
    "LEFT JOIN TEAM A ON A.BENCH = M.BENCH AND A.TEAMID = M.AWAYTEAMID ORDER BY M.MATCHID, B.BENCHNAME, M.BENCH");
const QString kServerScoreList = QStringLiteral(
    "SELECT G.BENCH::text, G.MATCHID, G.HOMESCORE, G.AWAYSCORE FROM GAME G JOIN MATCH M ON M.BENCH = G.BENCH "
    "AND M.MATCHID = G.MATCHID AND M.COPY = G.COPY ORDER BY G.BENCH, G.MATCHID, G.GAMENUMBER, G.GAMEID");
const QString kServerCounts = QStringLiteral("SELECT (SELECT COUNT(*) FROM MATCH), (SELECT COUNT(*) FROM BENCH)");
const QString kServerWho = QStringLiteral("SELECT current_setting('server_version'), current_user");

// The archive's own bookkeeping: which saved matches the server holds as they stand.
const QString kDigest = QStringLiteral(
    "M.HOMETEAMID || '|' || M.AWAYTEAMID || '|' || COALESCE((SELECT group_concat(G.GAMEID || '=' || G.GAMENUMBER || "
    "':' || G.HOMESCORE || '-' || G.AWAYSCORE, ',') FROM (SELECT GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM GAME "
    "WHERE MATCHID = M.MATCHID ORDER BY GAMEID) G), '') "
    "|| '|' || (SELECT COUNT(*) FROM PLAY WHERE GAMEID IN (SELECT GAMEID FROM GAME WHERE MATCHID = M.MATCHID)) "
    "|| '|' || (SELECT COUNT(*) FROM PLAYED WHERE GAMEID IN (SELECT GAMEID FROM GAME WHERE MATCHID = M.MATCHID)) "
    "|| '|' || (SELECT COUNT(*) FROM RALLY WHERE GAMEID IN (SELECT GAMEID FROM GAME WHERE MATCHID = M.MATCHID))");
QString WaitingStatement()
{
    return QStringLiteral(
               "SELECT W.MATCHID, W.DIGEST, H.TEAMNAME, A.TEAMNAME FROM "
               "(SELECT M.MATCHID, M.HOMETEAMID, M.AWAYTEAMID, %1 AS DIGEST FROM MATCH M WHERE NOT EXISTS "
               " (SELECT 1 FROM CLUBRECORD R WHERE R.KIND = 'MATCH' AND R.LOCALID = M.MATCHID)) W "
               "LEFT JOIN TEAM H ON H.TEAMID = W.HOMETEAMID LEFT JOIN TEAM A ON A.TEAMID = W.AWAYTEAMID "
               "WHERE NOT EXISTS (SELECT 1 FROM CLUBSENT S WHERE S.MATCHID = W.MATCHID AND S.SERVER = ? "
               "AND S.BENCH = ? AND S.DIGEST = W.DIGEST) ORDER BY W.MATCHID")
        .arg(kDigest);
}
const QString kMarkSent = QStringLiteral(
    "INSERT INTO CLUBSENT (MATCHID, SERVER, BENCH, DIGEST, SENT) VALUES (?, ?, ?, ?, ?) ON CONFLICT (MATCHID, SERVER) "
    "DO UPDATE SET BENCH = excluded.BENCH, DIGEST = excluded.DIGEST, SENT = excluded.SENT");

} // namespace ClubStore

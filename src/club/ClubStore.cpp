#include "club/ClubStore.h"

#include "storage/BlockInsert.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "storage/RallyStore.h"
#include "storage/RowBlock.h"
#include "base/StatKinds.h"
#include "storage/RecordIssue.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QUuid>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <dlfcn.h>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <thread>

namespace ClubStore {

namespace {

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ClubStore)
};

// ---------------------------------------------------------------------------------------------
// The tables a match travels in. Both engines name them and their columns alike (PostgreSQL folds
// the unquoted names to lower case); the server's rows add BENCH, and those of a match's contents
// MATCHID and COPY, in front.

struct TableShape
{
    QString table;
    QStringList columns;
    QSet<QString> integers; // the columns that hold numbers; every other one holds text
    bool hasMatchId = false; // MATCHID is among the local columns (MATCH, GAME)
};

TableShape Shape(const QString& table, const QStringList& columns, const QSet<QString>& integers, bool matchId = false)
{
    return {table, columns, integers, matchId};
}

const TableShape& TeamShape()
{
    static const TableShape s = Shape(QStringLiteral("TEAM"), {QStringLiteral("TEAMID"), QStringLiteral("TEAMNAME")}, {});
    return s;
}

const TableShape& PlayerShape()
{
    static const TableShape s = Shape(QStringLiteral("PLAYER"),
                                    {QStringLiteral("PLAYERID"), QStringLiteral("TEAMID"), QStringLiteral("PLAYERNAME"),
                                     QStringLiteral("PLAYERNUMBER")},
                                    {QStringLiteral("PLAYERNUMBER")});
    return s;
}

const TableShape& GameShape()
{
    static const TableShape s = Shape(QStringLiteral("GAME"),
                                    {QStringLiteral("MATCHID"), QStringLiteral("GAMEID"), QStringLiteral("GAMENUMBER"),
                                     QStringLiteral("HOMESCORE"), QStringLiteral("AWAYSCORE")},
                                    {QStringLiteral("GAMENUMBER"), QStringLiteral("HOMESCORE"), QStringLiteral("AWAYSCORE")},
                                    true);
    return s;
}

const TableShape& PlayedShape()
{
    static const TableShape s = Shape(QStringLiteral("PLAYED"), {QStringLiteral("GAMEID"), QStringLiteral("PLAYERID")}, {});
    return s;
}

// Every PLAY column: the action's place, then one per stat kind, so that a new kind travels too
// (the server's table needs its column as well: schema.sql).
const TableShape& PlayShape()
{
    static const TableShape s = [] {
        QStringList columns{QStringLiteral("GAMEID"), QStringLiteral("PLAYID"), QStringLiteral("PLAYERID"),
                            QStringLiteral("POSITION")};
        QSet<QString> integers{QStringLiteral("POSITION")};
        for (const StatKind& k : kStatKinds) {
            columns << QString::fromLatin1(k.column);
            integers << QString::fromLatin1(k.column);
        }
        return Shape(QStringLiteral("PLAY"), columns, integers);
    }();
    return s;
}

// A box's kept totals: where (game, player, box), then the sum of each figure but the pass
// rating, the rating's sum and net count, and the number of actions.
QStringList BoxColumns()
{
    QStringList columns{QStringLiteral("GAMEID"), QStringLiteral("PLAYERID"), QStringLiteral("POSITION")};
    for (const StatKind& k : kStatKinds)
        if (k.shape != StatShape::Rating)
            columns << QString::fromLatin1(k.column);
    return columns << QStringLiteral("PASSSUM") << QStringLiteral("PASSNET") << QStringLiteral("ACTIONS");
}

// The boxes of a match's actions (PLAY rows), in BoxColumns(), each action added by the rule of
// the trigger that keeps TOTALS: a figure left empty adds 0, a pass rating adds to PASSSUM and its
// sign to PASSNET, and each action counts. Nothing when an action's place or figures are not what
// the tables hold (the server's columns hold whole numbers only).
std::optional<RowBlock> Boxes(const RowBlock& plays)
{
    const QStringList& columns = PlayShape().columns;
    const int game = int(columns.indexOf(QStringLiteral("GAMEID")));
    const int player = int(columns.indexOf(QStringLiteral("PLAYERID")));
    const int position = int(columns.indexOf(QStringLiteral("POSITION")));
    std::vector<int> figures;
    int rating = -1;
    for (const StatKind& k : kStatKinds) {
        const int at = int(columns.indexOf(QString::fromLatin1(k.column)));
        if (k.shape == StatShape::Rating)
            rating = at;
        else
            figures.push_back(at);
    }
    // In the order of TOTALS' key, so that a match's boxes go in side by side.
    struct Key
    {
        std::string_view player, game;
        std::int64_t position;
        auto operator<=>(const Key&) const = default;
    };
    std::map<Key, std::vector<std::int64_t>> boxes;
    const size_t passSum = figures.size(), passNet = passSum + 1, actions = passSum + 2;
    for (size_t r = 0; r < plays.rowCount(); ++r) {
        const RowBlock::Cell& g = plays.cell(r, game);
        const RowBlock::Cell& p = plays.cell(r, player);
        const RowBlock::Cell& z = plays.cell(r, position);
        if (g.kind != RowBlock::Cell::Text || p.kind != RowBlock::Cell::Text || z.kind != RowBlock::Cell::Number)
            return std::nullopt;
        std::vector<std::int64_t>& sums = boxes[Key{plays.text(p), plays.text(g), z.value}];
        if (sums.empty())
            sums.assign(figures.size() + 3, 0);
        auto figure = [&](int column, std::int64_t& value) {
            const RowBlock::Cell& c = plays.cell(r, column);
            value = c.kind == RowBlock::Cell::Number ? c.value : 0;
            return c.kind != RowBlock::Cell::Text;
        };
        std::int64_t value = 0;
        for (size_t i = 0; i < figures.size(); ++i) {
            if (!figure(figures[i], value))
                return std::nullopt;
            sums[i] += value;
        }
        if (rating >= 0) {
            if (!figure(rating, value))
                return std::nullopt;
            sums[passSum] += value;
            sums[passNet] += value > 0 ? 1 : value < 0 ? -1 : 0;
        }
        sums[actions] += 1;
    }
    RowBlock block(int(figures.size()) + 6);
    for (const auto& [key, sums] : boxes) {
        block.addText(key.game);
        block.addText(key.player);
        block.addNumber(key.position);
        for (const std::int64_t sum : sums)
            block.addNumber(sum);
    }
    return block;
}

const TableShape& RallyShape()
{
    static const TableShape s = [] {
        QStringList columns;
        for (const QString& c : RallyStore::Columns().split(QLatin1Char(',')))
            columns << c.trimmed();
        return Shape(QStringLiteral("RALLY"), columns,
                    {QStringLiteral("ENTRY"), QStringLiteral("STEP"), QStringLiteral("SIDE"), QStringLiteral("SERVER"),
                     QStringLiteral("AMOUNT"), QStringLiteral("HOMESCORE"), QStringLiteral("AWAYSCORE"),
                     QStringLiteral("POSITION"), QStringLiteral("REVERSES")});
    }();
    return s;
}

// The line-up on court at a log entry, home zones 1-6 then away: the same on many entries in a
// row, so that its players are best found by taking each distinct line-up apart once.
bool IsLineupColumn(const QString& c)
{
    return c.size() == 2 && (c[0] == QLatin1Char('H') || c[0] == QLatin1Char('A')) && c[1] >= QLatin1Char('1')
           && c[1] <= QLatin1Char('6');
}
// A column that names a player: the one who acted or came on, who went off, or who stood in a
// line-up.
bool NamesPlayer(const QString& c)
{
    return c == QLatin1String("PLAYERID") || c == QLatin1String("OUTID") || IsLineupColumn(c);
}
QStringList LineupColumns()
{
    QStringList lineup;
    for (const QString& c : RallyShape().columns)
        if (IsLineupColumn(c))
            lineup << c;
    return lineup;
}

// Which of a table's columns hold whole numbers, in order, for taking the server's rows apart.
std::vector<bool> WholeColumns(const TableShape& shape)
{
    std::vector<bool> whole;
    for (const QString& c : shape.columns)
        whole.push_back(shape.integers.contains(c));
    return whole;
}

// Where a log entry's line-up starts among its columns: the server leaves the line-up out of an
// entry whose line-up is the one before. The line-up stands last.
qsizetype RallyCarriedFrom()
{
    const QStringList& columns = RallyShape().columns;
    const qsizetype from = columns.size() - LineupColumns().size();
    Q_ASSERT(std::all_of(columns.begin() + from, columns.end(), IsLineupColumn));
    return from;
}

QString Marks(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

QStringList ContentColumns(const TableShape& shape)
{
    QStringList columns = shape.columns;
    if (shape.hasMatchId)
        columns.removeAll(QStringLiteral("MATCHID"));
    return columns;
}

// ---------------------------------------------------------------------------------------------
// The statements, side by side: each pair does the same work, on the archive or working tables
// (SQLite) and on the club server (PostgreSQL).

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

// ---------------------------------------------------------------------------------------------
// Connections. Each thread opens its own: a connection belongs to the thread that opened it.

QString UniqueName(const char* what)
{
    static std::atomic<int> serial{0};
    return QStringLiteral("sidelines_%1_%2").arg(QLatin1String(what)).arg(++serial);
}

// What the user reads when the server refuses or cannot be reached. The driver hands back the
// server's SQLSTATE for refused statements, and libpq's own words for a connection that failed.
QString Explain(const QSqlError& error, const ClubServer& server, const ClubCall::Limits& limits)
{
    const QString engine = error.databaseText().trimmed().isEmpty() ? error.text().trimmed() : error.databaseText().trimmed();
    const QString code = error.nativeErrorCode();
    const QString host = server.host.isEmpty() ? QStringLiteral("localhost") : server.host;
    auto has = [&engine](const char* words) { return engine.contains(QLatin1String(words), Qt::CaseInsensitive); };
    if (engine.isEmpty())
        return Words::tr("The connection to the club server was lost.");
    if (has("password authentication failed"))
        return Words::tr("The club server refused the password of %1. (%2)").arg(server.user, engine);
    if (has("no password supplied"))
        return Words::tr("The club server asks for a password, and none is kept for %1: type it in File > Club "
                         "Server. (%2)")
            .arg(server.user, engine);
    if (has("database \"") && has("does not exist"))
        return Words::tr("The club server has no database \"%1\". (%2)").arg(server.database, engine);
    if (has("role \"") && has("does not exist"))
        return Words::tr("The club server has no login role \"%1\". (%2)").arg(server.user, engine);
    if (has("does not match host name"))
        return Words::tr("The club server at %1 could not prove that it is %1: its certificate was made for another "
                         "host, so Sidelines did not connect. (%2)")
            .arg(host, engine);
    if (has("certificate verify failed"))
        return Words::tr("The club server at %1 could not prove that it is %1: its certificate is not signed by the CA "
                         "certificate %2, so Sidelines did not connect. (%3)")
            .arg(host, server.caFile, engine);
    if (has("root certificate file"))
        return Words::tr("The CA certificate file %1 cannot be used. (%2)").arg(server.caFile, engine);
    if (has("server does not support SSL"))
        return Words::tr("The club server at %1 offers no encrypted connection, which a server not on this computer "
                         "must. (%2)")
            .arg(host, engine);
    if (has("timeout expired"))
        return Words::tr("The club server at %1 did not answer within %2 seconds. (%3)")
            .arg(host, QString::number(limits.connectSeconds), engine);
    if (has("Connection refused"))
        return Words::tr("Nothing answers at %1, port %2: the club server is not running there, or a firewall is in "
                         "the way. (%3)")
            .arg(host, QString::number(server.port), engine);
    if (has("could not translate host name"))
        return Words::tr("The name %1 cannot be found: check it, and the network. (%2)").arg(host, engine);
    if (has("No such file or directory") && server.host.startsWith(QLatin1Char('/')))
        return Words::tr("There is no club server at the socket folder %1, port %2. (%3)")
            .arg(host, QString::number(server.port), engine);
    if (has("pg_hba.conf"))
        return Words::tr("The club server does not let %1 in from this computer. (%2)").arg(server.user, engine);
    if (code == QLatin1String("42501") && has("row-level security"))
        return Words::tr("The club server refused to store this bench's matches: the login role %1 may write only its "
                         "own bench's rows, and this bench's identifier belongs to another login role. (%2)")
            .arg(server.user, engine);
    if (code == QLatin1String("42501"))
        return Words::tr("The login role %1 lacks a right that the club server's set-up gives every bench. (%2)")
            .arg(server.user, engine);
    if (code == QLatin1String("42P01") || code == QLatin1String("42703"))
        return Words::tr("The club server's database %1 does not have the Sidelines tables as this Sidelines needs "
                         "them: set it up with schema.sql (see the README). (%2)")
            .arg(server.database, engine);
    if (code == QLatin1String("57014"))
        return Words::tr("The club server took longer than %1 seconds over one statement. (%2)")
            .arg(QString::number(limits.statementMs / 1000), engine);
    if (code.startsWith(QLatin1String("57P")) || has("server closed the connection") || has("terminating connection")
        || has("no connection to the server"))
        return Words::tr("The connection to the club server was lost. (%1)").arg(engine);
    return Words::tr("The club server refused: %1").arg(engine);
}

// libpq's socket of an open connection, so that a call given up can shut it. The driver hands out
// libpq's connection; libpq itself is already loaded with the driver.
int SocketOf(const QSqlDatabase& db)
{
    using SocketFunction = int (*)(const void*);
    static const SocketFunction socketOf = [] {
        void* lib = dlopen("libpq.so.5", RTLD_LAZY | RTLD_NOLOAD);
        return lib ? reinterpret_cast<SocketFunction>(dlsym(lib, "PQsocket")) : nullptr;
    }();
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!socketOf || !handle.isValid() || qstrcmp(handle.typeName(), "pg_conn*") != 0)
        return -1;
    const void* connection = *static_cast<void* const*>(handle.constData());
    return connection ? socketOf(connection) : -1;
}

QString Quoted(const QString& value)
{
    QString out = value;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + out + QLatin1Char('\'');
}

// One connection to the club server, opened on the calling thread with the call's limits, and
// closed with it.
class Server
{
public:
    Server(const ClubServer& server, const QString& password, ClubCall& call)
        : m_server(server), m_call(call), m_name(UniqueName("club"))
    {
        if (const QString problem = ClubSettings::Problem(server); !problem.isEmpty())
            throw DbError(problem, QString());
        if (!server.isSet())
            throw DbError(Words::tr("No club server is set up: see File > Club Server."), QString());
        const ClubCall::Limits& limits = call.limits();
        QStringList options{
            QStringLiteral("connect_timeout=%1").arg(qMax(2, limits.connectSeconds)),
            // A dead link is noticed by unanswered packets, and while waiting for an answer by
            // unanswered keepalive probes, within networkMs either way.
            QStringLiteral("tcp_user_timeout=%1").arg(limits.networkMs),
            QStringLiteral("keepalives=1"),
            QStringLiteral("keepalives_idle=%1").arg(qMax(1, limits.networkMs / 2000)),
            QStringLiteral("keepalives_interval=1"),
            QStringLiteral("keepalives_count=2"),
            QStringLiteral("application_name=Sidelines"),
            // Every statement is prepared once and run per match: planned once too, rather than
            // anew for each match (the plan does not depend on which match).
            QStringLiteral("options='-c statement_timeout=%1 -c plan_cache_mode=force_generic_plan'").arg(limits.statementMs),
        };
        if (!server.caFile.isEmpty())
            options << QStringLiteral("sslmode=verify-full") << QStringLiteral("sslrootcert=%1").arg(Quoted(server.caFile));
        else if (server.host.startsWith(QLatin1Char('/')))
            options << QStringLiteral("sslmode=disable");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
            if (!db.isValid())
                throw DbError(Words::tr("The PostgreSQL driver of Qt is not installed (Debian package "
                                        "libqt6sql6-psql)."),
                              QString());
            db.setHostName(server.host);
            db.setPort(server.port);
            db.setDatabaseName(server.database);
            db.setUserName(server.user);
            db.setPassword(password);
            db.setConnectOptions(options.join(QLatin1Char(';')));
            if (!db.open()) {
                const QString why = Explain(db.lastError(), server, limits);
                db = QSqlDatabase();
                QSqlDatabase::removeDatabase(m_name);
                m_name.clear();
                throw DbError(why, QString());
            }
            m_socket = SocketOf(db);
            m_call.holdSocket(m_socket);
        }
    }

    ~Server()
    {
        m_queries.clear();
        if (m_name.isEmpty())
            return;
        m_call.releaseSocket(m_socket);
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isOpen())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }

    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    // A statement prepared once on this connection and run with these values.
    QSqlQuery& run(const QString& sql, const QVariantList& values)
    {
        std::unique_ptr<QSqlQuery>& q = m_queries[sql];
        if (!q) {
            q = std::make_unique<QSqlQuery>(db());
            q->setForwardOnly(true);
            if (!q->prepare(sql)) {
                const QString why = Explain(q->lastError(), m_server, m_call.limits());
                q.reset();
                throw DbError(why, sql);
            }
        }
        for (int i = 0; i < values.size(); ++i)
            q->bindValue(i, values[i]);
        if (!q->exec())
            throw DbError(Explain(q->lastError(), m_server, m_call.limits()), sql);
        return *q;
    }

    void begin()
    {
        if (!db().transaction())
            throw DbError(Explain(db().lastError(), m_server, m_call.limits()), QStringLiteral("BEGIN"));
    }
    void commit()
    {
        // A connection closed under the statement returns false with no error.
        if (!db().commit())
            throw DbError(Explain(db().lastError(), m_server, m_call.limits()), QStringLiteral("COMMIT"));
    }
    void rollback() { db().rollback(); }

private:
    ClubServer m_server;
    ClubCall& m_call;
    QString m_name;
    int m_socket = -1;
    std::map<QString, std::unique_ptr<QSqlQuery>> m_queries;
};

// A SQLite file on a connection of this thread's own (the worker's reading of the archive).
class LocalFile
{
public:
    explicit LocalFile(const QString& path) : m_name(UniqueName("clubfile"))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            const QString why = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_name);
            m_name.clear();
            throw DbError(why, QString());
        }
        run(QStringLiteral("PRAGMA synchronous = FULL"), {});
    }
    ~LocalFile()
    {
        m_queries.clear();
        if (m_name.isEmpty())
            return;
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;

    QSqlQuery& run(const QString& sql, const QVariantList& values)
    {
        std::unique_ptr<QSqlQuery>& q = m_queries[sql];
        if (!q) {
            q = std::make_unique<QSqlQuery>(QSqlDatabase::database(m_name, false));
            q->setForwardOnly(true);
            if (!q->prepare(sql)) {
                const QString why = q->lastError().text();
                q.reset();
                throw DbError(why, sql);
            }
        }
        for (int i = 0; i < values.size(); ++i)
            q->bindValue(i, values[i]);
        if (!q->exec())
            throw DbError(q->lastError().text(), sql);
        return *q;
    }

    std::vector<QVariantList> rows(const QString& sql, const QVariantList& values)
    {
        QSqlQuery& q = run(sql, values);
        std::vector<QVariantList> out;
        const int columns = q.record().count();
        while (q.next()) {
            QVariantList row;
            row.reserve(columns);
            for (int i = 0; i < columns; ++i)
                row << q.value(i);
            out.push_back(std::move(row));
        }
        q.finish();
        return out;
    }

    void begin() { run(QStringLiteral("BEGIN IMMEDIATE"), {}); }
    void commit() { run(QStringLiteral("COMMIT"), {}); }

private:
    QString m_name;
    std::map<QString, std::unique_ptr<QSqlQuery>> m_queries;
};

// A column of rows as one PostgreSQL array value: each element in double quotes with its quotes
// and backslashes escaped, NULL bare. It is bound as a value like any other.
QString ArrayOf(const std::vector<QVariantList>& rows, int column)
{
    QString out;
    out.reserve(qsizetype(rows.size()) * 22 + 2);
    out += QLatin1Char('{');
    bool first = true;
    for (const QVariantList& row : rows) {
        if (!first)
            out += QLatin1Char(',');
        first = false;
        const QVariant& v = row.at(column);
        if (v.isNull()) {
            out += QLatin1String("NULL");
            continue;
        }
        if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int) {
            out += QString::number(v.toLongLong());
            continue;
        }
        out += QLatin1Char('"');
        const QString text = v.toString();
        if (!text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\\'))) {
            out += text;
        } else {
            for (const QChar c : text) {
                if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
                    out += QLatin1Char('\\');
                out += c;
            }
        }
        out += QLatin1Char('"');
    }
    out += QLatin1Char('}');
    return out;
}

QVariantList Arrays(const TableShape& shape, const std::vector<QVariantList>& rows)
{
    QVariantList arrays;
    const QStringList content = ContentColumns(shape);
    for (const QString& c : content)
        arrays << ArrayOf(rows, int(shape.columns.indexOf(c)));
    return arrays;
}

// One saved match's rows from the archive.
MatchRows ReadLocal(LocalFile& archive, const RecordId& match)
{
    MatchRows m;
    const QVariant id = Bind(match);
    const auto matchRows = archive.rows(kLocalMatchRead, {id});
    if (matchRows.empty())
        throw DbError(Words::tr("The match %1 is no longer in the archive.").arg(match.displayText()), kLocalMatchRead);
    m.match = matchRows.front();
    m.games = archive.rows(LocalRead(GameShape()), {id});
    for (auto [bulk, shape] : {std::pair{&m.played, &PlayedShape()}, std::pair{&m.plays, &PlayShape()},
                              std::pair{&m.rally, &RallyShape()}})
        *bulk = archive.rows(LocalBulkRead(*shape), {id}).front().value(0).toString();
    m.players = archive.rows(kLocalPlayersRead, {id, id, id, id});
    QVariantList teamBinds{m.match.value(1), m.match.value(2)};
    for (const QVariantList& p : m.players)
        teamBinds << p.value(0);
    // A statement per player count; few distinct counts occur.
    m.teams = archive.rows(LocalTeamsRead(int(m.players.size())), teamBinds);
    return m;
}

// A JSON array of rows as rows of values; whole numbers as whole numbers.
std::vector<QVariantList> JsonRows(const QString& json)
{
    std::vector<QVariantList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(json.toUtf8()).array()) {
        QVariantList values;
        for (const QJsonValue& v : row.toArray()) {
            if (v.isNull())
                values << QVariant();
            else if (v.isDouble() && v.toDouble() == double(v.toInteger()))
                values << QVariant(v.toInteger());
            else
                values << v.toVariant();
        }
        rows.push_back(std::move(values));
    }
    return rows;
}

// The bulk of one match as the server sent it, taken apart by the thread that fetched it.
struct ServerBulk
{
    RowBlock played, plays, rally;
    RowBlock boxes;  // the actions' boxes, summed here (Boxes)
};

struct FetchedMatch
{
    MatchRows head;
    ServerBulk bulk;
};

// Every player the bulk's rows name: those who played, acted, came on or went off, and stood in
// a line-up.
QStringList NamedPlayers(const ServerBulk& bulk)
{
    std::set<std::string_view> named;
    auto take = [&](const RowBlock& rows, const TableShape& shape) {
        std::vector<int> columns;
        for (qsizetype i = 0; i < shape.columns.size(); ++i)
            if (NamesPlayer(shape.columns[i]))
                columns.push_back(int(i));
        for (size_t r = 0; r < rows.rowCount(); ++r)
            for (const int c : columns)
                if (const RowBlock::Cell& cell = rows.cell(r, c); cell.kind == RowBlock::Cell::Text)
                    named.insert(rows.text(cell));
    };
    take(bulk.played, PlayedShape());
    take(bulk.plays, PlayShape());
    take(bulk.rally, RallyShape());
    QStringList ids;
    for (const std::string_view id : named)
        ids << QString::fromUtf8(id.data(), qsizetype(id.size()));
    return ids;
}

// One match of the server, of the copy its match row names; nothing when the server does not
// hold the match (any more).
std::optional<FetchedMatch> ReadServerMatch(Server& server, const ServerKey& key)
{
    QSqlQuery& q = server.run(ServerMatchRead(), {key.bench, Bind(key.match)});
    if (!q.next()) {
        q.finish();
        return std::nullopt;
    }
    FetchedMatch m;
    m.head.bench = key.bench;
    m.head.match = {q.value(0), q.value(1), q.value(2)};
    m.head.teams = JsonRows(q.value(3).toString());
    m.head.players = JsonRows(q.value(4).toString());
    m.head.games = JsonRows(q.value(5).toString());
    const std::vector<bool> whole[3] = {WholeColumns(PlayedShape()), WholeColumns(PlayShape()), WholeColumns(RallyShape())};
    const std::optional<RowBlock> played = RowBlock::parse(q.value(6).toString().toUtf8(), whole[0]);
    const std::optional<RowBlock> plays = RowBlock::parse(q.value(7).toString().toUtf8(), whole[1]);
    const std::optional<RowBlock> rally = RowBlock::parse(q.value(8).toString().toUtf8(), whole[2], int(RallyCarriedFrom()));
    q.finish();
    const std::optional<RowBlock> boxes = plays ? Boxes(*plays) : std::nullopt;
    if (!played || !plays || !rally || !boxes)
        throw DbError(Words::tr("The club server sent rows of the match %1 that this program cannot read.")
                          .arg(RecordId::fromText(m.head.match.value(0).toString()).displayText()),
                      QString());
    m.bulk = {std::move(*played), std::move(*plays), std::move(*rally), std::move(*boxes)};

    m.head.playerIds = NamedPlayers(m.bulk);
    QSet<QString> onRoster;
    for (const QVariantList& row : m.head.players)
        onRoster << row.value(0).toString();
    std::vector<QVariantList> more;
    for (const QString& id : std::as_const(m.head.playerIds))
        if (!onRoster.contains(id))
            more.push_back({id});
    if (!more.empty()) {
        QSqlQuery& extra = server.run(kServerMorePlayersRead, {key.bench, ArrayOf(more, 0), key.bench});
        if (extra.next()) {
            for (QVariantList& row : JsonRows(extra.value(0).toString()))
                m.head.players.push_back(std::move(row));
            QSet<QString> teams;
            for (const QVariantList& row : m.head.teams)
                teams << row.value(0).toString();
            for (QVariantList& row : JsonRows(extra.value(1).toString()))
                if (!teams.contains(row.value(0).toString()))
                    m.head.teams.push_back(std::move(row));
        }
        extra.finish();
    }
    return m;
}

// Sends one match; false when the server already had it as it stands.
bool WriteServer(Server& server, const Bench& bench, const MatchRows& m, const QString& digest)
{
    QVariantList values{bench.id};
    values += Arrays(TeamShape(), m.teams);
    values << bench.id;
    values += Arrays(PlayerShape(), m.players);
    values << bench.id << m.match.value(0) << m.match.value(1) << m.match.value(2) << digest;
    values << bench.id << m.match.value(0);
    values += Arrays(GameShape(), m.games);
    for (const QString* bulk : {&m.played, &m.plays, &m.rally})
        values << bench.id << m.match.value(0) << *bulk;
    QSqlQuery& q = server.run(ServerMatchWrite(), values);
    const bool changed = q.next();
    q.finish();
    return changed;
}

// The waiting matches read from the archive on a thread of its own, a few matches ahead of the
// sends, so that the archive is read while the server stores the matches before. The thread has its
// own connection to the archive (a connection belongs to the thread that opened it); a failure
// there comes back from next() for the match it stopped at.
class ReadAhead
{
public:
    ReadAhead(const QString& path, const std::vector<Waiting>& waiting)
        : m_path(path), m_waiting(waiting), m_rows(waiting.size()), m_thread([this] { read(); })
    {
    }
    ~ReadAhead()
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_stop = true;
        }
        m_changed.notify_all();
        m_thread.join();
    }
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The rows of the i-th waiting match, each taken once, roughly in order (two senders take
    // every other one).
    MatchRows next(size_t i)
    {
        std::unique_lock<std::mutex> lock(m_lock);
        m_changed.wait(lock, [&] { return m_read > i || m_failure; });
        if (m_read <= i)
            std::rethrow_exception(m_failure);
        m_taken = std::max(m_taken, i + 1);
        m_changed.notify_all();
        return std::move(m_rows[i]);
    }

private:
    static constexpr size_t kAhead = 3;

    void read()
    {
        try {
            LocalFile archive(m_path);
            for (size_t i = 0; i < m_waiting.size(); ++i) {
                {
                    std::unique_lock<std::mutex> lock(m_lock);
                    m_changed.wait(lock, [&] { return m_stop || i < m_taken + kAhead; });
                    if (m_stop)
                        return;
                }
                MatchRows rows = ReadLocal(archive, m_waiting[i].match);
                std::lock_guard<std::mutex> lock(m_lock);
                m_rows[i] = std::move(rows);
                m_read = i + 1;
                m_changed.notify_all();
            }
        } catch (...) {
            std::lock_guard<std::mutex> lock(m_lock);
            m_failure = std::current_exception();
            m_changed.notify_all();
        }
    }

    const QString m_path;
    const std::vector<Waiting>& m_waiting;
    std::vector<MatchRows> m_rows;
    std::mutex m_lock;
    std::condition_variable m_changed;
    size_t m_read = 0;   // matches read so far
    size_t m_taken = 0;  // matches the send has taken
    bool m_stop = false;
    std::exception_ptr m_failure;
    std::thread m_thread;  // last: starts once the rest is in place
};

// Runs each(on, first) on two connections at once, so that the server works on two statements:
// first 0 on this thread with the connection given, first 1 on a thread of its own with a
// connection of its own (a connection belongs to the thread that opened it); each takes every
// other one of count items. A failure on either sets failed, which both look at, and is thrown
// once both are done.
void OnTwoConnections(Server& server, const ClubServer& settings, const QString& password, ClubCall& call, size_t count,
                      std::atomic<bool>& failed, const std::function<void(Server& on, size_t first)>& each)
{
    if (count < 2) {
        each(server, 0);
        return;
    }
    std::exception_ptr otherFailure;
    std::thread other([&] {
        try {
            Server second(settings, password, call);
            each(second, 1);
        } catch (...) {
            otherFailure = std::current_exception();
            failed = true;
        }
    });
    try {
        each(server, 0);
    } catch (...) {
        failed = true;
        other.join();
        throw;
    }
    other.join();
    if (otherFailure)
        std::rethrow_exception(otherFailure);
}

} // namespace

// ---------------------------------------------------------------------------------------------

int SendReport::sentCount() const
{
    int n = 0;
    for (const Sent& s : matches)
        n += s.sent ? 1 : 0;
    return n;
}

Found Test(const ClubServer& settings, const QString& password, ClubCall& call)
{
    Found found;
    Server server(settings, password, call);
    {
        QSqlQuery& who = server.run(kServerWho, {});
        if (who.next()) {
            found.serverVersion = who.value(0).toString();
            found.user = who.value(1).toString();
        }
        who.finish();
    }
    call.progressed(1, 2);
    // A database without the tables, or a role without the right to read them, still connects.
    QSqlQuery counts(server.db());
    if (counts.exec(kServerCounts) && counts.next()) {
        found.tables = true;
        found.matches = counts.value(0).toInt();
        found.benches = counts.value(1).toInt();
    }
    call.progressed(2, 2);
    return found;
}

std::vector<Waiting> WaitingMatches(const QString& archivePath, const QString& benchId, const ClubServer& server)
{
    std::vector<Waiting> out;
    if (!QFileInfo::exists(archivePath))
        return out;
    LocalFile archive(archivePath);
    for (const QVariantList& row : archive.rows(WaitingStatement(), {server.place(), benchId})) {
        Waiting w;
        w.match = RecordId::fromText(row.value(0).toString());
        w.digest = row.value(1).toString();
        const auto name = [](const QVariant& v) { return v.isNull() ? std::nullopt : std::optional<QString>(v.toString()); };
        w.caption = MatchCaption(name(row.value(3)), name(row.value(2)), row.value(0).toString());
        out.push_back(std::move(w));
    }
    return out;
}

void SendWaiting(const QString& archivePath, const Bench& bench, const ClubServer& settings, const QString& password,
                 ClubCall& call, SendReport* report)
{
    const std::vector<Waiting> waiting = WaitingMatches(archivePath, bench.id, settings);
    report->matches.clear();
    report->failure.clear();
    for (const Waiting& w : waiting)
        report->matches.push_back({w, false});
    if (waiting.empty())
        return;
    const int count = int(waiting.size()) + 1;
    LocalFile archive(archivePath);
    // The archive is told what the server has committed a batch at a time, not with a disk sync
    // per match: a mark lost with a stop only sends that match again, and the server, finding it
    // there as it stands, keeps its copy.
    // Storing a match is the server's work, one statement at a time on a connection: two
    // connections send every other match, so that the server stores two at once. Each match is
    // still its own transaction. The first connection's thread marks what either has sent.
    std::mutex lock;                // the report's marks and unmarked, written by both threads
    std::vector<size_t> unmarked;   // committed, not yet marked in the archive
    QElapsedTimer sinceMarked;
    sinceMarked.start();
    auto mark = [&] {
        std::vector<size_t> marking;
        {
            std::lock_guard<std::mutex> hold(lock);
            marking = unmarked;
        }
        if (marking.empty())
            return;
        const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        archive.begin();
        for (const size_t i : marking)
            archive.run(kMarkSent, {Bind(waiting[i].match), settings.place(), bench.id, waiting[i].digest, now});
        archive.commit();
        // Only added to meanwhile: the first ones are those marked.
        std::lock_guard<std::mutex> hold(lock);
        unmarked.erase(unmarked.begin(), unmarked.begin() + qsizetype(marking.size()));
        sinceMarked.restart();
    };
    try {
        Server server(settings, password, call);
        server.run(kServerBenchWrite, {bench.id, bench.name});
        call.progressed(1, count);
        ReadAhead reader(archivePath, waiting);
        std::atomic<int> done{1};
        std::atomic<bool> failed{false};
        OnTwoConnections(server, settings, password, call, waiting.size(), failed, [&](Server& on, size_t first) {
            for (size_t i = first; i < waiting.size() && !call.stopped() && !failed.load(); i += 2) {
                const Waiting& w = waiting[i];
                const MatchRows rows = reader.next(i);
                // A send of the same match from elsewhere at the same moment may take the copy
                // number first; once more then finds it there or takes the next.
                for (int attempt = 0;; ++attempt) {
                    try {
                        WriteServer(on, bench, rows, w.digest);
                        break;
                    } catch (const DbError&) {
                        if (attempt > 0 || call.stopped() || !on.db().isOpen())
                            throw;
                    }
                }
                // Marked only once the server has committed it.
                {
                    std::lock_guard<std::mutex> hold(lock);
                    report->matches[i].sent = true;
                    unmarked.push_back(i);
                }
                if (first == 0 && sinceMarked.elapsed() > 1000)
                    mark();
                call.progressed(++done, count, w.caption);
            }
        });
        mark();
    } catch (const DbError& e) {
        report->failure = e.message();
        try {
            mark();
        } catch (const DbError&) {
            // Those matches wait, and go again as they stand: nothing is lost or doubled.
        }
        throw;
    }
}

std::vector<ServerMatch> ListServerMatches(const ClubServer& settings, const QString& password, ClubCall& call)
{
    Server server(settings, password, call);
    std::vector<ServerMatch> out;
    QHash<QString, size_t> index;
    {
        QSqlQuery& q = server.run(kServerMatchList, {});
        while (q.next()) {
            ServerMatch m;
            m.bench = q.value(0).toString();
            m.benchName = q.value(1).toString();
            m.match.id = RecordId::fromText(q.value(2).toString());
            if (!q.isNull(3))
                m.match.homeName = q.value(3).toString();
            if (!q.isNull(4))
                m.match.awayName = q.value(4).toString();
            index.insert(m.bench + QLatin1Char('|') + q.value(2).toString(), out.size());
            out.push_back(std::move(m));
        }
        q.finish();
    }
    call.progressed(1, 2);
    QSqlQuery& q = server.run(kServerScoreList, {});
    while (q.next()) {
        const auto at = index.constFind(q.value(0).toString() + QLatin1Char('|') + q.value(1).toString());
        if (at != index.constEnd())
            out[*at].match.scores.append({q.value(2).toInt(), q.value(3).toInt()});
    }
    q.finish();
    call.progressed(2, 2);
    return out;
}

// ---------------------------------------------------------------------------------------------
// Restoring fetched matches into the working tables, with the archive attached beside them.

namespace {

// Where another bench's identifiers are kept: the archive, a file of its own. A commit that spans
// two files of a write-ahead log is not one, so the mapping is written on a connection of its own
// (the working tables' file with the archive attached), in a transaction committed just before
// the rows' own: a stop in between leaves a mapping that nothing uses yet, never a match of
// another bench that this bench would take for its own. Being apart, the mapping is made match by
// match while the rows are written.
class MappingFile
{
public:
    explicit MappingFile(const QString& archivePath)
    {
        QString error;
        if (!Db::prepareFile(archivePath, &error))
            throw DbError(Words::tr("The archive of saved matches %1 cannot be used: %2").arg(archivePath, error),
                          QStringLiteral("ATTACH"));
        m_file.emplace(Db::connection().databaseName());
        m_file->run(QStringLiteral("ATTACH DATABASE ? AS clubarchive"), {archivePath});
        m_file->run(QStringLiteral("PRAGMA clubarchive.synchronous = FULL"), {});
        // Deferred: it writes the archive only; the working file's write lock is the rows'.
        m_file->run(QStringLiteral("BEGIN"), {});
        m_open = true;
    }
    ~MappingFile()
    {
        if (!m_open)
            return;
        try {
            m_file->run(QStringLiteral("ROLLBACK"), {});
        } catch (const DbError&) {
            // Closing the connection rolls back as well.
        }
    }
    MappingFile(const MappingFile&) = delete;
    MappingFile& operator=(const MappingFile&) = delete;

    // The first row a statement finds, or an empty record when it finds none.
    QSqlRecord first(const QString& sql, const QVariantList& values)
    {
        QSqlQuery& q = m_file->run(sql, values);
        const QSqlRecord row = q.next() ? q.record() : QSqlRecord();
        q.finish();
        return row;
    }
    void execute(const QString& sql, const QVariantList& values) { m_file->run(sql, values).finish(); }

    void commit()
    {
        m_file->commit();
        m_open = false;
    }

private:
    std::optional<LocalFile> m_file;
    bool m_open = false;
};

// Gives another bench's records their identifiers on this computer.
class Mapper
{
public:
    Mapper(MappingFile& file, const QString& bench) : m_file(file), m_bench(bench) {}

    QVariant map(const char* kind, const QVariant& serverId)
    {
        if (serverId.isNull() || serverId.toString().isEmpty())
            return serverId;
        const QString id = serverId.toString();
        const QString key = QLatin1String(kind) + QLatin1Char('|') + id;
        if (const auto at = m_known.constFind(key); at != m_known.constEnd())
            return *at;
        const QSqlRecord found = m_file.first(QStringLiteral("SELECT LOCALID FROM clubarchive.CLUBRECORD WHERE BENCH = ? "
                                                            "AND KIND = ? AND SERVERID = ?"),
                                             {m_bench, QLatin1String(kind), id});
        QString local;
        if (!found.isEmpty()) {
            local = found.value(0).toString();
        } else {
            local = id;
            const RecordId asTime = RecordId::fromText(id);
            for (int tries = 0; taken(kind, local); ++tries) {
                if (asTime.isNull() || !RecordId::isStoredForm(id) || tries > 100000)
                    throw DbError(Words::tr("Another bench's record %1 cannot be restored: this computer has a "
                                            "record with the same identifier.")
                                      .arg(id),
                                  QString());
                local = asTime.addSecs(tries + 1).text();
            }
            m_file.execute(QStringLiteral("INSERT INTO clubarchive.CLUBRECORD (BENCH, KIND, SERVERID, LOCALID) VALUES (?, "
                                          "?, ?, ?)"),
                           {m_bench, QLatin1String(kind), id, local});
        }
        m_known.insert(key, local);
        return local;
    }

private:
    // Whether a record of this computer (working tables, archive) or another bench's record
    // already has the identifier.
    bool taken(const char* kind, const QString& id)
    {
        static const QHash<QString, QString> tables{{QStringLiteral("TEAM"), QStringLiteral("TEAM WHERE TEAMID")},
                                                    {QStringLiteral("PLAYER"), QStringLiteral("PLAYER WHERE PLAYERID")},
                                                    {QStringLiteral("MATCH"), QStringLiteral("MATCH WHERE MATCHID")},
                                                    {QStringLiteral("GAME"), QStringLiteral("GAME WHERE GAMEID")}};
        const QString where = tables.value(QLatin1String(kind));
        return !m_file
                    .first(QStringLiteral("SELECT 1 FROM main.%1 = ? UNION ALL SELECT 1 FROM clubarchive.%1 = ? "
                                          "UNION ALL SELECT 1 FROM clubarchive.CLUBRECORD WHERE KIND = ? AND LOCALID = ?")
                               .arg(where),
                           {id, id, QLatin1String(kind), id})
                    .isEmpty();
    }

    MappingFile& m_file;
    QString m_bench;
    QHash<QString, QString> m_known;
};

// Another bench's identifiers in a match: its rows given their identifiers here, and those that
// differ from the server's, for writing the bulk.
struct Changed
{
    QString kind;
    QString serverId;
    QString localId;
};

QList<Changed> MapOtherBench(MatchRows& m, Mapper& mapper)
{
    QList<Changed> changed;
    auto map = [&](const char* kind, QVariant& id) {
        const QVariant local = mapper.map(kind, id);
        if (local != id)
            changed.append({QLatin1String(kind), id.toString(), local.toString()});
        id = local;
    };
    for (QVariantList& row : m.teams)
        map("TEAM", row[0]);
    for (QVariantList& row : m.players) {
        map("PLAYER", row[0]);
        map("TEAM", row[1]);
    }
    map("MATCH", m.match[0]);
    map("TEAM", m.match[1]);
    map("TEAM", m.match[2]);
    for (QVariantList& row : m.games) {
        map("MATCH", row[0]);
        map("GAME", row[1]);
    }
    for (const QString& id : m.playerIds) {
        QVariant player(id);
        map("PLAYER", player);
    }
    // Each identifier once: an earlier row of the match may have met it already.
    QList<Changed> once;
    QSet<QString> seen;
    for (const Changed& c : changed)
        if (!seen.contains(c.kind + QLatin1Char('|') + c.serverId)) {
            seen.insert(c.kind + QLatin1Char('|') + c.serverId);
            once.append(c);
        }
    return once;
}

// Runs a prepared statement of the working tables with these values.
void RunBound(Query& query, const QVariantList& values)
{
    QSqlQuery& raw = query.raw();
    for (int i = 0; i < values.size(); ++i)
        raw.bindValue(i, values[i]);
    const bool ok = raw.exec();
    const QSqlError error = raw.lastError();
    // Reset at once, so that no statement is open when the transaction commits.
    raw.finish();
    if (!ok)
        throw DbError(error.databaseText().isEmpty() ? error.text() : error.databaseText(), raw.lastQuery());
}

// Writes a few rows of a table into the working tables with one prepared statement. A team or
// player that many matches name is written once: the statement would ignore it after that.
class Inserter
{
public:
    explicit Inserter(const TableShape& shape)
        : m_query(LocalWrite(shape)),
          m_once(shape.table == QLatin1String("TEAM") || shape.table == QLatin1String("PLAYER"))
    {
    }

    void insert(const std::vector<QVariantList>& rows)
    {
        for (const QVariantList& row : rows) {
            if (m_once) {
                const QString id = row.value(0).toString();
                if (m_written.contains(id))
                    continue;
                m_written.insert(id);
            }
            RunBound(m_query, row);
        }
    }

private:
    Query m_query;
    bool m_once;
    QSet<QString> m_written;
};

// The identifiers of another bench's games and players that differ here, for the bulk's rows.
struct BulkIds
{
    BlockInsert::IdMap games, players;

    bool empty() const { return games.empty() && players.empty(); }
    static BulkIds of(const QList<Changed>& changed)
    {
        BulkIds ids;
        for (const Changed& c : changed) {
            if (c.kind == QLatin1String("GAME"))
                ids.games.emplace(c.serverId.toStdString(), c.localId.toStdString());
            else if (c.kind == QLatin1String("PLAYER"))
                ids.players.emplace(c.serverId.toStdString(), c.localId.toStdString());
        }
        return ids;
    }
};

// Writes the server's rows of one table of a match into the working tables, each identifier of a
// game or player given its identifier here where it differs.
class BulkWriter
{
public:
    explicit BulkWriter(const TableShape& shape) : BulkWriter(QStringLiteral("main.") + shape.table, shape.columns) {}
    BulkWriter(const QString& table, const QStringList& columns, const QString& onConflict = {})
        : m_insert(table, columns, onConflict)
    {
        for (const QString& c : columns)
            m_kinds.push_back(c == QLatin1String("GAMEID") ? Game : NamesPlayer(c) ? Player : Plain);
    }

    void write(const RowBlock& rows, const BulkIds& ids)
    {
        if (ids.empty()) {
            m_insert.insert(rows);
            return;
        }
        std::vector<const BlockInsert::IdMap*> maps;
        for (const Kind kind : m_kinds)
            maps.push_back(kind == Game ? &ids.games : kind == Player ? &ids.players : nullptr);
        m_insert.insert(rows, maps);
    }

private:
    enum Kind : char { Plain, Game, Player };

    BlockInsert m_insert;
    std::vector<Kind> m_kinds;
};

// The actions' kept totals while a season comes in. The triggers that keep them add each action
// to its box (TOTALS), and each box to its player's zone (ZONETOTALS) and player-game
// (GAMETOTALS): five upserts an action, which cost more than writing the actions themselves.
// While the guard lives they are lifted: add() adds a match's boxes (summed by the fetching
// thread, Boxes) to TOTALS, and addToZones() makes the zones and player-games that the new boxes
// touch what the triggers keep them, TOTALS summed (a zone whose actions are all gone has no row).
// putBack() puts the triggers back as they were. All of it is in the caller's transaction: a
// rollback puts the triggers back too.
class TotalsAfterwards
{
public:
    TotalsAfterwards()
    {
        // Every trigger a new action sets off; those for deleting or moving a box are not.
        const QStringList names{QStringLiteral("PLAY_TOTALS"), QStringLiteral("TOTALS_ZONE_INSERT"),
                                QStringLiteral("TOTALS_ZONE_UPDATE"), QStringLiteral("TOTALS_GAME_INSERT")};
        QStringList triggers;
        for (const QString& name : names) {
            const auto found = SelectAll(
                QStringLiteral("SELECT sql FROM main.sqlite_master WHERE type = 'trigger' AND name = ?"), {name});
            // A file without all of them keeps them all: they do the work, row by row.
            if (found.empty())
                return;
            triggers << found.front().value(0).toString();
        }
        for (const QString& name : names)
            Execute(QStringLiteral("DROP TRIGGER main.%1").arg(name));
        m_triggers = triggers;

        const QStringList sums = BoxColumns().mid(3);
        QStringList added, summed;
        for (const QString& c : sums) {
            added << QStringLiteral("%1 = %1 + excluded.%1").arg(c);
            summed << QStringLiteral("SUM(%1)").arg(c);
        }
        m_boxes.emplace(QStringLiteral("main.TOTALS"), BoxColumns(),
                        QStringLiteral("ON CONFLICT (PLAYERID, GAMEID, POSITION) DO UPDATE SET %1")
                            .arg(added.join(QStringLiteral(", "))));
        m_zones = QStringLiteral("INSERT INTO main.ZONETOTALS (PLAYERID, POSITION, %1) SELECT PLAYERID, POSITION, %2 FROM "
                                 "main.TOTALS WHERE PLAYERID IN (SELECT PLAYERID FROM temp.CLUBPLAYERS) GROUP BY PLAYERID, "
                                 "POSITION HAVING SUM(ACTIONS) <> 0")
                      .arg(sums.join(QStringLiteral(", ")), summed.join(QStringLiteral(", ")));
        Execute(QStringLiteral("DROP TABLE IF EXISTS temp.CLUBGAMES"));
        Execute(QStringLiteral("CREATE TEMP TABLE CLUBGAMES (GAMEID TEXT PRIMARY KEY) WITHOUT ROWID"));
        m_game.emplace(QStringLiteral("INSERT OR IGNORE INTO temp.CLUBGAMES (GAMEID) VALUES (?)"));
    }
    TotalsAfterwards(const TotalsAfterwards&) = delete;
    TotalsAfterwards& operator=(const TotalsAfterwards&) = delete;

    // A match's boxes, and its games (their identifiers here).
    void add(const RowBlock& boxes, const BulkIds& ids, const QVariantList& games)
    {
        if (m_triggers.isEmpty())
            return;
        m_boxes->write(boxes, ids);
        for (const QVariant& game : games)
            RunBound(*m_game, {game});
    }
    void addToZones()
    {
        if (m_triggers.isEmpty())
            return;
        const QString games = QStringLiteral("SELECT GAMEID FROM temp.CLUBGAMES");
        Execute(QStringLiteral("DELETE FROM main.GAMETOTALS WHERE GAMEID IN (%1)").arg(games));
        Execute(QStringLiteral("INSERT INTO main.GAMETOTALS (PLAYERID, GAMEID, BOXES) SELECT PLAYERID, GAMEID, COUNT(*) FROM "
                               "main.TOTALS WHERE GAMEID IN (%1) GROUP BY PLAYERID, GAMEID")
                    .arg(games));
        Execute(QStringLiteral("DROP TABLE IF EXISTS temp.CLUBPLAYERS"));
        Execute(QStringLiteral("CREATE TEMP TABLE CLUBPLAYERS AS SELECT DISTINCT PLAYERID FROM main.GAMETOTALS WHERE GAMEID "
                               "IN (%1)")
                    .arg(games));
        Execute(QStringLiteral("DELETE FROM main.ZONETOTALS WHERE PLAYERID IN (SELECT PLAYERID FROM temp.CLUBPLAYERS)"));
        Execute(m_zones);
    }
    void putBack()
    {
        m_boxes.reset();
        m_game.reset();
        if (m_triggers.isEmpty())
            return;
        Execute(QStringLiteral("DROP TABLE temp.CLUBGAMES"));
        Execute(QStringLiteral("DROP TABLE IF EXISTS temp.CLUBPLAYERS"));
        for (const QString& trigger : m_triggers)
            Execute(trigger);
        m_triggers.clear();
    }

private:
    QStringList m_triggers;
    std::optional<BulkWriter> m_boxes;
    std::optional<Query> m_game;
    QString m_zones;
};

// Writes the fetched matches into the working tables on the shared connection, as a restore from
// the archive does, a match at a time as they arrive: each match's identifiers given theirs here
// (MappingFile), its rows written in the one transaction of the rows, and the mapping committed
// just before the rows are.
class Restorer
{
public:
    Restorer(const QString& archivePath, const QString& benchId) : m_archivePath(archivePath), m_bench(benchId) {}
    Restorer(const Restorer&) = delete;
    Restorer& operator=(const Restorer&) = delete;

    // One match, in the order asked for: another bench's identifiers given theirs here, then its
    // rows written, unless the working tables have the match already.
    void restore(FetchedMatch& match)
    {
        MatchRows& head = match.head;
        // Named as the server names it, which is what the user chose from.
        const RecordId asServer = RecordId::fromText(head.match.value(0).toString());
        QList<Changed> changed;
        if (head.bench != m_bench) {
            if (!m_mapping)
                m_mapping.emplace(m_archivePath);
            std::unique_ptr<Mapper>& mapper = m_mappers[head.bench];
            if (!mapper)
                mapper = std::make_unique<Mapper>(*m_mapping, head.bench);
            changed = MapOtherBench(head, *mapper);
        }
        if (!m_rows)
            startWriting();
        Writers& w = *m_writers;
        QSqlQuery& known = w.known.raw();
        known.bindValue(0, head.match.value(0));
        if (!known.exec())
            throw DbError(known.lastError().databaseText(), known.lastQuery());
        const bool there = known.next();
        known.finish();
        if (there) {
            m_result.skipped << asServer;
            return;
        }
        const BulkIds ids = BulkIds::of(changed);
        w.teams.insert(head.teams);
        w.players.insert(head.players);
        RunBound(w.match, head.match);
        w.games.insert(head.games);
        const ServerBulk& bulk = match.bulk;
        w.played.write(bulk.played, ids);
        w.plays.write(bulk.plays, ids);
        w.rally.write(bulk.rally, ids);
        QVariantList games;
        const qsizetype gameId = GameShape().columns.indexOf(QStringLiteral("GAMEID"));
        for (const QVariantList& game : head.games)
            games << game.value(gameId);
        m_totals->add(bulk.boxes, ids, games);
        m_result.restored << asServer;
    }

    ArchiveStore::RestoreResult finish()
    {
        if (!m_rows)
            startWriting();
        m_writers.reset();
        m_totals->addToZones();
        m_totals->putBack();
        m_totals.reset();
        m_mappers.clear();
        if (m_mapping)
            m_mapping->commit();
        // The season's log is copied into the file at the pause after, not by this commit.
        const CheckpointAtPause later;
        m_rows->commit();
        m_rows.reset();
        // Records may have come with identifiers newer than any this run has issued.
        ResetRecordIds();
        return m_result;
    }

private:
    struct Writers
    {
        Query known{QStringLiteral("SELECT 1 FROM main.MATCH WHERE MATCHID = ?")};
        Query match{QStringLiteral("INSERT INTO main.MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)")};
        Inserter teams{TeamShape()}, players{PlayerShape()}, games{GameShape()};
        BulkWriter played{PlayedShape()}, plays{PlayShape()}, rally{RallyShape()};
    };

    void startWriting()
    {
        m_rows.emplace();
        m_totals.emplace();
        m_writers.emplace();
    }

    QString m_archivePath;
    QString m_bench;
    // Declared in the order they are made; they go in the reverse one (the rollbacks last).
    std::optional<MappingFile> m_mapping;
    std::map<QString, std::unique_ptr<Mapper>> m_mappers;
    std::optional<Transaction> m_rows;
    std::optional<TotalsAfterwards> m_totals;
    std::optional<Writers> m_writers;
    ArchiveStore::RestoreResult m_result;
};

// What the workers have fetched, for the calling thread to write.
struct Arrivals
{
    explicit Arrivals(size_t count) : matches(count), in(count, false) {}

    // How far the fetch may run ahead of the writing: enough to keep both connections busy, few
    // enough that a season never waits in memory whole.
    static constexpr size_t kAhead = 6;

    std::mutex lock;
    std::condition_variable written;  // `next` moved on
    std::vector<std::optional<FetchedMatch>> matches;  // nothing: a match the server no longer holds
    std::vector<bool> in;
    size_t next = 0;  // the first match not yet written
};

} // namespace

ArchiveStore::RestoreResult RestoreFromServer(const ClubServer& settings, const QString& password,
                                              const QList<ServerKey>& keys, const QString& archivePath,
                                              const QString& benchId, ClubCall& call)
{
    const size_t count = size_t(keys.size());
    Restorer restorer(archivePath, benchId);
    Arrivals arrivals(count);

    // The calling thread takes what has arrived in the order asked for, and maps and writes at
    // most `most` matches (one per arrival while the call waits, so that the call's quiet limit
    // hears of progress at the pace it is made; the rest once the workers are done). A match that
    // has arrived is the calling thread's: the workers never touch it again.
    // Only this thread moves arrivals.next on (under the lock, for the workers who wait for it).
    size_t& next = arrivals.next;
    std::exception_ptr localFailure;
    auto writeArrived = [&](size_t most) {
        for (size_t written = 0; next < count && written < most; ++written) {
            {
                std::lock_guard<std::mutex> hold(arrivals.lock);
                if (!arrivals.in[next])
                    return;
            }
            std::optional<FetchedMatch>& match = arrivals.matches[next];
            if (match)
                restorer.restore(*match);
            match.reset();
            {
                std::lock_guard<std::mutex> hold(arrivals.lock);
                ++next;
            }
            arrivals.written.notify_all();
        }
    };

    // Building a match's rows is most of the server's work: two connections fetch every other
    // match, so that the server builds two at once while this thread writes.
    auto work = [&](ClubCall& c) {
        std::atomic<int> done{0};
        std::atomic<bool> failed{false};
        const int steps = int(count);
        auto fetch = [&](Server& server, size_t first) {
            for (size_t i = first; i < count && !c.stopped() && !failed.load(); i += 2) {
                {
                    // Looked at again now and then: a stop or a failure does not notify.
                    std::unique_lock<std::mutex> hold(arrivals.lock);
                    while (i >= arrivals.next + Arrivals::kAhead && !c.stopped() && !failed.load())
                        arrivals.written.wait_for(hold, std::chrono::milliseconds(50));
                }
                if (c.stopped() || failed.load())
                    break;
                std::optional<FetchedMatch> match = ReadServerMatch(server, keys[qsizetype(i)]);
                {
                    std::lock_guard<std::mutex> hold(arrivals.lock);
                    arrivals.matches[i] = std::move(match);
                    arrivals.in[i] = true;
                }
                c.progressed(++done, steps);
            }
        };
        Server server(settings, password, c);
        OnTwoConnections(server, settings, password, c, count, failed, fetch);
    };

    auto onArrival = [&](int, int, const QString&) {
        if (localFailure)
            return;
        try {
            writeArrived(1);
        } catch (...) {
            // Written on this thread while the workers fetch: they are stopped, and the failure
            // is the one reported.
            localFailure = std::current_exception();
            call.abandon();
        }
    };
    try {
        call.run(work, onArrival);
    } catch (const DbError&) {
        if (localFailure)
            std::rethrow_exception(localFailure);
        throw;
    }
    if (localFailure)
        std::rethrow_exception(localFailure);
    writeArrived(count);
    if (next < count)
        throw DbError(Words::tr("Not every chosen match came from the club server; nothing was restored."), QString());
    return restorer.finish();
}

} // namespace ClubStore

#include "core/ClubStore.h"

#include "core/Database.h"
#include "core/MatchStore.h"
#include "core/RallyStore.h"
#include "core/StatKinds.h"
#include "core/mConstants.h"

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

#include <atomic>
#include <condition_variable>
#include <dlfcn.h>
#include <map>
#include <memory>
#include <mutex>
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
QStringList LineupColumns()
{
    QStringList lineup;
    for (const QString& c : RallyShape().columns)
        if (IsLineupColumn(c))
            lineup << c;
    return lineup;
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
// A match is read from the server in two statements, so that the program can give another
// bench's records their identifiers here before the bulk arrives: first its head (the match row
// with the copy it names, its teams and players, its games, and every player its rows name),
// then the bulk of that copy (line-ups, actions and rally log), each as a JSON array of rows.
QString ServerHeadRead()
{
    return QStringLiteral(
               "WITH K AS (SELECT BENCH AS B, MATCHID AS M, COPY AS C, HOMETEAMID AS H, AWAYTEAMID AS A FROM MATCH "
               "WHERE BENCH = ?::uuid AND MATCHID = ?), "
               "U AS (SELECT X.PLAYERID AS P FROM PLAYED X, K WHERE X.BENCH = K.B AND X.MATCHID = K.M AND X.COPY = K.C "
               "UNION SELECT X.PLAYERID FROM PLAY X, K WHERE X.BENCH = K.B AND X.MATCHID = K.M AND X.COPY = K.C "
               "UNION SELECT unnest(ARRAY[X.PLAYERID, X.OUTID]) FROM RALLY X, K WHERE X.BENCH = K.B AND X.MATCHID = K.M "
               "AND X.COPY = K.C "
               // A line-up stands on many entries in a row: each one is taken apart once.
               "UNION SELECT unnest(D.L) FROM (SELECT DISTINCT ARRAY[X.%1] AS L FROM RALLY X, K WHERE X.BENCH = K.B "
               "AND X.MATCHID = K.M AND X.COPY = K.C) D), "
               "PL AS (SELECT P.PLAYERID, P.TEAMID, P.PLAYERNAME, P.PLAYERNUMBER FROM PLAYER P, K WHERE P.BENCH = K.B "
               "AND (P.TEAMID IN (K.H, K.A) OR P.PLAYERID IN (SELECT U.P FROM U))) "
               "SELECT K.M, K.H, K.A, K.C, "
               "(SELECT json_agg(json_build_array(T.TEAMID, T.TEAMNAME) ORDER BY T.TEAMID) FROM TEAM T WHERE T.BENCH = K.B "
               "AND (T.TEAMID IN (K.H, K.A) OR T.TEAMID IN (SELECT PL.TEAMID FROM PL))), "
               "(SELECT json_agg(json_build_array(PL.PLAYERID, PL.TEAMID, PL.PLAYERNAME, PL.PLAYERNUMBER) "
               "ORDER BY PL.PLAYERID) FROM PL), "
               // The games' few rows keep their numbers as numbers, for the program to read.
               "(SELECT json_agg(json_build_array(X.%2) ORDER BY X.GAMEID) FROM GAME X WHERE X.BENCH = K.B "
               "AND X.MATCHID = K.M AND X.COPY = K.C), "
               "(SELECT json_agg(U.P) FROM U WHERE U.P IS NOT NULL) FROM K")
        .arg(LineupColumns().join(QStringLiteral(", X.")), GameShape().columns.join(QStringLiteral(", X.")));
}

// The bulk goes straight into the working tables: each row as an array of text, since SQLite
// takes a string out of JSON faster than a number, and the tables' typed columns turn the
// numbers' text back into numbers. And how many games the copy still has: an owner's clean-up
// may have removed an old copy.
QString ServerBulkRead()
{
    auto bulk = [](const TableShape& shape, const QString& order) {
        return QStringLiteral("(SELECT json_agg(ARRAY[%1] ORDER BY %2) FROM %3 X WHERE X.BENCH = K.B "
                              "AND X.MATCHID = K.M AND X.COPY = K.C)")
            .arg(QStringLiteral("X.") + shape.columns.join(QStringLiteral("::text, X.")) + QStringLiteral("::text"), order,
                 shape.table);
    };
    return QStringLiteral("WITH K AS (SELECT ?::uuid AS B, ?::text AS M, ?::integer AS C) SELECT %1, %2, %3, "
                          "(SELECT count(*) FROM GAME X WHERE X.BENCH = K.B AND X.MATCHID = K.M AND X.COPY = K.C) FROM K")
        .arg(bulk(PlayedShape(), QStringLiteral("X.GAMEID, X.PLAYERID")),
             bulk(PlayShape(), QStringLiteral("X.GAMEID, X.PLAYID")), bulk(RallyShape(), QStringLiteral("X.GAMEID, X.ENTRY")));
}

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
// A value of another bench's record given its identifier here, when the match's were changed.
QString MapValue(bool mapped, const char* kind, const QString& value)
{
    return mapped ? QStringLiteral("COALESCE((SELECT LOCALID FROM temp.CLUBMAP WHERE KIND = '%1' AND SERVERID = %2), %2)")
                        .arg(QLatin1String(kind), value)
                  : value;
}
// The server's JSON rows into the working tables; mapped, each identifier of another bench's record
// given its identifier here (temp.CLUBMAP holds those that differ). Each row's text is taken from
// json_each once (MATERIALIZED): json_each writes an array row's text anew at every mention of
// its value, which for a row of 27 values took most of the time.
QString LocalBulkWrite(const TableShape& shape, bool mapped)
{
    QStringList values;
    for (int i = 0; i < shape.columns.size(); ++i) {
        const QString& c = shape.columns[i];
        const QString value = QStringLiteral("J.R ->> '$[%1]'").arg(i);
        values << (c == QLatin1String("GAMEID") ? MapValue(mapped, "GAME", value)
                   : c == QLatin1String("PLAYERID") || c == QLatin1String("OUTID") || IsLineupColumn(c)
                       ? MapValue(mapped, "PLAYER", value)
                       : value);
    }
    return QStringLiteral("WITH J AS MATERIALIZED (SELECT value AS R FROM json_each(?)) INSERT INTO main.%1 (%2) "
                          "SELECT %3 FROM J")
        .arg(shape.table, shape.columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")));
}

QString ServerArrays(const QStringList& columns, const TableShape& shape)
{
    QStringList arrays;
    for (const QString& c : columns)
        arrays << (shape.integers.contains(c) ? QStringLiteral("?::integer[]") : QStringLiteral("?::text[]"));
    return QStringLiteral("unnest(%1)").arg(arrays.join(QStringLiteral(", ")));
}
// A team or player row: the bench's latest names win on the server.
QString ServerRosterWrite(const TableShape& shape)
{
    const QStringList columns = ContentColumns(shape);
    const QString list = columns.join(QStringLiteral(", "));
    if (shape.table == QLatin1String("TEAM"))
        return QStringLiteral("INSERT INTO TEAM (BENCH, %1) SELECT ?::uuid, * FROM %2 ON CONFLICT (BENCH, TEAMID) DO "
                              "UPDATE SET TEAMNAME = excluded.TEAMNAME WHERE TEAM.TEAMNAME IS DISTINCT FROM "
                              "excluded.TEAMNAME")
            .arg(list, ServerArrays(columns, shape));
    if (shape.table == QLatin1String("PLAYER"))
        return QStringLiteral("INSERT INTO PLAYER (BENCH, %1) SELECT ?::uuid, * FROM %2 ON CONFLICT (BENCH, PLAYERID) DO "
                              "UPDATE SET TEAMID = excluded.TEAMID, PLAYERNAME = excluded.PLAYERNAME, PLAYERNUMBER = "
                              "excluded.PLAYERNUMBER WHERE (PLAYER.TEAMID, PLAYER.PLAYERNAME, PLAYER.PLAYERNUMBER) IS "
                              "DISTINCT FROM (excluded.TEAMID, excluded.PLAYERNAME, excluded.PLAYERNUMBER)")
            .arg(list, ServerArrays(columns, shape));
    return QString();
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
    return QStringLiteral("WITH T AS (%1 RETURNING 1), P AS (%2 RETURNING 1), M AS (%3), %4, %5, %6, %7 SELECT COPY FROM M")
        .arg(ServerRosterWrite(TeamShape()), ServerRosterWrite(PlayerShape()), kServerMatchWrite, games(GameShape()),
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

// The head of one match of the server, of the copy its match row names; nothing when the server
// does not hold the match (any more).
std::optional<MatchRows> ReadServerHead(Server& server, const ServerKey& key)
{
    QSqlQuery& q = server.run(ServerHeadRead(), {key.bench, Bind(key.match)});
    if (!q.next()) {
        q.finish();
        return std::nullopt;
    }
    MatchRows m;
    m.bench = key.bench;
    m.match = {q.value(0), q.value(1), q.value(2)};
    m.copy = q.value(3).toInt();
    m.teams = JsonRows(q.value(4).toString());
    m.players = JsonRows(q.value(5).toString());
    m.games = JsonRows(q.value(6).toString());
    for (const QJsonValue& id : QJsonDocument::fromJson(q.value(7).toString().toUtf8()).array())
        m.playerIds << id.toString();
    q.finish();
    return m;
}

// The bulk of the copy a head names. A copy is written whole in one transaction and never changed
// after, so head and bulk belong together even when the bench sends the match again in between.
void ReadServerBulk(Server& server, MatchRows& m)
{
    QSqlQuery& q = server.run(ServerBulkRead(), {m.bench, m.match.value(0), m.copy});
    const bool found = q.next();
    const bool whole = found && q.value(3).toLongLong() == qint64(m.games.size());
    if (whole) {
        m.played = q.value(0).toString();
        m.plays = q.value(1).toString();
        m.rally = q.value(2).toString();
    }
    q.finish();
    if (!whole)
        throw DbError(Words::tr("The match %1 changed on the club server while it was being restored. Restore it again.")
                          .arg(RecordId::fromText(m.match.value(0).toString()).displayText()),
                      QString());
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

// The waiting matches read from the archive on a thread of its own, a match or two ahead of the
// send, so that the archive is read while the server stores the match before. The thread has its
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

    // The rows of the i-th waiting match, taken in order.
    MatchRows next(size_t i)
    {
        std::unique_lock<std::mutex> lock(m_lock);
        m_changed.wait(lock, [&] { return m_read > i || m_failure; });
        if (m_read <= i)
            std::rethrow_exception(m_failure);
        m_taken = i + 1;
        m_changed.notify_all();
        return std::move(m_rows[i]);
    }

private:
    static constexpr size_t kAhead = 2;

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
    std::vector<size_t> unmarked;
    QElapsedTimer sinceMarked;
    sinceMarked.start();
    auto mark = [&] {
        if (unmarked.empty())
            return;
        const QString now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        archive.begin();
        for (const size_t i : unmarked)
            archive.run(kMarkSent, {Bind(waiting[i].match), settings.place(), bench.id, waiting[i].digest, now});
        archive.commit();
        unmarked.clear();
        sinceMarked.restart();
    };
    try {
        Server server(settings, password, call);
        server.run(kServerBenchWrite, {bench.id, bench.name});
        call.progressed(1, count);
        ReadAhead reader(archivePath, waiting);
        for (size_t i = 0; i < waiting.size() && !call.stopped(); ++i) {
            const Waiting& w = waiting[i];
            const MatchRows rows = reader.next(i);
            // A send of the same match from elsewhere at the same moment may take the copy number
            // first; once more then finds it there or takes the next.
            for (int attempt = 0;; ++attempt) {
                try {
                    WriteServer(server, bench, rows, w.digest);
                    break;
                } catch (const DbError&) {
                    if (attempt > 0 || call.stopped() || !server.db().isOpen())
                        throw;
                }
            }
            // Marked only once the server has committed it.
            report->matches[i].sent = true;
            unmarked.push_back(i);
            if (sinceMarked.elapsed() > 1000)
                mark();
            call.progressed(int(i) + 2, count, w.caption);
        }
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

// The archive attached to the shared connection as "clubarchive" while the guard lives; made or
// upgraded first when needed.
class ArchiveBeside
{
public:
    explicit ArchiveBeside(const QString& path)
    {
        QString error;
        if (!Db::prepareFile(path, &error))
            throw DbError(Words::tr("The archive of saved matches %1 cannot be used: %2").arg(path, error),
                          QStringLiteral("ATTACH"));
        QSqlQuery(QStringLiteral("DETACH DATABASE clubarchive"), Db::connection());
        Execute(QStringLiteral("ATTACH DATABASE ? AS clubarchive"), {path});
        Execute(QStringLiteral("PRAGMA clubarchive.synchronous = FULL"));
    }
    ~ArchiveBeside()
    {
        QSqlQuery detach(Db::connection());
        detach.exec(QStringLiteral("DETACH DATABASE clubarchive"));
    }
    ArchiveBeside(const ArchiveBeside&) = delete;
    ArchiveBeside& operator=(const ArchiveBeside&) = delete;
};

// Gives another bench's records their identifiers on this computer.
class Mapper
{
public:
    explicit Mapper(const QString& bench) : m_bench(bench) {}

    QVariant map(const char* kind, const QVariant& serverId)
    {
        if (serverId.isNull() || serverId.toString().isEmpty())
            return serverId;
        const QString id = serverId.toString();
        const QString key = QLatin1String(kind) + QLatin1Char('|') + id;
        if (const auto at = m_known.constFind(key); at != m_known.constEnd())
            return *at;
        const auto found = SelectAll(QStringLiteral("SELECT LOCALID FROM clubarchive.CLUBRECORD WHERE BENCH = ? AND "
                                                    "KIND = ? AND SERVERID = ?"),
                                     {m_bench, QLatin1String(kind), id});
        QString local;
        if (!found.empty()) {
            local = found.front().value(0).toString();
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
            Execute(QStringLiteral("INSERT INTO clubarchive.CLUBRECORD (BENCH, KIND, SERVERID, LOCALID) VALUES (?, ?, ?, ?)"),
                    {m_bench, QLatin1String(kind), id, local});
        }
        m_known.insert(key, local);
        return local;
    }

private:
    // Whether a record of this computer (working tables, archive) or another bench's record
    // already has the identifier.
    static bool taken(const char* kind, const QString& id)
    {
        static const QHash<QString, QString> tables{{QStringLiteral("TEAM"), QStringLiteral("TEAM WHERE TEAMID")},
                                                    {QStringLiteral("PLAYER"), QStringLiteral("PLAYER WHERE PLAYERID")},
                                                    {QStringLiteral("MATCH"), QStringLiteral("MATCH WHERE MATCHID")},
                                                    {QStringLiteral("GAME"), QStringLiteral("GAME WHERE GAMEID")}};
        const QString where = tables.value(QLatin1String(kind));
        return !SelectAll(QStringLiteral("SELECT 1 FROM main.%1 = ? UNION ALL SELECT 1 FROM clubarchive.%1 = ? "
                                         "UNION ALL SELECT 1 FROM clubarchive.CLUBRECORD WHERE KIND = ? AND LOCALID = ?")
                              .arg(where),
                          {id, id, QLatin1String(kind), id})
                    .empty();
    }

    QString m_bench;
    QHash<QString, QString> m_known;
};

// Another bench's identifiers in a match: its rows given their identifiers here, and those that
// differ from the server's, for the statements that write the bulk (temp.CLUBMAP).
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

// The actions' kept totals while a season comes in. The trigger that adds each action to its
// totals, three upserts an action, cost more than writing the actions themselves; while the guard
// lives it is lifted, add() adds the actions written since the last call to the totals in one
// statement, with the trigger's own rule (a column left empty adds 0, a pass rating adds to
// PASSSUM and counts in PASSNET, ACTIONS counts rows), and putBack() puts the trigger back as it
// was. All of it is in the caller's transaction: a rollback puts the trigger back too.
class TotalsAfterwards
{
public:
    TotalsAfterwards()
    {
        const auto found = SelectAll(
            QStringLiteral("SELECT sql FROM main.sqlite_master WHERE type = 'trigger' AND name = 'PLAY_TOTALS'"));
        if (found.empty())
            return;
        m_trigger = found.front().value(0).toString();
        m_sum = SumStatement();
        m_lastAction = LastAction();
        Execute(QStringLiteral("DROP TRIGGER main.PLAY_TOTALS"));
    }
    TotalsAfterwards(const TotalsAfterwards&) = delete;
    TotalsAfterwards& operator=(const TotalsAfterwards&) = delete;

    void add()
    {
        if (m_trigger.isEmpty())
            return;
        Execute(m_sum, {m_lastAction});
        m_lastAction = LastAction();
    }
    void putBack()
    {
        if (m_trigger.isEmpty())
            return;
        Execute(m_trigger);
        m_trigger.clear();
    }

private:
    // Rows are only ever added to PLAY while the guard lives, each with a rowid above the last; the
    // sum reads that range of rowids itself (NOT INDEXED), never an index over every action.
    static QVariant LastAction()
    {
        return SelectAll(QStringLiteral("SELECT COALESCE(MAX(rowid), 0) FROM main.PLAY")).front().value(0);
    }
    static QString SumStatement()
    {
        QStringList columns, sums;
        QString rating;
        for (const StatKind& k : kStatKinds) {
            const QString c = QLatin1String(k.column);
            if (k.shape == StatShape::Rating) {
                rating = c;
                continue;
            }
            columns << c;
            sums << QStringLiteral("COALESCE(SUM(%1), 0)").arg(c);
        }
        columns << QStringLiteral("PASSSUM") << QStringLiteral("PASSNET") << QStringLiteral("ACTIONS");
        sums << QStringLiteral("COALESCE(SUM(%1), 0)").arg(rating)
             << QStringLiteral("COALESCE(SUM(CASE WHEN %1 > 0 THEN 1 WHEN %1 < 0 THEN -1 ELSE 0 END), 0)").arg(rating)
             << QStringLiteral("COUNT(*)");
        QStringList added;
        for (const QString& c : columns)
            added << QStringLiteral("%1 = %1 + excluded.%1").arg(c);
        return QStringLiteral("INSERT INTO main.TOTALS (GAMEID, PLAYERID, POSITION, %1) SELECT GAMEID, PLAYERID, "
                              "POSITION, %2 FROM main.PLAY NOT INDEXED WHERE rowid > ? GROUP BY GAMEID, PLAYERID, POSITION "
                              "ON CONFLICT (PLAYERID, GAMEID, POSITION) DO UPDATE SET %3")
            .arg(columns.join(QStringLiteral(", ")), sums.join(QStringLiteral(", ")), added.join(QStringLiteral(", ")));
    }

    QString m_trigger;
    QString m_sum;
    QVariant m_lastAction;
};

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

// Writes a few rows of a table into the working tables with one prepared statement.
class Inserter
{
public:
    explicit Inserter(const TableShape& shape) : m_query(LocalWrite(shape)) {}

    void insert(const std::vector<QVariantList>& rows)
    {
        for (const QVariantList& row : rows)
            RunBound(m_query, row);
    }

private:
    Query m_query;
};

// Writes the fetched matches into the working tables on the shared connection, as a restore from
// the archive does, a match at a time as they arrive: first every match's identifiers, given
// theirs here and committed, then the rows in one transaction.
class Restorer
{
public:
    Restorer(const QString& archivePath, const QString& benchId) : m_archive(archivePath), m_bench(benchId) {}
    Restorer(const Restorer&) = delete;
    Restorer& operator=(const Restorer&) = delete;

    // Another bench's identifiers first, in the archive and committed: a stop before the rows are
    // written leaves a mapping that nothing uses yet, never a match of another bench that this
    // bench would take for its own. Each head is mapped in place as it arrives, in the order
    // asked for; a missing one is a match the server no longer holds.
    void map(size_t i, std::optional<MatchRows>& head)
    {
        if (!m_mapping)
            m_mapping.emplace();
        if (m_serverIds.size() <= i) {
            m_serverIds.resize(i + 1);
            m_changed.resize(i + 1);
        }
        if (!head)
            return;
        MatchRows& m = *head;
        // Named as the server names it, which is what the user chose from.
        m_serverIds[i] = RecordId::fromText(m.match.value(0).toString());
        if (m.bench == m_bench)
            return;
        std::unique_ptr<Mapper>& mapper = m_mappers[m.bench];
        if (!mapper)
            mapper = std::make_unique<Mapper>(m.bench);
        m_changed[i] = MapOtherBench(m, *mapper);
    }

    // Every head is mapped: the mapping is committed, and the transaction that writes the rows
    // begins.
    void startWriting()
    {
        if (m_mapping)
            m_mapping->commit();
        m_mapping.reset();
        m_mappers.clear();
        Execute(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS CLUBMAP (KIND TEXT NOT NULL, SERVERID TEXT NOT NULL, "
                               "LOCALID TEXT NOT NULL, PRIMARY KEY (KIND, SERVERID))"));
        Execute(QStringLiteral("DELETE FROM temp.CLUBMAP"));
        m_rows.emplace();
        m_totals.emplace();
        m_writers.emplace();
    }

    // One match: its head as map() left it, and its bulk, in the order asked for.
    void write(size_t i, const MatchRows& head, const MatchRows& bulk)
    {
        if (!SelectAll(QStringLiteral("SELECT 1 FROM main.MATCH WHERE MATCHID = ?"), {head.match.value(0)}).empty()) {
            m_result.skipped << m_serverIds[i];
            return;
        }
        const QList<Changed>& changed = m_changed[i];
        for (const Changed& c : changed)
            Execute(QStringLiteral("INSERT INTO temp.CLUBMAP (KIND, SERVERID, LOCALID) VALUES (?, ?, ?)"),
                    {c.kind, c.serverId, c.localId});
        Writers& w = *m_writers;
        w.teams.insert(head.teams);
        w.players.insert(head.players);
        Execute(QStringLiteral("INSERT INTO main.MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"), head.match);
        w.games.insert(head.games);
        // The statements that map identifiers cost a lookup per identifier and row: only for a
        // match whose identifiers changed.
        const bool mapped = !changed.isEmpty();
        RunBound(mapped ? w.mappedPlayed : w.played, {Json(bulk.played)});
        RunBound(mapped ? w.mappedPlays : w.plays, {Json(bulk.plays)});
        RunBound(mapped ? w.mappedRally : w.rally, {Json(bulk.rally)});
        m_totals->add();
        if (mapped)
            Execute(QStringLiteral("DELETE FROM temp.CLUBMAP"));
        m_result.restored << m_serverIds[i];
    }

    ArchiveStore::RestoreResult finish()
    {
        m_writers.reset();
        m_totals->putBack();
        m_totals.reset();
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
        Inserter teams{TeamShape()}, players{PlayerShape()}, games{GameShape()};
        Query played{LocalBulkWrite(PlayedShape(), false)}, plays{LocalBulkWrite(PlayShape(), false)},
            rally{LocalBulkWrite(RallyShape(), false)};
        Query mappedPlayed{LocalBulkWrite(PlayedShape(), true)}, mappedPlays{LocalBulkWrite(PlayShape(), true)},
            mappedRally{LocalBulkWrite(RallyShape(), true)};
    };

    static QVariant Json(const QString& bulk)
    {
        return bulk.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(bulk);
    }

    ArchiveBeside m_archive;
    QString m_bench;
    std::vector<RecordId> m_serverIds;
    std::vector<QList<Changed>> m_changed;
    std::map<QString, std::unique_ptr<Mapper>> m_mappers;
    std::optional<Transaction> m_mapping;
    // Declared in the order they are made; they go in the reverse one (a rollback last).
    std::optional<Transaction> m_rows;
    std::optional<TotalsAfterwards> m_totals;
    std::optional<Writers> m_writers;
    ArchiveStore::RestoreResult m_result;
};

// What the workers have fetched, for the calling thread to write.
struct Arrivals
{
    explicit Arrivals(size_t count) : heads(count), bulks(count), headIn(count, false), bulkIn(count, false) {}

    std::mutex lock;
    std::vector<std::optional<MatchRows>> heads, bulks;
    std::vector<bool> headIn, bulkIn;
};

} // namespace

ArchiveStore::RestoreResult RestoreFromServer(const ClubServer& settings, const QString& password,
                                              const QList<ServerKey>& keys, const QString& archivePath,
                                              const QString& benchId, ClubCall& call)
{
    const size_t count = size_t(keys.size());
    Restorer restorer(archivePath, benchId);
    Arrivals arrivals(count);

    // The calling thread takes what has arrived in the order asked for: it maps each head, and
    // once every head is mapped, writes matches whose bulk is in, at most `most` of them (one per
    // arrival while the call waits, so that the call's quiet limit hears of progress at the pace
    // it is made; the rest once the workers are done). A head or bulk that has arrived is the
    // calling thread's: the workers never touch it again.
    size_t mapping = 0;
    bool writing = false;
    size_t next = 0;
    std::exception_ptr localFailure;
    auto writeArrived = [&](size_t most) {
        for (; mapping < count; ++mapping) {
            {
                std::lock_guard<std::mutex> hold(arrivals.lock);
                if (!arrivals.headIn[mapping])
                    return;
            }
            restorer.map(mapping, arrivals.heads[mapping]);
        }
        if (!writing) {
            restorer.startWriting();
            writing = true;
        }
        for (size_t written = 0; next < count && written < most; ++next, ++written) {
            {
                std::lock_guard<std::mutex> hold(arrivals.lock);
                if (!arrivals.bulkIn[next])
                    return;
            }
            std::optional<MatchRows>& head = arrivals.heads[next];
            std::optional<MatchRows>& bulk = arrivals.bulks[next];
            if (head && bulk)
                restorer.write(next, *head, *bulk);
            head.reset();
            bulk.reset();
        }
    };

    // Building a match's rows is most of the server's work, and a server works on one statement
    // per connection: a second connection on a thread of its own (a connection belongs to the
    // thread that opened it) fetches every other match, so that the server builds two at once
    // while this thread writes.
    auto work = [&](ClubCall& c) {
        std::atomic<int> done{0};
        std::atomic<bool> failed{false};
        const int steps = int(count) * 2;
        auto fetch = [&](Server& server, size_t first) {
            std::vector<std::optional<MatchRows>> mine;
            for (size_t i = first; i < count && !c.stopped() && !failed.load(); i += 2) {
                std::optional<MatchRows> head = ReadServerHead(server, keys[qsizetype(i)]);
                mine.push_back(head);
                {
                    std::lock_guard<std::mutex> hold(arrivals.lock);
                    arrivals.heads[i] = std::move(head);
                    arrivals.headIn[i] = true;
                }
                c.progressed(++done, steps);
            }
            for (size_t i = first, k = 0; k < mine.size() && !c.stopped() && !failed.load(); i += 2, ++k) {
                std::optional<MatchRows>& bulk = mine[k];
                if (bulk)
                    ReadServerBulk(server, *bulk);
                {
                    std::lock_guard<std::mutex> hold(arrivals.lock);
                    arrivals.bulks[i] = std::move(bulk);
                    arrivals.bulkIn[i] = true;
                }
                c.progressed(++done, steps);
            }
        };
        Server server(settings, password, c);
        if (count < 2) {
            fetch(server, 0);
            return;
        }
        std::exception_ptr otherFailure;
        std::thread other([&] {
            try {
                Server second(settings, password, c);
                fetch(second, 1);
            } catch (...) {
                otherFailure = std::current_exception();
                failed = true;
            }
        });
        try {
            fetch(server, 0);
        } catch (...) {
            failed = true;
            other.join();
            throw;
        }
        other.join();
        if (otherFailure)
            std::rethrow_exception(otherFailure);
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

#include "storage/ArchiveStore.h"

#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "storage/RallyStore.h"
#include "base/StatKinds.h"
#include "storage/Progress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QStringList>

namespace ArchiveStore {

namespace {

// The schema names of the two databases on the shared connection; the only names that reach the
// statement text besides the tables' own.
const QString kWorking = QStringLiteral("main");
const QString kArchive = QStringLiteral("archive");

// The texts of this file, under the context translators know them by (a class of its own, so
// that the translation tools find every call).
struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ArchiveStore)
};

// The MATCH columns that travel: the teams, the options a match is continued with and whether it
// was ended. Whether it is being recorded belongs to the program that records it: a copy is not.
const QString kMatchColumns = QStringLiteral("MATCHID, HOMETEAMID, AWAYTEAMID, GAMES, POINTS, SIDE, SIDEOUTROTATE, "
                                             "SCOREFROMACTION, ENDED");

// Every PLAY column: the action's place, then one per stat kind, so a new kind travels too.
QString playColumns()
{
    QStringList columns{QStringLiteral("GAMEID"), QStringLiteral("PLAYID"), QStringLiteral("PLAYERID"),
                        QStringLiteral("POSITION")};
    for (const StatKind& k : kStatKinds)
        columns << QString::fromLatin1(k.column);
    return columns.join(QStringLiteral(", "));
}

// The matches one operation moves, kept on the connection's own temporary schema.
void pick(const QList<RecordId>& matches = {})
{
    Execute(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS ARCHIVE_PICKED (MATCHID TEXT NOT NULL PRIMARY KEY)"));
    Execute(QStringLiteral("DELETE FROM temp.ARCHIVE_PICKED"));
    for (const RecordId& id : matches)
        Execute(QStringLiteral("INSERT OR IGNORE INTO temp.ARCHIVE_PICKED (MATCHID) VALUES (?)"), {Bind(id)});
}

QString pickedGames(const QString& schema)
{
    return QStringLiteral("SELECT GAMEID FROM %1.GAME WHERE MATCHID IN (SELECT MATCHID FROM temp.ARCHIVE_PICKED)")
        .arg(schema);
}

// Copies the picked matches whole, with their games, participation and actions. The kept totals
// of the receiving side are made by its own trigger as the actions arrive.
void copyPicked(const QString& from, const QString& to)
{
    const QString picked = QStringLiteral("(SELECT MATCHID FROM temp.ARCHIVE_PICKED)");
    Execute(QStringLiteral("INSERT INTO %2.MATCH (%4) SELECT %4 FROM %1.MATCH WHERE MATCHID IN %3")
                .arg(from, to, picked, kMatchColumns));
    Execute(QStringLiteral("INSERT INTO %2.GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                           "SELECT MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM %1.GAME WHERE MATCHID IN %3")
                .arg(from, to, picked));
    Execute(QStringLiteral("INSERT INTO %2.PLAYED (GAMEID, PLAYERID) SELECT GAMEID, PLAYERID FROM %1.PLAYED "
                           "WHERE GAMEID IN (%3)")
                .arg(from, to, pickedGames(from)));
    Execute(QStringLiteral("INSERT INTO %2.PLAY (%4) SELECT %4 FROM %1.PLAY WHERE GAMEID IN (%3)")
                .arg(from, to, pickedGames(from), playColumns()));
    Execute(QStringLiteral("INSERT INTO %2.RALLY (%4) SELECT %4 FROM %1.RALLY WHERE GAMEID IN (%3)")
                .arg(from, to, pickedGames(from), RallyStore::Columns()));
    // What a scout file said of the match goes with it, so that the file is known again.
    Execute(QStringLiteral("INSERT INTO %2.SCOUTMATCH (MATCHID, FILEKEY) SELECT MATCHID, FILEKEY FROM %1.SCOUTMATCH "
                           "WHERE MATCHID IN %3")
                .arg(from, to, picked));
}

void step(ProgressScope* progress, int done)
{
    if (progress)
        progress->step(done);
}

}  // namespace

namespace {
// The archive attached now, and how many guards hold it: a guard made while another holds the
// same archive leaves it as it is (a season's files are each looked for in it, attached once).
struct Attachment
{
    QString path;
    int guards = 0;
};
Attachment& Current()
{
    static Attachment current;
    return current;
}
}  // namespace

Attached::Attached(const QString& path)
{
    Attachment& current = Current();
    if (current.guards > 0 && current.path == path) {
        ++current.guards;
        return;
    }
    QString error;
    if (!Db::prepareFile(path, &error))
        throw ArchiveError(path, error, QStringLiteral("ATTACH"));
    // One left attached by an earlier failure would refuse the name.
    QSqlQuery(QStringLiteral("DETACH DATABASE archive"), Db::connection());
    try {
        Execute(QStringLiteral("ATTACH DATABASE ? AS archive"), {path});
        // What is committed to the archive must survive a power cut as the working tables do.
        Execute(QStringLiteral("PRAGMA archive.synchronous = FULL"));
    } catch (const DbError& e) {
        throw ArchiveError(path, e.message(), e.statement());
    }
    current = {path, 1};
}

Attached::~Attached()
{
    Attachment& current = Current();
    if (--current.guards > 0)
        return;
    current = {};
    QSqlQuery detach(Db::connection());
    detach.exec(QStringLiteral("DETACH DATABASE archive"));
}

ArchiveError::ArchiveError(const QString& path, const QString& reason, const QString& statement)
    : DbError(
        Words::tr("The archive of saved matches %1 cannot be used: %2").arg(QDir::toNativeSeparators(path), reason),
        statement),
      m_path(path),
      m_reason(reason)
{
}

QString DefaultPath()
{
    const QString database = Db::isOpen() ? Db::connection().databaseName() : QString();
    if (database.isEmpty())
        throw DbError(Words::tr("No database is open, so there is no archive of saved matches beside it."), QString());
    return PathBeside(database);
}

QString PathBeside(const QString& database)
{
    // Beside the file itself, as the lock is: two folders that share one database by a link
    // share its archive too.
    const QString resolved = QFileInfo(database).canonicalFilePath();
    const QFileInfo file(resolved.isEmpty() ? database : resolved);
    return QDir(file.absolutePath()).filePath(QStringLiteral("Archive.db"));
}

namespace {

// ArchiveMatches, which sets *writing once the statements that follow write the archive.
int archiveChanges(const QString& path, ProgressScope* progress, bool* writing)
{
    if (progress)
        progress->setCount(4);
    if (!QFileInfo::exists(path)
        && SelectAll(QStringLiteral("SELECT 1 WHERE EXISTS (SELECT 1 FROM main.MATCH) OR EXISTS (SELECT 1 FROM "
                                    "main.TEAM) OR EXISTS (SELECT 1 FROM main.PLAYER)"))
               .empty()) {
        // Nothing to keep, and no archive made for it.
        step(progress, 3);
        return 0;
    }
    Attached archive(path);
    // Read only, until something is found to write.
    Transaction t;
    pick();
    // New matches, and archived ones that have changed since they were archived: options or the
    // end changed, a game added or scored, an action, a player on court or a log entry more. Actions and log entries are only
    // ever added (a take-back is one too), so their count tells a changed match.
    const int picked = Execute(QStringLiteral(
        "INSERT INTO temp.ARCHIVE_PICKED (MATCHID) SELECT M.MATCHID FROM main.MATCH M "
        "WHERE NOT EXISTS (SELECT 1 FROM archive.MATCH A WHERE A.MATCHID = M.MATCHID) "
        "OR EXISTS (SELECT GAMES, POINTS, SIDE, SIDEOUTROTATE, SCOREFROMACTION, ENDED FROM main.MATCH "
        "           WHERE MATCHID = M.MATCHID EXCEPT SELECT GAMES, POINTS, SIDE, SIDEOUTROTATE, SCOREFROMACTION, "
        "           ENDED FROM archive.MATCH WHERE MATCHID = M.MATCHID) "
        "OR EXISTS (SELECT GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM main.GAME WHERE MATCHID = M.MATCHID "
        "           EXCEPT SELECT GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE FROM archive.GAME WHERE MATCHID = M.MATCHID) "
        "OR (SELECT COUNT(*) FROM main.PLAY WHERE GAMEID IN (SELECT GAMEID FROM main.GAME WHERE MATCHID = M.MATCHID)) "
        "   <> (SELECT COUNT(*) FROM archive.PLAY WHERE GAMEID IN "
        "       (SELECT GAMEID FROM archive.GAME WHERE MATCHID = M.MATCHID)) "
        "OR (SELECT COUNT(*) FROM main.PLAYED WHERE GAMEID IN (SELECT GAMEID FROM main.GAME WHERE MATCHID = M.MATCHID)) "
        "   <> (SELECT COUNT(*) FROM archive.PLAYED WHERE GAMEID IN "
        "       (SELECT GAMEID FROM archive.GAME WHERE MATCHID = M.MATCHID)) "
        "OR (SELECT COUNT(*) FROM main.RALLY WHERE GAMEID IN (SELECT GAMEID FROM main.GAME WHERE MATCHID = M.MATCHID)) "
        "   <> (SELECT COUNT(*) FROM archive.RALLY WHERE GAMEID IN "
        "       (SELECT GAMEID FROM archive.GAME WHERE MATCHID = M.MATCHID))"));
    step(progress, 1);
    // The roster rows the archive lacks or holds otherwise: new teams and players, and renames,
    // moves and new numbers since the last exit. Rows the roster has lost stay archived.
    const QString newTeams = QStringLiteral("SELECT TEAMID, TEAMNAME FROM main.TEAM "
                                            "EXCEPT SELECT TEAMID, TEAMNAME FROM archive.TEAM");
    const QString newPlayers = QStringLiteral("SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM main.PLAYER "
                                              "EXCEPT SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM archive.PLAYER");
    const bool rosterChanged
        = !SelectAll(QStringLiteral("SELECT 1 WHERE EXISTS (%1) OR EXISTS (%2)").arg(newTeams, newPlayers)).empty();
    if (picked == 0 && !rosterChanged) {
        // Everything is archived as it stands: nothing is written, so an archive that can only be
        // read (a read-only file or medium) does not hold up the exit.
        pick();
        t.commit();
        step(progress, 3);
        return 0;
    }
    *writing = true;
    if (picked > 0) {
        // A changed match replaces its archived copy whole. The kept totals go with the actions,
        // since the trigger only ever adds to them.
        const QString games = pickedGames(kArchive);
        for (const char* table : {"TOTALS", "PLAY", "PLAYED", "RALLY"})
            Execute(QStringLiteral("DELETE FROM archive.%1 WHERE GAMEID IN (%2)").arg(QLatin1String(table), games));
        Execute(QStringLiteral("DELETE FROM archive.GAME WHERE MATCHID IN (SELECT MATCHID FROM temp.ARCHIVE_PICKED)"));
        Execute(
            QStringLiteral("DELETE FROM archive.SCOUTMATCH WHERE MATCHID IN (SELECT MATCHID FROM temp.ARCHIVE_PICKED)"));
        Execute(QStringLiteral("DELETE FROM archive.MATCH WHERE MATCHID IN (SELECT MATCHID FROM temp.ARCHIVE_PICKED)"));
        copyPicked(kWorking, kArchive);
    }
    step(progress, 2);
    // The roster as it stands, so that a restore can name every player and team even after they
    // were deleted; a rename since the last exit replaces the older name. Only the rows that
    // differ are written.
    Execute(QStringLiteral("INSERT INTO archive.TEAM (TEAMID, TEAMNAME) SELECT TEAMID, TEAMNAME FROM (%1) "
                           "WHERE true ON CONFLICT (TEAMID) DO UPDATE SET TEAMNAME = excluded.TEAMNAME")
                .arg(newTeams));
    Execute(QStringLiteral("INSERT INTO archive.PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) "
                           "SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM (%1) WHERE true "
                           "ON CONFLICT (PLAYERID) DO UPDATE SET TEAMID = excluded.TEAMID, "
                           "PLAYERNAME = excluded.PLAYERNAME, PLAYERNUMBER = excluded.PLAYERNUMBER")
                .arg(newPlayers));
    pick();
    t.commit();
    step(progress, 3);
    return picked;
}

}  // namespace

int ArchiveMatches(const QString& path, ProgressScope* progress)
{
    bool writing = false;
    try {
        return archiveChanges(path, progress, &writing);
    } catch (const ArchiveError&) {
        throw;
    } catch (const DbError& e) {
        // A statement that wrote the archive (or the commit) was refused: the archive file is full,
        // read-only or gone. One that only read is the working tables' as much as the archive's.
        if (writing)
            throw ArchiveError(path, e.message(), e.statement());
        throw;
    }
}

void ArchiveThenForget(const QString& path, ProgressScope* progress)
{
    // Two transactions on purpose: the archive's commit is on the disk before the first row is
    // deleted, so a stop between them leaves the matches in both places, and the next exit finds
    // them archived already.
    ArchiveMatches(path, progress);
    MatchStore::ForgetMatches();
    step(progress, 4);
}

std::vector<ArchivedMatch> ListMatches(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    Attached archive(path);
    std::vector<ArchivedMatch> out;
    QHash<QString, std::size_t> index;
    {
        const auto rows = SelectAll(QStringLiteral("SELECT M.MATCHID, H.TEAMNAME, A.TEAMNAME FROM archive.MATCH M "
                                                   "LEFT JOIN archive.TEAM H ON H.TEAMID = M.HOMETEAMID "
                                                   "LEFT JOIN archive.TEAM A ON A.TEAMID = M.AWAYTEAMID "
                                                   "ORDER BY M.MATCHID"));
        out.reserve(rows.size());
        for (const QSqlRecord& row : rows) {
            ArchivedMatch m;
            m.id = RecordId::fromText(row.value(0).toString());
            if (!row.isNull(1))
                m.homeName = row.value(1).toString();
            if (!row.isNull(2))
                m.awayName = row.value(2).toString();
            index.insert(row.value(0).toString(), out.size());
            out.push_back(std::move(m));
        }
    }
    for (const QSqlRecord& row : SelectAll(QStringLiteral("SELECT MATCHID, HOMESCORE, AWAYSCORE FROM archive.GAME "
                                                          "ORDER BY MATCHID, GAMENUMBER, GAMEID"))) {
        const auto at = index.constFind(row.value(0).toString());
        if (at != index.constEnd())
            out[*at].scores.append({row.value(1).toInt(), row.value(2).toInt()});
    }
    return out;
}

RestoreResult Restore(const QString& path, const QList<RecordId>& matches, ProgressScope* progress)
{
    RestoreResult result;
    if (progress)
        progress->setCount(int(matches.size()));
    Attached archive(path);
    Transaction t;
    const QString games = pickedGames(kArchive);
    int done = 0;
    for (const RecordId& id : matches) {
        step(progress, ++done);
        if (!SelectAll(QStringLiteral("SELECT 1 FROM main.MATCH WHERE MATCHID = ?"), {Bind(id)}).empty()) {
            result.skipped << id;
            continue;
        }
        if (SelectAll(QStringLiteral("SELECT 1 FROM archive.MATCH WHERE MATCHID = ?"), {Bind(id)}).empty())
            continue;
        pick({id});
        // The players and teams the match names that the roster has lost since; a roster entry
        // still there keeps what the user has made of it.
        Execute(QStringLiteral("INSERT OR IGNORE INTO main.PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) "
                               "SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM archive.PLAYER "
                               "WHERE PLAYERID IN (SELECT PLAYERID FROM archive.PLAYED WHERE GAMEID IN (%1) "
                               "                   UNION SELECT PLAYERID FROM archive.PLAY WHERE GAMEID IN (%1))")
                    .arg(games));
        Execute(QStringLiteral("INSERT OR IGNORE INTO main.TEAM (TEAMID, TEAMNAME) "
                               "SELECT TEAMID, TEAMNAME FROM archive.TEAM WHERE TEAMID IN "
                               "(SELECT HOMETEAMID FROM archive.MATCH WHERE MATCHID = ? "
                               " UNION SELECT AWAYTEAMID FROM archive.MATCH WHERE MATCHID = ? "
                               " UNION SELECT TEAMID FROM archive.PLAYER WHERE PLAYERID IN "
                               "   (SELECT PLAYERID FROM archive.PLAYED WHERE GAMEID IN (%1) "
                               "    UNION SELECT PLAYERID FROM archive.PLAY WHERE GAMEID IN (%1)))")
                    .arg(games),
                {Bind(id), Bind(id)});
        copyPicked(kArchive, kWorking);
        result.restored << id;
    }
    pick();
    t.commit();
    return result;
}

}  // namespace ArchiveStore

#include "storage/Database.h"
#include "storage/DatabaseFile.h"

#include "base/StatKinds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QSqlQuery>
#include <QStorageInfo>

namespace Db::detail {

const QStringList& requiredTables()
{
    static const QStringList tables{QStringLiteral("TEAM"), QStringLiteral("PLAYER"), QStringLiteral("MATCH"),
                                    QStringLiteral("GAME"), QStringLiteral("PLAY"), QStringLiteral("PLAYED"),
                                    QStringLiteral("REPORT"), QStringLiteral("GAMECOUNT")};
    return tables;
}

QString engineMessage(const QSqlError& error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    if (text.isEmpty())
        text = QCoreApplication::translate("Database", "The database did not accept the statement.");
    return text;
}

QString probeWrite(QSqlDatabase& db, int version, bool* busy)
{
    const auto refused = [busy](const QSqlError& e) {
        // SQLITE_BUSY and SQLITE_LOCKED, with or without their extended codes.
        const int code = e.nativeErrorCode().toInt() & 0xff;
        if (busy)
            *busy = code == 5 || code == 6;
        return engineMessage(e);
    };
    if (!db.transaction())
        return refused(db.lastError());
    QString reason;
    {
        QSqlQuery q(db);
        // A pragma takes no bound value; the number is the file's own.
        if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)))
            reason = refused(q.lastError());
    }
    db.rollback();
    return reason;
}

// The view that stands for the stored parameter query: a player's totals of every counted kind
// per game, each 0 when nothing is recorded, read from the kept totals rather than by summing the
// actions. Callers filter it by pPLAYERID and pGAMEID. Pass ratings are averaged, not totalled,
// so they stay out of it.
QString SumStatsView()
{
    QStringList totals;
    for (const StatKind& k : kStatKinds) {
        if (k.shape != StatShape::Rating)
            totals << QStringLiteral("SUM(%1) AS i%1").arg(QLatin1String(k.column));
    }
    return QStringLiteral("CREATE VIEW SUM_STATS AS SELECT PLAYERID AS pPLAYERID, GAMEID AS pGAMEID, %1 "
                          "FROM TOTALS GROUP BY PLAYERID, GAMEID")
        .arg(totals.join(QStringLiteral(", ")));
}

}  // namespace Db::detail

namespace Db {

using detail::engineMessage;
using detail::probeWrite;
using detail::requiredTables;
using detail::upgradeFrom;

namespace {
// Copies the file at path, as it stands before the upgrade from version that is about to run,
// to the one backup kept for that version. The copy is written under a temporary name and
// replaces the backup an earlier, interrupted upgrade left only once it is whole, so there is a
// complete copy of the file at every moment, and never a second one.
bool keepBackup(QSqlDatabase& db, const QString& path, int version, QString* error)
{
    // Rows committed to the log but not yet to the file (a copy that stopped without closing)
    // belong in the copy too.
    QSqlQuery(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), db);
    const QString backup = backupPath(path, version);
    QFile source(path);
    QSaveFile copy(backup);
    bool copied = source.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly);
    while (copied && !source.atEnd()) {
        const QByteArray block = source.read(1 << 16);
        copied = !block.isEmpty() && copy.write(block) == block.size();
    }
    copied = copied && copy.commit();
    if (!copied && error) {
        QString why = source.error() != QFileDevice::NoError ? source.errorString() : copy.errorString();
        // A disk without room for the copy is told as such: the system's word for it, once the
        // copy is given up, is often "Unknown error".
        const QStorageInfo disk(QFileInfo(backup).absolutePath());
        if (source.error() == QFileDevice::NoError && disk.isValid() && disk.bytesAvailable() < source.size())
            why = QCoreApplication::translate("Database", "the disk holding it is full (%1 free, %2 needed)")
                      .arg(QLocale().formattedDataSize(disk.bytesAvailable()), QLocale().formattedDataSize(source.size()));
        *error = QCoreApplication::translate("Database", "it needs an upgrade, and the copy kept before upgrading "
                                                         "could not be written as %1: %2")
                     .arg(QDir::toNativeSeparators(backup), why);
    }
    return copied;
}
}  // namespace

namespace detail {
bool upgrade(const QString& path, int version, QString* error)
{
    QSqlDatabase db = connection();
    QString reason;
    if (const QString refused = probeWrite(db, version); !refused.isEmpty()) {
        // Nothing is copied for an upgrade that cannot run.
        reason = QCoreApplication::translate("Database", "It needs an upgrade from database version %1, but it "
                                                         "cannot be written: %2")
                     .arg(version)
                     .arg(refused);
    } else if (!keepBackup(db, path, version, &reason)) {
        // The phrase as a sentence of its own.
        reason = reason.left(1).toUpper() + reason.mid(1);
    } else if (!db.transaction()) {
        reason = engineMessage(db.lastError());
    } else if (!upgradeFrom(db, version, &reason) || !db.commit()) {
        if (reason.isEmpty())
            reason = engineMessage(db.lastError());
        db.rollback();
        reason = QCoreApplication::translate("Database", "It could not be upgraded from database version %1: %2")
                     .arg(version)
                     .arg(reason);
    } else {
        return true;
    }
    if (error)
        *error = reason;
    return false;
}
}  // namespace detail

// Runs a script of statements on db. Statements end with ';' at the end of a line, a trigger
// with "END;" on a line of its own; comments are whole lines.
static bool runScript(QSqlDatabase& db, const QString& script, QString* error)
{
    QSqlQuery q(db);
    QString statement;
    for (const QString& line : script.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")) || trimmed.isEmpty())
            continue;
        statement += line + QLatin1Char('\n');
        const bool inTrigger = statement.trimmed().startsWith(QLatin1String("CREATE TRIGGER"), Qt::CaseInsensitive);
        if (inTrigger ? trimmed.compare(QLatin1String("END;"), Qt::CaseInsensitive) != 0
                      : !trimmed.endsWith(QLatin1Char(';')))
            continue;
        if (!q.exec(statement)) {
            if (error)
                *error = engineMessage(q.lastError());
            return false;
        }
        statement.clear();
    }
    return true;
}

static bool readResource(const QString& name, QString* text, QString* error)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QCoreApplication::translate("Database", "The schema is missing from the program.");
        return false;
    }
    *text = QString::fromUtf8(file.readAll());
    return true;
}

// Brings a database of schema version `from` to the current one: each upgrade script in turn,
// then the version, all on db's open transaction.
bool detail::upgradeFrom(QSqlDatabase& db, int from, QString* error, int to)
{
    for (int version = from + 1; version <= to; ++version) {
        QString script;
        if (!readResource(QStringLiteral(":/upgrades/%1.sql").arg(version), &script, error)
            || !runScript(db, script, error))
            return false;
    }
    QSqlQuery q(db);
    // A pragma takes no bound value; the number is the program's own constant.
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(to))) {
        if (error)
            *error = engineMessage(q.lastError());
        return false;
    }
    return true;
}

bool createFresh(const QString& path, QString* error, int version)
{
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QCoreApplication::translate("Database", "The file already exists.");
        return false;
    }
    QString schema;
    if (!readResource(QStringLiteral(":/schema.sql"), &schema, error))
        return false;

    const QString name = QStringLiteral("sidelines_create");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            ok = false;
            if (error)
                *error = engineMessage(db.lastError());
        } else {
            // The first tables, then every upgrade since: a fresh file is made the same way an old
            // one is brought up to date, so the two cannot drift apart.
            db.transaction();
            ok = runScript(db, schema, error) && upgradeFrom(db, 0, error, version);
            if (ok)
                ok = db.commit();
            else
                db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        QFile::remove(path);
    return ok;
}

bool prepareFile(const QString& path, QString* error)
{
    const QFileInfo info(path);
    // An empty file is what a process stopped while creating one leaves behind.
    if (!info.exists() || (info.isFile() && info.size() == 0)) {
        // Written under another name and renamed into place, so that a stop at any moment leaves
        // either no file or a whole one.
        const QString part = path + QStringLiteral(".part");
        QFile::remove(part);
        if (!createFresh(part, error))
            return false;
        QFile::remove(path);
        if (!QFile::rename(part, path)) {
            QFile::remove(part);
            if (error)
                *error = QCoreApplication::translate("Database", "it could not be written.");
            return false;
        }
        return true;
    }
    const QString name = QStringLiteral("sidelines_prepare");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (!db.open()) {
            if (error)
                *error = engineMessage(db.lastError());
        } else if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                                          "('TEAM', 'PLAYER', 'MATCH', 'GAME', 'PLAY', 'PLAYED')"))
                   || !q.next()) {
            if (error)
                *error = engineMessage(q.lastError());
        } else if (q.value(0).toInt() != 6) {
            if (error)
                *error = QCoreApplication::translate("Database", "it is not a Sidelines database.");
        } else if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
            if (error)
                *error = engineMessage(q.lastError());
        } else {
            const int version = q.value(0).toInt();
            q.finish();
            QString reason;
            if (version > kSchemaVersion) {
                reason = QCoreApplication::translate("Database", "it was written by a newer Sidelines (database "
                                                                 "version %1); this Sidelines reads database "
                                                                 "version %2 and older.")
                             .arg(version)
                             .arg(kSchemaVersion);
            } else if (version == kSchemaVersion) {
                // Nothing is written: a file that can only be read is still read.
                ok = true;
            } else if (const QString refused = probeWrite(db, version); !refused.isEmpty()) {
                // Neither a copy nor an upgrade for a file that cannot take the upgrade.
                reason = QCoreApplication::translate("Database", "it needs an upgrade from database version %1, "
                                                                 "but it cannot be written: %2")
                             .arg(version)
                             .arg(refused);
            } else if (keepBackup(db, path, version, &reason)) {
                if (db.transaction()) {
                    ok = upgradeFrom(db, version, &reason) && db.commit();
                    if (!ok && reason.isEmpty())
                        reason = engineMessage(db.lastError());
                    if (!ok)
                        db.rollback();
                } else {
                    reason = engineMessage(db.lastError());
                }
            }
            if (!ok && error)
                *error = reason;
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool isReadOnlyFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    const QString name = QStringLiteral("sidelines_readonly_probe");
    bool readOnly = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            // A file the engine cannot even read is no database it could be asked to leave alone.
            if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next()) {
                const int version = q.value(0).toInt();
                q.finish();
                // Another copy writing just now is no sign of a file that cannot change.
                bool busy = false;
                readOnly = !probeWrite(db, version, &busy).isEmpty() && !busy;
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return readOnly;
}

int schemaVersion()
{
    const auto rows = SelectAll(QStringLiteral("PRAGMA user_version"));
    return rows.empty() ? 0 : rows.front().value(0).toInt();
}

QString backupPath(const QString& path, int version)
{
    return path + QStringLiteral(".schema%1.bak").arg(version);
}

}  // namespace Db

void CheckSumStats()
{
    // Listing the stored queries is listing the views; only the exact name counts.
    bool found = false;
    for (const QSqlRecord& row : SelectAll(QStringLiteral("SELECT name FROM sqlite_master WHERE type='view'"))) {
        if (row.value(0).toString() == QLatin1String("SUM_STATS"))
            found = true;
    }
    if (found)
        return;
    Execute(Db::detail::SumStatsView());
}

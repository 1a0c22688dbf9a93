#include "storage/Database.h"
#include "storage/DatabaseFile.h"

#include "storage/BlockInsert.h"
#include "storage/RecordIssue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QPointer>
#include <QSqlError>
#include <QStorageInfo>
#include <QStringList>
#include <QTimer>

#include <map>
#include <memory>

namespace {
constexpr auto kConnection = "pubDB";
}  // namespace

using Db::detail::engineMessage;

Q_LOGGING_CATEGORY(lcDatabase, "sidelines.database")

DbError::DbError(const QString& message, const QString& statement)
    : std::runtime_error(message.toStdString()), m_message(message), m_statement(statement)
{
    // Whoever catches it may show only the engine's words; the terminal keeps which statement it
    // was, for a report of the fault.
    if (!statement.isEmpty())
        qCWarning(lcDatabase).noquote() << message + QStringLiteral("\n  in: ") + statement;
}

QString DiskFullReason(const QString& engineMessage, const QString& file, qint64 bytesFree)
{
    // Below this an I/O error of a write is taken for the disk's room running out: the log and
    // its index grow by a few pages at a time, and a checkpoint needs the file's room again.
    constexpr qint64 kNearlyFull = 16 * 1024 * 1024;
    const bool full = engineMessage.contains(QLatin1String("disk is full"), Qt::CaseInsensitive)
                      || engineMessage.contains(QLatin1String("No space left"), Qt::CaseInsensitive)
                      || (engineMessage.contains(QLatin1String("disk I/O error"), Qt::CaseInsensitive)
                          && bytesFree >= 0 && bytesFree < kNearlyFull);
    if (!full || file.isEmpty())
        return {};
    const QString where = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath());
    if (bytesFree < 0)
        return QCoreApplication::translate("Sidelines", "The disk holding %1 is full: nothing more could be written "
                                                        "to it. Make room on that disk, then try again.")
            .arg(where);
    return QCoreApplication::translate("Sidelines", "The disk holding %1 is full (%2 free): nothing more could be "
                                                    "written to it. Make room on that disk, then try again.")
        .arg(where, QLocale().formattedDataSize(bytesFree));
}

QString DiskFullReason(const QString& engineMessage, const QString& file)
{
    const QStorageInfo disk(QFileInfo(file).absolutePath());
    return DiskFullReason(engineMessage, file, disk.isValid() ? disk.bytesAvailable() : -1);
}

QString DescribeFailure(const DbError& error)
{
    const QString file = Db::isOpen() ? Db::connection().databaseName() : QString();
    if (!file.isEmpty() && !QFileInfo::exists(file))
        return QCoreApplication::translate("Sidelines", "The database file %1 is no longer there: it was moved or "
                                                        "deleted while Sidelines was running.")
            .arg(QDir::toNativeSeparators(file));
    if (!file.isEmpty()) {
        if (const QString full = DiskFullReason(error.message(), file); !full.isEmpty())
            return full;
    }
    return error.message();
}

QString FailureDetails(const DbError& error)
{
    if (error.statement().isEmpty())
        return {};
    return QCoreApplication::translate("Sidelines", "The statement that failed:") + QLatin1Char('\n')
           + error.statement();
}

namespace Db {

namespace {
QString& refusal()
{
    static QString reason;
    return reason;
}

QString probeWrite()
{
    QSqlDatabase db = connection();
    return detail::probeWrite(db, schemaVersion());
}

// The log is copied into the file (a checkpoint, with its own sync of the file) once the writing
// pauses for a moment, not by whichever commit happens to fill it: a recorded action never waits
// for one. A commit still checkpoints when the log grows past kLogPagesWithoutPause, for writing
// that never pauses.
constexpr int kQuietMs = 1000;
constexpr int kLogPagesWithoutPause = 10000;

struct QuietCheckpoints
{
    QPointer<QTimer> timer;
    qint64 seen = 0; // the connection's count of changed rows at the last look
    qint64 copied = 0; // the same when the log was last copied into the file
};

QuietCheckpoints& quiet()
{
    static QuietCheckpoints q;
    return q;
}

qint64 changesSoFar(QSqlDatabase& db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("SELECT total_changes()")) && q.next() ? q.value(0).toLongLong() : -1;
}

void lookForAPause()
{
    QSqlDatabase db = connection();
    if (!db.isOpen())
        return;
    QuietCheckpoints& q = quiet();
    const qint64 changes = changesSoFar(db);
    if (changes < 0 || changes != q.seen) {
        q.seen = changes;
        return;
    }
    if (changes == q.copied)
        return;
    // PASSIVE: never waits, and a checkpoint that cannot run now (inside a transaction) runs at
    // the next pause.
    QSqlQuery checkpoint(db);
    if (checkpoint.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)")))
        q.copied = changes;
}

void startQuietCheckpoints()
{
    QuietCheckpoints& q = quiet();
    // Without an event loop (a command-line tool) only the commits' own checkpoints run.
    if (!QCoreApplication::instance())
        return;
    if (!q.timer) {
        q.timer = new QTimer(QCoreApplication::instance());
        QObject::connect(q.timer, &QTimer::timeout, lookForAPause);
    }
    q.timer->setInterval(kQuietMs);
    QSqlDatabase db = connection();
    q.seen = q.copied = changesSoFar(db);
    q.timer->start();
}
}  // namespace

QString writeRefusal()
{
    return refusal();
}

QSqlDatabase connection()
{
    return QSqlDatabase::database(QString::fromLatin1(kConnection), false);
}

bool isOpen()
{
    return QSqlDatabase::contains(QString::fromLatin1(kConnection)) && connection().isOpen();
}

static bool openConnection(const QString& path, QString* error)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QString::fromLatin1(kConnection));
    db.setDatabaseName(path);
    if (!db.open()) {
        if (error)
            *error = engineMessage(db.lastError());
        db = QSqlDatabase();
        close();
        return false;
    }
    if (!BlockInsert::enable(db, error)) {
        db = QSqlDatabase();
        close();
        return false;
    }
    return true;
}

bool open(const QString& path, QString* error)
{
    close();
    ResetRecordIds();
    const QFileInfo info(path);
    if (!info.exists()) {
        if (error)
            *error = QCoreApplication::translate("Database", "The file does not exist.");
        return false;
    }
    if (!info.isFile() || !info.isReadable()) {
        if (error)
            *error = QCoreApplication::translate("Database", "The file cannot be read.");
        return false;
    }
    if (!openConnection(path, error))
        return false;
    try {
        Execute(QStringLiteral("PRAGMA busy_timeout=2000"));
        // One look at the catalogue rather than one statement per table: this runs at every start.
        QStringList present;
        for (const QSqlRecord& row : SelectAll(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'")))
            present << row.value(0).toString();
        QStringList missing;
        for (const QString& table : detail::requiredTables()) {
            if (!present.contains(table, Qt::CaseInsensitive))
                missing << table;
        }
        if (!missing.isEmpty()) {
            if (error)
                *error = QCoreApplication::translate("Database", "It is not a Sidelines database: the table %1 is missing.")
                             .arg(missing.join(QStringLiteral(", ")));
            close();
            return false;
        }
        const int version = schemaVersion();
        if (version > kSchemaVersion) {
            if (error)
                *error = QCoreApplication::translate("Database",
                                                     "It was written by a newer Sidelines (database version %1); "
                                                     "this Sidelines reads database version %2 and older.")
                             .arg(version)
                             .arg(kSchemaVersion);
            close();
            return false;
        }
        if (version < kSchemaVersion && !detail::upgrade(path, version, error)) {
            close();
            return false;
        }
        // A file the engine will not write is still opened, so that the roster can be read;
        // the start says so.
        refusal() = probeWrite();
        // A write-ahead log keeps each recorded action one short sync, and synchronous=FULL
        // makes that sync survive a power cut, not only a killed process. Turning the log on is
        // itself a write.
        if (refusal().isEmpty()) {
            Execute(QStringLiteral("PRAGMA journal_mode=WAL"));
            Execute(QStringLiteral("PRAGMA wal_autocheckpoint=%1").arg(kLogPagesWithoutPause));
            startQuietCheckpoints();
        }
        Execute(QStringLiteral("PRAGMA synchronous=FULL"));
    } catch (const DbError& e) {
        // A file that is not a database at all fails on its first statement.
        if (error)
            *error = e.message();
        close();
        return false;
    }
    return true;
}

// Statements kept prepared on the shared connection (ExecuteKept); dropped before it closes.
static std::map<QString, std::unique_ptr<QSqlQuery>>& keptStatements()
{
    static std::map<QString, std::unique_ptr<QSqlQuery>> kept;
    return kept;
}

void close()
{
    keptStatements().clear();
    refusal().clear();
    if (quiet().timer)
        quiet().timer->stop();
    if (!QSqlDatabase::contains(QString::fromLatin1(kConnection)))
        return;
    {
        QSqlDatabase db = connection();
        if (db.isOpen()) {
            // Everything into the database file itself, so that a copy of the folder taken while
            // the program is stopped holds every row.
            QSqlQuery(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), db);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(kConnection));
}

}  // namespace Db

QSqlDatabase pubDB()
{
    return Db::connection();
}

Query::Query(const QString& sql) : m_sql(sql), m_query(Db::connection())
{
    if (!m_query.prepare(sql))
        throw DbError(engineMessage(m_query.lastError()), sql);
}

Query::Query(const QString& sql, std::initializer_list<QVariant> values) : Query(sql)
{
    for (const QVariant& v : values)
        m_query.addBindValue(v);
}

Query::Query(const QString& sql, const QVariantList& values) : Query(sql)
{
    for (const QVariant& v : values)
        m_query.addBindValue(v);
}

Query& Query::bind(const QVariant& value)
{
    m_query.addBindValue(value);
    return *this;
}

Query& Query::bind(const RecordId& id)
{
    m_query.addBindValue(Bind(id));
    return *this;
}

Query& Query::exec()
{
    if (!m_query.exec())
        throw DbError(engineMessage(m_query.lastError()), m_sql);
    return *this;
}

namespace {
int executeQuery(Query& q)
{
    q.exec();
    return q.numRowsAffected();
}

std::vector<QSqlRecord> selectAll(Query& q)
{
    q.raw().setForwardOnly(true);
    q.exec();
    std::vector<QSqlRecord> rows;
    while (q.next())
        rows.push_back(q.record());
    return rows;
}
}  // namespace

int Execute(const QString& sql, std::initializer_list<QVariant> values)
{
    Query q(sql, values);
    return executeQuery(q);
}

int ExecuteKept(const QString& sql, std::initializer_list<QVariant> values)
{
    return ExecuteKept(sql, QVariantList(values));
}

int ExecuteKept(const QString& sql, const QVariantList& values)
{
    std::unique_ptr<QSqlQuery>& q = Db::keptStatements()[sql];
    if (!q) {
        auto prepared = std::make_unique<QSqlQuery>(Db::connection());
        if (!prepared->prepare(sql))
            throw DbError(engineMessage(prepared->lastError()), sql);
        q = std::move(prepared);
    }
    int i = 0;
    for (const QVariant& v : values)
        q->bindValue(i++, v);
    const bool ok = q->exec();
    const int changed = q->numRowsAffected();
    const QString failure = ok ? QString() : engineMessage(q->lastError());
    // Reset, so that the kept statement holds no lock between actions.
    q->finish();
    if (!ok)
        throw DbError(failure, sql);
    return changed;
}

int Execute(const QString& sql, const QVariantList& values)
{
    Query q(sql, values);
    return executeQuery(q);
}

std::vector<QSqlRecord> SelectAll(const QString& sql, std::initializer_list<QVariant> values)
{
    Query q(sql, values);
    return selectAll(q);
}

std::vector<QSqlRecord> SelectAll(const QString& sql, const QVariantList& values)
{
    Query q(sql, values);
    return selectAll(q);
}

QVariant Bind(const RecordId& id)
{
    return id.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(id.text());
}

namespace {
// Guards open on the shared connection; only the window's thread writes through them.
int& openTransactions()
{
    static int open = 0;
    return open;
}

QString savepoint(int level)
{
    // A name of the program's own making: no text from outside reaches it.
    return QStringLiteral("sidelines_%1").arg(level);
}
}  // namespace

Transaction::Transaction() : m_level(openTransactions())
{
    QSqlDatabase db = Db::connection();
    if (m_level == 0) {
        if (!db.transaction())
            throw DbError(engineMessage(db.lastError()), QStringLiteral("BEGIN"));
    } else {
        Execute(QStringLiteral("SAVEPOINT ") + savepoint(m_level));
    }
    ++openTransactions();
    m_open = true;
}

Transaction::~Transaction()
{
    --openTransactions();
    if (!m_open)
        return;
    if (m_level == 0) {
        Db::connection().rollback();
        return;
    }
    // Undoes this guard's statements only; the outer transaction goes on (or was already ended by
    // the engine after a failure, when these statements fail quietly).
    QSqlQuery undo(Db::connection());
    undo.exec(QStringLiteral("ROLLBACK TO ") + savepoint(m_level));
    undo.exec(QStringLiteral("RELEASE ") + savepoint(m_level));
}

void Transaction::commit()
{
    if (m_level > 0) {
        Execute(QStringLiteral("RELEASE ") + savepoint(m_level));
        m_open = false;
        return;
    }
    QSqlDatabase db = Db::connection();
    if (!db.commit()) {
        const QString message = engineMessage(db.lastError());
        db.rollback();
        m_open = false;
        throw DbError(message, QStringLiteral("COMMIT"));
    }
    m_open = false;
}

CheckpointAtPause::CheckpointAtPause()
{
    Execute(QStringLiteral("PRAGMA wal_autocheckpoint=0"));
}

CheckpointAtPause::~CheckpointAtPause()
{
    QSqlQuery(QStringLiteral("PRAGMA wal_autocheckpoint=%1").arg(Db::kLogPagesWithoutPause), Db::connection());
}

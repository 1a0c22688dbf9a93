#include "core/Database.h"

#include "core/RecordId.h"
#include "core/StatKinds.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QStringList>

namespace {
constexpr auto kConnection = "pubDB";

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

// The view that stands for the stored parameter query: a player's totals of every counted kind
// per game, each 0 when nothing is recorded. Callers filter it by pPLAYERID and pGAMEID. Pass
// ratings are averaged, not totalled, so they stay out of it.
QString SumStatsView()
{
    QStringList totals;
    for (const StatKind& k : kStatKinds) {
        if (k.shape != StatShape::Rating)
            totals << QStringLiteral("COALESCE(SUM(%1),0) AS i%1").arg(QLatin1String(k.column));
    }
    return QStringLiteral("CREATE VIEW SUM_STATS AS SELECT PLAYERID AS pPLAYERID, GAMEID AS pGAMEID, %1 "
                          "FROM PLAY GROUP BY PLAYERID, GAMEID")
        .arg(totals.join(QStringLiteral(", ")));
}
}  // namespace

DbError::DbError(const QString& message, const QString& statement)
    : std::runtime_error(message.toStdString()), m_message(message), m_statement(statement)
{
}

namespace Db {

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
        // Full durability: a recorded action must survive the process being killed right after
        // the screen said it was recorded.
        Execute(QStringLiteral("PRAGMA synchronous=FULL"));
        Execute(QStringLiteral("PRAGMA busy_timeout=2000"));
        // One look at the catalogue rather than one statement per table: this runs at every start.
        QStringList present;
        for (const QSqlRecord& row : SelectAll(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'")))
            present << row.value(0).toString();
        QStringList missing;
        for (const QString& table : requiredTables()) {
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
    } catch (const DbError& e) {
        // A file that is not a database at all fails on its first statement.
        if (error)
            *error = e.message();
        close();
        return false;
    }
    return true;
}

void close()
{
    if (!QSqlDatabase::contains(QString::fromLatin1(kConnection)))
        return;
    {
        QSqlDatabase db = connection();
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(kConnection));
}

bool createFresh(const QString& path, QString* error)
{
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QCoreApplication::translate("Database", "The file already exists.");
        return false;
    }
    QFile schemaFile(QStringLiteral(":/schema.sql"));
    if (!schemaFile.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QCoreApplication::translate("Database", "The schema is missing from the program.");
        return false;
    }
    const QString schema = QString::fromUtf8(schemaFile.readAll());

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
            QSqlQuery q(db);
            db.transaction();
            // Statements end with ';' at the end of a line; comments are whole lines.
            QString statement;
            const QStringList lines = schema.split(QLatin1Char('\n'));
            for (const QString& line : lines) {
                const QString trimmed = line.trimmed();
                if (trimmed.startsWith(QLatin1String("--")) || trimmed.isEmpty())
                    continue;
                statement += line + QLatin1Char('\n');
                if (trimmed.endsWith(QLatin1Char(';'))) {
                    if (!q.exec(statement)) {
                        ok = false;
                        if (error)
                            *error = engineMessage(q.lastError());
                        break;
                    }
                    statement.clear();
                }
            }
            if (ok)
                ok = db.commit();
            else
                db.rollback();
            q = QSqlQuery();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok)
        QFile::remove(path);
    return ok;
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

Transaction::Transaction()
{
    QSqlDatabase db = Db::connection();
    if (!db.transaction())
        throw DbError(engineMessage(db.lastError()), QStringLiteral("BEGIN"));
    m_open = true;
}

Transaction::~Transaction()
{
    if (m_open)
        Db::connection().rollback();
}

void Transaction::commit()
{
    QSqlDatabase db = Db::connection();
    if (!db.commit()) {
        const QString message = engineMessage(db.lastError());
        db.rollback();
        m_open = false;
        throw DbError(message, QStringLiteral("COMMIT"));
    }
    m_open = false;
}

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
    Execute(SumStatsView());
}

#include "storage/EngineRead.h"

#include "storage/Database.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

sqlite3* SqliteEngine(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

EngineRead::EngineRead(const QString& sql) : m_sql(sql)
{
    sqlite3* engine = SqliteEngine(Db::connection());
    if (!engine)
        throw DbError(QCoreApplication::translate("Db", "The database connection is not an SQLite one."), m_sql);
    const QByteArray text = m_sql.toUtf8();
    if (sqlite3_prepare_v2(engine, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(engine));
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        throw DbError(message, m_sql);
    }
}

EngineRead::~EngineRead()
{
    sqlite3_finalize(m_statement);
}

void EngineRead::bind(int index, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    if (sqlite3_bind_text64(m_statement, index, bytes.constData(), sqlite3_uint64(bytes.size()), SQLITE_TRANSIENT,
                            SQLITE_UTF8)
        != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement))), m_sql);
}

bool EngineRead::next()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    throw DbError(QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(m_statement))), m_sql);
}

bool EngineRead::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

int EngineRead::number(int column) const
{
    return sqlite3_column_int(m_statement, column);
}

std::string_view EngineRead::bytes(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(m_statement, column))) : std::string_view();
}

QString EngineRead::text(int column) const
{
    const std::string_view b = bytes(column);
    return QString::fromUtf8(b.data(), qsizetype(b.size()));
}

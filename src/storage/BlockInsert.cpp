#include "storage/BlockInsert.h"

#include "storage/Database.h"
#include "storage/EngineRead.h"

#include <QCoreApplication>
#include <QVariant>

#include <sqlite3.h>

namespace {

// The widest table a block fills; the function's columns beyond a block's own read as nulls.
constexpr int kMostColumns = 32;
// The type the engine checks a bound pointer against: SQL text cannot make such a value, only
// this file binds one.
constexpr const char* kBlockPointer = "sidelines-row-block";

struct Source
{
    const RowBlock* rows = nullptr;
    const std::vector<const BlockInsert::IdMap*>* maps = nullptr;
};

struct Cursor
{
    sqlite3_vtab_cursor base;  // first: the engine knows the cursor by it
    const Source* source = nullptr;
    std::size_t row = 0;
};

Cursor* CursorOf(sqlite3_vtab_cursor* cursor)
{
    return reinterpret_cast<Cursor*>(cursor);
}

int Connect(sqlite3* db, void*, int, const char* const*, sqlite3_vtab** table, char**)
{
    QByteArray schema = "CREATE TABLE x(";
    for (int i = 0; i < kMostColumns; ++i)
        schema += "c" + QByteArray::number(i) + ", ";
    schema += "block HIDDEN)";
    if (const int result = sqlite3_declare_vtab(db, schema.constData()); result != SQLITE_OK)
        return result;
    *table = new sqlite3_vtab{};
    return SQLITE_OK;
}

int Disconnect(sqlite3_vtab* table)
{
    delete table;
    return SQLITE_OK;
}

// Only with its block given: the function reads nothing else.
int BestIndex(sqlite3_vtab*, sqlite3_index_info* info)
{
    for (int i = 0; i < info->nConstraint; ++i) {
        const auto& c = info->aConstraint[i];
        if (c.iColumn != kMostColumns || c.op != SQLITE_INDEX_CONSTRAINT_EQ)
            continue;
        if (!c.usable)
            return SQLITE_CONSTRAINT;
        info->aConstraintUsage[i].argvIndex = 1;
        info->aConstraintUsage[i].omit = 1;
        info->estimatedCost = 1;
        return SQLITE_OK;
    }
    return SQLITE_CONSTRAINT;
}

int Open(sqlite3_vtab*, sqlite3_vtab_cursor** cursor)
{
    *cursor = &(new Cursor{})->base;
    return SQLITE_OK;
}

int Close(sqlite3_vtab_cursor* cursor)
{
    delete CursorOf(cursor);
    return SQLITE_OK;
}

int Filter(sqlite3_vtab_cursor* cursor, int, const char*, int argc, sqlite3_value** argv)
{
    Cursor* c = CursorOf(cursor);
    c->source = argc > 0 ? static_cast<const Source*>(sqlite3_value_pointer(argv[0], kBlockPointer)) : nullptr;
    c->row = 0;
    return SQLITE_OK;
}

int Next(sqlite3_vtab_cursor* cursor)
{
    ++CursorOf(cursor)->row;
    return SQLITE_OK;
}

int Eof(sqlite3_vtab_cursor* cursor)
{
    const Cursor* c = CursorOf(cursor);
    return !c->source || !c->source->rows || c->row >= c->source->rows->rowCount();
}

int Column(sqlite3_vtab_cursor* cursor, sqlite3_context* context, int column)
{
    const Cursor* c = CursorOf(cursor);
    const RowBlock& rows = *c->source->rows;
    if (column >= rows.columnCount()) {
        sqlite3_result_null(context);
        return SQLITE_OK;
    }
    const RowBlock::Cell& cell = rows.cell(c->row, column);
    switch (cell.kind) {
    case RowBlock::Cell::Null:
        sqlite3_result_null(context);
        break;
    case RowBlock::Cell::Number:
        sqlite3_result_int64(context, cell.value);
        break;
    case RowBlock::Cell::Text: {
        std::string_view text = rows.text(cell);
        const auto* maps = c->source->maps;
        if (maps && std::size_t(column) < maps->size() && (*maps)[std::size_t(column)]) {
            const BlockInsert::IdMap& map = *(*maps)[std::size_t(column)];
            if (const auto at = map.find(std::string(text)); at != map.end())
                text = at->second;
        }
        // The block and the maps outlive the statement: the engine may point into them.
        sqlite3_result_text64(context, text.empty() ? "" : text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8);
        break;
    }
    }
    return SQLITE_OK;
}

int Rowid(sqlite3_vtab_cursor* cursor, sqlite3_int64* rowid)
{
    *rowid = sqlite3_int64(CursorOf(cursor)->row);
    return SQLITE_OK;
}

// A table of its own name only (no CREATE VIRTUAL TABLE), read only.
const sqlite3_module& Module()
{
    static const sqlite3_module module = [] {
        sqlite3_module m{};
        m.xConnect = Connect;
        m.xBestIndex = BestIndex;
        m.xDisconnect = Disconnect;
        m.xOpen = Open;
        m.xClose = Close;
        m.xFilter = Filter;
        m.xNext = Next;
        m.xEof = Eof;
        m.xColumn = Column;
        m.xRowid = Rowid;
        return m;
    }();
    return module;
}

QString Message(sqlite3* engine)
{
    return QString::fromUtf8(sqlite3_errmsg(engine));
}

} // namespace

bool BlockInsert::enable(const QSqlDatabase& db, QString* error)
{
    sqlite3* engine = SqliteEngine(db);
    if (!engine) {
        if (error)
            *error = QCoreApplication::translate("Db", "The database connection is not an SQLite one.");
        return false;
    }
    if (sqlite3_create_module_v2(engine, "sidelines_rows", &Module(), nullptr, nullptr) != SQLITE_OK) {
        if (error)
            *error = Message(engine);
        return false;
    }
    return true;
}

BlockInsert::BlockInsert(const QString& table, const QStringList& columns, const QString& onConflict)
{
    QStringList values;
    for (qsizetype i = 0; i < columns.size(); ++i)
        values << QStringLiteral("c%1").arg(i);
    // "WHERE true" keeps the engine from reading an upsert's ON as a join's.
    m_sql = QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM sidelines_rows(?) WHERE true %4")
                .arg(table, columns.join(QStringLiteral(", ")), values.join(QStringLiteral(", ")), onConflict)
                .trimmed();
    sqlite3* engine = SqliteEngine(Db::connection());
    if (!engine)
        throw DbError(QCoreApplication::translate("Db", "The database connection is not an SQLite one."), m_sql);
    if (columns.size() > kMostColumns)
        throw DbError(QStringLiteral("too many columns for sidelines_rows"), m_sql);
    const QByteArray sql = m_sql.toUtf8();
    if (sqlite3_prepare_v2(engine, sql.constData(), int(sql.size()), &m_statement, nullptr) != SQLITE_OK) {
        const QString message = Message(engine);
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        throw DbError(message, m_sql);
    }
}

BlockInsert::~BlockInsert()
{
    sqlite3_finalize(m_statement);
}

void BlockInsert::insert(const RowBlock& rows, const std::vector<const IdMap*>& maps)
{
    if (rows.rowCount() == 0)
        return;
    const Source source{&rows, &maps};
    sqlite3_bind_pointer(m_statement, 1, const_cast<Source*>(&source), kBlockPointer, nullptr);
    const int result = sqlite3_step(m_statement);
    const QString failure = result == SQLITE_DONE ? QString() : Message(sqlite3_db_handle(m_statement));
    // Reset at once, so that no statement is open when the transaction commits, and let go of
    // the block, which lives no longer than this call.
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    if (result != SQLITE_DONE)
        throw DbError(failure, m_sql);
}

void StoredTexts::add(RowBlock& rows, const RecordId& id)
{
    if (id.isNull()) {
        rows.addNull();
        return;
    }
    auto it = m_ids.find(id);
    if (it == m_ids.end())
        it = m_ids.insert(id, id.text().toStdString());
    rows.addText(*it);
}

void StoredTexts::add(RowBlock& rows, const QDateTime& at)
{
    // The rows of one moment come together.
    if (at != m_lastAt || m_lastAtText.empty()) {
        m_lastAt = at;
        m_lastAtText = at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    }
    rows.addText(m_lastAtText);
}

#include "club/ClubWorkingTables.h"

#include "base/StatKinds.h"

#include <QSqlError>

#include <map>
#include <string_view>

namespace ClubStore {

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

Inserter::Inserter(const TableShape& shape)
    : m_query(LocalWrite(shape)), m_once(shape.table == QLatin1String("TEAM") || shape.table == QLatin1String("PLAYER"))
{
}

void Inserter::insert(const std::vector<QVariantList>& rows)
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

BulkWriter::BulkWriter(const TableShape& shape) : BulkWriter(QStringLiteral("main.") + shape.table, shape.columns) {}

BulkWriter::BulkWriter(const QString& table, const QStringList& columns, const QString& onConflict)
    : m_insert(table, columns, onConflict)
{
    for (const QString& c : columns)
        m_kinds.push_back(c == QLatin1String("GAMEID") ? Game : NamesPlayer(c) ? Player : Plain);
}

void BulkWriter::write(const RowBlock& rows, const BulkIds& ids)
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

TotalsAfterwards::TotalsAfterwards()
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

void TotalsAfterwards::add(const RowBlock& boxes, const BulkIds& ids, const QVariantList& games)
{
    if (m_triggers.isEmpty())
        return;
    m_boxes->write(boxes, ids);
    for (const QVariant& game : games)
        RunBound(*m_game, {game});
}

void TotalsAfterwards::addToZones()
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

void TotalsAfterwards::putBack()
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

} // namespace ClubStore

#pragma once

// Writing the club server's rows of a match into the working tables on the shared connection, for
// the club code's restore only: a few rows a statement at a time, the bulk a block at a time, and
// the kept totals summed afterwards rather than by their triggers action by action.

#include "storage/BlockInsert.h"
#include "club/ClubMapping.h"
#include "club/ClubStatements.h"
#include "club/ClubTables.h"
#include "storage/Database.h"
#include "storage/RowBlock.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

namespace ClubStore {

// Runs a prepared statement of the working tables with these values.
void RunBound(Query& query, const QVariantList& values);

// Writes a few rows of a table into the working tables with one prepared statement. A team or
// player that many matches name is written once: the statement would ignore it after that.
class Inserter
{
public:
    explicit Inserter(const TableShape& shape);
    void insert(const std::vector<QVariantList>& rows);

private:
    Query m_query;
    bool m_once;
    QSet<QString> m_written;
};

// Writes the server's rows of one table of a match into the working tables, each identifier of a
// game or player given its identifier here where it differs.
class BulkWriter
{
public:
    explicit BulkWriter(const TableShape& shape);
    BulkWriter(const QString& table, const QStringList& columns, const QString& onConflict = {});
    void write(const RowBlock& rows, const BulkIds& ids);

private:
    enum Kind : char { Plain, Game, Player };

    BlockInsert m_insert;
    std::vector<Kind> m_kinds;
};

// The boxes of a match's actions (PLAY rows), in BoxColumns(), each action added by the rule of
// the trigger that keeps TOTALS: a figure left empty adds 0, a pass rating adds to PASSSUM and its
// sign to PASSNET, and each action counts. Nothing when an action's place or figures are not what
// the tables hold (the server's columns hold whole numbers only).
std::optional<RowBlock> Boxes(const RowBlock& plays);

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
    TotalsAfterwards();
    TotalsAfterwards(const TotalsAfterwards&) = delete;
    TotalsAfterwards& operator=(const TotalsAfterwards&) = delete;

    // A match's boxes, and its games (their identifiers here).
    void add(const RowBlock& boxes, const BulkIds& ids, const QVariantList& games);
    void addToZones();
    void putBack();

private:
    QStringList m_triggers;
    std::optional<BulkWriter> m_boxes;
    std::optional<Query> m_game;
    QString m_zones;
};

} // namespace ClubStore

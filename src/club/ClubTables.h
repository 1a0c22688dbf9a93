#pragma once

// The tables a match travels in between this computer and the club server, for the club code
// only. Both engines name them and their columns alike (PostgreSQL folds the unquoted names to
// lower case); the server's rows add BENCH, and those of a match's contents MATCHID and COPY, in
// front.

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace ClubStore {

struct TableShape
{
    QString table;
    QStringList columns;
    QSet<QString> integers; // the columns that hold numbers; every other one holds text
    bool hasMatchId = false; // MATCHID is among the local columns (MATCH, GAME)
};

const TableShape& TeamShape();
const TableShape& PlayerShape();
const TableShape& GameShape();
const TableShape& PlayedShape();
// Every PLAY column: the action's place, then one per stat kind, so that a new kind travels too
// (the server's table needs its column as well: schema.sql).
const TableShape& PlayShape();
const TableShape& RallyShape();

// A box's kept totals: where (game, player, box), then the sum of each figure but the pass
// rating, the rating's sum and net count, and the number of actions.
QStringList BoxColumns();

// A column that names a player: the one who acted or came on, who went off, or who stood in a
// line-up.
bool NamesPlayer(const QString& column);
// Which of a table's columns hold whole numbers, in order, for taking the server's rows apart.
std::vector<bool> WholeColumns(const TableShape& shape);
// Where a log entry's line-up starts among its columns: the server leaves the line-up out of an
// entry whose line-up is the one before. The line-up stands last.
qsizetype RallyCarriedFrom();
// The columns of a match's contents, without MATCHID where the local table has it.
QStringList ContentColumns(const TableShape& shape);

// A column of rows as one PostgreSQL array value: each element in double quotes with its quotes
// and backslashes escaped, NULL bare. It is bound as a value like any other.
QString ArrayOf(const std::vector<QVariantList>& rows, int column);
// Each content column of a table's rows as one such array, in the table's column order.
QVariantList Arrays(const TableShape& shape, const std::vector<QVariantList>& rows);
// A JSON array of rows as rows of values; whole numbers as whole numbers.
std::vector<QVariantList> JsonRows(const QString& json);

} // namespace ClubStore

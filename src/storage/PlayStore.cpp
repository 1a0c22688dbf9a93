#include "storage/PlayStore.h"

#include "storage/BlockInsert.h"
#include "storage/Database.h"

#include <algorithm>
#include <cstring>

int StatTotals::of(const char* key) const
{
    for (size_t i = 0; i < kStatKinds.size(); ++i)
        if (std::strcmp(kStatKinds[i].key, key) == 0)
            return values[i];
    return 0;
}

namespace PlayStore {

void RecordAction(const RecordId& game, const RecordId& play, const RecordId& player, int position,
                  const StatKind& kind, int value)
{
    // Column names cannot be bound; only the table's fixed names reach the statement text.
    const QString column = QString::fromLatin1(kind.column);
    if (kind.shape == StatShape::Attack) {
        ExecuteKept(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, %1, ATTEMPT, POSITION) "
                               "VALUES (?, ?, ?, ?, ?, ?)")
                    .arg(column),
                {Bind(game), Bind(play), Bind(player), value, value, position});
    } else {
        ExecuteKept(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, %1, POSITION) VALUES (?, ?, ?, ?, ?)")
                    .arg(column),
                {Bind(game), Bind(play), Bind(player), value, position});
    }
}

void RecordActions(const RecordId& game, const std::vector<ActionRow>& rows)
{
    if (rows.empty())
        return;
    // One statement for the game, every kind's column in it, as RecordAction fills them row by row.
    QStringList columns{QStringLiteral("GAMEID"), QStringLiteral("PLAYID"), QStringLiteral("PLAYERID"),
                        QStringLiteral("POSITION")};
    for (const StatKind& k : kStatKinds)
        columns << QString::fromLatin1(k.column);
    RowBlock block(int(columns.size()));
    StoredTexts texts;
    for (const ActionRow& r : rows) {
        texts.add(block, game);
        texts.add(block, r.play);
        texts.add(block, r.player);
        block.addNumber(r.position);
        for (const StatKind& k : kStatKinds) {
            const bool attemptOf = r.kind->shape == StatShape::Attack && std::strcmp(k.column, "ATTEMPT") == 0;
            if (&k == r.kind || attemptOf)
                block.addNumber(r.value);
            else
                block.addNull();
        }
    }
    BlockInsert(QStringLiteral("PLAY"), columns, {}).insert(block);
}

qint64 StandingTotal(const RecordId& player, const RecordId& game, const StatKind& kind, int rating)
{
    // Column names cannot be bound; only the table's fixed names reach the statement text.
    const QString column = QString::fromLatin1(kind.column);
    QString sums;
    QVariantList binds;
    if (kind.shape == StatShape::Rating) {
        sums = QStringLiteral("SUM(CASE WHEN %1 = ? THEN 1 WHEN %1 = ? THEN -1 ELSE 0 END), NULL").arg(column);
        binds << rating << -rating;
    } else if (kind.shape == StatShape::Attack) {
        sums = QStringLiteral("SUM(%1), SUM(ATTEMPT)").arg(column);
    } else {
        sums = QStringLiteral("SUM(%1), NULL").arg(column);
    }
    binds << Bind(player) << Bind(game);
    const auto rows
        = SelectAll(QStringLiteral("SELECT %1 FROM PLAY WHERE PLAYERID = ? AND GAMEID = ?").arg(sums), binds);
    if (rows.empty())
        return 0;
    const qint64 own = rows.front().value(0).toLongLong();
    return rows.front().isNull(1) ? own : std::min(own, rows.front().value(1).toLongLong());
}

StatTotals PlayerTotals(const RecordId& player, const RecordId& game)
{
    CheckSumStats();
    // The view names each sum "i" and its column; only kinds shown in the stats view are kept.
    QStringList columns;
    std::vector<size_t> kinds;
    for (size_t i = 0; i < kStatKinds.size(); ++i) {
        if (kStatKinds[i].shape == StatShape::Rating)
            continue;
        columns << QLatin1Char('i') + QString::fromLatin1(kStatKinds[i].column);
        kinds.push_back(i);
    }
    const auto rows = SelectAll(QStringLiteral("SELECT %1 FROM SUM_STATS WHERE pPLAYERID = ? AND pGAMEID = ?")
                                    .arg(columns.join(QStringLiteral(", "))),
                                {Bind(player), Bind(game)});
    StatTotals totals;
    if (rows.empty())
        return totals;
    for (size_t c = 0; c < kinds.size(); ++c)
        totals.values[kinds[c]] = rows.front().value(int(c)).toInt();
    return totals;
}

} // namespace PlayStore

#include "game/PlayerStats.h"

#include "core/Database.h"

#include <QStringList>

PlayerTotals ReadPlayerTotals(const RecordId& playerId, const RecordId& gameId)
{
    CheckSumStats();
    const auto rows = SelectAll(QStringLiteral("SELECT iATTEMPT, iKILL, iERROR, iSERVEACE, iSERVEERROR, iDIG, "
                                               "iRECEIVEERROR, iSOLOBLOCK, iBLOCKASSIST, iBLOCKERROR, "
                                               "iBALLHANDLEERROR, iSETASSIST FROM SUM_STATS "
                                               "WHERE pPLAYERID = ? AND pGAMEID = ?"),
                                {Bind(playerId), Bind(gameId)});
    PlayerTotals t;
    if (rows.empty())
        return t;
    const QSqlRecord& r = rows.front();
    t.attempt = r.value(0).toInt();
    t.kill = r.value(1).toInt();
    t.error = r.value(2).toInt();
    t.serveAce = r.value(3).toInt();
    t.serveError = r.value(4).toInt();
    t.dig = r.value(5).toInt();
    t.receiveError = r.value(6).toInt();
    t.soloBlock = r.value(7).toInt();
    t.blockAssist = r.value(8).toInt();
    t.blockError = r.value(9).toInt();
    t.ballHandleError = r.value(10).toInt();
    t.setAssist = r.value(11).toInt();
    return t;
}

double HittingPercentage(const PlayerTotals& totals)
{
    return double(totals.kill - totals.error) / (double(totals.attempt) + 0.000001);
}

QString PlayerStatsMessage(const PlayerTotals& t)
{
    // A zero that came out negative (nothing over taken-back attempts) reads as plain 0.000.
    QString shown = QString::number(HittingPercentage(t), 'f', 3);
    if (shown == QLatin1String("-0.000"))
        shown = QStringLiteral("0.000");
    const QStringList lines{
        QStringLiteral("Percentage = ") + shown,
        QStringLiteral("Attempts = %1").arg(t.attempt),
        QStringLiteral("Kills = %1").arg(t.kill),
        QStringLiteral("Errors = %1").arg(t.error),
        QStringLiteral("Serve Aces = %1").arg(t.serveAce),
        QStringLiteral("Serve Errors = %1").arg(t.serveError),
        QStringLiteral("Digs = %1").arg(t.dig),
        QStringLiteral("Receiving Errors = %1").arg(t.receiveError),
        QStringLiteral("Solo Blocks = %1").arg(t.soloBlock),
        QStringLiteral("Blocking Assists = %1").arg(t.blockAssist),
        QStringLiteral("Blocking Errors = %1").arg(t.blockError),
        QStringLiteral("Ball Handling Errors = %1").arg(t.ballHandleError),
        QStringLiteral("Set Assists = %1").arg(t.setAssist),
    };
    return lines.join(QLatin1Char('\n'));
}

#pragma once

#include "core/RecordId.h"

#include <QString>

// A player's running totals for one game, as the stats view shows them.
struct PlayerTotals
{
    int attempt = 0;
    int kill = 0;
    int error = 0;
    int serveAce = 0;
    int serveError = 0;
    int dig = 0;
    int receiveError = 0;
    int soloBlock = 0;
    int blockAssist = 0;
    int blockError = 0;
    int ballHandleError = 0;
    int setAssist = 0;
};

// Reads the totals from SUM_STATS (ensured first); no row means the player did nothing yet.
// Throws DbError when the database refuses.
PlayerTotals ReadPlayerTotals(const RecordId& playerId, const RecordId& gameId);

// (kills - errors) per attempt, as a fraction. The millionth keeps it defined without attempts.
double HittingPercentage(const PlayerTotals& totals);

// The thirteen lines of the stats message, one per line.
QString PlayerStatsMessage(const PlayerTotals& totals);

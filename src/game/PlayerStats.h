#pragma once

#include "core/PlayStore.h"

#include <QString>

// (kills - errors) per attempt, as a fraction. The millionth keeps it defined without attempts.
double HittingPercentage(const StatTotals& totals);

// The stats view's message: the percentage, then one line per kind it shows, in table order.
QString PlayerStatsMessage(const StatTotals& totals);

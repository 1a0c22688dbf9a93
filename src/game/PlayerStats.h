#pragma once

#include "storage/PlayStore.h"

#include <QString>

// The stats view's message: the percentage, then one line per kind it shows, in table order.
QString PlayerStatsMessage(const StatTotals& totals);

#pragma once

// Every statement on the actions table PLAY. Each function throws DbError when the engine
// refuses.

#include "core/RecordId.h"
#include "core/StatKinds.h"

#include <array>

// A player's totals for one game, one per stat kind in the order of kStatKinds. Kinds the kept
// sums do not carry (the pass rating) stay 0.
struct StatTotals
{
    std::array<int, kStatKinds.size()> values{};

    // The total of the kind with this key (0 for an unknown key).
    int of(const char* key) const;
};

namespace PlayStore {

// One action as one PLAY row: the kind's column holds value; an attack result also counts its
// attempt (ATTEMPT gets the same value); a rating's value is the rating itself.
void RecordAction(const RecordId& game, const RecordId& play, const RecordId& player, int position,
                  const StatKind& kind, int value);
// What the player holds of one kind in the game: the kind's own total, and for an attack result
// also its attempts (the smaller of the two, since taking the result back takes both); for a
// rating, how many passes of that rating stand (rated, less taken back).
qint64 StandingTotal(const RecordId& player, const RecordId& game, const StatKind& kind, int rating);
// Read from the kept sums SUM_STATS (ensured first); no row means the player did nothing yet.
StatTotals PlayerTotals(const RecordId& player, const RecordId& game);

} // namespace PlayStore

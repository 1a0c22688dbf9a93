#pragma once

// Every statement on the actions table PLAY. Each function throws DbError when the engine
// refuses.

#include "base/RecordId.h"
#include "base/StatKinds.h"

#include <array>
#include <vector>

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
// Many actions of one game at once, each as RecordAction would store it, inside the caller's
// transaction (a whole game written at once, as an import does).
struct ActionRow
{
    RecordId play;
    RecordId player;
    int position = 0;
    const StatKind* kind = nullptr;
    int value = 0;
};
void RecordActions(const RecordId& game, const std::vector<ActionRow>& rows);
// What the player holds of one kind in the game: the kind's own total, and for an attack result
// also its attempts (the smaller of the two, since taking the result back takes both); for a
// rating, how many passes of that rating stand (rated, less taken back).
qint64 StandingTotal(const RecordId& player, const RecordId& game, const StatKind& kind, int rating);
// Read from the kept sums SUM_STATS (ensured first); no row means the player did nothing yet.
StatTotals PlayerTotals(const RecordId& player, const RecordId& game);

} // namespace PlayStore

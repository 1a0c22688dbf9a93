#pragma once

// The rules of the court screen as plain functions of the state: what a score press leads to,
// how a side turns and where the selection goes with it.

#include "rules/MatchRules.h"

#include <optional>

namespace GameRules {

// The score after a press on own's button (one less in subtraction mode), or nothing when the
// press is refused. Up to the limit a score runs freely; past it only while within two of the
// other side. Going down never below 0, and from past the limit only back to within two.
std::optional<int> NextScore(int own, int other, bool subtract, int limit);
// Why NextScore refuses a press, for the user: past the limit without a two-point lead, below 0,
// or back from past the limit to more than two ahead. None when the press is accepted.
enum class Refusal { None = 0, PastLimit, BelowZero, BackPastLimit };
Refusal WhyRefused(int own, int other, bool subtract, int limit);

// The box (1..12) that stays selected when the left half (0) or right half (1) turns: it follows
// the player who was selected. A box of the other half stays as it is.
int SelectionAfterRotation(int selected, int half, bool back);

} // namespace GameRules

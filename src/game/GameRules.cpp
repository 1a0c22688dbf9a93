#include "game/GameRules.h"

#include <algorithm>
#include <cstdlib>

namespace GameRules {

std::optional<int> NextScore(int own, int other, bool subtract, int limit)
{
    const int c = own;
    const int n = subtract ? c - 1 : c + 1;
    const int d = std::abs(other - n);
    const bool accepted = ((c < limit + 1 || d < 3) && n >= 0 && n < limit + 1) || (n > limit && d < 3);
    if (!accepted)
        return std::nullopt;
    return n;
}

Refusal WhyRefused(int own, int other, bool subtract, int limit)
{
    if (NextScore(own, other, subtract, limit))
        return Refusal::None;
    if (!subtract)
        return Refusal::PastLimit;
    return own <= 0 ? Refusal::BelowZero : Refusal::BackPastLimit;
}

int SelectionAfterRotation(int selected, int half, bool back)
{
    const int first = half == 0 ? 1 : 7;
    const int last = first + 5;
    if (selected < first || selected > last)
        return selected;
    if (!back)
        return selected == first ? last : selected - 1;
    return selected == last ? first : selected + 1;
}

} // namespace GameRules

#include "game/GameRules.h"

#include <algorithm>
#include <cstdlib>

namespace GameRules {

int ScoreLimit(int pointsPerGame, int gameNumber, int gamesInMatch)
{
    // Rally scoring to 25 leaves the deciding game at 15.
    if (pointsPerGame == 25 && gameNumber != gamesInMatch)
        return 25;
    return 15;
}

bool IsDecidingGame(int gameNumber, int gamesInMatch)
{
    return (gamesInMatch == 3 || gamesInMatch == 5) && gameNumber == gamesInMatch;
}

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

std::optional<int> Winner(int home, int away, int limit)
{
    if (std::max(home, away) < limit || std::abs(home - away) < 2)
        return std::nullopt;
    return home > away ? 0 : 1;
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

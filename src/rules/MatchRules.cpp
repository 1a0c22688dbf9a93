#include "rules/MatchRules.h"

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

std::optional<int> Winner(int home, int away, int limit)
{
    if (std::max(home, away) < limit || std::abs(home - away) < 2)
        return std::nullopt;
    return home > away ? 0 : 1;
}

std::pair<int, int> GamesWon(const GameScoreList& scores, const MatchFormat& format)
{
    std::pair<int, int> won{0, 0};
    for (size_t i = 0; i < scores.size(); ++i) {
        const int number = int(i) + 1;
        const std::optional<int> winner
            = Winner(scores[i].first, scores[i].second, ScoreLimit(format.points, number, format.games));
        if (winner)
            (*winner == 0 ? won.first : won.second) += 1;
    }
    return won;
}

bool MatchDecided(const std::pair<int, int>& won, const MatchFormat& format)
{
    const int needed = format.games / 2 + 1;
    return won.first >= needed || won.second >= needed;
}

MatchFormat GuessedFormat(const GameScoreList& scores)
{
    MatchFormat format;
    format.games = scores.size() > 3 ? 5 : 3;
    // A game to 15 goes past 15 only while the sides stay within two points of each other; a
    // long deuce may reach 25 but hardly ever does.
    for (const auto& [home, away] : scores) {
        const int most = std::max(home, away);
        if ((most > 15 && std::abs(home - away) > 2) || most >= 25)
            format.points = 25;
    }
    return format;
}

} // namespace GameRules

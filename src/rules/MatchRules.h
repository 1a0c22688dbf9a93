#pragma once

// The rules of a match's length as plain functions of its scores: the points that win a game, the
// games that win a match, and which games and matches are decided. The court keeps score by them
// and the reports read results by them, so they live below both.

#include <optional>
#include <utility>
#include <vector>

namespace GameRules {

// Points that win a game: 25 when the match is played to 25, except in its deciding game.
int ScoreLimit(int pointsPerGame, int gameNumber, int gamesInMatch);
// The last game of the match: the side is chosen again before it.
bool IsDecidingGame(int gameNumber, int gamesInMatch);

// The side (0 home, 1 away) that has won a game with this score: at the limit or past it, two
// points ahead. Nothing while the game goes on.
std::optional<int> Winner(int home, int away, int limit);

// A match's length: games in it (3 or 5) and points per game (15 or 25).
struct MatchFormat
{
    int games = 3;
    int points = 15;
};
// A game's score, home first, in game order.
using GameScoreList = std::vector<std::pair<int, int>>;
// The games each side has won (home, away): only the games the rules decided.
std::pair<int, int> GamesWon(const GameScoreList& scores, const MatchFormat& format);
// Whether one side has won the match with these games.
bool MatchDecided(const std::pair<int, int>& won, const MatchFormat& format);
// The length of a match whose options were not kept (recorded before they were, or read from a
// scout file): five games when it has more than three, and games to 25 when any game went where a
// game to 15 cannot.
MatchFormat GuessedFormat(const GameScoreList& scores);

} // namespace GameRules

#pragma once

// Every statement on the match tables MATCH, GAME and PLAYED. Each function throws DbError when
// the engine refuses.

#include "core/RecordId.h"

#include <QList>
#include <QString>
#include <optional>
#include <vector>

// A line of the match listing. A team deleted since leaves its name empty.
struct StoredMatch
{
    RecordId id;
    std::optional<QString> homeName;
    std::optional<QString> awayName;
};

// How a match is named wherever one is listed (the match listing, the restore window, the report
// wizard): "away vs home on date". A team without a name is one deleted since.
QString MatchCaption(const std::optional<QString>& away, const std::optional<QString>& home, const QString& when);
// When a match was recorded, as the user's language writes a date and time ("12/7/26 4:52 PM").
QString MatchWhen(const RecordId& match);

namespace MatchStore {

// The match with its first game, in one transaction: never one without the other.
void AddMatch(const RecordId& match, const RecordId& home, const RecordId& away, const RecordId& firstGame,
              int gameNumber);
void AddGame(const RecordId& match, const RecordId& game, int gameNumber);
// One point more (delta +1) or less (-1) for a side, relative to what the row holds. Returns the
// rows changed: 0 when the game is not stored.
int AddPoint(const RecordId& game, bool home, int delta);
// Every player once per game, in one statement: all of them or none.
void RecordPlayed(const RecordId& game, const QList<RecordId>& players);
// A game's number and score, as its GAME row holds them.
struct GameScore
{
    RecordId game;
    int number = 0;
    int home = 0;
    int away = 0;
};
// The games of a match in their order.
std::vector<GameScore> GameScores(const RecordId& match);
// Every stored match with both team names, oldest first.
std::vector<StoredMatch> ListMatches();
// Empties GAME, MATCH, PLAY, PLAYED and the rally log in one transaction; the roster stays.
void ForgetMatches();

} // namespace MatchStore

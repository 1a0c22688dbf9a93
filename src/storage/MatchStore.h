#pragma once

// Every statement on the match tables MATCH, GAME and PLAYED. Each function throws DbError when
// the engine refuses.

#include "base/RecordId.h"

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

// The options a match is played with, as its row keeps them.
struct MatchOptions
{
    QString side = QStringLiteral("LEFT"); // of the game under way: "LEFT" when home plays on the left
    int games = 3;
    int points = 15;
    bool sideOutRotate = false;
    bool scoreFromAction = false;
};

// The match with its first game, in one transaction: never one without the other. With its
// options the match is being recorded from now on (see SetRecording).
void AddMatch(const RecordId& match, const RecordId& home, const RecordId& away, const RecordId& firstGame,
              int gameNumber, const std::optional<MatchOptions>& options = std::nullopt);
// The next game; with a side, the match's side changes to it in the same transaction.
void AddGame(const RecordId& match, const RecordId& game, int gameNumber,
             const std::optional<QString>& side = std::nullopt);
void SaveOptions(const RecordId& match, const MatchOptions& options);
// A match played elsewhere (a scout file): the match without games, then each game with its final
// score; the caller's transaction holds them together.
void AddPlayedMatch(const RecordId& match, const RecordId& home, const RecordId& away);
void AddPlayedGame(const RecordId& match, const RecordId& game, int gameNumber, int homeScore, int awayScore);
// Nothing for a match whose options were never kept.
std::optional<MatchOptions> Options(const RecordId& match);
// Marks the match as being recorded, or as left by the user; a start that finds the mark knows the
// program stopped while recording.
void SetRecording(const RecordId& match, bool recording);
// The user ended the match: it is no longer offered for continuing, and no longer being recorded.
void EndMatch(const RecordId& match);

// A match that may be continued: kept with its options, not ended by the user (whether the rules
// have decided it is the caller's to say), with its teams, the mark of a recording under way and
// its games' scores in order.
struct OpenMatch
{
    RecordId id;
    RecordId homeTeam;
    RecordId awayTeam;
    std::optional<QString> homeName;
    std::optional<QString> awayName;
    MatchOptions options;
    bool recording = false;
    std::vector<std::pair<int, int>> scores; // home, away
};
// Newest first.
std::vector<OpenMatch> OpenMatches();
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
// The match's home and away teams; nothing when it is not stored.
std::optional<std::pair<RecordId, RecordId>> Teams(const RecordId& match);
// Empties GAME, MATCH, PLAY, PLAYED and the rally log in one transaction; the roster stays.
void ForgetMatches();

} // namespace MatchStore

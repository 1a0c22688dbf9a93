#pragma once

// The report's storage: the statements that fill the wizard's lists, and the one that fills the
// working tables REPORT and GAMECOUNT and hands back the report's lines. Every failure throws
// DbError.

#include "base/RecordId.h"
#include "rules/MatchRules.h"
#include "storage/ReportQuery.h"
#include "rules/TeamNumbers.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>
#include <map>
#include <vector>

class ProgressScope;

namespace ReportStore {

// The calendar days on which matches were recorded, in order.
std::vector<QDate> MatchDates();

// A match with both its teams' names from its own row; a null name is a deleted team.
struct MatchRow
{
    RecordId id;
    QString idText;
    QVariant away;
    QVariant home;
};
// The matches on the chosen dates (only the dates of the choices count), in order.
std::vector<MatchRow> Matches(const ReportChoices& dates);

// A match's result: its teams' names (null: a deleted team) and every game's score, in order.
struct MatchResult
{
    QVariant home;
    QVariant away;
    std::vector<std::pair<int, int>> games; // home, away
    // The match's length as kept with it; nothing for a match recorded before it was kept.
    std::optional<GameRules::MatchFormat> format;
};
MatchResult Result(const RecordId& match);

// How many games a match has.
int GameCount(const RecordId& match);

struct NamedRow
{
    RecordId id;
    QString name;
    QString team; // players only: the player's team
};
// The teams that played in these matches, by name.
std::vector<NamedRow> Teams(const QList<RecordId>& matches);
// The players of these teams, by name, then team.
std::vector<NamedRow> Players(const QList<RecordId>& teams);

// Empties and refills GAMECOUNT and REPORT in one transaction (nothing changes when a statement
// fails) and returns the report's lines in the statement's order. The totals kept per player and
// box are read instead of each game's whenever the statement allows it (readKeptZones, when given,
// says whether they were). progress, when given, is sized for Fill's five steps and stepsAfter more
// that the caller takes next, and stepped through Fill's.
std::vector<ReportLine> Fill(const ReportStatement& statement, ProgressScope* progress = nullptr,
                             bool* readKeptZones = nullptr, int stepsAfter = 0);

// The games a report's team numbers cover: those its dates, match and game choices take, and with
// a team chosen only the games that team played (the player and position choices do not narrow
// them). In match and game order, each with its teams (a deleted team named "(deleted team)"),
// its score as the GAME row holds it and the part of its rally log that the team numbers read
// (RallyStore::PointLogs, zone 1 of each line-up); a game recorded before the log has an empty one.
std::vector<TeamNumbers::GameRecord> RallyGames(const ReportChoices& choices);

// A player of a line-up as the roster has it now.
struct LineUpPlayer
{
    int number = 0;
    QString name;
};
using LineUpRoster = std::map<RecordId, LineUpPlayer>;
// The players on court in these games' logs and those who decided their points; one no longer on
// the roster is left out.
LineUpRoster LineUpPlayers(const std::vector<TeamNumbers::GameRecord>& games);

// RallyGames reads only zone 1 of each line-up, which names a rotation: the whole line-ups are
// needed only when the rallies are written out. The logs of those games again with all six zones,
// as far as each was read then (a log only grows), by game, and the players on court in them.
struct WholeLineUps
{
    std::map<RecordId, Rally::Log> logs;
    LineUpRoster players;
};
WholeLineUps LineUpsOf(const std::vector<TeamNumbers::GameRecord>& games);

} // namespace ReportStore

#include "game/MatchSession.h"

#include "core/mConstants.h"
#include "game/GameRules.h"

#include <QCoreApplication>

void MatchSession::setOptions(const GameOptions& options)
{
    side = options.side;
    games = options.games;
    points = options.points;
}

int MatchSession::scoreLimit() const
{
    return GameRules::ScoreLimit(points, game ? game->GameNumber() : 0, games);
}

std::array<TeamRoster, 2> MatchSession::readRosters() const
{
    std::array<TeamRoster, 2> out;
    for (int t = 0; t < 2; ++t) {
        ProgressScope progress(t == 0 ? QCoreApplication::translate("MatchSession", "Setting up the Home Team...")
                                      : QCoreApplication::translate("MatchSession", "Setting up the Away Team..."));
        const RecordId team = t == 0 ? homeTeamId : awayTeamId;
        out[size_t(t)].name = RosterStore::TeamName(team).value_or(QString());
        out[size_t(t)].players = RosterStore::TeamPlayers(team);
    }
    return out;
}

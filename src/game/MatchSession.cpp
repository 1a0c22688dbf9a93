#include "game/MatchSession.h"

#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "widgets/mConstants.h"
#include "game/GameRules.h"

#include <QCoreApplication>

void MatchSession::setOptions(const GameOptions& options)
{
    side = options.side;
    games = options.games;
    points = options.points;
    sideOutRotate = options.sideOutRotate;
    scoreFromAction = options.scoreFromAction;
}

MatchStore::MatchOptions MatchSession::storedOptions() const
{
    return {side, games, points, sideOutRotate, scoreFromAction};
}

void MatchSession::setStoredOptions(const MatchStore::MatchOptions& options)
{
    setOptions(GameOptions{options.side, qint16(options.games), qint16(options.points), options.sideOutRotate,
                           options.scoreFromAction});
}

void MatchSession::storeMatch()
{
    MatchStore::AddMatch(matchId, homeTeamId, awayTeamId, game->GameID(), int(game->GameNumber()), storedOptions());
}

int MatchSession::scoreLimit() const
{
    return scoreLimit(game ? game->GameNumber() : 0);
}

int MatchSession::scoreLimit(int gameNumber) const
{
    return GameRules::ScoreLimit(points, gameNumber, games);
}

std::pair<int, int> MatchSession::gamesWon() const
{
    GameRules::GameScoreList scores;
    for (const MatchStore::GameScore& g : MatchStore::GameScores(matchId))
        scores.emplace_back(g.home, g.away);
    return GameRules::GamesWon(scores, {games, points});
}

bool MatchSession::decided(const std::pair<int, int>& won) const
{
    return GameRules::MatchDecided(won, {games, points});
}

QString EndMatchQuestion(const MatchSession& session)
{
    std::pair<int, int> won;
    try {
        won = session.gamesWon();
    } catch (const DbError&) {
        // Without the scores the plain question still lets the user decide.
        return QCoreApplication::translate("MatchSession", "Are you sure you would like to end the Match?");
    }
    if (session.decided(won))
        return QCoreApplication::translate("MatchSession", "Are you sure you would like to end the Match?");
    return QCoreApplication::translate("MatchSession", "The match is not decided (%1\u2013%2). End it anyway?")
        .arg(won.first)
        .arg(won.second);
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

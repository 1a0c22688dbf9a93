#include "match/clsMatch.h"

#include "base/Names.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "widgets/MsgBox.h"
#include "storage/RallyStore.h"
#include "storage/RosterStore.h"
#include "widgets/mConstants.h"
#include "game/GameRules.h"
#include "game/MatchSession.h"
#include "game/frmGame.h"
#include "match/frmGameOptions.h"
#include "match/frmMatch.h"
#include "match/frmStarters.h"
#include "roster/clsTeam.h"
#include "roster/frmPickTeam.h"
#include "storage/RecordIssue.h"

#include <QCoreApplication>
#include <map>
#include <optional>

namespace {

// Asks for one team, the list on the first team other than notPreselected; refuses a team without
// players. Returns the team, or nothing when the user cancelled or the team was refused (the
// command then ends).
std::optional<RecordId> ChooseTeam(const QString& caption, const std::optional<RecordId>& notPreselected = std::nullopt)
{
    const std::optional<clsTeam> team = PickTeam(caption, notPreselected);
    if (!team)
        return std::nullopt;
    if (RosterStore::PlayerCount(team->TeamID()) == 0) {
        MsgBox(clsMatch::tr("This Team has no Players. Please use another team."), QMessageBox::Ok, QMessageBox::NoIcon,
               clsMatch::tr("Sidelines"));
        return std::nullopt;
    }
    return team->TeamID();
}

} // namespace

void clsMatch::StartNewMatch()
{
    const std::optional<RecordId> home = ChooseTeam(clsMatch::tr("Please Choose the Home Team"));
    if (!home)
        return;
    m_home = *home;
    // Enter, Enter must not set a team against itself; choosing it on purpose stays possible.
    const std::optional<RecordId> away = ChooseTeam(clsMatch::tr("Please Choose the Away Team"), m_home);
    if (!away)
        return;
    m_away = *away;
    m_match = NewRecordId(RecordKind::Match);

    MatchSession session;
    session.matchId = m_match;
    session.homeTeamId = m_home;
    session.awayTeamId = m_away;
    session.game->setGameID(NewRecordId(RecordKind::Game));
    session.game->setGameNumber(1);

    // A fresh line-up window for every start: an abandoned preparation goes with it. It is
    // declared after the session, which it works on, so that it goes first.
    {
        BusyPointer busy;
        session.loadRosters();
    }
    frmStarters L(session);
    L.SetupTheHomeTeam();
    L.SetupTheAwayTeam();

    const std::optional<GameOptions> options = frmGameOptions().choose();
    if (!options)
        return;
    session.setOptions(*options);

    {
        BusyPointer busy;
        CheckSumStats();
    }
    // Written with its options when its first game starts, so that a stop at any moment from then
    // on leaves it to be continued, and a match given up before has left nothing.
    session.stored = false;
    RunMatch(session, L, false);
}

void clsMatch::RunMatch(MatchSession& session, frmStarters& L, bool onCourt)
{
    // The match alternates between the line-up window and the court screen. Each is a modal
    // dialog, and a dialog that is hidden ends its own exec(), so the two cannot be nested inside
    // each other; instead this loop shows one after the other:
    //  - the line-up window ends with GoToGame once both line-ups are complete and the court
    //    screen is set up, and the court screen is shown while the line-up window stays hidden;
    //  - a substitution hides the court screen (kept, with its scores, selection and subtraction
    //    mode); the line-up window goes into substitution mode with the players on court;
    //  - the next game has already stored its GAME row and reloaded the rosters into the
    //    session: the old court screen is let go, the line-up window refilled, and before a
    //    deciding game the side is asked again (cancelling keeps the side just played);
    //  - ending the match on the court screen, or a confirmed close of the line-up window, ends
    //    the match.
    for (;;) {
        if (!onCourt && L.exec() != frmStarters::GoToGame)
            break;
        onCourt = false;
        frmGame& screen = L.game();
        const int how = screen.exec();
        if (how == frmGame::Substitute) {
            L.BeginSubstitution(screen.colHomePlayers, screen.colAwayPlayers);
            continue;
        }
        if (how != frmGame::NextGame)
            break;
        L.releaseGame();
        L.EndSubstitutionMode();
        L.SetupTheHomeTeam();
        L.SetupTheAwayTeam();
        if (GameRules::IsDecidingGame(session.game->GameNumber(), session.games)) {
            if (const std::optional<GameOptions> deciding = frmGameOptions(true).choose()) {
                session.setOptions(*deciding);
                MatchStore::SaveOptions(session.matchId, session.storedOptions());
            }
        }
    }
    // Every way out of the loop is the user's end of the match; a failure leaves it to continue.
    MatchStore::EndMatch(session.matchId);
}

namespace {

// The caption of a match to continue: "Harbour Hawks vs Owls d'Or, game 3, 12–10".
QString OpenCaption(const MatchStore::OpenMatch& m)
{
    const QString deleted = clsMatch::tr("(deleted team)");
    const std::pair<int, int> score = m.scores.empty() ? std::pair{0, 0} : m.scores.back();
    return clsMatch::tr("%1 vs %2, game %3, %4\u2013%5")
        .arg(names::Shown(m.homeName.value_or(deleted)), names::Shown(m.awayName.value_or(deleted)))
        .arg(std::max<size_t>(1, m.scores.size()))
        .arg(score.first)
        .arg(score.second);
}

bool DecidedByTheRules(const MatchStore::OpenMatch& m)
{
    const GameRules::MatchFormat format{m.options.games, m.options.points};
    return GameRules::MatchDecided(GameRules::GamesWon(m.scores, format), format);
}

// The matches that may be continued: not ended by the user, kept with options, not yet decided.
std::vector<MatchStore::OpenMatch> Unfinished()
{
    std::vector<MatchStore::OpenMatch> out;
    for (MatchStore::OpenMatch& m : MatchStore::OpenMatches())
        if (!DecidedByTheRules(m))
            out.push_back(std::move(m));
    return out;
}

} // namespace

void clsMatch::ContinueMatch()
{
    std::vector<MatchEntry> entries;
    {
        BusyPointer busy;
        for (const MatchStore::OpenMatch& m : Unfinished())
            entries.push_back({m.id, clsMatch::tr("%1, on %2").arg(OpenCaption(m), MatchWhen(m.id))});
    }
    if (entries.empty()) {
        MsgBox(clsMatch::tr("Every match is finished: there is none to continue."), QMessageBox::Ok,
               QMessageBox::Information, clsMatch::tr("Continue Match"));
        return;
    }
    const std::optional<RecordId> chosen
        = frmMatch(clsMatch::tr("Continue Match"), clsMatch::tr("Matches not finished, newest first"), entries).choose();
    if (chosen)
        ContinueMatch(*chosen);
}

bool clsMatch::ContinueMatch(const RecordId& match)
{
    MatchSession session;
    Rally::Log log;
    {
        BusyPointer busy;
        const std::optional<std::pair<RecordId, RecordId>> teams = MatchStore::Teams(match);
        const std::optional<MatchStore::MatchOptions> options = MatchStore::Options(match);
        const std::vector<MatchStore::GameScore> games = MatchStore::GameScores(match);
        if (!teams || !options || games.empty())
            return false;
        m_match = match;
        m_home = teams->first;
        m_away = teams->second;
        session.matchId = match;
        session.homeTeamId = m_home;
        session.awayTeamId = m_away;
        session.setStoredOptions(*options);
        session.game->setGameID(games.back().game);
        session.game->setGameNumber(qint16(games.back().number));
        session.loadRosters();
        // The game under way tells who served first, its six and its liberos; one not started yet
        // takes them from the game before, as the next game would have.
        std::map<RecordId, Rally::Log> logs = RallyStore::GameLogs(
            games.size() > 1 ? QList<RecordId>{games[games.size() - 2].game, games.back().game}
                             : QList<RecordId>{games.back().game});
        log = std::move(logs[games.back().game]);
        const Rally::Log& before = games.size() > 1 ? logs[games[games.size() - 2].game] : log;
        const Rally::Log& told = Rally::Book(log).started() ? log : before;
        for (const Rally::Entry& e : told) {
            if (e.kind != Rally::Kind::Start)
                continue;
            session.firstServer = &told == &log ? e.server : Rally::Other(e.server);
            for (int side = 0; side < 2; ++side)
                session.startingSix[size_t(side)] = QList<RecordId>(e.zones[size_t(side)].begin(), e.zones[size_t(side)].end());
            session.liberos = Rally::Liberos(told);
            break;
        }
        MatchStore::SetRecording(match, true);
    }
    frmStarters L(session);
    L.SetupTheHomeTeam();
    L.SetupTheAwayTeam();
    const bool started = Rally::Book(log).started();
    if (started)
        L.game().continueFrom(std::move(log));
    RunMatch(session, L, started);
    return true;
}

bool clsMatch::OfferToContinueAfterStop()
{
    std::optional<MatchStore::OpenMatch> last;
    for (MatchStore::OpenMatch& m : MatchStore::OpenMatches()) {
        if (!m.recording)
            continue;
        if (!last && !DecidedByTheRules(m)) {
            last = std::move(m);
            continue;
        }
        // Older marks, or a match the rules had decided: nothing to ask about.
        MatchStore::SetRecording(m.id, false);
    }
    if (!last)
        return false;
    if (MsgBox(clsMatch::tr("A match was being recorded when Sidelines last stopped: %1. Continue it?")
                   .arg(OpenCaption(*last)),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, clsMatch::tr("Continue Match"),
               QMessageBox::Yes)
        != QMessageBox::Yes) {
        // Left for the reports and for Continue Match.
        MatchStore::SetRecording(last->id, false);
        return false;
    }
    return clsMatch().ContinueMatch(last->id);
}

void clsMatch::PickMatch()
{
    if (const std::optional<RecordId> chosen = frmMatch().choose())
        m_match = *chosen;
}

#include "match/clsMatch.h"

#include "core/Database.h"
#include "core/MatchStore.h"
#include "core/MsgBox.h"
#include "core/RosterStore.h"
#include "core/mConstants.h"
#include "game/GameRules.h"
#include "game/MatchSession.h"
#include "game/frmGame.h"
#include "match/frmGameOptions.h"
#include "match/frmMatch.h"
#include "match/frmStarters.h"
#include "roster/clsTeam.h"
#include "roster/frmPickTeam.h"

#include <QCoreApplication>
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
        MatchStore::AddMatch(m_match, m_home, m_away, session.game->GameID(), int(session.game->GameNumber()));
    }

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
        if (L.exec() != frmStarters::GoToGame)
            break;
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
            if (const std::optional<GameOptions> deciding = frmGameOptions(true).choose())
                session.setOptions(*deciding);
        }
    }
}

void clsMatch::PickMatch()
{
    if (const std::optional<RecordId> chosen = frmMatch().choose())
        m_match = *chosen;
}

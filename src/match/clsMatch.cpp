#include "match/clsMatch.h"

#include "game/frmGame.h"
#include "match/frmGameOptions.h"
#include "match/frmMatch.h"
#include "match/frmStarters.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "core/Database.h"
#include "roster/clsTeam.h"
#include "roster/frmPickTeam.h"

#include <memory>
#include <optional>

namespace {

// Asks for one team; refuses a team without players. Returns the team, or nothing when the user
// cancelled or the team was refused (the command then ends).
std::optional<RecordId> ChooseTeam(const QString& caption)
{
    const std::optional<clsTeam> team = PickTeam(caption);
    if (!team)
        return std::nullopt;
    const auto rows = SelectAll(QStringLiteral("SELECT COUNT(TEAMID) AS PLAYERCOUNT FROM PLAYER WHERE TEAMID = ?"),
                                {Bind(team->TeamID())});
    if (rows.empty() || rows.front().value(0).toInt() == 0) {
        MsgBox(QStringLiteral("This Team has no Players. Please use another team."), QMessageBox::Ok,
               QMessageBox::NoIcon, QStringLiteral("Sidelines"));
        return std::nullopt;
    }
    return team->TeamID();
}

} // namespace

void clsMatch::StartNewMatch()
{
    const std::optional<RecordId> home = ChooseTeam(QStringLiteral("Please Choose the Home Team"));
    if (!home)
        return;
    m_home = *home;
    const std::optional<RecordId> away = ChooseTeam(QStringLiteral("Please Choose the Away Team"));
    if (!away)
        return;
    m_away = *away;
    m_match = NewRecordId(RecordKind::Match);

    // A fresh line-up window for every start: an abandoned preparation goes with it.
    auto L = std::make_unique<frmStarters>();
    L->pubMatch().setHomeTeamID(m_home);
    L->pubMatch().setAwayTeamID(m_away);
    L->pubMatch().setMatchID(m_match);
    L->pubGame()->setGameID(NewRecordId(RecordKind::Game));
    L->pubGame()->setGameNumber(1);
    {
        BusyPointer busy;
        L->SetupTheHomeTeam();
        L->SetupTheAwayTeam();
    }

    {
        frmGameOptions options(L.get());
        options.exec();
    }
    if (!pubOK)
        return;

    {
        BusyPointer busy;
        CheckSumStats();
        Transaction t;
        Execute(QStringLiteral("INSERT INTO MATCH (MATCHID, HOMETEAMID, AWAYTEAMID) VALUES (?, ?, ?)"),
                {Bind(m_match), Bind(m_home), Bind(m_away)});
        Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                               "VALUES (?, ?, ?, 0, 0)"),
                {Bind(m_match), Bind(L->pubGame()->GameID()), int(L->pubGame()->GameNumber())});
        t.commit();
    }

    // The match alternates between the line-up window and the court screen. Each is a modal
    // dialog, and a dialog that is hidden ends its own exec(), so the two cannot be nested inside
    // each other; instead this loop shows one after the other:
    //  - the line-up window ends with GoToGame once both line-ups are complete and the court
    //    screen is set up, and the court screen is shown while the line-up window stays hidden;
    //  - a substitution hides the court screen (kept, with its scores, selection and subtraction
    //    mode) after putting the line-up window into substitution mode: round again;
    //  - the next game has already stored its GAME row and refilled the line-up window: the old
    //    court screen is let go, a fresh one is loaded for the new game: round again;
    //  - ending the match on the court screen, or a confirmed close of the line-up window, ends
    //    the match; everything is released when L goes out of scope.
    for (;;) {
        if (L->exec() != frmStarters::GoToGame)
            break;
        const int how = L->game().exec();
        if (how == frmGame::Substitute)
            continue;
        if (how == frmGame::NextGame) {
            L->releaseGame();
            continue;
        }
        break;
    }
    L->releaseGame();
    L->releasePubGame();
    L->releasePubMatch();
}

void clsMatch::PickMatch()
{
    frmMatch listing;
    listing.exec();
    if (listing.bOK)
        m_match = listing.dMatchID;
}

#include "game/clsGame.h"

#include "core/Database.h"
#include "core/MatchStore.h"
#include "core/MsgBox.h"
#include "core/PlayStore.h"
#include "core/StatKinds.h"
#include "core/mConstants.h"
#include "game/GameRules.h"
#include "game/MatchSession.h"

#include <QCoreApplication>

namespace {
// The status line for an action, without the box: "Added 1 Kill and 1 Attempt to " and so on.
QString StatusFor(const QString& strStat, bool subtract)
{
    const std::optional<StatAction> action = StatFromText(strStat);
    if (!action)
        return {};
    switch (action->kind->shape) {
    case StatShape::Rating:
        return (subtract ? clsGame::tr("Subtracted a ") : clsGame::tr("Added a ")) + strStat
            + clsGame::tr(" Passing stat to ");
    case StatShape::Attack:
        return (subtract ? clsGame::tr("Subtracted 1 ") : clsGame::tr("Added 1 ")) + strStat
            + clsGame::tr(" and 1 Attempt to ");
    case StatShape::Count:
        break;
    }
    return (subtract ? clsGame::tr("Subtracted 1 ") : clsGame::tr("Added 1 ")) + strStat + clsGame::tr(" to ");
}
} // namespace

void clsGame::PlayerOnClick(qint16 iIndex)
{
    // Unhighlight first, so that clicking the selected box again leaves it white.
    if (m_view) {
        m_view->setBoxSelected(m_lastIndex, false);
        m_view->setBoxSelected(iIndex, true);
    }
    m_lastIndex = iIndex;
}

void clsGame::AddStat(const QString& strStat, const RecordId& dPlayerID)
{
    const std::optional<StatAction> action = StatFromText(strStat);
    if (!action)
        throw DbError(clsGame::tr("Unknown statistic: %1").arg(strStat), QString());
    const bool subtract = m_view && m_view->subtractMode();
    PlayStore::RecordAction(m_gameId, NewRecordId(RecordKind::Play), dPlayerID, int(m_lastIndex), *action->kind,
                            subtract ? -action->value : action->value);
    // Only now that the row is stored may the status line say so.
    if (m_view)
        m_view->showStatus(StatusFor(strStat, subtract) + m_view->boxCaption(m_lastIndex));
}

bool clsGame::GoToNextGame(MatchSession& session)
{
    const qint16 g = session.games;
    const int k = session.game->GameNumber() + 1;

    if (k > 5) {
        MsgBox(clsGame::tr("You cannot have more than five games per match"), QMessageBox::Ok, QMessageBox::NoIcon,
               clsGame::tr("Match"));
        return false;
    }
    if (k > 3 && g == 3) {
        MsgBox(clsGame::tr("You choose a best of 3 match. There can be no game 4."), QMessageBox::Ok,
               QMessageBox::NoIcon, clsGame::tr("Match"));
        return false;
    }
    if (MsgBox(clsGame::tr("Are you sure you want to go to game %1?").arg(k), QMessageBox::Yes | QMessageBox::No,
               QMessageBox::NoIcon, clsGame::tr("New Game"), QMessageBox::No)
        != QMessageBox::Yes)
        return false;

    const RecordId newGameId = NewRecordId(RecordKind::Game);
    {
        BusyPointer busy;
        // The refilled rosters are read before the new game's row is stored, and nothing of the
        // game under way changes until both are in: a failure of either leaves it as it was.
        std::array<TeamRoster, 2> rosters = session.readRosters();
        MatchStore::AddGame(session.matchId, newGameId, k);

        auto next = std::make_shared<clsGame>();
        next->setGameID(newGameId);
        next->setGameNumber(qint16(k));
        session.game = std::move(next);
        session.rosters = std::move(rosters);
    }
    // The deciding game's side is asked again by the match; any other game changes ends.
    if (!GameRules::IsDecidingGame(k, g))
        session.side = session.homeOnLeft() ? QStringLiteral("RIGHT") : QStringLiteral("LEFT");
    return true;
}

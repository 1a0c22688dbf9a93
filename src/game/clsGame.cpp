#include "game/clsGame.h"

#include "base/Names.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "widgets/MsgBox.h"
#include "storage/PlayStore.h"
#include "base/StatKinds.h"
#include "widgets/mConstants.h"
#include "game/GameRules.h"
#include "game/MatchSession.h"
#include "game/RallyKeeper.h"
#include "storage/RecordIssue.h"

#include <QCoreApplication>

namespace {
// The status line for an action, without the box: "Added 1 Kill and 1 Attempt to ", "Took back
// 1 Receiving Error from " and so on, the kind named as the stat menu names it.
QString StatusFor(const StatAction& action, bool subtract)
{
    QString caption = StatText(action.kind->caption);
    caption.remove(QLatin1Char('&'));
    switch (action.kind->shape) {
    case StatShape::Rating:
        return (subtract ? clsGame::tr("Took back a %1 Passing stat from ") : clsGame::tr("Added a %1 Passing stat to "))
            .arg(action.value);
    case StatShape::Attack:
        return (subtract ? clsGame::tr("Took back 1 %1 and 1 Attempt from ") : clsGame::tr("Added 1 %1 and 1 Attempt to "))
            .arg(caption);
    case StatShape::Count:
        break;
    }
    return (subtract ? clsGame::tr("Took back 1 %1 from ") : clsGame::tr("Added 1 %1 to ")).arg(caption);
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

bool clsGame::AddStat(const QString& strStat, const RecordId& dPlayerID)
{
    const std::optional<StatAction> action = StatFromText(strStat);
    if (!action)
        throw DbError(clsGame::tr("Unknown statistic: %1").arg(strStat), QString());
    const bool subtract = m_view && m_view->subtractMode();
    const int value = subtract ? -action->value : action->value;
    QString who = m_view ? m_view->boxCaption(m_lastIndex) : QString();
    who.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (subtract && PlayStore::StandingTotal(dPlayerID, m_gameId, *action->kind, action->value) < 1) {
        // Taking back what was never recorded would leave a total below zero in every report.
        Beep();
        if (m_view) {
            QString caption = StatText(action->kind->caption);
            caption.remove(QLatin1Char('&'));
            if (action->kind->shape == StatShape::Rating)
                caption = clsGame::tr("pass rated %1").arg(action->value);
            m_view->showStatus(clsGame::tr("Not taken back: %1 has no %2 to take back in this game.").arg(who, caption));
        }
        return false;
    }
    QString point;
    if (m_rally && m_view) {
        const RallyKeeper::Done done
            = m_rally->action(dPlayerID, m_view->sideOfBox(m_lastIndex), int(m_lastIndex), *action->kind, value);
        if (done.gameWon) {
            Beep();
            m_view->showStatus(clsGame::tr("Not recorded: %1").arg(m_rally->gameWonNotice()));
            return false;
        }
        point = m_rally->said(done);
    } else {
        PlayStore::RecordAction(m_gameId, NewRecordId(RecordKind::Play), dPlayerID, int(m_lastIndex), *action->kind,
                                value);
    }
    // Only now that the row is stored may the status line say so; what the action did to the score
    // and the court is a sentence of its own.
    if (m_view) {
        QString said = StatusFor(*action, subtract) + m_view->boxCaption(m_lastIndex);
        if (!point.isEmpty())
            said += QStringLiteral(". ") + point;
        m_view->showStatus(said);
    }
    return true;
}

QString clsGame::NextGameQuestion(const MatchSession& session)
{
    const int number = session.game ? session.game->GameNumber() : 1;
    const int next = number + 1;
    const std::vector<MatchStore::GameScore> games = MatchStore::GameScores(session.matchId);
    const auto under = std::find_if(games.begin(), games.end(), [&](const MatchStore::GameScore& g) {
        return session.game && g.game == session.game->GameID();
    });
    const std::pair<int, int> won = session.gamesWon();
    if (session.decided(won)) {
        const bool home = won.first > won.second;
        return clsGame::tr("%1 have won the match %2\u2013%3. Go to game %4 anyway?")
            .arg(names::Shown(session.rosters[home ? 0 : 1].name))
            .arg(std::max(won.first, won.second))
            .arg(std::min(won.first, won.second))
            .arg(next);
    }
    if (under != games.end() && !GameRules::Winner(under->home, under->away, session.scoreLimit()))
        return clsGame::tr("Game %1 stands %2\u2013%3 and is not decided. Go to game %4 anyway?")
            .arg(number)
            .arg(under->home)
            .arg(under->away)
            .arg(next);
    return clsGame::tr("Are you sure you want to go to game %1?").arg(next);
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
    if (MsgBox(NextGameQuestion(session), QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon,
               clsGame::tr("New Game"), QMessageBox::No)
        != QMessageBox::Yes)
        return false;

    const RecordId newGameId = NewRecordId(RecordKind::Game);
    {
        BusyPointer busy;
        // The refilled rosters are read before the new game's row is stored, and nothing of the
        // game under way changes until both are in: a failure of either leaves it as it was.
        std::array<TeamRoster, 2> rosters = session.readRosters();
        // Ends are changed for every game but the deciding one, whose side the caller asks for.
        const QString changed = session.homeOnLeft() ? QStringLiteral("RIGHT") : QStringLiteral("LEFT");
        const QString side = GameRules::IsDecidingGame(k, g) ? session.side : changed;
        MatchStore::AddGame(session.matchId, newGameId, k, side);

        auto next = std::make_shared<clsGame>();
        next->setGameID(newGameId);
        next->setGameNumber(qint16(k));
        session.game = std::move(next);
        session.rosters = std::move(rosters);
        // The side that received first serves first in the next game (the deciding game's toss
        // may change it in the line-up window).
        session.firstServer = session.firstServer == 0 ? 1 : 0;
        session.side = side;
    }
    return true;
}

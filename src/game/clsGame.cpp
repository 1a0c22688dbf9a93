#include "game/clsGame.h"

#include "game/frmGame.h"
#include "match/frmGameOptions.h"
#include "match/frmStarters.h"
#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "core/Database.h"

#include <QListWidget>
#include <QListWidgetItem>
#include <QPushButton>
#include <array>
#include <optional>

namespace {

// The stat texts the court screen passes, with the PLAY column each one fills. Column names
// cannot be bound, so only these fixed names ever reach the statement text.
struct StatColumn
{
    const char* stat;
    const char* column;
};
constexpr std::array<StatColumn, 12> kOrdinary{{
    {"Attempt", "ATTEMPT"},
    {"ServeAce", "SERVEACE"},
    {"ServeError", "SERVEERROR"},
    {"Dig", "DIG"},
    {"ReceiveError", "RECEIVEERROR"},
    {"SoloBlock", "SOLOBLOCK"},
    {"BlockAssist", "BLOCKASSIST"},
    {"BlockError", "BLOCKERROR"},
    {"BallHandleError", "BALLHANDLEERROR"},
    {"SetAssist", "SETASSIST"},
    {"Kill", "KILL"},
    {"Error", "ERROR"},
}};

std::optional<QString> ColumnOf(const QString& strStat)
{
    for (const StatColumn& s : kOrdinary) {
        if (strStat == QLatin1String(s.stat))
            return QString::fromLatin1(s.column);
    }
    return std::nullopt;
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
    const bool subtract = m_view && m_view->subtractMode();
    const RecordId dPlayID = NewRecordId(RecordKind::Play);
    const int v = subtract ? -1 : 1;

    const bool attack = strStat == QLatin1String("Kill") || strStat == QLatin1String("Error");
    const bool pass = strStat == QLatin1String("1") || strStat == QLatin1String("2") || strStat == QLatin1String("3");

    QString lead;
    QString middle;
    if (pass) {
        const int q = strStat.toInt() * v;
        Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, PASSING, POSITION) VALUES (?, ?, ?, ?, ?)"),
                {Bind(m_gameId), Bind(dPlayID), Bind(dPlayerID), q, int(m_lastIndex)});
        lead = subtract ? QStringLiteral("Subtracted a ") : QStringLiteral("Added a ");
        middle = QStringLiteral(" Passing stat to ");
    } else {
        const std::optional<QString> column = ColumnOf(strStat);
        if (!column)
            throw DbError(QStringLiteral("Unknown statistic: %1").arg(strStat), QString());
        if (attack) {
            // A kill or an attack error is also an attempt, in the same row.
            Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, %1, ATTEMPT, POSITION) "
                                   "VALUES (?, ?, ?, ?, ?, ?)")
                        .arg(*column),
                    {Bind(m_gameId), Bind(dPlayID), Bind(dPlayerID), v, v, int(m_lastIndex)});
            middle = QStringLiteral(" and 1 Attempt to ");
        } else {
            Execute(QStringLiteral("INSERT INTO PLAY (GAMEID, PLAYID, PLAYERID, %1, POSITION) VALUES (?, ?, ?, ?, ?)")
                        .arg(*column),
                    {Bind(m_gameId), Bind(dPlayID), Bind(dPlayerID), v, int(m_lastIndex)});
            middle = QStringLiteral(" to ");
        }
        lead = subtract ? QStringLiteral("Subtracted 1 ") : QStringLiteral("Added 1 ");
    }
    // Only now that the row is stored may the status line say so.
    if (m_view)
        m_view->showStatus(lead + strStat + middle + m_view->boxCaption(m_lastIndex));
}

void clsGame::GoToNextGame()
{
    frmStarters* L = frmStarters::current();
    if (!L)
        return;

    const QString s = L->strSide == QLatin1String("LEFT") ? QStringLiteral("RIGHT") : QStringLiteral("LEFT");
    const qint16 g = L->igame;
    const RecordId matchId = L->pubMatch().MatchID();
    const RecordId homeId = L->pubMatch().HomeTeamID();
    const RecordId awayId = L->pubMatch().AwayTeamID();
    const int k = L->pubGame()->GameNumber() + 1;

    if (k > 5) {
        MsgBox(QStringLiteral("You cannot have more than five games per match"), QMessageBox::Ok, QMessageBox::NoIcon,
               QStringLiteral("Match"));
        return;
    }
    if (k > 3 && g == 3) {
        MsgBox(QStringLiteral("You choose a best of 3 match. There can be no game 4."), QMessageBox::Ok,
               QMessageBox::NoIcon, QStringLiteral("Match"));
        return;
    }
    if (MsgBox(QStringLiteral("Are you sure you want to go to game %1?").arg(k), QMessageBox::Yes | QMessageBox::No,
               QMessageBox::NoIcon, QStringLiteral("New Game"))
        != QMessageBox::Yes)
        return;

    const RecordId newGameId = NewRecordId(RecordKind::Game);
    {
        BusyPointer busy;
        // The new game's row and the refilled rosters stand or fall together: until both are in,
        // the game under way is left exactly as it was (its lists are put back on a failure).
        Transaction t;
        Execute(QStringLiteral("INSERT INTO GAME (MATCHID, GAMEID, GAMENUMBER, HOMESCORE, AWAYSCORE) "
                               "VALUES (?, ?, ?, 0, 0)"),
                {Bind(matchId), Bind(newGameId), k});
        std::array<QList<QListWidgetItem*>, 4> kept;
        for (int i = 0; i < 4; ++i) {
            QListWidget* list = L->lstTeam(i);
            while (list->count() > 0)
                kept[size_t(i)] << list->takeItem(0);
        }
        try {
            L->SetupTheHomeTeam();
            L->SetupTheAwayTeam();
            t.commit();
        } catch (...) {
            for (int i = 0; i < 4; ++i) {
                QListWidget* list = L->lstTeam(i);
                list->clear();
                for (QListWidgetItem* item : kept[size_t(i)])
                    list->addItem(item);
            }
            throw;
        }
        for (auto& items : kept)
            qDeleteAll(items);

        // From here on nothing can fail: the old game is taken down and the new one set up.
        L->releasePubMatch();
        L->releasePubGame();
        if (frmGame* screen = frmGame::current()) {
            screen->colHomePlayers.clear();
            screen->colAwayPlayers.clear();
            screen->pubGame.reset();
            screen->closeForNextGame();
        }
        L->pubMatch().setHomeTeamID(homeId);
        L->pubMatch().setAwayTeamID(awayId);
        L->pubMatch().setMatchID(matchId);
        L->pubGame()->setGameID(newGameId);
        L->pubGame()->setGameNumber(qint16(k));
        L->bSubMode = false;
        L->EndSubstitutionMode();
    }

    if ((g == 3 || g == 5) && k == g) {
        // The deciding game: only the side is asked again; cancelling keeps the side just played.
        frmGameOptions options(L, true);
        options.exec();
    } else {
        L->strSide = s;
    }
}

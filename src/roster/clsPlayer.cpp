#include "roster/clsPlayer.h"

#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "roster/Picked.h"
#include "core/Database.h"
#include "roster/clsTeam.h"
#include "roster/frmPickPlayer.h"
#include "roster/frmPickTeam.h"
#include "roster/frmPlayer.h"

namespace {
constexpr auto kPlayersTeamCaption = "Choose Team that the Player is on";

// The chosen player's identifier; the picked record is let go at once.
RecordId TakePickedPlayerId()
{
    const auto player = PickedPlayer();
    pubPicked.reset();
    return player ? player->PlayerID() : RecordId();
}
} // namespace

void clsPlayer::AddNewPlayer()
{
    if (!PickTeam(QStringLiteral("Please Choose Team to Add to")))
        return;
    const auto team = PickedTeam();
    pubPicked.reset();
    if (!team)
        return;
    m_teamId = team->TeamID();

    // One window per player; "Done" (or closing the window) ends the command.
    auto askForPlayer = [] {
        frmPlayer window;
        window.exec();
        return pubOK;
    };
    while (askForPlayer()) {
        // The edit window wrote the typed values into pubPlayer(), which is normally this record.
        m_name = pubPlayer().PlayerName();
        m_number = pubPlayer().PlayerNumber();
        m_id = NewRecordId(RecordKind::Player);
        BusyPointer busy;
        Execute(QStringLiteral("INSERT INTO PLAYER (PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER) VALUES (?, ?, ?, ?)"),
                {Bind(m_id), Bind(m_teamId), m_name, m_number});
    }
}

void clsPlayer::Delete()
{
    if (!PickPlayer(QString::fromLatin1(kPlayersTeamCaption)))
        return;
    m_id = TakePickedPlayerId();
    if (m_id.isNull())
        return;
    const auto rows = SelectAll(QStringLiteral("SELECT PLAYERNAME FROM PLAYER WHERE PLAYERID = ?"), {Bind(m_id)});
    if (rows.empty())
        return;
    m_name = rows.front().value(0).toString();

    if (MsgBox(QStringLiteral("Are you sure you would like to delete ") + m_name + QStringLiteral("?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, QStringLiteral("Delete"))
        != QMessageBox::Yes)
        return;

    // The player's recorded actions and games stay, so that past reports still add up.
    BusyPointer busy;
    Execute(QStringLiteral("DELETE FROM PLAYER WHERE PLAYERID = ?"), {Bind(m_id)});
}

void clsPlayer::Update()
{
    if (!PickPlayer(QString::fromLatin1(kPlayersTeamCaption)))
        return;
    m_id = TakePickedPlayerId();
    if (m_id.isNull())
        return;
    const auto rows = SelectAll(
        QStringLiteral("SELECT TEAMID, PLAYERNAME, PLAYERNUMBER FROM PLAYER WHERE PLAYERID = ?"), {Bind(m_id)});
    if (rows.empty())
        return;
    m_teamId = RecordId::fromText(rows.front().value(0).toString());

    {
        frmPlayer window;
        window.setPlayer(static_cast<qint16>(rows.front().value(2).toInt()), rows.front().value(1).toString());
        window.setButtonCaptions(QStringLiteral("&Update"), QStringLiteral("&Cancel"));
        window.exec();
    }
    if (!pubOK)
        return;

    m_name = pubPlayer().PlayerName();
    m_number = pubPlayer().PlayerNumber();
    BusyPointer busy;
    Execute(QStringLiteral("UPDATE PLAYER SET PLAYERNUMBER = ?, PLAYERNAME = ? WHERE PLAYERID = ?"),
            {m_number, m_name, Bind(m_id)});
}

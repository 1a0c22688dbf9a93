#include "roster/clsPlayer.h"

#include "core/MsgBox.h"
#include "core/RosterStore.h"
#include "core/mConstants.h"
#include "roster/frmPickPlayer.h"
#include "roster/frmPickTeam.h"
#include "roster/frmPlayer.h"

namespace {
// The chosen player as stored now; nothing when the user cancelled or the player has gone.
std::optional<PlayerRow> ChooseStoredPlayer()
{
    const std::optional<clsPlayer> picked = PickPlayer(clsPlayer::tr("Choose Team that the Player is on"));
    if (!picked)
        return std::nullopt;
    return RosterStore::Player(picked->PlayerID());
}
} // namespace

clsPlayer::clsPlayer(const PlayerRow& row)
    : m_id(row.id), m_teamId(row.teamId), m_name(row.name), m_number(static_cast<qint16>(row.number))
{
}

void clsPlayer::AddNewPlayer()
{
    const std::optional<clsTeam> team = PickTeam(tr("Please Choose Team to Add to"));
    if (!team)
        return;
    m_teamId = team->TeamID();

    // One window per player; "Done" (or closing the window) ends the command.
    for (;;) {
        std::optional<frmPlayer::Entry> entry;
        {
            frmPlayer window;
            entry = window.Ask();
        }
        if (!entry)
            return;
        m_name = entry->name;
        m_number = entry->number;
        m_id = NewRecordId(RecordKind::Player);
        BusyPointer busy;
        RosterStore::AddPlayer({m_id, m_teamId, m_name, m_number});
    }
}

void clsPlayer::Delete()
{
    const std::optional<PlayerRow> player = ChooseStoredPlayer();
    if (!player)
        return;
    *this = clsPlayer(*player);
    if (MsgBox(tr("Are you sure you would like to delete ") + m_name + QStringLiteral("?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, tr("Delete"))
        != QMessageBox::Yes)
        return;
    BusyPointer busy;
    RosterStore::DeletePlayer(m_id);
}

void clsPlayer::Update()
{
    const std::optional<PlayerRow> player = ChooseStoredPlayer();
    if (!player)
        return;
    *this = clsPlayer(*player);
    std::optional<frmPlayer::Entry> entry;
    {
        frmPlayer window;
        window.setPlayer(m_number, m_name);
        window.setButtonCaptions(tr("&Update"), tr("&Cancel"));
        entry = window.Ask();
    }
    if (!entry)
        return;
    m_name = entry->name;
    m_number = entry->number;
    BusyPointer busy;
    RosterStore::UpdatePlayer(m_id, m_name, m_number);
}

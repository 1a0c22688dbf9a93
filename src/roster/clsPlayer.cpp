#include "roster/clsPlayer.h"

#include "base/Names.h"
#include "widgets/MsgBox.h"
#include "storage/RosterStore.h"
#include "widgets/mConstants.h"
#include "roster/frmPickPlayer.h"
#include "roster/frmPickTeam.h"
#include "roster/frmPlayer.h"
#include "storage/RecordIssue.h"

namespace {
// The chosen player as stored now; nothing when the user cancelled or the player has gone.
std::optional<PlayerRow> ChooseStoredPlayer()
{
    const std::optional<clsPlayer> picked = PickPlayer(clsPlayer::tr("Choose Team that the Player is on"));
    if (!picked)
        return std::nullopt;
    return RosterStore::Player(picked->PlayerID());
}

// Says who already wears the number the user gave.
void SayNumberTaken(const NumberTaken& taken)
{
    // One arg() call: a name holding "%2" stays as it is.
    MsgBox(clsPlayer::tr("Number %1 is already worn by %2 of %3. Please give this player another number.")
               .arg(QString::number(taken.wearer.number), names::Shown(taken.wearer.name), names::Shown(taken.teamName)),
           QMessageBox::Ok, QMessageBox::NoIcon, clsPlayer::tr("Player Number"));
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

    // One window per player; "Done" (or closing the window) ends the command. A number another
    // player of the team wears is refused, and the window comes back with what was typed.
    std::optional<frmPlayer::Entry> refused;
    for (;;) {
        std::optional<frmPlayer::Entry> entry;
        {
            frmPlayer window;
            if (refused)
                window.setPlayer(refused->number, refused->name);
            entry = window.Ask();
        }
        if (!entry)
            return;
        m_name = entry->name;
        m_number = entry->number;
        m_id = NewRecordId(RecordKind::Player);
        std::optional<NumberTaken> taken;
        {
            BusyPointer busy;
            taken = RosterStore::AddPlayer({m_id, m_teamId, m_name, m_number});
        }
        refused.reset();
        if (taken) {
            SayNumberTaken(*taken);
            refused = entry;
        }
    }
}

void clsPlayer::Delete()
{
    const std::optional<PlayerRow> player = ChooseStoredPlayer();
    if (!player)
        return;
    *this = clsPlayer(*player);
    if (MsgBox(tr("Are you sure you would like to delete ") + names::Shown(m_name) + QStringLiteral("?"),
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
    // A number another player of the team wears is refused, and the window comes back with what
    // was typed until it is changed or left.
    frmPlayer::Entry shown{m_number, m_name};
    for (;;) {
        std::optional<frmPlayer::Entry> entry;
        {
            frmPlayer window;
            window.setPlayer(shown.number, shown.name);
            window.setButtonCaptions(tr("&Update"), tr("&Cancel"));
            entry = window.Ask();
        }
        if (!entry)
            return;
        std::optional<NumberTaken> taken;
        {
            BusyPointer busy;
            taken = RosterStore::UpdatePlayer({m_id, m_teamId, entry->name, entry->number});
        }
        if (!taken) {
            m_name = entry->name;
            m_number = entry->number;
            return;
        }
        SayNumberTaken(*taken);
        shown = *entry;
    }
}

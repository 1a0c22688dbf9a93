#include "roster/clsTeam.h"

#include "base/Names.h"
#include "widgets/MsgBox.h"
#include "storage/RosterStore.h"
#include "widgets/mConstants.h"
#include "roster/frmPickTeam.h"
#include "roster/frmTeam.h"
#include "storage/RecordIssue.h"

namespace {
// The chosen team as it is stored now; nothing when the user cancelled or it has gone meanwhile.
std::optional<clsTeam> ChooseStoredTeam(const QString& caption)
{
    const std::optional<clsTeam> picked = PickTeam(caption);
    if (!picked)
        return std::nullopt;
    const std::optional<QString> name = RosterStore::TeamName(picked->TeamID());
    if (!name)
        return std::nullopt;
    return clsTeam(picked->TeamID(), *name);
}
} // namespace

void clsTeam::MakeNewTeam()
{
    std::optional<QString> name;
    {
        frmTeam window;
        name = window.Ask();
    }
    if (!name)
        return;
    m_name = *name;
    m_id = NewRecordId(RecordKind::Team);
    BusyPointer busy;
    RosterStore::AddTeam(m_id, m_name);
}

void clsTeam::Delete()
{
    const std::optional<clsTeam> team = ChooseStoredTeam(tr("Please Choose the Team to Delete"));
    if (!team)
        return;
    *this = *team;
    if (MsgBox(tr("Are you sure you would like to delete ") + names::Shown(m_name) + QStringLiteral("?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, tr("Delete"))
        != QMessageBox::Yes)
        return;
    BusyPointer busy;
    RosterStore::DeleteTeam(m_id);
}

void clsTeam::Update()
{
    const std::optional<clsTeam> team = ChooseStoredTeam(tr("Please Choose the Team to Update"));
    if (!team)
        return;
    m_id = team->TeamID();
    std::optional<QString> name;
    {
        frmTeam window;
        window.setButtonCaptions(tr("&Update"), tr("&Cancel"));
        window.setTeamName(team->TeamName());
        name = window.Ask();
    }
    if (!name)
        return;
    m_name = *name;
    BusyPointer busy;
    RosterStore::RenameTeam(m_id, m_name);
}

#include "roster/clsTeam.h"

#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "roster/Picked.h"
#include "core/Database.h"
#include "roster/frmPickTeam.h"
#include "roster/frmTeam.h"

namespace {
// The chosen team's identifier; the picked record is let go at once, as it is no longer needed.
RecordId TakePickedTeamId()
{
    const auto team = PickedTeam();
    pubPicked.reset();
    return team ? team->TeamID() : RecordId();
}

// The stored name of a team; false when the team is no longer there.
bool StoredTeamName(const RecordId& id, QString* name)
{
    const auto rows = SelectAll(QStringLiteral("SELECT TEAMNAME FROM TEAM WHERE TEAMID = ?"), {Bind(id)});
    if (rows.empty())
        return false;
    *name = rows.front().value(0).toString();
    return true;
}
} // namespace

void clsTeam::MakeNewTeam()
{
    {
        frmTeam window;
        window.exec();
    }
    if (!pubOK)
        return;

    // The edit window wrote the typed name into pubTeam(), which is normally this record.
    m_name = pubTeam().TeamName();
    m_id = NewRecordId(RecordKind::Team);
    BusyPointer busy;
    Execute(QStringLiteral("INSERT INTO TEAM (TEAMID, TEAMNAME) VALUES (?, ?)"), {Bind(m_id), m_name});
}

void clsTeam::Delete()
{
    if (!PickTeam(QStringLiteral("Please Choose the Team to Delete")))
        return;
    m_id = TakePickedTeamId();
    if (m_id.isNull() || !StoredTeamName(m_id, &m_name))
        return;

    if (MsgBox(QStringLiteral("Are you sure you would like to delete ") + m_name + QStringLiteral("?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::NoIcon, QStringLiteral("Delete"))
        != QMessageBox::Yes)
        return;

    // A team never goes without its players, nor its players without the team.
    BusyPointer busy;
    Transaction transaction;
    Execute(QStringLiteral("DELETE FROM TEAM WHERE TEAMID = ?"), {Bind(m_id)});
    Execute(QStringLiteral("DELETE FROM PLAYER WHERE TEAMID = ?"), {Bind(m_id)});
    transaction.commit();
}

void clsTeam::Update()
{
    if (!PickTeam(QStringLiteral("Please Choose the Team to Update")))
        return;
    m_id = TakePickedTeamId();
    QString storedName;
    if (m_id.isNull() || !StoredTeamName(m_id, &storedName))
        return;

    {
        frmTeam window;
        window.setButtonCaptions(QStringLiteral("&Update"), QStringLiteral("&Cancel"));
        window.setTeamName(storedName);
        window.exec();
    }
    if (!pubOK)
        return;

    m_name = pubTeam().TeamName();
    BusyPointer busy;
    Execute(QStringLiteral("UPDATE TEAM SET TEAMNAME = ? WHERE TEAMID = ?"), {m_name, Bind(m_id)});
}

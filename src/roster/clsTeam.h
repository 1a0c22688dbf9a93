#pragma once

#include "base/RecordId.h"

#include <QCoreApplication>
#include <QString>

// A team: the record the team chooser hands back, and the main window's three team commands.
class clsTeam
{
    Q_DECLARE_TR_FUNCTIONS(clsTeam)

public:
    clsTeam() = default;
    clsTeam(const RecordId& id, const QString& name) : m_id(id), m_name(name) {}

    QString TeamName() const { return m_name; }
    void setTeamName(const QString& NewName) { m_name = NewName; }
    RecordId TeamID() const { return m_id; }
    void setTeamID(const RecordId& dNewID) { m_id = dNewID; }

    // Add a team, delete a team with its players, rename a team. Each runs its whole dialog flow;
    // a database failure throws DbError to the command's caller.
    void MakeNewTeam();
    void Delete();
    void Update();

private:
    RecordId m_id;
    QString m_name;
};

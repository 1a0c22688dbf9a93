#pragma once

#include "base/RecordId.h"

#include <QCoreApplication>
#include <QString>

struct PlayerRow;

// A player of one team: the record the player chooser and the court screen use, and the main
// window's three player commands.
class clsPlayer
{
    Q_DECLARE_TR_FUNCTIONS(clsPlayer)

public:
    clsPlayer() = default;
    explicit clsPlayer(const PlayerRow& row);

    QString PlayerName() const { return m_name; }
    void setPlayerName(const QString& sNewName) { m_name = sNewName; }
    qint16 PlayerNumber() const { return m_number; }
    void setPlayerNumber(qint16 iNewNumber) { m_number = iNewNumber; }
    RecordId TeamID() const { return m_teamId; }
    void setTeamID(const RecordId& vNewID) { m_teamId = vNewID; }
    RecordId PlayerID() const { return m_id; }
    void setPlayerID(const RecordId& vNewID) { m_id = vNewID; }

    // Add players to a team one after another, delete a player, edit a player. A database failure
    // throws DbError to the command's caller.
    void AddNewPlayer();
    void Delete();
    void Update();

private:
    RecordId m_id;
    RecordId m_teamId;
    QString m_name;
    qint16 m_number = 0;
};

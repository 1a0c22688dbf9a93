#pragma once

#include "store/RecordId.h"

#include <QString>

// The state of one game while it is played, and the recording of actions.
class clsGame
{
public:
    RecordId GameID() const { return m_gameId; }
    void setGameID(const RecordId& newGameID) { m_gameId = newGameID; }
    qint16 GameNumber() const { return m_number; }
    void setGameNumber(qint16 newGameNumber) { m_number = newGameNumber; }
    qint16 LastIndex() const { return m_lastIndex; }

    void PlayerOnClick(qint16 iIndex);
    void AddStat(const QString& strStat, const RecordId& dPlayerID);
    void GoToNextGame();

private:
    RecordId m_gameId;
    qint16 m_number = 0;
    qint16 m_lastIndex = 1;
};

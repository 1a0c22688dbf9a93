#include "game/clsGame.h"

// Placeholder bodies until the game commands land.
void clsGame::PlayerOnClick(qint16 iIndex)
{
    m_lastIndex = iIndex;
}
void clsGame::AddStat(const QString&, const RecordId&) {}
void clsGame::GoToNextGame() {}

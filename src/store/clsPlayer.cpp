#include "store/clsPlayer.h"

// Placeholder bodies until the player commands land.
void clsPlayer::AddNewPlayer() {}
void clsPlayer::Delete() {}
void clsPlayer::Update() {}

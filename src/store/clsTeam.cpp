#include "store/clsTeam.h"

// Placeholder bodies until the team commands land.
void clsTeam::MakeNewTeam() {}
void clsTeam::Delete() {}
void clsTeam::Update() {}

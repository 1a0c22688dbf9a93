#pragma once

#include <memory>

class clsPlayer;
class clsRecord;
class clsTeam;

// The record chosen in the last team or player chooser.
extern std::shared_ptr<clsRecord> pubPicked;

// The team and player records that the edit windows fill; created on first use.
clsTeam& pubTeam();
void ReleasePubTeam();
clsPlayer& pubPlayer();
void ReleasePubPlayer();

// The picked record as a team or player; null when the last pick was of the other kind or none.
std::shared_ptr<clsTeam> PickedTeam();
std::shared_ptr<clsPlayer> PickedPlayer();

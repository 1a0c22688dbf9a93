#include "roster/Picked.h"

#include "roster/clsPlayer.h"
#include "roster/clsTeam.h"

std::shared_ptr<clsRecord> pubPicked;

namespace {
std::unique_ptr<clsTeam>& teamSlot()
{
    static std::unique_ptr<clsTeam> team;
    return team;
}

std::unique_ptr<clsPlayer>& playerSlot()
{
    static std::unique_ptr<clsPlayer> player;
    return player;
}
} // namespace

clsTeam& pubTeam()
{
    if (!teamSlot())
        teamSlot() = std::make_unique<clsTeam>();
    return *teamSlot();
}

void ReleasePubTeam()
{
    teamSlot().reset();
}

clsPlayer& pubPlayer()
{
    if (!playerSlot())
        playerSlot() = std::make_unique<clsPlayer>();
    return *playerSlot();
}

void ReleasePubPlayer()
{
    playerSlot().reset();
}

std::shared_ptr<clsTeam> PickedTeam()
{
    return std::dynamic_pointer_cast<clsTeam>(pubPicked);
}

std::shared_ptr<clsPlayer> PickedPlayer()
{
    return std::dynamic_pointer_cast<clsPlayer>(pubPicked);
}

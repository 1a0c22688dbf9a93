#include "store/frmPickTeam.h"

#include "shell/mConstants.h"

// Placeholder until the team chooser lands.
bool PickTeam(const QString&)
{
    pubOK = false;
    return false;
}

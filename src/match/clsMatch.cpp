#include "match/clsMatch.h"

// Placeholder bodies until the match commands land.
void clsMatch::StartNewMatch() {}
void clsMatch::PickMatch() {}

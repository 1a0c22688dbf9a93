#pragma once

#include <QString>

// Loads the team chooser, gives it the caption and shows it modally. Returns pubOK; on accept,
// pubPicked holds the chosen clsTeam. With no team stored it says "There are no teams loaded."
// once and returns false without showing the window.
bool PickTeam(const QString& caption);

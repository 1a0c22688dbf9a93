#pragma once

#include "roster/DialogParts.h"

#include <QString>

// The team chooser: every stored team, one line each; the chosen one goes to pubPicked.
class frmPickTeam : public RosterChooser
{
    Q_OBJECT

public:
    explicit frmPickTeam(QWidget* parent = nullptr);

    // Fills the list from TEAM, with the status line and the gauge. With no team stored it says
    // so once, sets pubOK false and returns false; the window is then not to be shown.
    bool Load();

    // The list line of a team, as people see it: the name, five tabs, "TEAM ID: " and the
    // identifier.
    static QString LineText(const QString& name, const QString& idText);

private:
    void cmdOk_Click() override;
};

// Loads the team chooser, gives it the caption and shows it modally. Returns pubOK; on accept,
// pubPicked holds the chosen clsTeam. With no team stored it says "There are no teams loaded."
// once and returns false without showing the window.
bool PickTeam(const QString& caption);

#pragma once

#include "roster/DialogParts.h"
#include "roster/clsTeam.h"

#include <QString>

#include <optional>

// The team chooser: every stored team, one line each.
class frmPickTeam : public RosterChooser
{
    Q_OBJECT

public:
    explicit frmPickTeam(QWidget* parent = nullptr);

    // Fills the list from the stored teams, with the status line and the gauge. With no team
    // stored it says so once and returns false; the window is then not to be shown.
    bool Load();

    // Puts the list on the first team that is not this one (the home team, when the away team is
    // asked for next), so that Enter does not pick one team twice; that team can still be chosen.
    void PreselectOtherThan(const RecordId& team);

    // The team chosen by the accepting button; nothing before that.
    std::optional<clsTeam> Chosen() const { return m_chosen; }

    // The list line of a team, as people see it: the name, five tabs, "TEAM ID: " and the
    // identifier.
    static QString LineText(const QString& name, const QString& idText);

private:
    void cmdOk_Click() override;

    std::optional<clsTeam> m_chosen;
};

// Loads the team chooser, gives it the caption and shows it modally, on the first team (or, given
// notPreselected, the first other team). Returns the chosen team, or nothing when the user
// cancelled. With no team stored it says "There are no teams loaded." once and returns nothing
// without showing the window.
std::optional<clsTeam> PickTeam(const QString& caption, const std::optional<RecordId>& notPreselected = std::nullopt);

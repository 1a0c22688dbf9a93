#pragma once

#include "base/RecordId.h"
#include "roster/DialogParts.h"
#include "roster/clsPlayer.h"

#include <QString>

#include <optional>

// The player chooser: the players of one team, one line each.
class frmPickPlayer : public RosterChooser
{
    Q_OBJECT

public:
    explicit frmPickPlayer(QWidget* parent = nullptr);

    // Fills the list with the team's players, with the status line and the gauge. A team without
    // players is said so once; then it returns false, and the window is not to be shown.
    bool LoadTeam(const RecordId& teamId);

    // The player chosen by the accepting button; nothing before that.
    std::optional<clsPlayer> Chosen() const { return m_chosen; }

    // The list line of a player, as people see it: name, a blank, number, six tabs and the
    // identifier.
    static QString LineText(const QString& name, int number, const QString& idText);

    // Besides the identifier and the name, each list entry carries the player's number.
    static constexpr int kNumberRole = Qt::UserRole + 2;

private:
    void cmdOk_Click() override;

    RecordId m_teamId;
    std::optional<clsPlayer> m_chosen;
};

// Asks for the team with the given caption, then for one of its players. Returns the chosen
// player, or nothing when the user cancelled either window.
std::optional<clsPlayer> PickPlayer(const QString& teamCaption);

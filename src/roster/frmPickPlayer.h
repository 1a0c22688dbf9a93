#pragma once

#include "roster/DialogParts.h"
#include "core/RecordId.h"

#include <QString>

// The player chooser: the players of one team, one line each; the chosen one goes to pubPicked.
class frmPickPlayer : public RosterChooser
{
    Q_OBJECT

public:
    explicit frmPickPlayer(QWidget* parent = nullptr);

    // Fills the list with the team's players, with the status line and the gauge. A team without
    // players is said so once; then it sets pubOK false and returns false, and the window is not
    // to be shown.
    bool LoadTeam(const RecordId& teamId);

    // The list line of a player, as people see it: name, a blank, number, six tabs and the
    // identifier.
    static QString LineText(const QString& name, int number, const QString& idText);

    // Besides the identifier and the name, each list entry carries the player's number.
    static constexpr int kNumberRole = Qt::UserRole + 2;

private:
    void cmdOk_Click() override;

    RecordId m_teamId;
};

// Asks for the team with the given caption, then for one of its players. Returns pubOK; on
// accept, pubPicked holds the chosen clsPlayer.
bool PickPlayer(const QString& teamCaption);

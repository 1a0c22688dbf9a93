#pragma once

#include "store/RecordId.h"

#include <QDialog>
#include <QHash>
#include <QString>

#include <memory>

class QListWidget;
class QPushButton;
class clsPlayer;

// The player chooser: the players of one team, one line each; the chosen one goes to pubPicked.
class frmPickPlayer : public QDialog
{
    Q_OBJECT

public:
    explicit frmPickPlayer(QWidget* parent = nullptr);
    ~frmPickPlayer() override;

    // Fills the list with the team's players, with the status line and the gauge. A team without
    // players is said so once; then it sets pubOK false and returns false, and the window is not
    // to be shown.
    bool LoadTeam(const RecordId& teamId);

    // The list line of a player, as people see it.
    static QString LineText(const clsPlayer& player);

public slots:
    void accept() override;
    void reject() override;

private:
    void cmdOk_Click();

    QListWidget* lstPlayers = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
    // The row objects, found again through the identifier each list entry carries.
    QHash<QString, std::shared_ptr<clsPlayer>> cPlayers;
};

// Asks for the team with the given caption, then for one of its players. Returns pubOK; on
// accept, pubPicked holds the chosen clsPlayer.
bool PickPlayer(const QString& teamCaption);

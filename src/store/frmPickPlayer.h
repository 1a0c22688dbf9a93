#pragma once

#include "store/RecordId.h"

#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;

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

    // The list line of a player, as people see it: name, a blank, number, six tabs and the
    // identifier.
    static QString LineText(const QString& name, int number, const QString& idText);

    // What each list entry carries: the player's identifier in its stored form, name and number.
    static constexpr int kIdRole = Qt::UserRole;
    static constexpr int kNameRole = Qt::UserRole + 1;
    static constexpr int kNumberRole = Qt::UserRole + 2;

public slots:
    void accept() override;
    void reject() override;

private:
    void cmdOk_Click();

    QListWidget* lstPlayers = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
    RecordId m_teamId;
};

// Asks for the team with the given caption, then for one of its players. Returns pubOK; on
// accept, pubPicked holds the chosen clsPlayer.
bool PickPlayer(const QString& teamCaption);

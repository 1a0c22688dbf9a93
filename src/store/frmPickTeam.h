#pragma once

#include "store/RecordId.h"

#include <QDialog>
#include <QHash>
#include <QString>

#include <memory>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class clsTeam;

// The team chooser: every stored team, one line each; the chosen one goes to pubPicked.
class frmPickTeam : public QDialog
{
    Q_OBJECT

public:
    explicit frmPickTeam(QWidget* parent = nullptr);
    ~frmPickTeam() override;

    // Fills the list from TEAM, with the status line and the gauge. With no team stored it says
    // so once, sets pubOK false and returns false; the window is then not to be shown.
    bool Load();

    // The list line of a team, as people see it.
    static QString LineText(const clsTeam& team);

public slots:
    void accept() override;
    void reject() override;

private:
    void cmdOk_Click();

    QListWidget* lstTeams = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
    // The row objects, found again through the identifier each list entry carries.
    QHash<QString, std::shared_ptr<clsTeam>> cTeams;
};

// Loads the team chooser, gives it the caption and shows it modally. Returns pubOK; on accept,
// pubPicked holds the chosen clsTeam. With no team stored it says "There are no teams loaded."
// once and returns false without showing the window.
bool PickTeam(const QString& caption);

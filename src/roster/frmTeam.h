#pragma once

#include "roster/DialogParts.h"

#include <QString>

class QLabel;
class QLineEdit;

// The team edit window: one name box. On OK the typed name goes to pubTeam().
class frmTeam : public RosterEditor
{
    Q_OBJECT

public:
    explicit frmTeam(QWidget* parent = nullptr);

    // The rename command fills the box.
    void setTeamName(const QString& name);

protected:
    QWidget* FirstBox() const override;

private:
    void cmdOk_Click() override;

    QLabel* lblCaptionForName = nullptr;
    QLineEdit* txtTeamName = nullptr;
};

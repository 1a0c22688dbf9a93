#pragma once

#include "roster/DialogParts.h"

#include <QString>

#include <optional>

class QLabel;
class QLineEdit;

// The team edit window: one name box.
class frmTeam : public RosterEditor
{
    Q_OBJECT

public:
    explicit frmTeam(QWidget* parent = nullptr);

    // The rename command fills the box.
    void setTeamName(const QString& name);

    // Shows the window modally; the typed name when accepted, nothing when cancelled or closed.
    std::optional<QString> Ask();

protected:
    QWidget* FirstBox() const override;

private:
    void cmdOk_Click() override;

    QLabel* lblCaptionForName = nullptr;
    QLineEdit* txtTeamName = nullptr;
    QString m_name;
};

#pragma once

#include "roster/DialogParts.h"

#include <QString>

class QLabel;
class QLineEdit;

// The player edit window: shirt number and name. On the accepting button the typed values go to
// pubPlayer(); "Done" (or the close box) ends the adding, and since it ends in reject(), closing
// the window never stores the previous player a second time.
class frmPlayer : public RosterEditor
{
    Q_OBJECT

public:
    explicit frmPlayer(QWidget* parent = nullptr);

    // The edit command fills both boxes.
    void setPlayer(qint16 number, const QString& name);

protected:
    QWidget* FirstBox() const override;

private:
    void cmdOk_Click() override;

    QLabel* lblPlayerNum = nullptr;
    QLineEdit* txtPlayerNumber = nullptr;
    QLabel* lblPlayerName = nullptr;
    QLineEdit* txtPlayerName = nullptr;
};

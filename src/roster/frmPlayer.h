#pragma once

#include "roster/DialogParts.h"

#include <QString>

#include <optional>

class QLabel;
class QLineEdit;

// The player edit window: shirt number and name. "Done" (or the close box) ends the adding, and
// since it ends in reject(), closing the window never stores the previous player a second time.
class frmPlayer : public RosterEditor
{
    Q_OBJECT

public:
    explicit frmPlayer(QWidget* parent = nullptr);

    // The edit command fills both boxes, and so does the adding after a refused number.
    void setPlayer(qint16 number, const QString& name);

    struct Entry
    {
        qint16 number = 0;
        QString name;
    };
    // Shows the window modally; what was typed when accepted, nothing when it was left.
    std::optional<Entry> Ask();

protected:
    QWidget* FirstBox() const override;

private:
    void cmdOk_Click() override;

    QLabel* lblPlayerNum = nullptr;
    QLineEdit* txtPlayerNumber = nullptr;
    QLabel* lblPlayerName = nullptr;
    QLineEdit* txtPlayerName = nullptr;
    Entry m_entry;
};

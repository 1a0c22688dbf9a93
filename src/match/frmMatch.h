#pragma once

#include "core/RecordId.h"

#include <QDialog>
#include <optional>

class QListWidget;
class QPushButton;

// "Match Listing": every stored match as "Away vs Home on <date and time>", to pick one.
class frmMatch : public QDialog
{
    Q_OBJECT

public:
    explicit frmMatch(QWidget* parent = nullptr);

    // Shows the window; the match chosen with OK, nothing when it was left otherwise.
    std::optional<RecordId> choose();

    // Refills the list from the database, oldest match first.
    void FillMatchList();

    void reject() override;

private:
    void cmdOk_Click();

    std::optional<RecordId> m_chosen;
    QListWidget* lstMatch;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

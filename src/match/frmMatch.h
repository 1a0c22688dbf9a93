#pragma once

#include "core/RecordId.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// "Match Listing": every stored match as "Away vs Home on <date and time>", to pick one.
class frmMatch : public QDialog
{
    Q_OBJECT

public:
    explicit frmMatch(QWidget* parent = nullptr);

    bool bOK = false; // OK was pressed on an entry
    RecordId dMatchID; // the chosen match; set only on OK

    // Refills the list from the database, oldest match first.
    void FillMatchList();

    void reject() override;

private:
    void cmdOk_Click();

    QListWidget* lstMatch;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

#pragma once

#include "storage/ScoutStore.h"

#include <QDialog>
#include <functional>
#include <optional>

class QListWidget;
class QPushButton;

// "Export Scout File": every recorded match as the match listing names it ("Away vs Home on
// <date and time>") with each game's score, away side first as the names read; one is chosen.
class frmExportScout : public QDialog
{
    Q_OBJECT

public:
    explicit frmExportScout(const std::vector<ScoutStore::ListedMatch>& matches, QWidget* parent = nullptr);

    // Shows the window; the match chosen with OK, or nothing.
    std::optional<RecordId> choose();

    static QString Line(const ScoutStore::ListedMatch& match);

    void reject() override;

private:
    void cmdOk_Click();

    std::optional<RecordId> m_chosen;
    QListWidget* lstMatches;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

// The main window's command: a match chosen, then where to write it (askPath stands for the file
// dialog and is given the file name proposed; tests give their own), then the file, whole or not
// at all, with the busy pointer and the status line.
void ExportScoutFile(QWidget* mainWindow, std::function<QString(const QString&)> askPath = {});

#pragma once

#include "core/ArchiveStore.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// "Restore Saved Matches": every archived match as the match listing shows it ("Away vs Home on
// <date and time>") with each game's score, away side first as the names read; several may be
// chosen at once.
class frmRestore : public QDialog
{
    Q_OBJECT

public:
    explicit frmRestore(const std::vector<ArchiveStore::ArchivedMatch>& matches, QWidget* parent = nullptr);

    // Shows the window; the matches chosen with OK, in the list's order, or none.
    QList<RecordId> choose();

    // A match as the match listing names it, and its list line: the name and every game's score.
    static QString Name(const ArchiveStore::ArchivedMatch& match);
    static QString Line(const ArchiveStore::ArchivedMatch& match);

    void reject() override;

private:
    void cmdOk_Click();

    QList<RecordId> m_chosen;
    QListWidget* lstArchive;
    QPushButton* cmdAll;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

// The main window's command: lists the archive, restores the matches chosen into the working
// tables with the status line and gauge, and names those already there, which are left alone.
void RestoreSavedMatches(QWidget* mainWindow);

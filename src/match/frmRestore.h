#pragma once

#include "storage/ArchiveStore.h"
#include "club/ClubStore.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;
class QRadioButton;

// "Restore Saved Matches": every archived match as the match listing shows it ("Away vs Home on
// <date and time>") with each game's score, away side first as the names read; several may be
// chosen at once. Where a club server is set up, the source may be switched from this computer to
// the club server, which lists every bench's matches with the bench's name.
class frmRestore : public QDialog
{
    Q_OBJECT

public:
    // Lists the club server's matches (off the window's thread); throws DbError when it cannot.
    using ClubLoader = std::function<std::vector<ClubStore::ServerMatch>()>;

    // Without a loader there is no club server to choose.
    explicit frmRestore(const std::vector<ArchiveStore::ArchivedMatch>& matches, QWidget* parent = nullptr,
                        ClubLoader loadClub = {});

    // Shows the window; the matches chosen with OK, in the list's order, or none.
    QList<RecordId> choose();
    // After choose(): whether the chosen matches are the club server's, and which they are.
    bool fromClub() const { return m_fromClub; }
    QList<ClubStore::ServerKey> chosenFromClub() const { return m_chosenClub; }
    const std::vector<ClubStore::ServerMatch>& clubMatches() const { return m_club; }
    // A club server's match as the list shows it: the line and the bench's name.
    static QString ClubLine(const ClubStore::ServerMatch& match);

    // A match as the match listing names it, and its list line: the name and every game's score.
    static QString Name(const ArchiveStore::ArchivedMatch& match);
    static QString Line(const ArchiveStore::ArchivedMatch& match);

    void reject() override;

private:
    void cmdOk_Click();
    // Fills the list from the chosen source; the club server's matches are fetched the first time.
    void showSource();

    std::vector<ArchiveStore::ArchivedMatch> m_local;
    std::vector<ClubStore::ServerMatch> m_club;
    bool m_clubLoaded = false;
    ClubLoader m_loadClub;
    QList<RecordId> m_chosen;
    QList<ClubStore::ServerKey> m_chosenClub;
    bool m_fromClub = false;
    QRadioButton* optSource_0;
    QRadioButton* optSource_1;
    QListWidget* lstArchive;
    QPushButton* cmdAll;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

// The main window's command: lists the archive, restores the matches chosen into the working
// tables with the status line and gauge, and names those already there, which are left alone.
void RestoreSavedMatches(QWidget* mainWindow);

#pragma once

#include "scoutfile/ScoutFile.h"
#include "storage/ScoutStore.h"

#include <QDialog>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// "Import Scout File": what a scout file holds before anything of it is written: both teams, the
// date, the set scores and each side's players with their shirt numbers, with the teams and
// players the roster does not have yet marked as new. The text encoding can be chosen; the names
// are read again at once. A file that cannot be imported says why (the line and the fault) and
// offers no import.
class frmImportScout : public QDialog
{
    Q_OBJECT

public:
    frmImportScout(const QString& fileName, const QByteArray& bytes, QWidget* parent = nullptr);

    // Shows the window; the match as read with the encoding chosen when Import was pressed, or
    // nothing when it was left otherwise.
    std::optional<Scout::ScoutMatch> choose();

    // The file as read now.
    const Scout::ReadResult& read() const { return m_read; }
    // The recorded match the file as read now is, which keeps it from being imported again.
    std::optional<ScoutStore::Duplicate> duplicate() const { return m_plan ? m_plan->duplicate : std::nullopt; }

    void reject() override;

private:
    void reread();
    void fill();
    void fitToScreen();

    QByteArray m_bytes;
    Scout::ReadResult m_read;
    std::optional<ScoutStore::Plan> m_plan;
    bool m_chosen = false;

    QLabel* lblFile;
    QLabel* lblEncoding;
    QComboBox* cboEncoding;
    QLabel* lblEncodingUsed;
    QLabel* lblHome;
    QLabel* lblAway;
    QLabel* lblDate;
    QLabel* lblSets;
    QListWidget* lstHome;
    QListWidget* lstAway;
    QLabel* lblProblem;
    QPushButton* cmdImport;
    QPushButton* cmdCancel;
};

// The main window's command: the scout files chosen (askFiles stands for the file dialog; tests
// give their own), each shown in the import window in turn and imported when the user says so,
// in one transaction each, with the status line, the gauge and the busy pointer. A closing
// message names the matches imported, the new teams and players, and the files that could not be
// imported with the reason; a long list shows its first few, and all of it behind Show Details.
void ImportScoutFiles(QWidget* mainWindow, std::function<QStringList()> askFiles = {});

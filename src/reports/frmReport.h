#pragma once

#include "storage/ReportQuery.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class clsReport;

// The report wizard: four pages in one place (dates; match and game; team; player, position and
// order). It holds no report logic: its own clsReport fills the lists and makes the report.
class frmReport : public QDialog
{
    Q_OBJECT

public:
    explicit frmReport(QWidget* parent = nullptr);
    ~frmReport() override;

    int Page() const { return m_page; }

    // What the lists and check boxes say now, with the texts the report's heading repeats. A list
    // on its catch-all entry (or empty) chooses nothing.
    ReportChoices Choices() const;

    // Closes the wizard, accepted when a report was made.
    void Unload(bool accepted);

    // Cancel, Escape and the close box.
    void reject() override;

    // The wizard's controls, filled and read by clsReport. Catch-all entries carry no item data.
    QGroupBox* frameReport1 = nullptr;
    QGroupBox* frameReport2 = nullptr;
    QGroupBox* frameReport3 = nullptr;
    QGroupBox* frameReport4 = nullptr;
    QLabel* Label1[8] = {};
    QComboBox* cmbYear[2] = {};
    QCheckBox* chkThru[1] = {};
    QComboBox* cmbMatch = nullptr;
    QComboBox* cmbGames = nullptr;
    QComboBox* cmbTeam = nullptr;
    QComboBox* cmbPlayer = nullptr;
    QComboBox* cmbPosition = nullptr;
    QCheckBox* chkShowPositionsSep = nullptr;
    QComboBox* cmbOrder = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdFinish = nullptr;

private:
    void Form_Load();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdCancel_Click();
    void cmdFinish_Click();
    void chkThru_Click(int Index);
    void cmbMatch_Click();
    void cmbPosition_Click();
    bool DateCheck();
    void ShowPage(int page);

    int m_page = 1;
    std::unique_ptr<clsReport> m_report;
};

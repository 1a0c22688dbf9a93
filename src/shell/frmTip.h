#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;

// The tip of the day: one line of TIPOFDAY.TXT, picked at random. Loaded afresh each time it is
// shown, so edits to the file show up the next time.
class frmTip : public QDialog
{
    Q_OBJECT

public:
    explicit frmTip(QWidget* parent = nullptr);

    // The path of the tips file: the one start-up found, else the one in the application folder.
    static QString TipsFile();
    // Set by start-up (an installed copy finds its tips in the shared folder); empty resets.
    static void SetTipsFile(const QString& path);
    // The text shown when the tips file cannot be found.
    static QString MissingFileText();
    // Whether the tips open at start-up: the setting, on until the user turns it off.
    static bool ShownAtStartup();

    // Reads every line of sFile, empty ones included, as one tip each. False when the name is
    // empty or the file does not exist.
    bool LoadTips(const QString& sFile);
    void DisplayCurrentTip();

    QStringList tips() const { return m_tips; }
    int currentTip() const { return m_current; }

    QCheckBox* chkLoadTipsAtStartup = nullptr;

public slots:
    void cmdNextTip_Click();
    void cmdOk_Click();
    // The title-bar close box counts as Cancel.
    void reject() override;

private slots:
    void chkLoadTipsAtStartup_Click(bool ticked);

private:
    void Form_Load();
    void PickRandomTip();

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTipText = nullptr;
    QPushButton* cmdNextTip = nullptr;
    QPushButton* cmdOK = nullptr;

    QStringList m_tips;
    int m_current = 0;  // 1-based; 0 while no tip has been picked
};

#pragma once

#include <QMainWindow>

#include <array>

class PictureBox;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

// The hub of the program: the tool bar and menus start every command, the status strip shows
// what a long operation is doing. Closing it in any way asks before the match data is let go.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The main window of this process, or null before it is made.
    static frmMain* instance();

    // Gives the gauge its canvas, takes appDir as the application folder, opens the database
    // there and covers the screen. False, with the engine's reason in *error, when the database
    // cannot be opened.
    bool Form_Load(const QString& appDir, QString* error);

    static QString DatabaseFile();

signals:
    // The user chose to leave and the match tables have been emptied: the process ends now.
    void leaving();

public slots:
    void cmdToolBar_Click(int index);
    void mnuAddTeam_Click();
    void mnuAddPlayer_Click();
    void mnuStartMatch_Click();
    void mnuContinueMatch_Click();
    void mnuRestore_Click();
    void mnuImportScout_Click();
    void mnuExportScout_Click();
    void mnuClubServer_Click();
    void mnuSendClub_Click();
    void mnuExit_Click();
    void mnuEditTeam_Click();
    void mnuEditPlayer_Click();
    void mnuDelTeam_Click();
    void mnuDelPlayer_Click();
    void mnuMatch_Click();
    void mnuTips_Click();
    void mnuRepWiz_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildToolBar();
    QWidget* buildStatusStrip();
    void scaleBackground();
    // Saves every match into the archive, then empties the match tables; false (after saying
    // why) when either refused, in which case nothing was deleted.
    bool ForgetMatches();

    QFrame* panalMain = nullptr;
    std::array<QToolButton*, 5> cmdToolBar{};
    QFrame* panelMain = nullptr;
    QLabel* lblStatus = nullptr;
    PictureBox* picGauge = nullptr;
    QLabel* Image1_3 = nullptr;

    QMenu* mnuFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuReport = nullptr;
    QAction* mnuAddTeam = nullptr;
    QAction* mnuAddPlayer = nullptr;
    QAction* mnuStartMatch = nullptr;
    QAction* mnuContinueMatch = nullptr;
    QAction* mnuRestore = nullptr;
    QAction* mnuImportScout = nullptr;
    QAction* mnuExportScout = nullptr;
    QAction* mnuClubServer = nullptr;
    QAction* mnuSendClub = nullptr;
    QAction* mnuLine1 = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuEditTeam = nullptr;
    QAction* mnuEditPlayer = nullptr;
    QAction* mnuDelTeam = nullptr;
    QAction* mnuDelPlayer = nullptr;
    QAction* mnuMatch = nullptr;
    QAction* mnuTips = nullptr;
    QAction* mnuRepWiz = nullptr;

    int m_tileSize = 0;
    bool m_backgroundWanted = false;
};

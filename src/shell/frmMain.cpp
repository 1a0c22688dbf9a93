#include "shell/frmMain.h"

#include "match/clsMatch.h"
#include "reports/clsReport.h"
#include "widgets/CProgressBar.h"
#include "widgets/MsgBox.h"
#include "widgets/PictureBox.h"
#include "shell/Pictures.h"
#include "shell/frmTip.h"
#include "widgets/mConstants.h"
#include "storage/Database.h"
#include "storage/ArchiveStore.h"
#include "match/frmExportScout.h"
#include "match/frmImportScout.h"
#include "match/frmRestore.h"
#include "roster/clsPlayer.h"
#include "roster/clsTeam.h"
#include "shell/ClubCommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QPointer<frmMain>& theMainWindow()
{
    static QPointer<frmMain> window;
    return window;
}

struct ToolBarButton {
    const char* caption;
    const char* picture;
};

constexpr std::array<ToolBarButton, 5> kToolBar{{
    {QT_TRANSLATE_NOOP("frmMain", "&Start Match"), ":/pictures/toolbar-start-match.svg"},
    {QT_TRANSLATE_NOOP("frmMain", "Add &Player"), ":/pictures/toolbar-add-player.svg"},
    {QT_TRANSLATE_NOOP("frmMain", "Add &Team"), ":/pictures/toolbar-add-team.svg"},
    {QT_TRANSLATE_NOOP("frmMain", "Report &Wiz"), ":/pictures/toolbar-report-wizard.svg"},
    {QT_TRANSLATE_NOOP("frmMain", "E&xit"), ":/pictures/toolbar-exit.svg"},
}};

const QColor kStripColour(0xEE, 0xF1, 0xF5);
const QColor kGaugeBack(0xC0, 0xC0, 0xC0);
const QColor kGaugeFore(0x80, 0x80, 0x80);

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Sidelines 2.0"));
    theMainWindow() = this;

    buildMenus();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolBar());
    layout->addStretch(1);
    layout->addWidget(buildStatusStrip());
    setCentralWidget(central);

    // The background picture; never shown itself, only tiled by paintEvent.
    Image1_3 = new QLabel(this);
    Image1_3->setObjectName(QStringLiteral("Image1_3"));
    Image1_3->hide();
}

frmMain::~frmMain()
{
    if (theMainWindow() == this)
        theMainWindow() = nullptr;
}

frmMain* frmMain::instance()
{
    return theMainWindow();
}

QString frmMain::DatabaseFile()
{
    return pubAppPath + QString::fromLatin1(Db::kFileName);
}

void frmMain::buildMenus()
{
    auto addItem = [this](QMenu* menu, const char* caption, const char* name, void (frmMain::*slot)()) {
        QAction* action = menu->addAction(tr(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuAddTeam = addItem(mnuFile, QT_TR_NOOP("Add &Team"), "mnuAddTeam", &frmMain::mnuAddTeam_Click);
    mnuAddPlayer = addItem(mnuFile, QT_TR_NOOP("Add &Player"), "mnuAddPlayer", &frmMain::mnuAddPlayer_Click);
    mnuStartMatch = addItem(mnuFile, QT_TR_NOOP("&Start Match"), "mnuStartMatch", &frmMain::mnuStartMatch_Click);
    mnuContinueMatch = addItem(mnuFile, QT_TR_NOOP("&Continue Match..."), "mnuContinueMatch",
                               &frmMain::mnuContinueMatch_Click);
    mnuRestore = addItem(mnuFile, QT_TR_NOOP("Restore Saved &Matches…"), "mnuRestore", &frmMain::mnuRestore_Click);
    mnuImportScout = addItem(mnuFile, QT_TR_NOOP("&Import Scout File..."), "mnuImportScout",
                             &frmMain::mnuImportScout_Click);
    mnuExportScout = addItem(mnuFile, QT_TR_NOOP("Export Scout &File..."), "mnuExportScout",
                             &frmMain::mnuExportScout_Click);
    mnuClubServer = addItem(mnuFile, QT_TR_NOOP("C&lub Server..."), "mnuClubServer", &frmMain::mnuClubServer_Click);
    mnuSendClub = addItem(mnuFile, QT_TR_NOOP("Se&nd Matches to Club Server"), "mnuSendClub", &frmMain::mnuSendClub_Click);
    mnuLine1 = mnuFile->addSeparator();
    mnuLine1->setObjectName(QStringLiteral("mnuLine1"));
    mnuExit = addItem(mnuFile, QT_TR_NOOP("E&xit"), "mnuExit", &frmMain::mnuExit_Click);

    mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditTeam = addItem(mnuEdit, QT_TR_NOOP("E&dit a Team"), "mnuEditTeam", &frmMain::mnuEditTeam_Click);
    mnuEditPlayer = addItem(mnuEdit, QT_TR_NOOP("Edit a P&layer"), "mnuEditPlayer", &frmMain::mnuEditPlayer_Click);
    mnuDelTeam = addItem(mnuEdit, QT_TR_NOOP("Delete &Team"), "mnuDelTeam", &frmMain::mnuDelTeam_Click);
    mnuDelPlayer = addItem(mnuEdit, QT_TR_NOOP("Delete &Player"), "mnuDelPlayer", &frmMain::mnuDelPlayer_Click);

    mnuView = menuBar()->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuMatch = addItem(mnuView, QT_TR_NOOP("&Match"), "mnuMatch", &frmMain::mnuMatch_Click);
    mnuMatch->setVisible(false);
    mnuTips = addItem(mnuView, QT_TR_NOOP("&Tips"), "mnuTips", &frmMain::mnuTips_Click);

    mnuReport = menuBar()->addMenu(tr("&Report"));
    mnuReport->setObjectName(QStringLiteral("mnuReport"));
    mnuRepWiz = addItem(mnuReport, QT_TR_NOOP("Report &Wizard"), "mnuRepWiz", &frmMain::mnuRepWiz_Click);
}

QWidget* frmMain::buildToolBar()
{
    panalMain = new QFrame(this);
    panalMain->setObjectName(QStringLiteral("panalMain"));
    panalMain->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panalMain->setLineWidth(1);
    panalMain->setAutoFillBackground(true);
    QPalette strip = panalMain->palette();
    strip.setColor(QPalette::Window, kStripColour);
    panalMain->setPalette(strip);

    auto* row = new QHBoxLayout(panalMain);
    row->setContentsMargins(8, 5, 8, 5);
    row->setSpacing(6);
    for (int i = 0; i < static_cast<int>(kToolBar.size()); ++i) {
        auto* button = new QToolButton(panalMain);
        button->setObjectName(QStringLiteral("cmdToolBar_%1").arg(i));
        button->setText(tr(kToolBar[static_cast<size_t>(i)].caption));
        button->setIconSize(QSize(36, 36));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setMinimumSize(96, 66);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        // A click leaves the keyboard where it was; Tab still reaches the buttons.
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QToolButton::clicked, this, [this, i] { cmdToolBar_Click(i); });
        cmdToolBar[static_cast<size_t>(i)] = button;
        row->addWidget(button);
        // The exit button stands apart from the four working commands.
        if (i == 3)
            row->addSpacing(18);
    }
    row->addStretch(1);
    return panalMain;
}

QWidget* frmMain::buildStatusStrip()
{
    panelMain = new QFrame(this);
    panelMain->setObjectName(QStringLiteral("panelMain"));
    panelMain->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panelMain->setLineWidth(1);
    panelMain->setAutoFillBackground(true);
    QPalette strip = panelMain->palette();
    strip.setColor(QPalette::Window, kStripColour);
    panelMain->setPalette(strip);

    lblStatus = new QLabel(panelMain);
    // Status texts carry names the user typed: plain text, never markup.
    lblStatus->setTextFormat(Qt::PlainText);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblStatus->setMinimumHeight(22);
    lblStatus->setContentsMargins(6, 0, 6, 0);
    lblStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    lblStatus->setAccessibleDescription(tr("Status line"));

    picGauge = new PictureBox(panelMain);
    picGauge->setObjectName(QStringLiteral("picGauge"));
    picGauge->setBackColor(kGaugeBack);
    picGauge->setForeColor(kGaugeFore);
    // The gauge fits its own width to a whole number of segments when it is given the canvas.
    picGauge->setFixedSize(242, 22);

    auto* row = new QHBoxLayout(panelMain);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(6);
    row->addWidget(lblStatus, 1);
    row->addWidget(picGauge);
    SetStatusLabel(lblStatus);
    return panelMain;
}

bool frmMain::Form_Load(const QString& appDir, QString* error)
{
    pubProgress().setCanvas(picGauge);
    pubProgress().setMin(0);

    pubAppPath = appDir.endsWith(QLatin1Char('/')) ? appDir : appDir + QLatin1Char('/');

    if (!Db::open(DatabaseFile(), error))
        return false;
    ClubCommands::ShowWaiting();

    // Cover the screen: the geometry for a desktop without a window manager, the maximised
    // state so that a window manager fits the frame and title bar inside the screen too.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    return true;
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The pictures wait for the window to be shown (the splash stands in front of it until then),
    // so that start-up does not read them: the icons before the first paint, the background once
    // the window is on the screen.
    if (!m_backgroundWanted) {
        m_backgroundWanted = true;
        setWindowIcon(SvgIcon(QStringLiteral(":/pictures/volleyball.svg")));
        for (std::size_t i = 0; i < kToolBar.size(); ++i)
            cmdToolBar[i]->setIcon(SvgIcon(QString::fromLatin1(kToolBar[i].picture)));
        QTimer::singleShot(0, this, &frmMain::scaleBackground);
    }
}

void frmMain::scaleBackground()
{
    if (!Image1_3 || !m_backgroundWanted)
        return;
    // A tile about a quarter of the window's height keeps the pattern's scale in step with the
    // screen: neither a fine grain on a large monitor nor a coarse one on a laptop.
    const int size = qBound(160, height() / 4, 360);
    if (size == m_tileSize && !Image1_3->pixmap().isNull())
        return;
    m_tileSize = size;
    Image1_3->setFixedSize(size, size);
    Image1_3->setPixmap(SvgPixmap(QStringLiteral(":/pictures/background.svg"), QSize(size, size), devicePixelRatioF()));
    update();
}

void frmMain::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    QPainter painter(this);
    const int top = panalMain->mapTo(this, QPoint(0, panalMain->height())).y();
    TileBackground(this, painter, Image1_3, top);
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    scaleBackground();
}

void frmMain::cmdToolBar_Click(int index)
{
    switch (index) {
    case 0:
        mnuStartMatch_Click();
        break;
    case 1:
        mnuAddPlayer_Click();
        break;
    case 2:
        mnuAddTeam_Click();
        break;
    case 3:
        mnuRepWiz_Click();
        break;
    case 4:
        mnuExit_Click();
        break;
    default:
        break;
    }
}

void frmMain::mnuAddTeam_Click()
{
    RunCommand([this] {
        BusyPointer busy(this);
        clsTeam().MakeNewTeam();
    });
}

void frmMain::mnuAddPlayer_Click()
{
    RunCommand([this] {
        BusyPointer busy(this);
        clsPlayer().AddNewPlayer();
    });
}

void frmMain::mnuStartMatch_Click()
{
    RunCommand([this] {
        BusyPointer busy(this);
        clsMatch().StartNewMatch();
    });
}

void frmMain::mnuContinueMatch_Click()
{
    RunCommand([this] {
        BusyPointer busy(this);
        clsMatch().ContinueMatch();
    });
}

void frmMain::mnuRestore_Click()
{
    RunCommand([this] { RestoreSavedMatches(this); });
}

void frmMain::mnuImportScout_Click()
{
    RunCommand([this] { ImportScoutFiles(this); });
}

void frmMain::mnuExportScout_Click()
{
    RunCommand([this] { ExportScoutFile(this); });
}

void frmMain::mnuClubServer_Click()
{
    RunCommand([this] { ClubCommands::ShowSettings(this); });
}

void frmMain::mnuSendClub_Click()
{
    RunCommand([this] { ClubCommands::SendNow(this); });
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::mnuEditTeam_Click()
{
    RunCommand([] { clsTeam().Update(); });
}

void frmMain::mnuEditPlayer_Click()
{
    RunCommand([] { clsPlayer().Update(); });
}

void frmMain::mnuDelTeam_Click()
{
    RunCommand([] { clsTeam().Delete(); });
}

void frmMain::mnuDelPlayer_Click()
{
    RunCommand([] { clsPlayer().Delete(); });
}

void frmMain::mnuMatch_Click()
{
    RunCommand([this] {
        BusyPointer busy(this);
        clsMatch().PickMatch();
    });
}

void frmMain::mnuTips_Click()
{
    RunCommand([this] {
        BusyPointer busy(this);
        frmTip tip(this);
        tip.exec();
    });
}

void frmMain::mnuRepWiz_Click()
{
    RunCommand([] { clsReport().Start(); });
}

bool frmMain::ForgetMatches()
{
    try {
        BusyPointer busy;
        ProgressScope progress(tr("Saving the matches to the archive..."));
        ArchiveStore::ArchiveThenForget(ArchiveStore::DefaultPath(), &progress);
        return true;
    } catch (const ArchiveStore::ArchiveError& e) {
        // The archive is a file the user can act on: where it is, and what frees the way.
        const QFileInfo archive(e.path());
        QString reason = DiskFullReason(e.reason(), e.path());
        if (reason.isEmpty())
            reason = e.reason().left(1).toUpper() + e.reason().mid(1);
        MsgBox(tr("The recorded matches could not be saved to the archive %1 in the folder\n%2\n\n%3\n\n"
                  "Make room on that drive, or move %1 aside; nothing was cleared, and the matches are still in "
                  "the database. Sidelines closes now.")
                   .arg(archive.fileName(), QDir::toNativeSeparators(archive.absolutePath()), reason),
               QMessageBox::Ok, QMessageBox::Warning, tr("Exit"));
        return false;
    } catch (const DbError& e) {
        MsgBox(tr("The recorded matches could not be saved and cleared away: %1\n\nSidelines closes now; nothing "
                  "was cleared, and the matches are still in the database.")
                   .arg(DescribeFailure(e)),
               QMessageBox::Ok, QMessageBox::Warning, tr("Exit"));
        return false;
    }
}

void frmMain::closeEvent(QCloseEvent* event)
{
    const auto answer = MsgBox(tr("Are you sure you would like to leave Sidelines?\n\nYour recorded matches are "
                                  "saved to the archive and cleared from the working tables."),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, tr("Exit"));
    if (answer != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    // The user may always leave: when the database refuses the emptying (read-only, gone), that
    // is said, and the program still ends with every match row as it was.
    ForgetMatches();
    // Once the archive has them: what the club server does not have yet goes there, within a few
    // seconds; what cannot waits for the next time.
    ClubCommands::SendAtExit();
    event->accept();
    emit leaving();
}

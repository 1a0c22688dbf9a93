// How the court screen is built and laid out: its pieces, bars and menus on a fixed design grid
// scaled to the window, and the court painted under them. The commands are in frmGame.cpp.

#include "game/frmGame.h"

#include "widgets/Accessible.h"
#include "base/StatKinds.h"
#include "widgets/mConstants.h"
#include "game/CourtMarks.h"
#include "game/CourtPieces.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <cmath>

using namespace CourtText;

namespace {
// The screen is laid out on a fixed design grid (client area below the menu bar) and scaled to
// whatever size the window has, so the court keeps its shape from a laptop to a large monitor.
constexpr int kDesignWidth = 9480;
// The band under the top bar carries each half's team name; the court stands below it.
constexpr int kNameBand = 360;
constexpr int kDesignHeight = 6495 + kNameBand;
constexpr int kTopBarHeight = 795;
constexpr int kBottomBarTop = 6030 + kNameBand;
constexpr int kBottomBarHeight = 465;
constexpr int kNetX = 4770;
// Beside the court, between the bars, the strip of the last entries.
constexpr int kLogWidth = 1800;
constexpr int kScreenWidth = kDesignWidth + kLogWidth;

struct Span
{
    int x, y, w, h;
};

// Boxes 1-6 are zones 1-6 of the left half, 7-12 zones 1-6 of the right half; the front rows
// stand at the net, zone 1 of the left half at the bottom and of the right half at the top.
constexpr std::array<Span, 13> kBoxes{{{0, 0, 0, 0},
                                       {210, 4275, 1740, 1665},
                                       {2055, 4275, 1815, 1665},
                                       {2055, 2580, 1815, 1590},
                                       {2055, 885, 1815, 1590},
                                       {210, 870, 1740, 1590},
                                       {210, 2580, 1740, 1590},
                                       {7590, 870, 1785, 1635},
                                       {5610, 870, 1845, 1635},
                                       {5610, 2580, 1845, 1665},
                                       {5610, 4290, 1845, 1635},
                                       {7590, 4290, 1815, 1665},
                                       {7590, 2580, 1815, 1635}}};
constexpr std::array<Span, 13> kHints{{{0, 0, 0, 0},
                                       {1485, 5550, 390, 315},
                                       {3405, 5550, 390, 315},
                                       {3405, 3795, 390, 315},
                                       {3405, 2085, 390, 315},
                                       {1485, 2085, 390, 315},
                                       {1515, 3795, 390, 315},
                                       {8850, 2130, 390, 315},
                                       {6960, 2130, 390, 315},
                                       {6960, 3840, 390, 315},
                                       {6960, 5550, 390, 315},
                                       {8940, 5550, 390, 315},
                                       {8895, 3840, 390, 315}}};

// The court lines enclose the boxes; the net stands over the centre line.
constexpr Span kCourt{90, 840, 9360, 5145};
// The court's pieces stand below the team names.
constexpr Span Lowered(const Span& s)
{
    return {s.x, s.y + kNameBand, s.w, s.h};
}
// Each half's team name, above its half: left half, right half.
constexpr std::array<Span, 2> kTeamNames{{{150, 815, 4500, 370}, {4830, 815, 4500, 370}}};
// While subtraction mode is on, a banner in the bottom bar between the status line and the box.
constexpr Span kSubtractBanner{3990, 45, 1560, 375};
const QColor kSubtractTint(200, 20, 30);
constexpr int kAttackLineOffset = 4680 / 3; // three metres of a nine-metre half

const QColor kFreeZone(28, 92, 140);
const QColor kCourtSurface(214, 118, 52);
const QColor kCourtLine(250, 250, 245);

// Scales design units to pixels, rounding edges rather than sizes so neighbours never gap.
struct Scale
{
    double sx = 1.0;
    double sy = 1.0;
    int top = 0;

    QRect map(const Span& s) const
    {
        const int left = int(std::lround(s.x * sx));
        const int right = int(std::lround((s.x + s.w) * sx));
        const int upper = top + int(std::lround(s.y * sy));
        const int lower = top + int(std::lround((s.y + s.h) * sy));
        return QRect(left, upper, std::max(1, right - left), std::max(1, lower - upper));
    }
    double font() const { return std::min(sx, sy); }
};

} // namespace

frmGame::frmGame(MatchSession& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_rally(std::make_unique<RallyKeeper>(session))
{
    setObjectName(QStringLiteral("frmGame"));
    setWindowTitle(tr("Game"));
    setModal(true);
    setSizeGripEnabled(false);
    // The court is worth a whole screen: let the user maximise it.
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    buildCourt();
    buildBars();
    buildMenus();

    // Most of the screen, as a coach on a laptop would want it; the layout follows any size.
    QSize size(1000, 700);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const int h = int(area.height() * 0.92);
        // The court keeps its shape; the entries strip beside it takes what is left of the width.
        const int w = std::min(int(area.width() * 0.94), int(h * 1.6 * kScreenWidth / kDesignWidth));
        size = QSize(std::max(w, 640), std::max(h, 460));
    }
    setMinimumSize(640, 460);
    resize(size);
    layoutScreen();
    bShowMessage = true;
}

void frmGame::buildCourt()
{
    Line1 = new NetLine(this, kCourtLine);
    for (int n = 1; n <= 12; ++n) {
        auto* box = new PlayerBox(n, this);
        box->onClick = [this](int index) { lblPlayer_Click(index); };
        SetBackground(box, palette().color(QPalette::Button));
        lblPlayer[size_t(n)] = box;
    }
    for (int n = 1; n <= 12; ++n) {
        auto* hint = new QLabel(QStringLiteral("F%1").arg(n), this);
        hint->setObjectName(QStringLiteral("lblShortcut_%1").arg(n));
        hint->setAlignment(Qt::AlignCenter);
        hint->setFrameShape(QFrame::Box);
        hint->setAutoFillBackground(true);
        hint->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont f = hint->font();
        f.setBold(true);
        hint->setFont(f);
        SetBackground(hint, palette().color(QPalette::Button));
        lblShortcut[size_t(n)] = hint;
    }
    // The key hints sit on top of their boxes.
    for (int n = 1; n <= 12; ++n)
        lblShortcut[size_t(n)]->raise();

    lblServe = new ServeMark(this);
    lblLog = new QLabel(tr("Last entries"), this);
    lblLog->setObjectName(QStringLiteral("lblLog"));
    {
        QFont f = lblLog->font();
        f.setBold(true);
        lblLog->setFont(f);
        QPalette pal = lblLog->palette();
        pal.setColor(QPalette::WindowText, kCourtLine);
        lblLog->setPalette(pal);
    }
    lstLog = new LogStrip(this);

    // Each half's team name stands above it, white on the free zone.
    for (int i = 0; i < 2; ++i) {
        auto* name = new QLabel(this);
        name->setObjectName(QStringLiteral("lblTeamName_%1").arg(i));
        name->setTextFormat(Qt::PlainText);
        name->setAlignment(Qt::AlignCenter);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont f = name->font();
        f.setBold(true);
        name->setFont(f);
        QPalette pal = name->palette();
        pal.setColor(QPalette::WindowText, kCourtLine);
        name->setPalette(pal);
        lblTeamName[size_t(i)] = name;
    }
}

void frmGame::buildBars()
{
    for (int i = 0; i < 2; ++i) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("panelGame_%1").arg(i));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Raised);
        panel->setLineWidth(2);
        panel->setAutoFillBackground(true);
        panelGame[size_t(i)] = panel;
    }
    QFrame* top = panelGame[1];
    QFrame* bottom = panelGame[0];

    // No button acts on Enter: a second Enter after a command must never start the next game.
    // A mouse click leaves the focus where it was, so Space cannot repeat the last button either.
    auto button = [top](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, top);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        return b;
    };
    cmdGame = button(QStringLiteral("cmdGame"), tr("N&ew Game"));
    cmdRotate[0] = button(QStringLiteral("cmdRotate_0"), tr("&Rotate Home"));
    cmdScore[0] = button(QStringLiteral("cmdScore_0"), tr("Score &Home"));
    cmdScore[1] = button(QStringLiteral("cmdScore_1"), tr("Score &Away"));
    cmdRotate[1] = button(QStringLiteral("cmdRotate_1"), tr("R&otate Away"));
    cmdEndMatch = button(QStringLiteral("cmdEndMatch"), tr("E&nd Match"));
    for (int i = 0; i < 2; ++i) {
        auto* score = new QLabel(QStringLiteral("0"), top);
        score->setObjectName(QStringLiteral("lblScore_%1").arg(i));
        score->setAlignment(Qt::AlignCenter);
        score->setFrameShape(QFrame::Box);
        score->setAutoFillBackground(true);
        SetBackground(score, Qt::white);
        QPalette pal = score->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        score->setPalette(pal);
        lblScore[size_t(i)] = score;
    }
    // Tab order follows the bar from left to right.
    setTabOrder(cmdGame, cmdRotate[0]);
    setTabOrder(cmdRotate[0], cmdScore[0]);
    setTabOrder(cmdScore[0], cmdScore[1]);
    setTabOrder(cmdScore[1], cmdRotate[1]);
    setTabOrder(cmdRotate[1], cmdEndMatch);

    connect(cmdGame, &QPushButton::clicked, this, [this] { cmdGame_Click(); });
    connect(cmdEndMatch, &QPushButton::clicked, this, [this] { mnuEndMatch_Click(); });
    for (int i = 0; i < 2; ++i) {
        connect(cmdScore[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdScore_Click(i); });
        connect(cmdRotate[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdRotate_Click(i); });
    }

    lblStatus = new QLabel(bottom);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setTextFormat(Qt::PlainText);  // status texts carry players' names
    lblStatus->setFrameShape(QFrame::Box);
    lblStatus->setAutoFillBackground(true);
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblStatus->setIndent(4);
    // Every message is spoken where it appears, without the user going to the line.
    a11y::MakeSpoken(lblStatus);
    SetBackground(lblStatus, Qt::white);
    {
        QPalette pal = lblStatus->palette();
        pal.setColor(QPalette::WindowText, Qt::black);
        lblStatus->setPalette(pal);
    }

    chkSubtractMode = new QCheckBox(tr("Subtraction &Mode"), bottom);
    chkSubtractMode->setObjectName(QStringLiteral("chkSubtractMode"));
    chkSubtractMode->setToolTip(tr("Click on here to reverse any previous action"));
    chkSubtractMode->setFocusPolicy(Qt::TabFocus);
    setTabOrder(cmdEndMatch, chkSubtractMode);

    // Taking back must not pass unnoticed: a banner, a tinted bar and a tinted court while it is on.
    lblSubtractBanner = new QLabel(tr("SUBTRACTING"), bottom);
    lblSubtractBanner->setObjectName(QStringLiteral("lblSubtractBanner"));
    lblSubtractBanner->setAlignment(Qt::AlignCenter);
    lblSubtractBanner->setAutoFillBackground(true);
    SetBackground(lblSubtractBanner, kSubtractTint);
    {
        QPalette pal = lblSubtractBanner->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        lblSubtractBanner->setPalette(pal);
        QFont f = lblSubtractBanner->font();
        f.setBold(true);
        lblSubtractBanner->setFont(f);
    }
    lblSubtractBanner->hide();
    connect(chkSubtractMode, &QCheckBox::toggled, this, [this](bool on) {
        lblSubtractBanner->setVisible(on);
        SetBackground(panelGame[0], on ? QColor(255, 196, 196) : palette().color(QPalette::Window));
        layoutScreen();
        showStatus(on ? tr("Subtraction mode on: an action, point or rotation chosen now is taken back.")
                      : tr("Subtraction mode off: recording again."));
    });
}

void frmGame::buildMenus()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QStringLiteral("menuBar"));
    m_menuBar->setNativeMenuBar(false);
    KeepFromLoneAlt(m_menuBar);

    QMenu* game = m_menuBar->addMenu(tr("&Game"));
    game->setObjectName(QStringLiteral("mnuGame"));
    QAction* next = game->addAction(tr("Go to N&ext Game"));
    next->setObjectName(QStringLiteral("mnuNewGame"));
    QAction* sub = game->addAction(tr("&Substitute"));
    sub->setObjectName(QStringLiteral("mnuSub"));
    mnuUndo = game->addAction(tr("&Undo Last"));
    mnuUndo->setObjectName(QStringLiteral("mnuUndo"));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuUndo->setShortcutContext(Qt::WindowShortcut);
    connect(mnuUndo, &QAction::triggered, this, [this] { mnuUndo_Click(); });
    mnuTimeout = game->addAction(tr("&Timeout..."));
    mnuTimeout->setObjectName(QStringLiteral("mnuTimeout"));
    mnuTimeout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuTimeout->setShortcutContext(Qt::WindowShortcut);
    connect(mnuTimeout, &QAction::triggered, this, [this] { mnuTimeout_Click(); });
    game->addSeparator();
    QAction* end = game->addAction(tr("E&nd Match"));
    end->setObjectName(QStringLiteral("mnuEndMatch"));
    connect(next, &QAction::triggered, this, [this] { cmdGame_Click(); });
    connect(sub, &QAction::triggered, this, [this] { mnuSub_Click(); });
    connect(end, &QAction::triggered, this, [this] { mnuEndMatch_Click(); });

    // Every box has its function key, F10 included, and the keys work whichever control has the
    // focus: they are window shortcuts of these items.
    QMenu* choose = m_menuBar->addMenu(tr("&Choose Player"));
    choose->setObjectName(QStringLiteral("mnuShortcuts"));
    for (int n = 1; n <= 12; ++n) {
        const QString caption = n <= 6 ? tr("Left side zone %1").arg(n) : tr("Right side zone %1").arg(n - 6);
        QAction* item = choose->addAction(caption);
        item->setObjectName(QStringLiteral("mnu%1").arg(n));
        // The key selects its box whatever Shift, Ctrl or Alt is held with it.
        QList<QKeySequence> keys;
        for (int mods = 0; mods < 8; ++mods) {
            Qt::KeyboardModifiers held;
            held.setFlag(Qt::ShiftModifier, mods & 1);
            held.setFlag(Qt::ControlModifier, mods & 2);
            held.setFlag(Qt::AltModifier, mods & 4);
            keys << QKeySequence(QKeyCombination(held, Qt::Key(Qt::Key_F1 + (n - 1))));
        }
        item->setShortcuts(keys);
        item->setShortcutContext(Qt::WindowShortcut);
        connect(item, &QAction::triggered, this, [this, n] { lblPlayer_Click(n); });
    }

    // The stat menu never shows in the menu bar; it pops up at the selected box.
    mnuStats = new QMenu(tr("Stats"), this);
    mnuStats->setObjectName(QStringLiteral("mnuStats"));
    mnuStats->setAccessibleName(tr("Stats"));
    auto stat = [this](QMenu* menu, const QString& name, const QString& caption, const QString& statText) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, [this, statText] { recordStat(statText); });
    };
    for (const StatKind& kind : kStatKinds) {
        const QString name = QString::fromLatin1(kind.menuName);
        if (kind.shape == StatShape::Rating) {
            // A rating is chosen in a submenu, 1 to the top rating.
            QMenu* ratings = mnuStats->addMenu(StatText(kind.caption));
            ratings->setObjectName(name);
            ratings->setAccessibleName(WithoutAccessKeys(StatText(kind.caption)));
            ratings->menuAction()->setObjectName(name + QStringLiteral("Item"));
            // Each rating is its own access key: P, then 1, 2 or 3.
            for (int r = 1; r <= kTopRating; ++r)
                stat(ratings, QStringLiteral("mnuPass%1").arg(r), QStringLiteral("&%1").arg(r), QString::number(r));
        } else {
            stat(mnuStats, name, StatText(kind.caption), QString::fromLatin1(kind.key));
        }
    }
    // The libero's swap, where the selected box allows one (set as each box is chosen).
    mnuStats->addSeparator();
    mnuLibero = mnuStats->addAction(tr("L&ibero In"));
    mnuLibero->setObjectName(QStringLiteral("mnuLibero"));
    mnuLibero->setVisible(false);
    connect(mnuLibero, &QAction::triggered, this, [this] { mnuLibero_Click(); });
    QAction* view = mnuStats->addAction(tr("&View Stats"));
    view->setObjectName(QStringLiteral("mnuViewStats"));
    connect(view, &QAction::triggered, this, [this] { mnuViewStats_Click(); });
}

void frmGame::layoutScreen()
{
    if (!m_menuBar)
        return;
    const int menuPx = std::clamp(int(std::lround(170 * fontScale())), 12, 24);
    SetPixelSize(m_menuBar, menuPx);
    for (QMenu* menu : m_menuBar->findChildren<QMenu*>())
        SetPixelSize(menu, menuPx);
    SetPixelSize(mnuStats, std::clamp(int(std::lround(200 * fontScale())), 13, 28));
    for (QMenu* menu : mnuStats->findChildren<QMenu*>())
        SetPixelSize(menu, std::clamp(int(std::lround(200 * fontScale())), 13, 28));
    ReserveCheckColumn(mnuStats);
    for (QMenu* menu : mnuStats->findChildren<QMenu*>())
        ReserveCheckColumn(menu);
    for (QMenu* menu : m_menuBar->findChildren<QMenu*>())
        ReserveCheckColumn(menu);

    const int menuHeight = m_menuBar->sizeHint().height();
    m_menuBar->setGeometry(0, 0, width(), menuHeight);

    Scale s;
    s.sx = courtWidth() / double(kDesignWidth);
    s.sy = std::max(1, height() - menuHeight) / double(kDesignHeight);
    s.top = menuHeight;
    const double f = s.font();

    // Bars: across the whole window, their controls placed relative to the bar.
    Scale bars = s;
    bars.sx = width() / double(kDesignWidth);
    panelGame[1]->setGeometry(bars.map({0, 0, kDesignWidth, kTopBarHeight}));
    QRect bottomBar = bars.map({0, kBottomBarTop, kDesignWidth, kBottomBarHeight});
    bottomBar.setBottom(height() - 1);
    panelGame[0]->setGeometry(bottomBar);
    Scale inBar = bars;
    inBar.top = 0;

    const int buttonPx = std::max(11, int(std::lround(170 * f)));
    auto placeButton = [&](QPushButton* b, const Span& span) {
        b->setGeometry(inBar.map(span));
        const QSize room(b->width() - 10, b->height() - 6);
        SetPixelSize(b, FittingPixelSize(b->font(), WithoutAccessKeys(b->text()), buttonPx, 9, room, false));
    };
    placeButton(cmdGame, {30, 45, 915, 690});
    placeButton(cmdRotate[0], {990, 45, 1065, 690});
    placeButton(cmdScore[0], {2955, 45, 1005, 690});
    placeButton(cmdScore[1], {4860, 45, 975, 690});
    placeButton(cmdRotate[1], {7440, 60, 1035, 675});
    placeButton(cmdEndMatch, {8520, 45, 915, 690});
    // Buttons of one bar read best in one size: the smallest that every caption needed.
    int common = buttonPx;
    for (QPushButton* b : {cmdGame, cmdRotate[0], cmdScore[0], cmdScore[1], cmdRotate[1], cmdEndMatch})
        common = std::min(common, b->font().pixelSize());
    for (QPushButton* b : {cmdGame, cmdRotate[0], cmdScore[0], cmdScore[1], cmdRotate[1], cmdEndMatch})
        SetPixelSize(b, common);

    lblScore[0]->setGeometry(inBar.map({3990, 45, 765, 690}));
    lblScore[1]->setGeometry(inBar.map({5865, 45, 765, 690}));
    for (QLabel* score : lblScore) {
        QFont bold = score->font();
        bold.setBold(true);
        score->setFont(bold);
        SetPixelSize(score,
                     FittingPixelSize(score->font(), QStringLiteral("88"), int(std::lround(400 * f)), 12,
                                      score->size() - QSize(6, 4), false));
    }

    // The status line takes the room up to the check box unless the subtraction banner needs it.
    lblStatus->setGeometry(inBar.map({30, 90, chkSubtractMode->isChecked() ? 3870 : 5490, 285}));
    chkSubtractMode->setGeometry(inBar.map({5610, 90, 1905, 315}));
    const int indicator = std::max(13, int(std::lround(150 * f)));
    const QString indicatorStyle
        = QStringLiteral("QCheckBox::indicator { width: %1px; height: %1px; } QCheckBox { spacing: %2px; }")
              .arg(indicator)
              .arg(indicator / 3);
    if (chkSubtractMode->styleSheet() != indicatorStyle)
        chkSubtractMode->setStyleSheet(indicatorStyle);
    SetPixelSize(chkSubtractMode,
                 FittingPixelSize(chkSubtractMode->font(), WithoutAccessKeys(chkSubtractMode->text()),
                                  int(std::lround(170 * f)), 9,
                                  chkSubtractMode->size() - QSize(indicator + indicator / 3 + 8, 2), false));
    fitStatus();
    lblSubtractBanner->setGeometry(inBar.map(kSubtractBanner));
    SetPixelSize(lblSubtractBanner,
                 FittingPixelSize(lblSubtractBanner->font(), lblSubtractBanner->text(), int(std::lround(230 * f)), 9,
                                  lblSubtractBanner->size() - QSize(8, 2), false));

    // The court.
    const int boxPx = std::max(10, int(std::lround(230 * f)));
    // What the screen opens itself (the player stats view, its questions) reads at the size of
    // the court's text; every control here sets its own size.
    SetPixelSize(this, boxPx);
    for (int i = 0; i < 2; ++i)
        lblTeamName[size_t(i)]->setGeometry(s.map(kTeamNames[size_t(i)]));
    fitTeamNames();
    for (int n = 1; n <= 12; ++n) {
        lblPlayer[size_t(n)]->setGeometry(s.map(Lowered(kBoxes[size_t(n)])));
        lblPlayer[size_t(n)]->setWantedPixelSize(boxPx);
        QLabel* hint = lblShortcut[size_t(n)];
        hint->setGeometry(s.map(Lowered(kHints[size_t(n)])));
        SetPixelSize(hint,
                     FittingPixelSize(hint->font(), QStringLiteral("F12"), int(std::lround(190 * f)), 8,
                                      hint->size() - QSize(4, 2), false));
    }
    auto* net = static_cast<NetLine*>(Line1);
    const QRect court = s.map(Lowered(kCourt));
    const int netWidth = std::max(10, int(std::lround(120 * s.sx)));
    const int postLength = netWidth;
    net->postLength = postLength;
    net->setGeometry(s.map({kNetX, 0, 0, 0}).x() - netWidth / 2, court.top() - postLength - 1, netWidth,
                     court.height() + 2 * postLength + 2);

    // The entries strip beside the court, under its heading.
    const int gap = std::max(4, int(std::lround(90 * s.sx)));
    const int left = court.right() + 1 + gap;
    const int top = panelGame[1]->geometry().bottom() + 1 + gap / 2;
    const int logPx = std::max(10, int(std::lround(170 * f)));
    SetPixelSize(lblLog, logPx);
    lblLog->setGeometry(left, top, std::max(1, width() - left - gap), lblLog->fontMetrics().height() + 4);
    lstLog->setPixelSize(logPx);
    const int listTop = lblLog->geometry().bottom() + 2;
    lstLog->setGeometry(left, listTop, std::max(1, width() - left - gap),
                        std::max(1, panelGame[0]->geometry().top() - gap / 2 - listTop));
    placeServeMark();
    update();
}

int frmGame::courtWidth() const
{
    return int(std::lround(width() * double(kDesignWidth) / kScreenWidth));
}

double frmGame::fontScale() const
{
    return std::min(courtWidth() / double(kDesignWidth), height() / double(kDesignHeight));
}

void frmGame::fitTeamNames()
{
    const double f = fontScale();
    for (QLabel* name : lblTeamName) {
        const QString full = name->property("fullText").toString();
        const QSize room = name->size() - QSize(8, 2);
        const int px = FittingPixelSize(name->font(), full, int(std::lround(260 * f)), 10, room, false);
        SetPixelSize(name, px);
        // A name too long even at the least size is shortened, and whole in its tool tip.
        const QString shown = name->fontMetrics().elidedText(full, Qt::ElideRight, std::max(1, room.width()));
        name->setText(shown);
        name->setToolTip(shown == full ? QString() : full);
    }
}

void frmGame::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutScreen();
}

void frmGame::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_centred) {
        m_centred = true;
        CentreOnScreen(this);
    }
    // The screen opens with the focus on the court, not on a button.
    setFocus(Qt::OtherFocusReason);
}

void frmGame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int menuHeight = m_menuBar->height();
    Scale s;
    s.sx = courtWidth() / double(kDesignWidth);
    s.sy = std::max(1, height() - menuHeight) / double(kDesignHeight);
    s.top = menuHeight;

    const QRect area(0, panelGame[1]->geometry().bottom() + 1, width(),
                     panelGame[0]->geometry().top() - panelGame[1]->geometry().bottom() - 1);
    const bool subtracting = chkSubtractMode->isChecked();
    p.fillRect(area, subtracting ? kSubtractTint.darker(160) : kFreeZone);
    const QRect court = s.map(Lowered(kCourt));
    p.fillRect(court, subtracting ? QColor(196, 70, 70) : kCourtSurface);

    const int lineWidth = std::max(2, int(std::lround(36 * s.font() * 1.6)));
    QPen line(kCourtLine, lineWidth);
    line.setJoinStyle(Qt::MiterJoin);
    p.setPen(line);
    p.setBrush(Qt::NoBrush);
    p.drawRect(court.adjusted(lineWidth / 2, lineWidth / 2, -lineWidth / 2, -lineWidth / 2));
    const int netX = s.map({kNetX, 0, 0, 0}).x();
    p.drawLine(netX, court.top(), netX, court.bottom());
    for (int offset : {-kAttackLineOffset, kAttackLineOffset}) {
        const int x = s.map({kNetX + offset, 0, 0, 0}).x();
        p.drawLine(x, court.top(), x, court.bottom());
        // The attack lines go on past the sidelines in short dashes, as on a real court.
        QPen dash(kCourtLine, lineWidth, Qt::DashLine);
        p.setPen(dash);
        // Above the court they stop short of the team names.
        p.drawLine(x, lblTeamName[0]->geometry().bottom() + 2, x, court.top());
        p.drawLine(x, court.bottom(), x, area.bottom() - 2);
        p.setPen(line);
    }
}

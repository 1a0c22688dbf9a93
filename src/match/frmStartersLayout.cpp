#include "match/frmStarters.h"

// The line-up window's building: its lists, buttons and headings in their rows, and its fitting to
// the screen, the rosters and the teams' names. What the window does with them is in frmStarters.cpp.

#include "widgets/mConstants.h"
#include "game/frmGame.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QRadioButton>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeHeading(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* heading = new QLabel(text, parent);
    // Its access key takes the keyboard straight to the list it heads.
    heading->setBuddy(buddy);
    QFont f = heading->font();
    f.setItalic(true);
    heading->setFont(f);
    return heading;
}
} // namespace

frmStarters::frmStarters(MatchSession& session, QWidget* parent) : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("frmStarters"));
    setWindowTitle(tr("Starters"));
    setModal(true);

    for (int i = 0; i < 6; ++i) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("lstTeam_%1").arg(i));
        m_lists[size_t(i)] = list;
    }
    const int rowHeight = fontMetrics().height() + 4;
    const int listHeight = rowHeight * kStarters + 2 * m_lists[0]->frameWidth() + 2;
    for (int i = 0; i < 4; ++i) {
        QListWidget* list = m_lists[size_t(i)];
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setUniformItemSizes(true);
        // The lists grow with the window; fitToScreen makes them as tall as the roster.
        list->setMinimumHeight(listHeight);
        list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        list->setMinimumWidth(i % 2 == 0 ? 190 : 170);
        connect(list, &QListWidget::itemDoubleClicked, this, [this, i] { lstTeam_DblClick(i); });
    }
    // The place numbers beside each starters list: labels only, row for row with the starters.
    for (int i = 4; i < 6; ++i) {
        QListWidget* numbers = m_lists[size_t(i)];
        numbers->setSelectionMode(QAbstractItemView::NoSelection);
        numbers->setFocusPolicy(Qt::NoFocus);
        numbers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        numbers->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        numbers->setFixedSize(28, listHeight);
        numbers->setEnabled(true);
        for (int n = 1; n <= kStarters; ++n) {
            auto* item = new QListWidgetItem(QString::number(n), numbers);
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled);
        }
    }
    for (QListWidget* list : m_lists) {
        for (int r = 0; r < list->count(); ++r)
            list->item(r)->setSizeHint(QSize(0, rowHeight));
    }

    lblHomeTeam = new QLabel(this);
    lblHomeTeam->setObjectName(QStringLiteral("lblHomeTeam"));
    lblAwayTeam = new QLabel(this);
    lblAwayTeam->setObjectName(QStringLiteral("lblAwayTeam"));
    for (QLabel* label : {lblHomeTeam, lblAwayTeam}) {
        QFont f = label->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.25);
        label->setFont(f);
        label->setTextFormat(Qt::PlainText);  // team names are data, never markup
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }

    cmdHMoveStart = MakeButton(QStringLiteral("cmdHMoveStart"), tr(">"), this);
    cmdHMoveBack = MakeButton(QStringLiteral("cmdHMoveBack"), tr("<"), this);
    cmdHMoveAllBack = MakeButton(QStringLiteral("cmdHMoveAllBack"), tr("<<"), this);
    cmdAMoveStart = MakeButton(QStringLiteral("cmdAMoveStart"), tr(">"), this);
    cmdAMoveBack = MakeButton(QStringLiteral("cmdAMoveBack"), tr("<"), this);
    cmdAMoveAllBack = MakeButton(QStringLiteral("cmdAMoveAllBack"), tr("<<"), this);
    for (int i = 0; i < 4; ++i) {
        cmdUpDown[size_t(i)]
            = MakeButton(QStringLiteral("cmdUpDown_%1").arg(i), i % 2 == 0 ? tr("Up") : tr("Down"), this);
        connect(cmdUpDown[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdUpDown_Click(i); });
    }
    for (QPushButton* b : {cmdHMoveStart, cmdHMoveBack, cmdHMoveAllBack, cmdAMoveStart, cmdAMoveBack, cmdAMoveAllBack})
        b->setFixedWidth(44);
    cmdHMoveStart->setToolTip(tr("Move the selected players into the starting line-up"));
    cmdAMoveStart->setToolTip(cmdHMoveStart->toolTip());
    cmdHMoveBack->setToolTip(tr("Take the selected starters back to the bench"));
    cmdAMoveBack->setToolTip(cmdHMoveBack->toolTip());
    cmdHMoveAllBack->setToolTip(tr("Take every starter back to the bench"));
    cmdAMoveAllBack->setToolTip(cmdHMoveAllBack->toolTip());

    // The arrows say nothing to a screen reader: each button is named for what it does.
    cmdHMoveStart->setAccessibleName(tr("Home: move into the starting order"));
    cmdHMoveBack->setAccessibleName(tr("Home: back to the players"));
    cmdHMoveAllBack->setAccessibleName(tr("Home: every starter back to the players"));
    cmdAMoveStart->setAccessibleName(tr("Away: move into the starting order"));
    cmdAMoveBack->setAccessibleName(tr("Away: back to the players"));
    cmdAMoveAllBack->setAccessibleName(tr("Away: every starter back to the players"));
    cmdUpDown[0]->setAccessibleName(tr("Home: starter up"));
    cmdUpDown[1]->setAccessibleName(tr("Home: starter down"));
    cmdUpDown[2]->setAccessibleName(tr("Away: starter up"));
    cmdUpDown[3]->setAccessibleName(tr("Away: starter down"));
    // Both teams' lists have the same headings; the names tell them apart.
    m_lists[0]->setAccessibleName(tr("Home players"));
    m_lists[1]->setAccessibleName(tr("Home starting order"));
    m_lists[2]->setAccessibleName(tr("Away players"));
    m_lists[3]->setAccessibleName(tr("Away starting order"));
    m_lists[4]->setAccessibleName(tr("Home places"));
    m_lists[5]->setAccessibleName(tr("Away places"));

    connect(cmdHMoveStart, &QPushButton::clicked, this, [this] { MoveStart(0); });
    connect(cmdHMoveBack, &QPushButton::clicked, this, [this] { MoveBack(0); });
    connect(cmdHMoveAllBack, &QPushButton::clicked, this, [this] { MoveAllBack(0); });
    connect(cmdAMoveStart, &QPushButton::clicked, this, [this] { MoveStart(1); });
    connect(cmdAMoveBack, &QPushButton::clicked, this, [this] { MoveBack(1); });
    connect(cmdAMoveAllBack, &QPushButton::clicked, this, [this] { MoveAllBack(1); });

    cmdGame = new QPushButton(tr("&Go To Game"), this);
    cmdGame->setObjectName(QStringLiteral("cmdGame"));
    cmdGame->setDefault(true);
    cmdGame->setAutoDefault(true);
    cmdGame->setMinimumWidth(120);
    connect(cmdGame, &QPushButton::clicked, this, &frmStarters::cmdGame_Click);

    // Each side's libero, named for the game from the players not among its six.
    for (int side = 0; side < 2; ++side) {
        auto* list = new QComboBox(this);
        list->setObjectName(QStringLiteral("cboLibero_%1").arg(side));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setAccessibleName(side == 0 ? tr("Home libero") : tr("Away libero"));
        cboLibero[size_t(side)] = list;
    }

    // One row per team: its name and libero, roster, move buttons, place numbers with starters,
    // reorder buttons.
    auto teamRow = [this](QLabel* name, int side, QPushButton* start, QPushButton* back, QPushButton* allBack) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(3);
        grid->addWidget(name, 0, 0, 1, 3);
        auto* libero = new QHBoxLayout;
        auto* liberoLabel = new QLabel(side == 0 ? tr("&Libero:") : tr("L&ibero:"), this);
        liberoLabel->setObjectName(QStringLiteral("lblLibero_%1").arg(side));
        liberoLabel->setBuddy(cboLibero[size_t(side)]);
        libero->addWidget(liberoLabel);
        libero->addWidget(cboLibero[size_t(side)], 1);
        grid->addLayout(libero, 0, 3, 1, 2);
        // Each list its own key: the home side's and the away side's.
        grid->addWidget(MakeHeading(side == 0 ? tr("&Players") : tr("Pla&yers"), m_lists[size_t(side * 2)], this), 1, 0);
        grid->addWidget(MakeHeading(side == 0 ? tr("Starting &order") : tr("Starting orde&r"),
                                    m_lists[size_t(side * 2 + 1)], this),
                        1, 3);
        grid->addWidget(m_lists[size_t(side * 2)], 2, 0);
        auto* moves = new QVBoxLayout;
        moves->addStretch();
        moves->addWidget(start);
        moves->addWidget(back);
        moves->addWidget(allBack);
        moves->addStretch();
        grid->addLayout(moves, 2, 1);
        grid->addWidget(m_lists[size_t(4 + side)], 2, 2, Qt::AlignTop);
        grid->addWidget(m_lists[size_t(side * 2 + 1)], 2, 3);
        auto* order = new QVBoxLayout;
        order->addStretch();
        order->addWidget(cmdUpDown[size_t(side * 2)]);
        order->addWidget(cmdUpDown[size_t(side * 2 + 1)]);
        order->addStretch();
        grid->addLayout(order, 2, 4);
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(3, 1);
        return grid;
    };

    // What the window is for just now: the game's line-ups, or a substitution during it.
    lblHeading = new QLabel(this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    lblHeading->setTextFormat(Qt::PlainText);
    {
        QFont f = lblHeading->font();
        f.setBold(true);
        f.setPointSizeF(f.pointSizeF() * 1.4);
        lblHeading->setFont(f);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblHeading);
    layout->addSpacing(4);
    layout->addLayout(teamRow(lblHomeTeam, 0, cmdHMoveStart, cmdHMoveBack, cmdHMoveAllBack));
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addSpacing(6);
    layout->addWidget(rule);
    layout->addSpacing(6);
    layout->addLayout(teamRow(lblAwayTeam, 1, cmdAMoveStart, cmdAMoveBack, cmdAMoveAllBack));
    // Who serves first in this game; the rules alternate it, the deciding game's toss may not.
    // On the row of "Go To Game", so that the rosters keep their height on a small screen.
    frameServe = new QFrame(this);
    frameServe->setObjectName(QStringLiteral("frameServe"));
    auto* serve = new QHBoxLayout(frameServe);
    serve->setContentsMargins(0, 0, 0, 0);
    auto* serveLabel = new QLabel(tr("First serve:"), frameServe);
    serveLabel->setObjectName(QStringLiteral("lblFirstServe"));
    serve->addWidget(serveLabel);
    for (int side = 0; side < 2; ++side) {
        optServe[size_t(side)] = new QRadioButton(side == 0 ? tr("&Home serves first") : tr("&Away serves first"), frameServe);
        optServe[size_t(side)]->setObjectName(QStringLiteral("optServe_%1").arg(side));
        serve->addWidget(optServe[size_t(side)]);
    }
    optServe[0]->setChecked(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(frameServe);
    bottom->addStretch();
    bottom->addWidget(cmdGame);
    layout->addSpacing(6);
    layout->addLayout(bottom);

    // Keyboard order follows the work: pick players, move them, order them, then the other team.
    QList<QWidget*> order{cboLibero[0],  m_lists[0],      cmdHMoveStart, cmdHMoveBack, cmdHMoveAllBack,
                          m_lists[1],    cmdUpDown[0],    cmdUpDown[1],  cboLibero[1], m_lists[2],
                          cmdAMoveStart, cmdAMoveBack,    cmdAMoveAllBack, m_lists[3], cmdUpDown[2],
                          cmdUpDown[3],  optServe[0],     optServe[1],   cmdGame};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    bSubMode = false;
    // The work starts by picking the home players; the liberos come once the six are chosen.
    m_lists[0]->setFocus(Qt::OtherFocusReason);
    adjustSize();
    CentreOnScreen(this);
}

void frmStarters::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    fitTeamNames();
}

void frmStarters::fitTeamNames()
{
    for (QLabel* label : {lblHomeTeam, lblAwayTeam}) {
        const QString full = label->property("fullText").toString();
        // Until the window is shown the label's width means nothing yet.
        label->setText(isVisible() ? label->fontMetrics().elidedText(full, Qt::ElideMiddle, std::max(1, label->width()))
                                   : full);
        label->setToolTip(label->text() == full ? QString() : full);
    }
}

void frmStarters::showEvent(QShowEvent* event)
{
    if (!bSubMode)
        optServe[size_t(m_session.firstServer == 1 ? 1 : 0)]->setChecked(true);
    const int number = m_session.game ? m_session.game->GameNumber() : 1;
    lblHeading->setText(
        bSubMode ? tr("Game %1: substitution under way. One player out with \"<\", one in with \">\".").arg(number)
                 : tr("Game %1: choose six starters for each team, in their order.").arg(number));
    fitToScreen();
    QDialog::showEvent(event);
}

void frmStarters::fitToScreen()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // Before the first showing the frame is not known yet: leave room for a title bar.
    const QSize decoration = isVisible() ? frameGeometry().size() - size() : QSize(8, 36);

    // Wide enough for the longest name, tall enough for the whole roster of each team.
    int rows = kStarters;
    for (int side = 0; side < 2; ++side) {
        QListWidget* roster = m_lists[size_t(side * 2)];
        QListWidget* starters = m_lists[size_t(side * 2 + 1)];
        rows = std::max(rows, roster->count() + starters->count());
        int widest = 0;
        for (QListWidget* list : {roster, starters})
            for (int r = 0; r < list->count(); ++r)
                widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(r)->text()));
        const int chrome = 2 * roster->frameWidth() + roster->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 16;
        const int cap = (area.width() - decoration.width() - 260) / 2;
        for (QListWidget* list : {roster, starters})
            list->setMinimumWidth(std::clamp(widest + chrome, 170, std::max(170, cap)));
    }
    const int rowHeight = std::max(m_lists[0]->sizeHintForRow(0), fontMetrics().height() + 4);
    const int frame = 2 * m_lists[0]->frameWidth() + 4;
    const int sixRows = rowHeight * kStarters + frame;
    for (int i = 0; i < 4; ++i)
        m_lists[size_t(i)]->setMinimumHeight(sixRows);
    layout()->activate();
    // What the two rows of lists may take once everything else has its room.
    const int others = layout()->sizeHint().height() - 2 * std::max(sixRows, m_lists[0]->sizeHint().height());
    const int room = (area.height() - decoration.height() - others) / 2;
    const int listHeight = std::clamp(rowHeight * rows + frame, sixRows, std::max(sixRows, room));
    for (int i = 0; i < 4; ++i)
        m_lists[size_t(i)]->setMinimumHeight(listHeight);
    layout()->activate();
    const QSize want = layout()->sizeHint();
    resize(std::min(want.width(), area.width() - decoration.width()),
           std::min(want.height(), area.height() - decoration.height()));
    CentreOnScreen(this);
}

#include "reports/frmReport.h"

#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"
#include "reports/clsReport.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace {
// The window was drawn in twips; this keeps its proportions at a size today's fonts read well in.
int tw(int twips)
{
    return (twips + 6) / 12;
}

void place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(tw(left), tw(top), tw(width), tw(height));
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    place(frame, 60, 90, 6555, 2655);
    return frame;
}

QLabel* makeLabel(QWidget* parent, int index, const QString& text, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(label, left, top, width, height);
    return label;
}

// A list whose chosen entry, when too long for the box, loses its middle rather than its end: a
// match's caption keeps its date, which tells two matches of the same teams apart.
class MiddleElidedList : public QComboBox
{
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        painter.setPen(palette().color(QPalette::Text));
        QStyleOptionComboBox opt;
        initStyleOption(&opt);
        painter.drawComplexControl(QStyle::CC_ComboBox, opt);
        // The style draws the text one pixel in from each side of the field.
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
        opt.currentText = fontMetrics().elidedText(opt.currentText, Qt::ElideMiddle, field.width() - 2);
        painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
    }
};

QComboBox* makeList(QWidget* parent, const QString& name, int left, int top, int width, bool middleElided = false)
{
    auto* list = middleElided ? new MiddleElidedList(parent) : new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMaxVisibleItems(15);
    place(list, left, top, width, 315);
    return list;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int left)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    place(button, left, 2940, 1035, 405);
    return button;
}
} // namespace

frmReport::frmReport(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(tr("Report"));
    setModal(true);
    setFixedSize(tw(6690), tw(3420));

    frameReport1 = makeFrame(this, "frameReport1", tr("Year and Month"));
    Label1[0] = makeLabel(frameReport1, 0, tr("Please choose the Date(s) from which you would like to view the stats."),
                          120, 330, 3285, 525);
    cmbYear[0] = makeList(frameReport1, QStringLiteral("cmbYear_0"), 4110, 300, 2235);
    chkThru[0] = new QCheckBox(tr("&Thru"), frameReport1);
    chkThru[0]->setObjectName(QStringLiteral("chkThru_0"));
    place(chkThru[0], 3000, 840, 765, 255);
    cmbYear[1] = makeList(frameReport1, QStringLiteral("cmbYear_1"), 4110, 750, 2235);
    cmbYear[1]->setEnabled(false);

    frameReport2 = makeFrame(this, "frameReport2", tr("Match and Stat"));
    // A match's caption names both teams and the date: the list spans the page under its label.
    Label1[2] = makeLabel(frameReport2, 2, tr("Please choose the Match in which you would like to view"), 120, 300,
                          6225, 285);
    cmbMatch = makeList(frameReport2, QStringLiteral("cmbMatch"), 120, 660, 6225, true);
    cmbMatch->view()->setTextElideMode(Qt::ElideMiddle);
    Label1[3]
        = makeLabel(frameReport2, 3, tr("Please choose the Game(s) that you would like to see."), 120, 1500, 3795, 525);
    cmbGames = makeList(frameReport2, QStringLiteral("cmbGames"), 4110, 1500, 2235);

    frameReport3 = makeFrame(this, "frameReport3", tr("Team"));
    Label1[5] = makeLabel(frameReport3, 5, tr("Please choose the Team(s) for which you would like to see the stats. "),
                          120, 300, 3555, 675);
    cmbTeam = makeList(frameReport3, QStringLiteral("cmbTeam"), 3780, 300, 2565);

    frameReport4 = makeFrame(this, "frameReport4", tr("Player and Position"));
    Label1[6] = makeLabel(frameReport4, 6, tr("Please choose the Player for which you would like to see the stats."),
                          120, 300, 2925, 585);
    cmbPlayer = makeList(frameReport4, QStringLiteral("cmbPlayer"), 3930, 300, 2415);
    Label1[4] = makeLabel(frameReport4, 4, tr("Please choose the Position which you would like to view."), 120, 1020,
                          2925, 585);
    cmbPosition = makeList(frameReport4, QStringLiteral("cmbPosition"), 3930, 1050, 2415);
    chkShowPositionsSep = new QCheckBox(tr("&Show all Positions Seperate "), frameReport4);
    chkShowPositionsSep->setObjectName(QStringLiteral("chkShowPositionsSep"));
    place(chkShowPositionsSep, 3930, 1440, 2415, 285);
    chkShowPositionsSep->setEnabled(false);
    Label1[7] = makeLabel(frameReport4, 7, tr("Please choose the order in which you would like to view the stats."),
                          120, 1710, 2925, 585);
    cmbOrder = makeList(frameReport4, QStringLiteral("cmbOrder"), 3930, 1800, 2415);

    cmdCancel = makeButton(this, "cmdCancel", tr("Cancel"), 2100);
    cmdBack = makeButton(this, "cmdBack", tr("< Back"), 3330);
    cmdNext = makeButton(this, "cmdNext", tr("Next >"), 4380);
    cmdFinish = makeButton(this, "cmdFinish", tr("Finish"), 5580);

    // Each list is named by the question above it, not by the entry it shows.
    const std::pair<QLabel*, QComboBox*> asks[] = {{Label1[0], cmbYear[0]}, {Label1[2], cmbMatch},
                                                   {Label1[3], cmbGames},   {Label1[5], cmbTeam},
                                                   {Label1[6], cmbPlayer},  {Label1[4], cmbPosition},
                                                   {Label1[7], cmbOrder}};
    for (const auto& [label, list] : asks)
        label->setBuddy(list);
    cmbYear[1]->setAccessibleName(QString(chkThru[0]->text()).remove(QLatin1Char('&')));

    // Labels take no focus; on every page the order reads its lists top down, then the buttons.
    QWidget* order[] = {cmbYear[0],  chkThru[0],          cmbYear[1], cmbMatch,  cmbGames, cmbTeam, cmbPlayer,
                        cmbPosition, chkShowPositionsSep, cmbOrder,   cmdCancel, cmdBack,  cmdNext, cmdFinish};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(cmdNext, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdNext_Click(); }); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdBack_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdFinish, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdFinish_Click(); }); });
    connect(chkThru[0], &QCheckBox::toggled, this, [this] { chkThru_Click(0); });
    connect(cmbMatch, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            RunCommand([this] { cmbMatch_Click(); });
    });
    connect(cmbPosition, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            cmbPosition_Click();
    });

    Form_Load();
}

frmReport::~frmReport() = default;

void frmReport::Form_Load()
{
    m_page = 1;
    m_report = std::make_unique<clsReport>(this);
    ShowPage(1);
    CentreOnScreen(this);
}

void frmReport::ShowPage(int page)
{
    m_page = page;
    frameReport1->setVisible(page == 1);
    frameReport2->setVisible(page == 2);
    frameReport3->setVisible(page == 3);
    frameReport4->setVisible(page == 4);
    cmdBack->setEnabled(page > 1);
    cmdNext->setEnabled(page < 4);
    cmdFinish->setEnabled(page == 4);
    // The page's question is read where the keyboard lands: on its first list.
    QComboBox* const first[] = {cmbYear[0], cmbMatch, cmbTeam, cmbPlayer};
    first[page - 1]->setFocus(Qt::OtherFocusReason);
    // Enter takes the user on: to the next page, and on the last page to the report.
    QPushButton* accepting = page == 4 ? cmdFinish : cmdNext;
    for (QPushButton* b : {cmdCancel, cmdBack, cmdNext, cmdFinish}) {
        b->setAutoDefault(false);
        b->setDefault(b == accepting);
    }
}

void frmReport::cmdNext_Click()
{
    switch (m_page) {
    case 1:
        if (chkThru[0]->isChecked() && !DateCheck())
            return;
        {
            BusyPointer busy;
            m_report->RefreshMatch();
            m_report->RefreshGames();
        }
        ShowPage(2);
        break;
    case 2: {
        {
            BusyPointer busy;
            m_report->RefreshTeam();
        }
        ShowPage(3);
        break;
    }
    case 3: {
        BusyPointer busy;
        m_report->RefreshPlayers();
        m_report->RefreshPosition();
    }
        m_report->RefreshOrder();
        ShowPage(4);
        break;
    default:
        break;
    }
}

void frmReport::cmdBack_Click()
{
    if (m_page > 1)
        ShowPage(m_page - 1);
}

void frmReport::cmdCancel_Click()
{
    Unload(false);
}

void frmReport::cmdFinish_Click()
{
    m_report->Finish();
}

void frmReport::reject()
{
    QDialog::reject();
}

void frmReport::Unload(bool accepted)
{
    if (accepted)
        QDialog::done(QDialog::Accepted);
    else
        QDialog::reject();
}

namespace {
bool Chosen(const QComboBox* list)
{
    return list->currentIndex() >= 0 && list->currentData().isValid();
}
} // namespace

ReportChoices frmReport::Choices() const
{
    ReportChoices c;
    auto dateText = [](const QDate& d) { return QLocale().toString(d, QLocale::ShortFormat); };
    c.heading.dates = tr("All Dates");
    if (Chosen(cmbYear[0])) {
        c.firstDate = cmbYear[0]->currentData().toDate();
        c.heading.dates = dateText(*c.firstDate);
        if (chkThru[0]->isChecked() && Chosen(cmbYear[1])) {
            c.thruDate = cmbYear[1]->currentData().toDate();
            c.heading.dates += tr(" thru ") + dateText(*c.thruDate);
        }
    }
    if (Chosen(cmbMatch))
        c.match = cmbMatch->currentData().value<RecordId>();
    if (Chosen(cmbGames))
        c.game = cmbGames->currentData().toInt();
    if (Chosen(cmbTeam))
        c.team = cmbTeam->currentData().value<RecordId>();
    if (Chosen(cmbPlayer))
        c.player = cmbPlayer->currentData().value<RecordId>();
    c.position = cmbPosition->currentData().toInt();
    c.positionsApart = chkShowPositionsSep->isChecked();
    if (Chosen(cmbOrder))
        c.order = cmbOrder->currentData().toString();
    c.heading.match = cmbMatch->currentText();
    c.heading.game = cmbGames->currentText();
    c.heading.team = cmbTeam->currentText();
    c.heading.player = cmbPlayer->currentText();
    c.heading.position = cmbPosition->currentText();
    c.heading.order = cmbOrder->currentText();
    return c;
}

bool frmReport::DateCheck()
{
    // The dates are the entries' own values, never the texts read back.
    if (!cmbYear[0]->currentData().isValid()) {
        MsgBox(tr("You cannot have a second date if you choose All Dates"));
        chkThru[0]->setChecked(false);
        return false;
    }
    const QDate d1 = cmbYear[0]->currentData().toDate();
    const QVariant second = cmbYear[1]->currentIndex() >= 0 ? cmbYear[1]->currentData() : QVariant();
    if (!second.isValid()) {
        MsgBox(tr("Please choose the second date"));
        return false;
    }
    const QDate d2 = second.toDate();
    if (d1 > d2) {
        MsgBox(tr("The second date must be greater than the first"));
        return false;
    }
    return true;
}

void frmReport::chkThru_Click(int /*Index*/)
{
    // One check box on the page, whatever the index says.
    if (!chkThru[0]->isChecked()) {
        cmbYear[1]->setEnabled(false);
        return;
    }
    if (cmbYear[0]->currentData().isValid()) {
        cmbYear[1]->setEnabled(true);
        return;
    }
    MsgBox(tr("You cannot have a second date if you choose All Dates"));
    chkThru[0]->setChecked(false);
}

void frmReport::cmbMatch_Click()
{
    m_report->RefreshGames();
}

void frmReport::cmbPosition_Click()
{
    if (cmbPosition->currentData().toInt() != 0)
        chkShowPositionsSep->setChecked(false);
    chkShowPositionsSep->setEnabled(true);
}

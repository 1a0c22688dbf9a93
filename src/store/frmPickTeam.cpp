#include "store/frmPickTeam.h"

#include "shell/MsgBox.h"
#include "shell/mConstants.h"
#include "store/Database.h"
#include "store/clsTeam.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmPickTeam::frmPickTeam(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPickTeam"));
    setWindowTitle(QStringLiteral("Teams"));
    setModal(true);

    lstTeams = new QListWidget(this);
    lstTeams->setObjectName(QStringLiteral("lstTeams"));
    lstTeams->setToolTip(QStringLiteral("List of Teams for you to choose from"));
    lstTeams->setUniformItemSizes(true);
    lstTeams->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTeams->setMinimumSize(520, 260);

    cmdOk = new QPushButton(QStringLiteral("Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTeams, 1);
    layout->addLayout(buttons);

    setTabOrder(lstTeams, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    connect(cmdOk, &QPushButton::clicked, this, &frmPickTeam::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPickTeam::reject);
    connect(lstTeams, &QListWidget::itemDoubleClicked, this, &frmPickTeam::cmdOk_Click);
}

frmPickTeam::~frmPickTeam() = default;

QString frmPickTeam::LineText(const clsTeam& team)
{
    return team.TeamName() + QString(5, QLatin1Char('\t')) + QStringLiteral("TEAM ID: ") + team.TeamID().displayText();
}

bool frmPickTeam::Load()
{
    BusyPointer busy;
    ProgressScope progress(QStringLiteral("Loading all the Teams..."));
    CentreOnScreen(this);

    // Insertion order: the order in which the teams were stored.
    const auto rows = SelectAll(QStringLiteral("SELECT TEAMID, TEAMNAME FROM TEAM ORDER BY rowid"));
    if (rows.empty()) {
        MsgBox(QStringLiteral("There are no teams loaded."), QMessageBox::Ok, QMessageBox::Information,
               QStringLiteral("Teams"));
        pubOK = false;
        return false;
    }

    const int count = static_cast<int>(rows.size());
    progress.setCount(count);
    cTeams.clear();
    cTeams.reserve(count);
    lstTeams->setUpdatesEnabled(false);
    int done = 0;
    for (const QSqlRecord& row : rows) {
        auto TeamClass = std::make_shared<clsTeam>(RecordId::fromText(row.value(0).toString()), row.value(1).toString());
        auto* item = new QListWidgetItem(LineText(*TeamClass));
        item->setData(Qt::UserRole, QVariant::fromValue(TeamClass->TeamID()));
        lstTeams->addItem(item);
        cTeams.insert(TeamClass->TeamID().text(), TeamClass);
        progress.step(++done);
    }
    lstTeams->setUpdatesEnabled(true);
    lstTeams->setCurrentRow(0);
    return true;
}

void frmPickTeam::cmdOk_Click()
{
    QListWidgetItem* item = lstTeams->currentItem();
    if (!item || !item->isSelected()) {
        MsgBox(QStringLiteral("Please Choose a Team Name."), QMessageBox::Ok, QMessageBox::NoIcon,
               QStringLiteral("Teams"));
        return;
    }
    const auto found = cTeams.constFind(item->data(Qt::UserRole).value<RecordId>().text());
    if (found == cTeams.constEnd())
        return;
    pubPicked = found.value();
    cTeams.clear();
    pubOK = true;
    QDialog::done(QDialog::Accepted);
}

// Accepting always goes through the checks of the Ok button.
void frmPickTeam::accept()
{
    cmdOk_Click();
}

// Cancel, Escape and the title-bar close box all end here.
void frmPickTeam::reject()
{
    cTeams.clear();
    pubOK = false;
    QDialog::reject();
}

bool PickTeam(const QString& caption)
{
    pubOK = false;
    frmPickTeam chooser;
    if (!chooser.Load())
        return false;
    chooser.setWindowTitle(caption);
    chooser.adjustSize();
    CentreOnScreen(&chooser);
    chooser.exec();
    return pubOK;
}

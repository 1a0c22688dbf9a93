#include "store/frmPickPlayer.h"

#include "shell/MsgBox.h"
#include "shell/mConstants.h"
#include "store/Database.h"
#include "store/clsPlayer.h"
#include "store/clsTeam.h"
#include "store/frmPickTeam.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmPickPlayer::frmPickPlayer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPickPlayer"));
    setWindowTitle(QStringLiteral("Players"));
    setModal(true);

    lstPlayers = new QListWidget(this);
    lstPlayers->setObjectName(QStringLiteral("lstPlayers"));
    lstPlayers->setToolTip(QStringLiteral("List of Players for you to choose from"));
    lstPlayers->setUniformItemSizes(true);
    lstPlayers->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPlayers->setMinimumSize(520, 260);

    cmdOk = new QPushButton(QStringLiteral("Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstPlayers, 1);
    layout->addLayout(buttons);

    setTabOrder(lstPlayers, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    connect(cmdOk, &QPushButton::clicked, this, &frmPickPlayer::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPickPlayer::reject);
    connect(lstPlayers, &QListWidget::itemDoubleClicked, this, &frmPickPlayer::cmdOk_Click);
}

frmPickPlayer::~frmPickPlayer() = default;

QString frmPickPlayer::LineText(const clsPlayer& player)
{
    return player.PlayerName() + QLatin1Char(' ') + QString::number(player.PlayerNumber()) +
           QString(6, QLatin1Char('\t')) + player.PlayerID().displayText();
}

bool frmPickPlayer::LoadTeam(const RecordId& teamId)
{
    BusyPointer busy;
    ProgressScope progress(QStringLiteral("Loading all the Players..."));
    CentreOnScreen(this);

    // Insertion order: the order in which the players were added.
    const auto rows = SelectAll(QStringLiteral("SELECT PLAYERID, TEAMID, PLAYERNAME, PLAYERNUMBER FROM PLAYER "
                                               "WHERE TEAMID = ? ORDER BY rowid"),
                                {Bind(teamId)});
    if (rows.empty()) {
        MsgBox(QStringLiteral("There are no Players on this team."), QMessageBox::Ok, QMessageBox::Information,
               QStringLiteral("Players"));
        pubOK = false;
        return false;
    }

    const int count = static_cast<int>(rows.size());
    progress.setCount(count);
    cPlayers.clear();
    cPlayers.reserve(count);
    lstPlayers->setUpdatesEnabled(false);
    int done = 0;
    for (const QSqlRecord& row : rows) {
        auto PlayerClass = std::make_shared<clsPlayer>();
        PlayerClass->setPlayerID(RecordId::fromText(row.value(0).toString()));
        PlayerClass->setTeamID(RecordId::fromText(row.value(1).toString()));
        PlayerClass->setPlayerName(row.value(2).toString());
        PlayerClass->setPlayerNumber(static_cast<qint16>(row.value(3).toInt()));
        auto* item = new QListWidgetItem(LineText(*PlayerClass));
        item->setData(Qt::UserRole, QVariant::fromValue(PlayerClass->PlayerID()));
        lstPlayers->addItem(item);
        cPlayers.insert(PlayerClass->PlayerID().text(), PlayerClass);
        progress.step(++done);
    }
    lstPlayers->setUpdatesEnabled(true);
    lstPlayers->setCurrentRow(0);
    return true;
}

void frmPickPlayer::cmdOk_Click()
{
    QListWidgetItem* item = lstPlayers->currentItem();
    if (!item || !item->isSelected()) {
        MsgBox(QStringLiteral("Please Choose a Player Name."), QMessageBox::Ok, QMessageBox::NoIcon,
               QStringLiteral("Teams"));
        return;
    }
    const auto found = cPlayers.constFind(item->data(Qt::UserRole).value<RecordId>().text());
    if (found == cPlayers.constEnd())
        return;
    pubPicked = found.value();
    cPlayers.clear();
    pubOK = true;
    QDialog::done(QDialog::Accepted);
}

// Accepting always goes through the checks of the Ok button.
void frmPickPlayer::accept()
{
    cmdOk_Click();
}

// Cancel, Escape and the title-bar close box all end here.
void frmPickPlayer::reject()
{
    cPlayers.clear();
    pubOK = false;
    QDialog::reject();
}

bool PickPlayer(const QString& teamCaption)
{
    if (!PickTeam(teamCaption))
        return false;
    const auto team = PickedTeam();
    pubPicked.reset();
    pubOK = false;
    if (!team)
        return false;

    frmPickPlayer chooser;
    if (!chooser.LoadTeam(team->TeamID()))
        return false;
    chooser.adjustSize();
    CentreOnScreen(&chooser);
    chooser.exec();
    return pubOK;
}

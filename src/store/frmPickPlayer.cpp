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
    lstPlayers->setItemDelegate(new ListLineDelegate(lstPlayers));
    lstPlayers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstPlayers->setMinimumSize(480, 260);

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

QString frmPickPlayer::LineText(const QString& name, int number, const QString& idText)
{
    return name + QLatin1Char(' ') + QString::number(number) + QString(6, QLatin1Char('\t')) + idText;
}

bool frmPickPlayer::LoadTeam(const RecordId& teamId)
{
    ProgressScope progress(QStringLiteral("Loading all the Players..."));
    CentreOnScreen(this);

    // Insertion order: the order in which the players were added.
    std::vector<QSqlRecord> rows;
    {
        BusyPointer busy;
        rows = SelectAll(QStringLiteral("SELECT PLAYERID, PLAYERNAME, PLAYERNUMBER FROM PLAYER "
                                        "WHERE TEAMID = ? ORDER BY rowid"),
                         {Bind(teamId)});
    }
    if (rows.empty()) {
        MsgBox(QStringLiteral("There are no Players on this team."), QMessageBox::Ok, QMessageBox::Information,
               QStringLiteral("Players"));
        pubOK = false;
        return false;
    }

    // The message above is shown with the ordinary pointer; filling the list is the wait.
    BusyPointer busy;
    const int count = static_cast<int>(rows.size());
    progress.setCount(count);
    m_teamId = teamId;
    lstPlayers->setUpdatesEnabled(false);
    const QFontMetrics metrics = lstPlayers->fontMetrics();
    int widestName = 0;
    int done = 0;
    const ShownIds shown(rows.front().value(0).toString());
    for (const QSqlRecord& row : rows) {
        // As in the team chooser, only the chosen entry becomes a record.
        const QString idText = row.value(0).toString();
        const QString name = row.value(1).toString();
        const int number = row.value(2).toInt();
        auto* item = new QListWidgetItem(LineText(name, number, shown(idText)));
        item->setData(kIdRole, idText);
        item->setData(kNameRole, name);
        item->setData(kNumberRole, number);
        lstPlayers->addItem(item);
        widestName = qMax(widestName, metrics.horizontalAdvance(ListLineDelegate::NamePart(item->text())));
        progress.step(++done);
    }
    lstPlayers->setUpdatesEnabled(true);
    FitListWidth(lstPlayers, widestName);
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
    const RecordId id = RecordId::fromText(item->data(kIdRole).toString());
    if (id.isNull())
        return;
    auto player = std::make_shared<clsPlayer>();
    player->setPlayerID(id);
    player->setTeamID(m_teamId);
    player->setPlayerName(item->data(kNameRole).toString());
    player->setPlayerNumber(static_cast<qint16>(item->data(kNumberRole).toInt()));
    pubPicked = player;
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

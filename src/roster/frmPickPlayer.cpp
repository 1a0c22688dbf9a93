#include "roster/frmPickPlayer.h"

#include "core/mConstants.h"
#include "roster/Picked.h"
#include "core/Database.h"
#include "roster/clsPlayer.h"
#include "roster/clsTeam.h"
#include "roster/frmPickTeam.h"

#include <QListWidget>

frmPickPlayer::frmPickPlayer(QWidget* parent)
    : RosterChooser(parent, QStringLiteral("lstPlayers"), QStringLiteral("List of Players for you to choose from"))
{
    setObjectName(QStringLiteral("frmPickPlayer"));
    setWindowTitle(QStringLiteral("Players"));
}

QString frmPickPlayer::LineText(const QString& name, int number, const QString& idText)
{
    return name + QLatin1Char(' ') + QString::number(number) + QString(6, QLatin1Char('\t')) + idText;
}

bool frmPickPlayer::LoadTeam(const RecordId& teamId)
{
    const bool filled = FillList(
        QStringLiteral("Loading all the Players..."),
        // Insertion order: the order in which the players were added.
        [&teamId] {
            return SelectAll(QStringLiteral("SELECT PLAYERID, PLAYERNAME, PLAYERNUMBER FROM PLAYER "
                                            "WHERE TEAMID = ? ORDER BY rowid"),
                             {Bind(teamId)});
        },
        QStringLiteral("There are no Players on this team."), QStringLiteral("Players"),
        [](const QSqlRecord& row, const QString& shownId) {
            const QString name = row.value(1).toString();
            const int number = row.value(2).toInt();
            auto* item = new QListWidgetItem(LineText(name, number, shownId));
            item->setData(kIdRole, row.value(0).toString());
            item->setData(kNameRole, name);
            item->setData(kNumberRole, number);
            return Entry{item, ListLineDelegate::NamePart(item->text())};
        });
    if (filled)
        m_teamId = teamId;
    return filled;
}

void frmPickPlayer::cmdOk_Click()
{
    RecordId id;
    const QListWidgetItem* item = ChosenEntry(QStringLiteral("Please Choose a Player Name."), id);
    if (!item)
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

#include "roster/frmPickPlayer.h"

#include "storage/RosterStore.h"
#include "widgets/mConstants.h"
#include "roster/frmPickTeam.h"

#include <QListWidget>

frmPickPlayer::frmPickPlayer(QWidget* parent)
    : RosterChooser(parent, QStringLiteral("lstPlayers"), tr("List of Players for you to choose from"))
{
    setObjectName(QStringLiteral("frmPickPlayer"));
    setWindowTitle(tr("Players"));
}

QString frmPickPlayer::LineText(const QString& name, int number, const QString& idText)
{
    return name + QLatin1Char(' ') + QString::number(number) + QString(6, QLatin1Char('\t')) + idText;
}

bool frmPickPlayer::LoadTeam(const RecordId& teamId)
{
    std::vector<ListedPlayer> players;
    const bool filled = FillList(
        tr("Loading all the Players..."),
        [&] {
            players = RosterStore::ListPlayers(teamId);
            QStringList ids;
            for (const ListedPlayer& p : players)
                ids << p.idText;
            return ids;
        },
        tr("There are no Players on this team."), tr("Players"),
        [&players](int row, const QString& shownId) {
            const ListedPlayer& p = players[size_t(row)];
            auto* item = new QListWidgetItem(LineText(p.name, p.number, shownId));
            item->setData(kIdRole, p.idText);
            item->setData(kNameRole, p.name);
            item->setData(kNumberRole, p.number);
            return Entry{item, ListLineDelegate::NamePart(item->text())};
        });
    if (filled)
        m_teamId = teamId;
    return filled;
}

void frmPickPlayer::cmdOk_Click()
{
    RecordId id;
    const QListWidgetItem* item = ChosenEntry(tr("Please Choose a Player Name."), id, RosterStore::PlayersWithId);
    if (!item)
        return;
    clsPlayer player;
    player.setPlayerID(id);
    player.setTeamID(m_teamId);
    player.setPlayerName(item->data(kNameRole).toString());
    player.setPlayerNumber(static_cast<qint16>(item->data(kNumberRole).toInt()));
    m_chosen = player;
    QDialog::done(QDialog::Accepted);
}

std::optional<clsPlayer> PickPlayer(const QString& teamCaption)
{
    const std::optional<clsTeam> team = PickTeam(teamCaption);
    if (!team)
        return std::nullopt;
    frmPickPlayer chooser;
    if (!chooser.LoadTeam(team->TeamID()))
        return std::nullopt;
    chooser.adjustSize();
    CentreOnScreen(&chooser);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.Chosen();
}

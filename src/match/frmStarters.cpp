#include "match/frmStarters.h"

#include "base/Names.h"
#include "widgets/Accessible.h"
#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"
#include "rules/RallyLog.h"
#include "game/frmGame.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

frmStarters::~frmStarters()
{
    releaseGame();
    for (auto& bench : m_benchBefore)
        qDeleteAll(bench);
}

frmGame& frmStarters::game()
{
    if (!m_screen)
        m_screen = std::make_unique<frmGame>(m_session);
    return *m_screen;
}

void frmStarters::releaseGame()
{
    m_screen.reset();
}

QListWidget* frmStarters::lstTeam(int index) const
{
    return index >= 0 && index < int(m_lists.size()) ? m_lists[size_t(index)] : nullptr;
}

QListWidgetItem* frmStarters::MakeEntry(const clsPlayer& player)
{
    auto* item
        = new QListWidgetItem(names::Isolated(player.PlayerName()) + QStringLiteral(" #") + QString::number(player.PlayerNumber()));
    item->setData(PlayerIdRole, QVariant::fromValue(player.PlayerID()));
    item->setData(TeamIdRole, QVariant::fromValue(player.TeamID()));
    item->setData(NameRole, player.PlayerName());
    item->setData(NumberRole, int(player.PlayerNumber()));
    return item;
}

std::shared_ptr<clsPlayer> frmStarters::EntryPlayer(const QListWidgetItem* item)
{
    auto player = std::make_shared<clsPlayer>();
    player->setPlayerID(item->data(PlayerIdRole).value<RecordId>());
    player->setTeamID(item->data(TeamIdRole).value<RecordId>());
    player->setPlayerName(item->data(NameRole).toString());
    player->setPlayerNumber(qint16(item->data(NumberRole).toInt()));
    return player;
}

void frmStarters::SetupTheHomeTeam()
{
    SetupTeam(0);
}

void frmStarters::SetupTheAwayTeam()
{
    SetupTeam(1);
}

void frmStarters::SetupTeam(int side)
{
    const TeamRoster& team = m_session.rosters[size_t(side)];
    (side == 0 ? lblHomeTeam : lblAwayTeam)->setProperty("fullText", names::Shown(team.name));
    fitTeamNames();
    for (int list : {side * 2, side * 2 + 1})
        a11y::SetDescription(m_lists[size_t(list)], names::Shown(team.name));
    QListWidget* roster = m_lists[size_t(side * 2)];
    roster->clear();
    m_lists[size_t(side * 2 + 1)]->clear();
    const int rowHeight = roster->sizeHintForRow(0) > 0 ? roster->sizeHintForRow(0) : fontMetrics().height() + 4;
    for (const PlayerRow& row : team.players) {
        clsPlayer p;
        p.setPlayerID(row.id);
        p.setTeamID(row.teamId);
        p.setPlayerName(row.name);
        p.setPlayerNumber(qint16(row.number));
        QListWidgetItem* item = MakeEntry(p);
        item->setSizeHint(QSize(0, rowHeight));
        roster->addItem(item);
    }
    // Last game's starters, in their order, as long as each is still on the roster.
    QListWidget* starters = m_lists[size_t(side * 2 + 1)];
    for (const RecordId& id : m_session.startingSix[size_t(side)]) {
        for (int r = 0; r < roster->count(); ++r) {
            if (EntryPlayer(roster->item(r))->PlayerID() == id) {
                starters->addItem(roster->takeItem(r));
                break;
            }
        }
    }
    cboLibero[size_t(side)]->clear();
    fillLiberos(side);
}

void frmStarters::fillLiberos(int side)
{
    QComboBox* list = cboLibero[size_t(side)];
    const RecordId chosen = list->count() > 0 ? list->currentData().value<RecordId>() : m_session.liberos[size_t(side)];
    list->clear();
    list->addItem(tr("(none)"), QVariant::fromValue(RecordId()));
    const QListWidget* bench = m_lists[size_t(side * 2)];
    for (int r = 0; r < bench->count(); ++r) {
        const std::shared_ptr<clsPlayer> p = EntryPlayer(bench->item(r));
        list->addItem(bench->item(r)->text(), QVariant::fromValue(p->PlayerID()));
        if (!chosen.isNull() && p->PlayerID() == chosen)
            list->setCurrentIndex(list->count() - 1);
    }
}

QString frmStarters::liberoStays(int side, const RecordId& player, bool toCourt) const
{
    if (!bSubMode || !m_screen)
        return {};
    const Rally::Log& log = m_screen->rally().book().log();
    const RecordId libero = Rally::Liberos(log)[size_t(side)];
    if (!libero.isNull() && player == libero)
        return toCourt ? tr("The libero comes on by her own key on the court (I), not by a substitution.")
                       : tr("The libero leaves the court by her own key on the court (I), not by a substitution.");
    const std::optional<RecordId> standsFor = Rally::LiberoStandsFor(log, side);
    if (toCourt && standsFor && player == *standsFor)
        return tr("This player is off for the libero and comes back by the libero's key on the court (I).");
    return {};
}

void frmStarters::MoveStart(int side)
{
    QListWidget* roster = m_lists[size_t(side * 2)];
    QListWidget* starters = m_lists[size_t(side * 2 + 1)];
    QList<int> moved;
    bool full = false;
    for (int r = 0; r < roster->count(); ++r) {
        if (!roster->item(r)->isSelected())
            continue;
        if (const QString why = liberoStays(side, EntryPlayer(roster->item(r))->PlayerID(), true); !why.isEmpty()) {
            MsgBox(why, QMessageBox::Ok, QMessageBox::Information, tr("Libero"));
            roster->clearSelection();
            return;
        }
        if (starters->count() >= kStarters) {
            full = true;
            break;
        }
        QListWidgetItem* entry = roster->item(r)->clone();
        if (bSubMode)
            starters->insertItem(iSubIndex[size_t(side)], entry);
        else
            starters->addItem(entry);
        moved << r;
    }
    if (full)
        MsgBox(tr("You can only have six Players."), QMessageBox::Ok, QMessageBox::NoIcon, tr("Six Players"));
    for (auto it = moved.crbegin(); it != moved.crend(); ++it)
        delete roster->takeItem(*it);
    roster->clearSelection();
    if (starters->count() == kStarters && bSubMode)
        (side == 0 ? cmdHMoveBack : cmdAMoveBack)->setEnabled(true);
    fillLiberos(side);
}

void frmStarters::MoveBack(int side)
{
    QListWidget* roster = m_lists[size_t(side * 2)];
    QListWidget* starters = m_lists[size_t(side * 2 + 1)];
    if (bSubMode && starters->selectedItems().size() > 1) {
        MsgBox(tr("You can only choose one Player at a time."), QMessageBox::Ok, QMessageBox::NoIcon, tr("One"));
        return;
    }
    QList<int> moved;
    for (int r = 0; r < starters->count(); ++r) {
        if (!starters->item(r)->isSelected())
            continue;
        if (const QString why = liberoStays(side, EntryPlayer(starters->item(r))->PlayerID(), false); !why.isEmpty()) {
            MsgBox(why, QMessageBox::Ok, QMessageBox::Information, tr("Libero"));
            starters->clearSelection();
            return;
        }
        roster->addItem(starters->item(r)->clone());
        iSubIndex[size_t(side)] = r;
        moved << r;
    }
    for (auto it = moved.crbegin(); it != moved.crend(); ++it)
        delete starters->takeItem(*it);
    starters->clearSelection();
    // During a substitution only one starter at a time may be off the court.
    if (bSubMode && starters->count() < kStarters)
        (side == 0 ? cmdHMoveBack : cmdAMoveBack)->setEnabled(false);
    fillLiberos(side);
}

void frmStarters::MoveAllBack(int side)
{
    QListWidget* roster = m_lists[size_t(side * 2)];
    QListWidget* starters = m_lists[size_t(side * 2 + 1)];
    while (starters->count() > 0)
        roster->addItem(starters->takeItem(0));
    for (int r = 0; r < roster->count(); ++r)
        roster->item(r)->setSelected(false);
    fillLiberos(side);
}

void frmStarters::cmdUpDown_Click(int index)
{
    const bool up = index % 2 == 0;
    QListWidget* list = m_lists[size_t(index < 2 ? 1 : 3)];
    // Only a chosen starter moves: after "<" Qt still holds a current row that nobody sees.
    const int p = list->currentItem() && list->currentItem()->isSelected() ? list->currentRow() : -1;
    if (p < 0 || (up && p == 0) || (!up && p == list->count() - 1)) {
        Beep();
        return;
    }
    const int to = up ? p - 1 : p + 1;
    QListWidgetItem* item = list->takeItem(p);
    list->insertItem(to, item);
    list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
}

void frmStarters::lstTeam_DblClick(int index)
{
    switch (index) {
    case 0:
        MoveStart(0);
        break;
    case 1:
        MoveBack(0);
        break;
    case 2:
        MoveStart(1);
        break;
    case 3:
        MoveBack(1);
        break;
    default:
        break;
    }
}

void frmStarters::GetHomeStarters()
{
    GetStarters(0);
}

void frmStarters::GetAwayStarters()
{
    GetStarters(1);
}

void frmStarters::GetStarters(int side)
{
    // The players come from the entries themselves, never from a lookup by name and number: an
    // entry is exactly the player it was made from, whatever the name holds.
    QListWidget* list = m_lists[size_t(side * 2 + 1)];
    frmGame& screen = game();
    ProgressScope progress(side == 0 ? tr("Setting up the Home Starters...") : tr("Setting up the Away Starters..."),
                           list->count());
    QList<std::shared_ptr<clsPlayer>>& players = side == 0 ? screen.colHomePlayers : screen.colAwayPlayers;
    players.clear();
    for (int i = 0; i < list->count(); ++i) {
        players << EntryPlayer(list->item(i));
        progress.step(i + 1);
    }
}

void frmStarters::cmdGame_Click()
{
    RunCommand([&] {
        if (m_lists[1]->count() != kStarters || m_lists[3]->count() != kStarters) {
            MsgBox(tr("Please fill in six players for each team."), QMessageBox::Ok, QMessageBox::Information,
                   tr("Six Players"));
            return;
        }
        BusyPointer busy;
        if (!bSubMode) {
            m_session.firstServer = optServe[1]->isChecked() ? 1 : 0;
            for (int side = 0; side < 2; ++side)
                m_session.liberos[size_t(side)] = cboLibero[size_t(side)]->currentData().value<RecordId>();
        }
        GetHomeStarters();
        GetAwayStarters();
        frmGame& screen = game();
        screen.SetUpHome();
        screen.SetUpAway();
        done(GoToGame);
    });
}

void frmStarters::BeginSubstitution(const QList<std::shared_ptr<clsPlayer>>& home,
                                    const QList<std::shared_ptr<clsPlayer>>& away)
{
    for (QPushButton* b : {cmdHMoveAllBack, cmdAMoveAllBack})
        b->setEnabled(false);
    for (QPushButton* b : cmdUpDown)
        b->setEnabled(false);
    m_lists[1]->clear();
    m_lists[3]->clear();
    bSubMode = true;
    frameServe->setEnabled(false);
    // The libero is named for the whole game.
    for (QComboBox* list : cboLibero)
        list->setEnabled(false);
    const int rowHeight = fontMetrics().height() + 4;
    for (int side = 0; side < 2; ++side) {
        // The bench is who is not on court now: the libero's swaps on the court change it too.
        const auto& onCourt = side == 0 ? home : away;
        QListWidget* bench = m_lists[size_t(side * 2)];
        bench->clear();
        for (const PlayerRow& row : m_session.rosters[size_t(side)].players) {
            if (std::any_of(onCourt.begin(), onCourt.end(), [&](const auto& p) { return p && p->PlayerID() == row.id; }))
                continue;
            QListWidgetItem* item = MakeEntry(clsPlayer(row));
            item->setSizeHint(QSize(0, rowHeight));
            bench->addItem(item);
        }
    }
    for (int side = 0; side < 2; ++side) {
        qDeleteAll(m_benchBefore[size_t(side)]);
        m_benchBefore[size_t(side)].clear();
        QListWidget* bench = m_lists[size_t(side * 2)];
        for (int r = 0; r < bench->count(); ++r)
            m_benchBefore[size_t(side)] << bench->item(r)->clone();
    }
    for (int side = 0; side < 2; ++side) {
        for (const auto& p : side == 0 ? home : away) {
            if (!p)
                continue;
            QListWidgetItem* item = MakeEntry(*p);
            item->setSizeHint(QSize(0, rowHeight));
            m_lists[size_t(side * 2 + 1)]->addItem(item);
        }
    }
}

void frmStarters::EndSubstitutionMode()
{
    for (QPushButton* b : {cmdHMoveBack, cmdAMoveBack, cmdHMoveAllBack, cmdAMoveAllBack})
        b->setEnabled(true);
    for (QPushButton* b : cmdUpDown)
        b->setEnabled(true);
    bSubMode = false;
    frameServe->setEnabled(true);
    for (QComboBox* list : cboLibero)
        list->setEnabled(true);
}

void frmStarters::reject()
{
    if (bSubMode) {
        // Leaving a substitution changes nothing: the bench as it was, and back to the court,
        // whose players were never touched.
        for (int side = 0; side < 2; ++side) {
            QListWidget* bench = m_lists[size_t(side * 2)];
            bench->clear();
            for (QListWidgetItem* item : m_benchBefore[size_t(side)])
                bench->addItem(item->clone());
        }
        done(GoToGame);
        return;
    }
    const bool firstGame = !m_session.game || m_session.game->GameNumber() <= 1;
    const QString prompt
        = firstGame ? tr("Are you sure you would like to cancel this Match?") : EndMatchQuestion(m_session);
    if (MsgBox(prompt, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, tr("End Match"), QMessageBox::No)
        != QMessageBox::Yes)
        return;
    if (m_screen) {
        m_screen->colHomePlayers.clear();
        m_screen->colAwayPlayers.clear();
    }
    QDialog::reject();
}

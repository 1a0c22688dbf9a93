#include "game/frmGame.h"

#include "base/Names.h"
#include "widgets/Accessible.h"
#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "widgets/MsgBox.h"
#include "storage/PlayStore.h"
#include "base/StatKinds.h"
#include "widgets/mConstants.h"
#include "game/CourtMarks.h"
#include "game/CourtPieces.h"
#include "game/GameRules.h"
#include "game/PlayerStats.h"
#include "game/frmTimeout.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <functional>

using namespace CourtText;

namespace {
// A progress text on the status line while a command works, taken away on every way out unless
// the command has put its outcome there meanwhile.
class ProgressNote
{
public:
    ProgressNote(frmGame* screen, const QString& text) : m_screen(screen), m_text(text)
    {
        m_screen->showProgress(text);
    }
    ~ProgressNote()
    {
        if (m_screen->statusText() == m_text)
            m_screen->showProgress(QString());
    }
    ProgressNote(const ProgressNote&) = delete;
    ProgressNote& operator=(const ProgressNote&) = delete;

private:
    frmGame* m_screen;
    QString m_text;
};

} // namespace

frmGame::~frmGame()
{
    // The game object outlives its screen; it must not point at a dead view or log.
    if (m_session.game && m_session.game->view() == this) {
        m_session.game->setView(nullptr);
        m_session.game->setRally(nullptr);
    }
}

clsGame& frmGame::game()
{
    if (!m_session.game)
        m_session.game = std::make_shared<clsGame>();
    if (m_session.game->view() != this) {
        m_session.game->setView(this);
        m_session.game->setRally(m_rally.get());
    }
    return *m_session.game;
}

// ---- players on court ----------------------------------------------------------------------

namespace {
QList<RecordId> Ids(const QList<std::shared_ptr<clsPlayer>>& players)
{
    QList<RecordId> ids;
    for (const auto& p : players.mid(0, 6))
        ids << (p ? p->PlayerID() : RecordId());
    return ids;
}

// A side's players as the log has them on court: the same players turned, or one exchanged for
// the libero and back, found among those on court or on the team's roster.
void Arrange(QList<std::shared_ptr<clsPlayer>>& side, const Rally::Zones& zones, const TeamRoster& roster)
{
    QList<std::shared_ptr<clsPlayer>> ordered;
    for (const RecordId& id : zones) {
        const auto found = std::find_if(side.begin(), side.end(), [&](const auto& p) { return p && p->PlayerID() == id; });
        if (found != side.end()) {
            ordered << *found;
            continue;
        }
        const auto row = std::find_if(roster.players.begin(), roster.players.end(),
                                      [&](const PlayerRow& p) { return p.id == id; });
        if (row != roster.players.end()) {
            ordered << std::make_shared<clsPlayer>(*row);
            continue;
        }
        // Deleted from the roster since: still the player the log names.
        auto gone = std::make_shared<clsPlayer>();
        gone->setPlayerID(id);
        gone->setPlayerName(QCoreApplication::translate("frmGame", "(no longer on the roster)"));
        ordered << gone;
    }
    side = ordered;
}
} // namespace

void frmGame::setUpSide(bool home)
{
    // The database first: the boxes show players only once they are recorded as playing. Both
    // sides are recorded (and the log's start of the game, or the substitutions made) in one
    // transaction, so that setting up a new game costs one write instead of two; when the other
    // side is set up next, its rows are there.
    for (const RecordId& id : Ids(colHomePlayers) + Ids(colAwayPlayers))
        if (id.isNull())
            throw DbError(tr("A player on court has no identifier."), QString());
    const RallyKeeper::Done done = m_rally->enterLineUps(Ids(colHomePlayers), Ids(colAwayPlayers));
    placeSide(home);
    showRally(done);
}

void frmGame::placeSide(bool home)
{
    const bool onLeft = m_session.homeOnLeft() == home;
    const int bar = onLeft ? 0 : 1;
    const int first = onLeft ? 1 : 7;
    const QList<std::shared_ptr<clsPlayer>> players = (home ? colHomePlayers : colAwayPlayers).mid(0, 6);
    cmdScore[size_t(bar)]->setText(home ? tr("Score &Home") : tr("Score &Away"));
    // Names are fitted again only when one changes: a turn or a swap leaves them as they are.
    if (lblTeamName[size_t(bar)]->property("fullText").toString() != m_session.rosters[home ? 0 : 1].name) {
        lblTeamName[size_t(bar)]->setProperty("fullText", m_session.rosters[home ? 0 : 1].name);
        fitTeamNames();
    }
    cmdRotate[size_t(bar)]->setText(home ? tr("&Rotate Home") : tr("R&otate Away"));
    const QString team = names::Shown(m_session.rosters[home ? 0 : 1].name);
    a11y::SetDescription(cmdScore[size_t(bar)], tr("A point for %1").arg(team));
    a11y::SetDescription(cmdRotate[size_t(bar)], tr("Turns %1 one place").arg(team));
    nameScores();
    const RecordId libero = Rally::Liberos(m_rally->book().log())[home ? Rally::kHome : Rally::kAway];
    for (int i = 0; i < 6; ++i) {
        PlayerBox* box = lblPlayer[size_t(first + i)];
        box->setPlace(team);
        // A box keeps its text fitted while its player stays: a swap or a turn refits only the
        // boxes whose player changed.
        if (i >= players.size())
            box->clearPlayer();
        else if (!(box->playerId() == players[i]->PlayerID()) || box->caption() != PlayerBox::CaptionOf(*players[i]))
            box->setPlayer(*players[i]);
        box->setLibero(!libero.isNull() && box->playerId() == libero);
        paintBox(first + i);
    }
}

void frmGame::continueFrom(Rally::Log log)
{
    m_rally = std::make_unique<RallyKeeper>(m_session, std::move(log));
    m_entryWords.clear();
    if (m_session.game && m_session.game->view() == this)
        m_session.game->setRally(m_rally.get());
    const Rally::Court court = m_rally->book().court();
    colHomePlayers.clear();
    colAwayPlayers.clear();
    for (int side = 0; side < 2; ++side)
        Arrange(side == Rally::kHome ? colHomePlayers : colAwayPlayers, court[size_t(side)],
                m_session.rosters[size_t(side)]);
    placeSide(true);
    placeSide(false);
    showRally({});
}

void frmGame::SetUpHome()
{
    setUpSide(true);
}

void frmGame::SetUpAway()
{
    setUpSide(false);
}

void frmGame::closeForNextGame()
{
    bShowMessage = false;
    done(NextGame);
}

RecordId frmGame::boxPlayerId(int index) const
{
    if (index < 1 || index > 12)
        return {};
    return lblPlayer[size_t(index)]->playerId();
}

// ---- GameView ------------------------------------------------------------------------------

void frmGame::setBoxSelected(int index, bool selected)
{
    if (index < 1 || index > 12)
        return;
    lblPlayer[size_t(index)]->setSelected(selected);
    paintBox(index);
}

void frmGame::paintBox(int index)
{
    const PlayerBox* box = lblPlayer[size_t(index)];
    const QColor colour = box->selected()  ? QColor(Qt::white)
                          : box->libero() ? PlayerBox::kLiberoShirt
                                          : palette().color(QPalette::Button);
    SetBackground(lblPlayer[size_t(index)], colour);
    SetBackground(lblShortcut[size_t(index)], colour);
}

QString frmGame::boxCaption(int index) const
{
    if (index < 1 || index > 12)
        return {};
    return lblPlayer[size_t(index)]->caption();
}

void frmGame::showStatus(const QString& text)
{
    lblStatus->setProperty("fullText", text);
    fitStatus();
    a11y::Announce(lblStatus);
}

QString frmGame::statusText() const
{
    return lblStatus->property("fullText").toString();
}

void frmGame::fitStatus()
{
    // The status line is one line: the line break of a box caption shows as a blank.
    QString shown = statusText();
    shown.replace(QLatin1String("\r\n"), QLatin1String(" "));
    shown.replace(QLatin1Char('\r'), QLatin1Char(' '));
    shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const double f = fontScale();
    const QSize room(std::max(1, lblStatus->width() - 10), std::max(1, lblStatus->height() - 2));
    const int want = int(std::lround(180 * f));
    QFont line = lblStatus->font();
    // In the line as it was last fitted (a command's new text), from the size shown now.
    const bool same = room == m_statusRoom && want == m_statusWant;
    m_statusRoom = room;
    m_statusWant = want;
    const int near = same ? line.pixelSize() : 0;
    line.setPixelSize(FittingPixelSize(line, shown, want, 9, room, false, near));
    // What does not fit on one line even in the least size goes on two, rather than be cut.
    const bool oneLine = QFontMetrics(line).horizontalAdvance(shown) <= room.width();
    lblStatus->setWordWrap(!oneLine);
    SetPixelSize(lblStatus, oneLine ? line.pixelSize() : FittingPixelSize(line, shown, want, 8, room, true, near));
    lblStatus->setText(shown);
}

void frmGame::showProgress(const QString& text)
{
    // Work that runs to its end inside one event: the text is painted now, not after it. It is
    // not a message of its own: what the work ends with is what a screen reader says.
    lblStatus->setProperty("fullText", text);
    fitStatus();
    if (lblStatus->isVisible())
        lblStatus->repaint();
}

bool frmGame::subtractMode() const
{
    return chkSubtractMode->isChecked();
}

// ---- commands ------------------------------------------------------------------------------

void frmGame::lblPlayer_Click(int index)
{
    if (index < 1 || index > 12)
        return;
    game().PlayerOnClick(qint16(index));
    // The libero key where it can do something: on a back-row box while she is on the bench, on
    // her own box while she plays.
    const Rally::LiberoMove move = m_rally->book().checkLibero(sideOfBox(index), (index - 1) % 6 + 1);
    mnuLibero->setText(move == Rally::LiberoMove::Out ? tr("L&ibero Out") : tr("L&ibero In"));
    mnuLibero->setVisible(move == Rally::LiberoMove::In || move == Rally::LiberoMove::Out
                          || move == Rally::LiberoMove::WouldServe);
    QLabel* box = lblPlayer[size_t(index)];
    mnuStats->popup(box->mapToGlobal(box->rect().center()));
}

void frmGame::recordStat(const QString& stat)
{
    RunCommand([&] {
        clsGame& g = game();
        const RecordId player = boxPlayerId(g.LastIndex());
        if (player.isNull())
            throw DbError(tr("There is no player in this box."), QString());
        const qsizetype before = m_rally->book().log().size();
        if (!g.AddStat(stat, player))
            return;
        // The action's status stays, unless the point it decided won the game.
        Rally::StepWrite step;
        step.entries.assign(m_rally->book().log().begin() + before, m_rally->book().log().end());
        RallyKeeper::Done done;
        done.step = step;
        done.stored = true;
        showRally(done, statusText());
    });
    // Back to the court, wherever the keyboard was before the menu: Enter and Space act on nothing.
    setFocus(Qt::OtherFocusReason);
}

void frmGame::cmdScore_Click(int index)
{
    if (index < 0 || index > 1)
        return;
    RunCommand([&] {
        if (!m_session.game || m_session.game->GameID().isNull())
            throw DbError(tr("There is no game under way to score."), QString());
        const RallyKeeper::Done done = m_rally->point(homeOnHalf(index) ? Rally::kHome : Rally::kAway,
                                                      subtractMode() ? -1 : 1);
        if (done.scoreRefused) {
            showStatus(scoreRefusal(*done.scoreRefused));
            return;
        }
        showRally(done, m_rally->said(done));
    });
}

QString frmGame::scoreRefusal(GameRules::Refusal why) const
{
    const int limit = m_session.scoreLimit();
    switch (why) {
    case GameRules::Refusal::None:
        return {};
    case GameRules::Refusal::PastLimit:
        return tr("Not counted: this game is played to %1, won by two. \"Points per Game\" can be changed in "
                  "the match options.")
            .arg(limit);
    case GameRules::Refusal::BelowZero:
        return tr("Not taken back: a score cannot go below 0.");
    case GameRules::Refusal::BackPastLimit:
        break;
    }
    return tr("Not taken back: past %1 a score only comes back to within two points of the other side.").arg(limit);
}

void frmGame::cmdRotate_Click(int index)
{
    if (index < 0 || index > 1)
        return;
    RunCommand([&] {
        const bool subtract = subtractMode();
        game();
        const bool home = homeOnHalf(index);
        // One short write, like a point: no progress text or busy pointer, whose painting at once
        // cost more than the turn itself and was never seen.
        const RallyKeeper::Done done = m_rally->rotate(home ? Rally::kHome : Rally::kAway, subtract);
        // A turn says nothing of itself, but the libero's return to the bench is heard.
        showRally(done, m_rally->said(done));
    });
}

void frmGame::mnuLibero_Click()
{
    RunCommand([&] {
        clsGame& g = game();
        const int side = sideOfBox(g.LastIndex());
        const RallyKeeper::Done done = m_rally->libero(side, (g.LastIndex() - 1) % 6 + 1);
        if (done.liberoRefused) {
            Beep();
            showStatus(m_rally->liberoRefusal(*done.liberoRefused, side));
            return;
        }
        showRally(done, m_rally->said(done));
    });
    setFocus(Qt::OtherFocusReason);
}

void frmGame::mnuTimeout_Click()
{
    std::optional<int> side;
    RunCommand([&] {
        game();
        side = frmTimeout(m_session.rosters[0].name, m_session.rosters[1].name, this).choose();
    });
    if (side)
        recordTimeout(*side);
    setFocus(Qt::OtherFocusReason);
}

void frmGame::recordTimeout(int side)
{
    RunCommand([&] {
        game();
        const int taken = Rally::TimeoutsTaken(m_rally->book().log(), side);
        // Two a game is the usual limit; leagues differ, so a further one is asked for, not refused.
        if (taken >= 2) {
            const QString team = m_rally->words().team(side);
            const QString question = taken == 2
                                         ? tr("%1 have taken 2 timeouts in this game. Record a third?").arg(team)
                                         : tr("%1 have taken %2 timeouts in this game. Record another?").arg(team).arg(taken);
            if (MsgBox(question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, tr("Timeout"),
                       QMessageBox::No)
                != QMessageBox::Yes)
                return;
        }
        const RallyKeeper::Done done = m_rally->timeout(side);
        if (done.gameWon) {
            Beep();
            showStatus(tr("Not recorded: %1").arg(m_rally->gameWonNotice()));
            return;
        }
        showRally(done, m_rally->said(done));
    });
}

void frmGame::mnuUndo_Click()
{
    RunCommand([&] {
        game();
        const int home = m_rally->score(Rally::kHome), away = m_rally->score(Rally::kAway);
        const RallyKeeper::Done done = m_rally->takeBack();
        if (!done.stored) {
            Beep();
            showStatus(tr("Nothing to take back in this game."));
            return;
        }
        const Rally::Entry& undo = done.step.entries.back();
        QString said = m_rally->words().entry(undo, m_rally->book().log()) + QLatin1Char('.');
        // The score as it stands now, where the take-back changed it.
        if (undo.homeScore != home || undo.awayScore != away)
            said += QLatin1Char(' ') + tr("Score %1\u2013%2.").arg(undo.homeScore).arg(undo.awayScore);
        showRally(done, said);
    });
    setFocus(Qt::OtherFocusReason);
}

void frmGame::showRally(const RallyKeeper::Done& done, const QString& status)
{
    const Rally::Book& book = m_rally->book();
    for (int half = 0; half < 2; ++half)
        lblScore[size_t(half)]->setText(QString::number(book.score(homeOnHalf(half) ? Rally::kHome : Rally::kAway)));
    nameScores();

    // The sides as the log has them; the selection follows the player who was selected.
    if (book.started()) {
        const Rally::Court court = book.court();
        clsGame& g = game();
        const RecordId selected = boxPlayerId(g.LastIndex());
        bool turned = false;
        for (int side = 0; side < 2; ++side) {
            QList<std::shared_ptr<clsPlayer>>& players = side == Rally::kHome ? colHomePlayers : colAwayPlayers;
            const QList<RecordId> before = Ids(players);
            Arrange(players, court[size_t(side)], m_session.rosters[size_t(side)]);
            if (Ids(players) != before) {
                turned = true;
                placeSide(side == Rally::kHome);
            }
        }
        if (turned) {
            int follow = g.LastIndex();
            const int first = g.LastIndex() <= 6 ? 1 : 7;
            for (int n = first; n < first + 6; ++n)
                if (!selected.isNull() && boxPlayerId(n) == selected)
                    follow = n;
            g.PlayerOnClick(qint16(follow));
        }
    }
    placeServeMark();

    QStringList shown;
    const Rally::Log& log = book.log();
    const QSet<int>& reversed = book.reversed();
    for (auto it = log.rbegin(); it != log.rend() && shown.size() < LogStrip::kKept; ++it) {
        auto words = m_entryWords.constFind(it->entry);
        if (words == m_entryWords.constEnd()) {
            // A long match does not grow it without end.
            if (m_entryWords.size() > 4 * LogStrip::kKept)
                m_entryWords.clear();
            words = m_entryWords.insert(it->entry, m_rally->words().entry(*it, log));
        }
        shown << (reversed.contains(it->step) ? tr("%1 (taken back)").arg(*words) : *words);
    }
    lstLog->showEntries(shown);

    // Unless the command says otherwise, the status line says what the step recorded (a rotation,
    // a substitution, the game's start), so that a screen reader hears every step.
    QString say = status;
    if (say.isEmpty()) {
        QStringList words;
        for (const Rally::Entry& e : done.step.entries)
            words << m_rally->words().entry(e, log);
        if (!words.isEmpty())
            say = words.join(QStringLiteral("; ")) + QLatin1Char('.');
    }
    // A game won is said on its own (its score with it); the reminder to turn follows the point.
    const QString next = m_rally->followUp(done);
    if (!next.isEmpty())
        say = done.serveWonBack && !m_rally->gameIsWon() && !say.isEmpty() ? say + QLatin1Char(' ') + next : next;
    if (!say.isEmpty())
        showStatus(say);
}

void frmGame::nameScores()
{
    for (int half = 0; half < 2; ++half) {
        const QString team = names::Shown(m_session.rosters[homeOnHalf(half) ? 0 : 1].name);
        a11y::SetName(lblScore[size_t(half)], tr("Score of %1: %2").arg(team, lblScore[size_t(half)]->text()));
    }
}

void frmGame::placeServeMark()
{
    const Rally::Book& book = m_rally->book();
    if (!book.started() || !lblServe) {
        if (lblServe)
            lblServe->hide();
        for (int n = 1; n <= 12; ++n)
            lblPlayer[size_t(n)]->setServing(false);
        return;
    }
    const int side = book.serving();
    const int box = (side == Rally::kHome) == m_session.homeOnLeft() ? 1 : 7;
    for (int n = 1; n <= 12; ++n)
        lblPlayer[size_t(n)]->setServing(n == box);
    const RecordId server = boxPlayerId(box);
    lblServe->showOn(lblPlayer[size_t(box)]->geometry(), m_rally->words().player(server));
    lblServe->setProperty("box", box);
}

int frmGame::sideOfBox(int index) const
{
    const bool leftHalf = index <= 6;
    return leftHalf == m_session.homeOnLeft() ? Rally::kHome : Rally::kAway;
}

void frmGame::mnuViewStats_Click()
{
    RunCommand([&] {
        const int i = m_session.game ? m_session.game->LastIndex() : 1;
        QString name = boxCaption(i);
        name.replace(QLatin1Char('\n'), QLatin1Char(' '));
        ProgressNote working(this, tr("Getting the Stats for ") + name + QStringLiteral("..."));
        const RecordId player = boxPlayerId(i);
        if (player.isNull())
            throw DbError(tr("There is no player in this box."), QString());
        const StatTotals totals
            = PlayStore::PlayerTotals(player, m_session.game ? m_session.game->GameID() : RecordId());
        MsgBox(PlayerStatsMessage(totals), QMessageBox::Ok, QMessageBox::Information, name + tr(" Stats"));
    });
}

void frmGame::mnuSub_Click()
{
    done(Substitute);
}

void frmGame::cmdGame_Click()
{
    RunCommand([this] {
        if (clsGame::GoToNextGame(m_session))
            closeForNextGame();
    });
}

void frmGame::mnuEndMatch_Click()
{
    close();
}

void frmGame::reject()
{
    if (bShowMessage
        && MsgBox(EndMatchQuestion(m_session), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                  tr("End Match"), QMessageBox::No)
            != QMessageBox::Yes)
        return;
    QDialog::reject();
}

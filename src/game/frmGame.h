#pragma once

// Contract of the court screen, as the match flow and the line-up window use it. The court screen
// is a modal dialog shown by the match flow; it ends its exec() with one of the Exit codes and
// leaves the line-up work (a substitution, the next game's line-ups) to the match flow.

#include "game/GameRules.h"
#include "game/MatchSession.h"
#include "game/RallyKeeper.h"
#include "game/clsGame.h"
#include "roster/clsPlayer.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <memory>

class LogStrip;
class PlayerBox;
class ServeMark;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

class frmGame : public QDialog, public GameView
{
    Q_OBJECT

public:
    // How the court screen was left: the match ended (also the confirmed close box), the next
    // game was agreed to, or a substitution was asked for (the screen is only hidden then).
    enum Exit { EndMatch = QDialog::Rejected, NextGame = 2, Substitute = 3 };

    // The screen shows the session's game with its side and options; the session outlives it.
    explicit frmGame(MatchSession& session, QWidget* parent = nullptr);
    ~frmGame() override;

    MatchSession& session() const { return m_session; }
    // The session's game, with this screen as its view and its rally log.
    clsGame& game();
    // The rally log of the game on this screen.
    RallyKeeper& rally() { return *m_rally; }

    QList<std::shared_ptr<clsPlayer>> colHomePlayers; // zone order, six each
    QList<std::shared_ptr<clsPlayer>> colAwayPlayers;
    bool bShowMessage = true; // closing must be confirmed

    // Place the players in their boxes, relabel the buttons, record PLAYED rows (for every player
    // in either collection, each pair once) with the rally log's start of the game or the
    // substitutions made. The rows are written first: when they cannot be, DbError is thrown and
    // the boxes stay as they were.
    void SetUpHome();
    void SetUpAway();
    // Leave without the end-of-match question, for the next game.
    void closeForNextGame();

    // GameView
    void setBoxSelected(int index, bool selected) override;
    QString boxCaption(int index) const override;
    // A message of a command: shown, and spoken by a screen reader once the command is done.
    void showStatus(const QString& text) override;
    // The status text of work under way, painted at once and not spoken.
    void showProgress(const QString& text);
    // The status line's text as given, before it is fitted to the line.
    QString statusText() const;
    bool subtractMode() const override;
    int sideOfBox(int index) const override;

    // The commands as the user starts them; each reports its own failures.
    void lblPlayer_Click(int index); // select box 1..12 and pop up the stat menu at it
    void cmdScore_Click(int index); // 0 left half, 1 right half
    void cmdRotate_Click(int index);
    void mnuViewStats_Click();
    // Takes back the last action, point, rotation, libero swap or timeout of the game (Ctrl+Z).
    void mnuUndo_Click();
    // The libero key (I) on the selected box: the side's libero comes in for the back-row player
    // there, or goes out on her own box for the player she replaced.
    void mnuLibero_Click();
    // Asks which side takes a timeout (Ctrl+T) and records it.
    void mnuTimeout_Click();
    // A timeout of a side (0 home, 1 away) as the command records it: a third in one game asks
    // first, and none is recorded once the game is won.
    void recordTimeout(int side);
    void mnuSub_Click(); // ends exec() with Substitute
    void cmdGame_Click(); // next game: ends exec() with NextGame once it is stored
    void mnuEndMatch_Click();

    // The player standing in box 1..12 (null when the box is empty).
    RecordId boxPlayerId(int index) const;
    // Takes up the game's stored log where it stands (a match continued): the boxes, scores, serve
    // and entries as the log leaves them, nothing written.
    void continueFrom(Rally::Log log);
    // The stat menu that pops up at a selected box.
    QMenu* statMenu() const { return mnuStats; }

    // Escape and the close box end the match, after asking.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildBars();
    void buildCourt();
    void buildMenus();
    void layoutScreen();
    // Sizes the status text to the line, which may have changed size.
    void fitStatus();
    void setUpSide(bool home);
    // The buttons, team name and boxes of one side, from its collection; no database.
    void placeSide(bool home);
    // A box and its key hint in their colour: white when selected, the libero's shirt, or plain.
    void paintBox(int index);
    void recordStat(const QString& stat);
    // Brings the screen to the rally log: scores, the sides' order (the selection follows its
    // player), the serve mark and the entries strip. status, when not empty, goes on the status
    // line unless the step won the game.
    void showRally(const RallyKeeper::Done& done, const QString& status = QString());
    void placeServeMark();
    // The score boxes' names for a screen reader: the team and its score.
    void nameScores();
    // The court's share of the window's width; the entries strip takes the rest.
    int courtWidth() const;
    double fontScale() const;
    void fitTeamNames();
    // Why the score rule refused a press, for the status line.
    QString scoreRefusal(GameRules::Refusal why) const;
    bool homeOnHalf(int half) const { return (half == 0) == m_session.homeOnLeft(); }

    MatchSession& m_session;

    std::array<PlayerBox*, 13> lblPlayer{}; // 1..12
    std::array<QLabel*, 13> lblShortcut{}; // 1..12
    std::array<QFrame*, 2> panelGame{}; // 0 bottom bar, 1 top bar
    std::array<QPushButton*, 2> cmdScore{};
    std::array<QPushButton*, 2> cmdRotate{};
    std::array<QLabel*, 2> lblScore{};
    QPushButton* cmdGame = nullptr;
    QPushButton* cmdEndMatch = nullptr;
    std::array<QLabel*, 2> lblTeamName{}; // above the left and the right half
    QLabel* lblStatus = nullptr;
    QCheckBox* chkSubtractMode = nullptr;
    ServeMark* lblServe = nullptr;
    LogStrip* lstLog = nullptr;
    QLabel* lblLog = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuLibero = nullptr;
    QAction* mnuTimeout = nullptr;
    std::unique_ptr<RallyKeeper> m_rally;
    // The entries strip's words for each entry shown so far, by entry number: an entry never
    // changes once logged, and the strip shows the same few again after every command.
    QHash<int, QString> m_entryWords;
    QSize m_statusRoom; // the status line's room and wanted size when it was last fitted
    int m_statusWant = 0;
    QLabel* lblSubtractBanner = nullptr;
    QWidget* Line1 = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QMenu* mnuStats = nullptr;
    bool m_centred = false;
};

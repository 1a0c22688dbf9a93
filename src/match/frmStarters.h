#pragma once

// Contract of the line-up window, as the match flow uses it. One line-up window exists per match
// under way; it owns that match's court screen and works on the match's session.

#include "game/MatchSession.h"
#include "roster/clsPlayer.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <array>
#include <memory>

class frmGame;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QFrame;
class QPushButton;
class QRadioButton;

class frmStarters : public QDialog
{
    Q_OBJECT

public:
    // exec() ends with GoToGame when both line-ups are complete and the court screen is ready to
    // be shown, or Rejected when the user confirmed cancelling or ending the match.
    enum Exit { GoToGame = 2 };

    // The session outlives the window.
    explicit frmStarters(MatchSession& session, QWidget* parent = nullptr);
    ~frmStarters() override;

    MatchSession& session() const { return m_session; }

    bool bSubMode = false;

    // Every player of the team from the session's roster in its players list; the last game's
    // starting six (still on the roster) proposed as starters in their order, none in the first
    // game.
    void SetupTheHomeTeam();
    void SetupTheAwayTeam();

    // The court screen of this match, loaded on first use; released for a new game.
    frmGame& game();
    void releaseGame();

    // Puts the window into substitution mode with the players now on court; each side's bench is
    // the rest of its roster. The libero and the player she stands in for stay where they are: her
    // own key on the court exchanges them.
    void BeginSubstitution(const QList<std::shared_ptr<clsPlayer>>& home,
                           const QList<std::shared_ptr<clsPlayer>>& away);
    // Back to choosing whole line-ups (a new game): every move and reorder button works again.
    void EndSubstitutionMode();

    QListWidget* lstTeam(int index) const;

    // Turn a starters list into the court screen's players, in starting order.
    void GetHomeStarters();
    void GetAwayStarters();

    // Escape and the close box: during a substitution, back to the court with nothing changed;
    // otherwise asks whether to cancel (game 1) or end the match.
    void reject() override;

    // The entry of a player in the four player lists: "Name #7", carrying the player's record.
    static QListWidgetItem* MakeEntry(const clsPlayer& player);
    static std::shared_ptr<clsPlayer> EntryPlayer(const QListWidgetItem* item);

protected:
    // Each showing says which game it is for and fits the window to the screen and the roster.
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static constexpr int kStarters = 6;
    // What each player entry carries, so that it maps back to exactly the player it was made from.
    enum EntryRole { PlayerIdRole = Qt::UserRole, TeamIdRole, NameRole, NumberRole };

    // The teams' names over their lists, shortened in the middle to the width they are given: a
    // long name never widens the window past the screen.
    void fitTeamNames();
    void SetupTeam(int side);
    void GetStarters(int side);
    void MoveStart(int side);
    void MoveBack(int side);
    void MoveAllBack(int side);
    void cmdUpDown_Click(int index);
    void lstTeam_DblClick(int index);
    void cmdGame_Click();
    void fitToScreen();
    // Each side's libero list: "(none)", then the players not among its starters; the choice stays
    // while it can, else the last game's libero is proposed.
    void fillLiberos(int side);
    // During a substitution: why the libero or the player she stands in for may not move, empty
    // when the player may.
    QString liberoStays(int side, const RecordId& player, bool toCourt) const;

    MatchSession& m_session;
    std::unique_ptr<frmGame> m_screen;

    // Where the starter taken out stood, per team, so that each team's newcomer takes its own
    // team's free place.
    std::array<int, 2> iSubIndex{0, 0};
    // The players lists as a substitution found them, for leaving it with nothing changed.
    std::array<QList<QListWidgetItem*>, 2> m_benchBefore;

    std::array<QListWidget*, 6> m_lists{};
    std::array<QPushButton*, 4> cmdUpDown{};
    QLabel* lblHeading = nullptr;
    QLabel* lblHomeTeam = nullptr;
    QLabel* lblAwayTeam = nullptr;
    QPushButton* cmdHMoveStart = nullptr;
    QPushButton* cmdHMoveBack = nullptr;
    QPushButton* cmdHMoveAllBack = nullptr;
    QPushButton* cmdAMoveStart = nullptr;
    QPushButton* cmdAMoveBack = nullptr;
    QPushButton* cmdAMoveAllBack = nullptr;
    QPushButton* cmdGame = nullptr;
    QFrame* frameServe = nullptr;
    std::array<QRadioButton*, 2> optServe{};
    std::array<QComboBox*, 2> cboLibero{};
};

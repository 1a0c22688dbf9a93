#pragma once

// Contract of the line-up window, as the match start, the court screen and the next-game command
// use it. One line-up window exists per match under way; it owns that match's court screen.

#include "game/clsGame.h"
#include "match/clsMatch.h"
#include "store/clsPlayer.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

class frmGame;
class QListWidget;
class QPushButton;

class frmStarters : public QDialog
{
    Q_OBJECT

public:
    // exec() ends with GoToGame when both line-ups are complete and the court screen is ready to
    // be shown, or Rejected when the user confirmed cancelling or ending the match.
    enum Exit { GoToGame = 2 };

    explicit frmStarters(QWidget* parent = nullptr);
    ~frmStarters() override;

    // The line-up window of the match under way, or null.
    static frmStarters* current();

    clsMatch& pubMatch();                 // created on first use
    void releasePubMatch();
    std::shared_ptr<clsGame> pubGame();   // created on first use; shared with the court screen
    void setPubGame(std::shared_ptr<clsGame> game);
    void releasePubGame();

    QString strSide = QStringLiteral("LEFT");
    bool bSubMode = false;
    qint16 igame = 3;      // games in the match: 3 or 5
    qint16 iPoints = 15;   // points per game (15 or 25); the deciding game is always to 15

    void SetupTheHomeTeam();
    void SetupTheAwayTeam();

    // The court screen of this match, loaded on first use; released for a new game.
    frmGame& game();
    void releaseGame();

    // Puts the window into substitution mode with the players now on court, keeping the game.
    void BeginSubstitution(const QList<std::shared_ptr<clsPlayer>>& home,
                           const QList<std::shared_ptr<clsPlayer>>& away, std::shared_ptr<clsGame> game);

    QListWidget* lstTeam(int index) const;
};

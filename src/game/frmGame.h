#pragma once

// Contract of the court screen, as the match flow and the line-up window use it. The court screen
// is a modal dialog shown by the match flow; it ends its exec() with one of the Exit codes.

#include "game/clsGame.h"
#include "store/clsPlayer.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

class frmGame : public QDialog, public GameView
{
    Q_OBJECT

public:
    // How the court screen was left: the match ended (also the confirmed close box), the next
    // game was agreed to, or a substitution was asked for (the screen is only hidden then).
    enum Exit { EndMatch = QDialog::Rejected, NextGame = 2, Substitute = 3 };

    explicit frmGame(QWidget* parent = nullptr);
    ~frmGame() override;

    // The court screen of the match under way, or null.
    static frmGame* current();

    QList<std::shared_ptr<clsPlayer>> colHomePlayers;  // zone order, six each
    QList<std::shared_ptr<clsPlayer>> colAwayPlayers;
    std::shared_ptr<clsGame> pubGame;                  // the same object as the line-up window's
    QString strSide;                                   // "LEFT": home on the left half
    qint16 igame = 3;                                  // games in the match, from the line-up window
    qint16 iPoints = 15;                               // points per game but the deciding one
    bool bShowMessage = true;                          // closing must be confirmed

    // Place the players in their boxes, relabel the buttons, record PLAYED rows.
    void SetUpHome();
    void SetUpAway();
    // Attach the game (sets pubGame and makes this screen its view).
    void setGame(std::shared_ptr<clsGame> game);
    // Leave without the end-of-match question, for the next game.
    void closeForNextGame();

    // GameView
    void setBoxSelected(int index, bool selected) override;
    QString boxCaption(int index) const override;
    void showStatus(const QString& text) override;
    bool subtractMode() const override;
};

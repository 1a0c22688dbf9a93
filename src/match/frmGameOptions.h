#pragma once

#include "game/MatchSession.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// "Game Options": the length of the match, the points per game and the side on which the home
// team starts. Proposes last time's answers; on OK hands them back and keeps them for the next
// match. Cancel and the close box leave everything as it was.
class frmGameOptions : public QDialog
{
    Q_OBJECT

public:
    // For the deciding game only the side may change: the length, points and score-keeping frames
    // are disabled.
    explicit frmGameOptions(bool decidingGame = false, QWidget* parent = nullptr);

    // Shows the window; the answers on OK, nothing when it was left otherwise.
    std::optional<GameOptions> choose();

    void reject() override;

private:
    void cmdOk_Click();
    void cmdCancel_Click();

    std::optional<GameOptions> m_chosen;
    QGroupBox* frameGames;
    QLabel* Label2;
    QRadioButton* opt3;
    QRadioButton* opt5;
    QGroupBox* framePoints;
    QLabel* Label3;
    QRadioButton* opt15;
    QRadioButton* opt25;
    QGroupBox* frameSide;
    QLabel* Label1;
    QRadioButton* optLeft;
    QRadioButton* optRight;
    QGroupBox* frameRally;
    QCheckBox* chkSideOutRotate;
    QCheckBox* chkScoreFromAction;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;
};

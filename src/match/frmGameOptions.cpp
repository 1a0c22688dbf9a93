#include "match/frmGameOptions.h"

#include "widgets/mConstants.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QGroupBox* MakeFrame(const QString& name, const QString& caption, QLabel* question, QRadioButton* upper,
                     QRadioButton* lower, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    auto* layout = new QVBoxLayout(frame);
    question->setWordWrap(true);
    layout->addWidget(question);
    auto* choices = new QHBoxLayout;
    choices->addSpacing(12);
    choices->addWidget(upper);
    choices->addWidget(lower);
    choices->addStretch();
    layout->addLayout(choices);
    return frame;
}

QRadioButton* MakeOption(const QString& name, const QString& caption)
{
    auto* option = new QRadioButton(caption);
    option->setObjectName(name);
    return option;
}

QLabel* MakeLabel(const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}
} // namespace

frmGameOptions::frmGameOptions(bool decidingGame, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGameOptions"));
    setWindowTitle(tr("Game Options"));
    setModal(true);

    Label2 = MakeLabel(QStringLiteral("Label2"), tr("How many games are included in this match?"));
    opt3 = MakeOption(QStringLiteral("opt3"), tr("Best of &3"));
    opt5 = MakeOption(QStringLiteral("opt5"), tr("Best of &5"));
    frameGames = MakeFrame(QStringLiteral("frameGames"), tr("Amount of Games"), Label2, opt3, opt5, this);

    Label3 = MakeLabel(QStringLiteral("Label3"),
                       tr("How many points win a game? The deciding game is always played to 15."));
    opt15 = MakeOption(QStringLiteral("opt15"), tr("&15 Points"));
    opt25 = MakeOption(QStringLiteral("opt25"), tr("&25 Points"));
    framePoints = MakeFrame(QStringLiteral("framePoints"), tr("Points per Game"), Label3, opt15, opt25, this);

    Label1
        = MakeLabel(QStringLiteral("Label1"), tr("Which side of the court would you like to start the home team on?"));
    optLeft = MakeOption(QStringLiteral("optLeft"), tr("&Left Side"));
    optRight = MakeOption(QStringLiteral("optRight"), tr("&Right Side"));
    frameSide = MakeFrame(QStringLiteral("frameSide"), tr("Side of Court"), Label1, optLeft, optRight, this);

    // How much one key keeps: the point from the action that ends the rally, the turn on a
    // side-out. Both off keeps every score and rotation the user's own press.
    frameRally = new QGroupBox(tr("Keeping Score"), this);
    frameRally->setObjectName(QStringLiteral("frameRally"));
    chkSideOutRotate = new QCheckBox(tr("Rotate on side-&out"), frameRally);
    chkSideOutRotate->setObjectName(QStringLiteral("chkSideOutRotate"));
    chkScoreFromAction = new QCheckBox(tr("Score from the &deciding action"), frameRally);
    chkScoreFromAction->setObjectName(QStringLiteral("chkScoreFromAction"));
    {
        auto* rally = new QVBoxLayout(frameRally);
        rally->addWidget(chkSideOutRotate);
        rally->addWidget(chkScoreFromAction);
    }

    cmdOk = new QPushButton(tr("Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameGames);
    layout->addWidget(framePoints);
    layout->addWidget(frameSide);
    layout->addWidget(frameRally);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    setFixedWidth(400);

    connect(cmdOk, &QPushButton::clicked, this, &frmGameOptions::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmGameOptions::cmdCancel_Click);

    // Last time's answers. Only the exact "LEFT" means the left side; any stored length other than
    // 3 (a typing error, "4") means five games; any points other than 25 means 15.
    const QString side = GetSetting(QStringLiteral("Match"), QStringLiteral("Side"), QStringLiteral("LEFT"));
    const QString games = GetSetting(QStringLiteral("Match"), QStringLiteral("Games"), QStringLiteral("3"));
    const QString points = GetSetting(QStringLiteral("Match"), QStringLiteral("Points"), QStringLiteral("15"));
    bool gamesRead = false;
    bool pointsRead = false;
    const short gameCount = games.toShort(&gamesRead);
    const short pointCount = points.toShort(&pointsRead);
    (gamesRead && gameCount == 3 ? opt3 : opt5)->setChecked(true);
    (pointsRead && pointCount == 25 ? opt25 : opt15)->setChecked(true);
    (side == QLatin1String("LEFT") ? optLeft : optRight)->setChecked(true);
    chkSideOutRotate->setChecked(GetSetting(QStringLiteral("Match"), QStringLiteral("SideOutRotate"), QStringLiteral("0"))
                                 == QLatin1String("1"));
    chkScoreFromAction->setChecked(
        GetSetting(QStringLiteral("Match"), QStringLiteral("ScoreFromAction"), QStringLiteral("0")) == QLatin1String("1"));

    if (decidingGame) {
        frameGames->setEnabled(false);
        framePoints->setEnabled(false);
        frameRally->setEnabled(false);
        optLeft->setFocus();
    }

    // The questions wrap, so the height follows from the width: as tall as the wrapped lines need.
    adjustSize();
    if (QDialog::layout()->hasHeightForWidth())
        setMinimumHeight(QDialog::layout()->totalHeightForWidth(width()));
    adjustSize();
    CentreOnScreen(this);
}

void frmGameOptions::cmdOk_Click()
{
    const QString side = optLeft->isChecked() ? QStringLiteral("LEFT") : QStringLiteral("RIGHT");
    const qint16 games = opt3->isChecked() ? 3 : 5;
    const qint16 points = opt25->isChecked() ? 25 : 15;
    m_chosen = GameOptions{side, games, points, chkSideOutRotate->isChecked(), chkScoreFromAction->isChecked()};
    SaveSetting(QStringLiteral("Match"), QStringLiteral("Side"), side);
    SaveSetting(QStringLiteral("Match"), QStringLiteral("SideOutRotate"),
                chkSideOutRotate->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    SaveSetting(QStringLiteral("Match"), QStringLiteral("ScoreFromAction"),
                chkScoreFromAction->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    SaveSetting(QStringLiteral("Match"), QStringLiteral("Games"), QString::number(games));
    SaveSetting(QStringLiteral("Match"), QStringLiteral("Points"), QString::number(points));
    accept();
}

void frmGameOptions::cmdCancel_Click()
{
    reject();
}

void frmGameOptions::reject()
{
    // Cancel, Escape and the close box all end here: nothing is written.
    m_chosen.reset();
    QDialog::reject();
}

std::optional<GameOptions> frmGameOptions::choose()
{
    m_chosen.reset();
    exec();
    return m_chosen;
}

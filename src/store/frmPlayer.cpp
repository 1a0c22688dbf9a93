#include "store/frmPlayer.h"

#include "shell/MsgBox.h"
#include "shell/mConstants.h"
#include "store/clsPlayer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

frmPlayer::frmPlayer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPlayer"));
    setWindowTitle(QStringLiteral("Player"));
    setModal(true);

    lblPlayerNum = new QLabel(QStringLiteral("Player's Number:"), this);
    lblPlayerNum->setObjectName(QStringLiteral("lblPlayerNum"));
    txtPlayerNumber = new QLineEdit(this);
    txtPlayerNumber->setObjectName(QStringLiteral("txtPlayerNumber"));
    txtPlayerNumber->setMaxLength(2);
    // Only a whole shirt number may reach the conversion: digits, at most two of them.
    txtPlayerNumber->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), txtPlayerNumber));
    txtPlayerNumber->setFixedWidth(txtPlayerNumber->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    lblPlayerNum->setBuddy(txtPlayerNumber);

    lblPlayerName = new QLabel(QStringLiteral("Player's Name:"), this);
    lblPlayerName->setObjectName(QStringLiteral("lblPlayerName"));
    txtPlayerName = new QLineEdit(this);
    txtPlayerName->setObjectName(QStringLiteral("txtPlayerName"));
    txtPlayerName->setMinimumWidth(280);
    lblPlayerName->setBuddy(txtPlayerName);

    cmdOk = new QPushButton(QStringLiteral("Add Player"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Done"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblPlayerNum, 0, 0);
    layout->addWidget(txtPlayerNumber, 0, 1, Qt::AlignLeft);
    layout->addWidget(lblPlayerName, 1, 0);
    layout->addWidget(txtPlayerName, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtPlayerNumber, txtPlayerName);
    setTabOrder(txtPlayerName, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    connect(cmdOk, &QPushButton::clicked, this, &frmPlayer::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPlayer::reject);
}

void frmPlayer::setButtonCaptions(const QString& ok, const QString& cancel)
{
    cmdOk->setText(ok);
    cmdCancel->setText(cancel);
}

void frmPlayer::setPlayer(qint16 number, const QString& name)
{
    txtPlayerNumber->setText(QString::number(number));
    txtPlayerName->setText(name);
}

void frmPlayer::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
    txtPlayerNumber->setFocus();
}

void frmPlayer::cmdOk_Click()
{
    if (txtPlayerNumber->text().isEmpty()) {
        MsgBox(QStringLiteral("Please fill in the Player's Number."), QMessageBox::Ok, QMessageBox::NoIcon,
               QStringLiteral("Player Number"));
        txtPlayerNumber->setFocus();
        return;
    }
    if (txtPlayerName->text().isEmpty()) {
        MsgBox(QStringLiteral("Please fill in the Player's Name."), QMessageBox::Ok, QMessageBox::NoIcon,
               QStringLiteral("Player's Name"));
        txtPlayerName->setFocus();
        return;
    }
    // The validator lets only up to two digits through, so this cannot fail; refuse it anyway
    // rather than store a number nobody typed.
    bool isNumber = false;
    const int number = txtPlayerNumber->text().toInt(&isNumber);
    if (!isNumber || number < 0 || number > 99) {
        txtPlayerNumber->setFocus();
        return;
    }
    pubPlayer().setPlayerNumber(static_cast<qint16>(number));
    pubPlayer().setPlayerName(txtPlayerName->text());
    pubOK = true;
    QDialog::done(QDialog::Accepted);
}

// Accepting always goes through the checks of the accepting button.
void frmPlayer::accept()
{
    cmdOk_Click();
}

// "Done", Escape and the title-bar close box all end here, so closing the window never stores
// the previous player a second time.
void frmPlayer::reject()
{
    pubOK = false;
    QDialog::reject();
}

#include "roster/frmPlayer.h"

#include "core/MsgBox.h"
#include "core/mConstants.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

frmPlayer::frmPlayer(QWidget* parent) : RosterEditor(parent)
{
    setObjectName(QStringLiteral("frmPlayer"));
    setWindowTitle(tr("Player"));

    lblPlayerNum = new QLabel(tr("Player's Number:"), this);
    lblPlayerNum->setObjectName(QStringLiteral("lblPlayerNum"));
    txtPlayerNumber = new QLineEdit(this);
    txtPlayerNumber->setObjectName(QStringLiteral("txtPlayerNumber"));
    txtPlayerNumber->setMaxLength(2);
    // Only a whole shirt number may reach the conversion: digits, at most two of them.
    txtPlayerNumber->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), txtPlayerNumber));
    txtPlayerNumber->setFixedWidth(txtPlayerNumber->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    lblPlayerNum->setBuddy(txtPlayerNumber);

    lblPlayerName = new QLabel(tr("Player's Name:"), this);
    lblPlayerName->setObjectName(QStringLiteral("lblPlayerName"));
    txtPlayerName = new QLineEdit(this);
    txtPlayerName->setObjectName(QStringLiteral("txtPlayerName"));
    txtPlayerName->setMinimumWidth(280);
    lblPlayerName->setBuddy(txtPlayerName);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblPlayerNum, 0, 0);
    layout->addWidget(txtPlayerNumber, 0, 1, Qt::AlignLeft);
    layout->addWidget(lblPlayerName, 1, 0);
    layout->addWidget(txtPlayerName, 1, 1);
    AddButtonRow(layout, 2, tr("Add Player"), tr("Done"));

    setTabOrder(txtPlayerNumber, txtPlayerName);
    setTabOrder(txtPlayerName, cmdOk);
    setTabOrder(cmdOk, cmdCancel);
}

void frmPlayer::setPlayer(qint16 number, const QString& name)
{
    txtPlayerNumber->setText(QString::number(number));
    txtPlayerName->setText(name);
}

QWidget* frmPlayer::FirstBox() const
{
    return txtPlayerNumber;
}

void frmPlayer::cmdOk_Click()
{
    if (txtPlayerNumber->text().isEmpty()) {
        MsgBox(tr("Please fill in the Player's Number."), QMessageBox::Ok, QMessageBox::NoIcon,
               tr("Player Number"));
        txtPlayerNumber->setFocus();
        return;
    }
    if (txtPlayerName->text().isEmpty()) {
        MsgBox(tr("Please fill in the Player's Name."), QMessageBox::Ok, QMessageBox::NoIcon,
               tr("Player's Name"));
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
    m_entry = {static_cast<qint16>(number), txtPlayerName->text()};
    QDialog::done(QDialog::Accepted);
}

std::optional<frmPlayer::Entry> frmPlayer::Ask()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_entry;
}

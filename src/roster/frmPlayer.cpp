#include "roster/frmPlayer.h"

#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmPlayer::frmPlayer(QWidget* parent) : RosterEditor(parent)
{
    setObjectName(QStringLiteral("frmPlayer"));
    setWindowTitle(tr("Player"));

    lblPlayerNum = new QLabel(tr("Player's Number:"), this);
    lblPlayerNum->setObjectName(QStringLiteral("lblPlayerNum"));
    txtPlayerNumber = new QLineEdit(this);
    txtPlayerNumber->setObjectName(QStringLiteral("txtPlayerNumber"));
    // Whatever is typed or pasted stays in view: a number out of range is refused with a reason
    // at the accepting button, never cut or changed silently on the way in.
    txtPlayerNumber->setFixedWidth(txtPlayerNumber->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
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
    // The number box takes the focus when the window opens: a new number typed replaces the old
    // one (after a refused number, the one refused).
    txtPlayerNumber->selectAll();
}

QWidget* frmPlayer::FirstBox() const
{
    return txtPlayerNumber;
}

void frmPlayer::cmdOk_Click()
{
    if (txtPlayerNumber->text().trimmed().isEmpty()) {
        MsgBox(tr("Please fill in the Player's Number."), QMessageBox::Ok, QMessageBox::NoIcon,
               tr("Player Number"));
        txtPlayerNumber->setFocus();
        return;
    }
    const QString name = TypedName(txtPlayerName->text());
    if (name.isEmpty()) {
        MsgBox(tr("Please fill in the Player's Name."), QMessageBox::Ok, QMessageBox::NoIcon,
               tr("Player's Name"));
        txtPlayerName->setFocus();
        return;
    }
    const QString typed = txtPlayerNumber->text().trimmed();
    bool isNumber = !typed.isEmpty() && typed.size() <= 2;
    for (const QChar c : typed)
        isNumber = isNumber && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    if (!isNumber) {
        MsgBox(tr("The Player's Number must be a whole number from 0 to 99."), QMessageBox::Ok, QMessageBox::NoIcon,
               tr("Player Number"));
        txtPlayerNumber->setFocus();
        txtPlayerNumber->selectAll();
        return;
    }
    const int number = typed.toInt();
    if (HasControlCharacters(name)) {
        MsgBox(tr("A name cannot hold tabs, line breaks or other control characters."), QMessageBox::Ok,
               QMessageBox::NoIcon, tr("Player's Name"));
        txtPlayerName->setFocus();
        return;
    }
    if (RefusedAsTooLong(name, tr("Player's Name"), txtPlayerName))
        return;
    m_entry = {static_cast<qint16>(number), name};
    QDialog::done(QDialog::Accepted);
}

std::optional<frmPlayer::Entry> frmPlayer::Ask()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_entry;
}

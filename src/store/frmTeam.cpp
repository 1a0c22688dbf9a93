#include "store/frmTeam.h"

#include "shell/MsgBox.h"
#include "shell/mConstants.h"
#include "store/clsTeam.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmTeam::frmTeam(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTeam"));
    setWindowTitle(QStringLiteral("Team"));
    setModal(true);

    lblCaptionForName = new QLabel(QStringLiteral("Team Name:"), this);
    lblCaptionForName->setObjectName(QStringLiteral("lblCaptionForName"));
    txtTeamName = new QLineEdit(this);
    txtTeamName->setObjectName(QStringLiteral("txtTeamName"));
    txtTeamName->setMinimumWidth(280);
    lblCaptionForName->setBuddy(txtTeamName);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lblCaptionForName, 0, 0);
    layout->addWidget(txtTeamName, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(txtTeamName, cmdOk);
    setTabOrder(cmdOk, cmdCancel);

    connect(cmdOk, &QPushButton::clicked, this, &frmTeam::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTeam::reject);
}

void frmTeam::setButtonCaptions(const QString& ok, const QString& cancel)
{
    cmdOk->setText(ok);
    cmdCancel->setText(cancel);
}

void frmTeam::setTeamName(const QString& name)
{
    txtTeamName->setText(name);
}

void frmTeam::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    CentreOnScreen(this);
    txtTeamName->setFocus();
}

void frmTeam::cmdOk_Click()
{
    if (txtTeamName->text().isEmpty()) {
        MsgBox(QStringLiteral("Please fill in the Team Name."), QMessageBox::Ok, QMessageBox::NoIcon,
               QStringLiteral("Team Name"));
        txtTeamName->setFocus();
        return;
    }
    pubTeam().setTeamName(txtTeamName->text());
    pubOK = true;
    QDialog::done(QDialog::Accepted);
}

// Accepting always goes through the checks of the OK button.
void frmTeam::accept()
{
    cmdOk_Click();
}

// Cancel, Escape and the title-bar close box all end here.
void frmTeam::reject()
{
    pubOK = false;
    QDialog::reject();
}

#include "roster/frmTeam.h"

#include "core/MsgBox.h"
#include "core/mConstants.h"
#include "roster/Picked.h"
#include "roster/clsTeam.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmTeam::frmTeam(QWidget* parent) : RosterEditor(parent)
{
    setObjectName(QStringLiteral("frmTeam"));
    setWindowTitle(QStringLiteral("Team"));

    lblCaptionForName = new QLabel(QStringLiteral("Team Name:"), this);
    lblCaptionForName->setObjectName(QStringLiteral("lblCaptionForName"));
    txtTeamName = new QLineEdit(this);
    txtTeamName->setObjectName(QStringLiteral("txtTeamName"));
    txtTeamName->setMinimumWidth(280);
    lblCaptionForName->setBuddy(txtTeamName);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblCaptionForName, 0, 0);
    layout->addWidget(txtTeamName, 0, 1);
    AddButtonRow(layout, 1, QStringLiteral("OK"), QStringLiteral("Cancel"));

    setTabOrder(txtTeamName, cmdOk);
    setTabOrder(cmdOk, cmdCancel);
}

void frmTeam::setTeamName(const QString& name)
{
    txtTeamName->setText(name);
}

QWidget* frmTeam::FirstBox() const
{
    return txtTeamName;
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

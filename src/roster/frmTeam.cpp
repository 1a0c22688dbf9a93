#include "roster/frmTeam.h"

#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmTeam::frmTeam(QWidget* parent) : RosterEditor(parent)
{
    setObjectName(QStringLiteral("frmTeam"));
    setWindowTitle(tr("Team"));

    lblCaptionForName = new QLabel(tr("Team Name:"), this);
    lblCaptionForName->setObjectName(QStringLiteral("lblCaptionForName"));
    txtTeamName = new QLineEdit(this);
    txtTeamName->setObjectName(QStringLiteral("txtTeamName"));
    txtTeamName->setMinimumWidth(280);
    lblCaptionForName->setBuddy(txtTeamName);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lblCaptionForName, 0, 0);
    layout->addWidget(txtTeamName, 0, 1);
    AddButtonRow(layout, 1, tr("OK"), tr("Cancel"));

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
    const QString name = TypedName(txtTeamName->text());
    if (name.isEmpty()) {
        MsgBox(tr("Please fill in the Team Name."), QMessageBox::Ok, QMessageBox::NoIcon,
               tr("Team Name"));
        txtTeamName->setFocus();
        return;
    }
    if (HasControlCharacters(name)) {
        MsgBox(tr("A name cannot hold tabs, line breaks or other control characters."), QMessageBox::Ok,
               QMessageBox::NoIcon, tr("Team Name"));
        txtTeamName->setFocus();
        return;
    }
    if (RefusedAsTooLong(name, tr("Team Name"), txtTeamName))
        return;
    m_name = name;
    QDialog::done(QDialog::Accepted);
}

std::optional<QString> frmTeam::Ask()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return m_name;
}

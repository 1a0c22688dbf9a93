#include "roster/frmPickTeam.h"

#include "core/mConstants.h"
#include "roster/Picked.h"
#include "core/Database.h"
#include "roster/clsTeam.h"

#include <QListWidget>
#include <QPushButton>

frmPickTeam::frmPickTeam(QWidget* parent)
    : RosterChooser(parent, QStringLiteral("lstTeams"), QStringLiteral("List of Teams for you to choose from"))
{
    setObjectName(QStringLiteral("frmPickTeam"));
    setWindowTitle(QStringLiteral("Teams"));
    lstChoices->setTextElideMode(Qt::ElideRight);
    cmdOk->setAutoDefault(true);
}

QString frmPickTeam::LineText(const QString& name, const QString& idText)
{
    return name + QString(5, QLatin1Char('\t')) + QStringLiteral("TEAM ID: ") + idText;
}

bool frmPickTeam::Load()
{
    return FillList(
        QStringLiteral("Loading all the Teams..."),
        // Insertion order: the order in which the teams were stored.
        [] { return SelectAll(QStringLiteral("SELECT TEAMID, TEAMNAME FROM TEAM ORDER BY rowid")); },
        QStringLiteral("There are no teams loaded."), QStringLiteral("Teams"),
        [](const QSqlRecord& row, const QString& shownId) {
            const QString name = row.value(1).toString();
            auto* item = new QListWidgetItem(LineText(name, shownId));
            item->setData(kIdRole, row.value(0).toString());
            item->setData(kNameRole, name);
            return Entry{item, name};
        });
}

void frmPickTeam::cmdOk_Click()
{
    RecordId id;
    const QListWidgetItem* item = ChosenEntry(QStringLiteral("Please Choose a Team Name."), id);
    if (!item)
        return;
    pubPicked = std::make_shared<clsTeam>(id, item->data(kNameRole).toString());
    pubOK = true;
    QDialog::done(QDialog::Accepted);
}

bool PickTeam(const QString& caption)
{
    pubOK = false;
    frmPickTeam chooser;
    if (!chooser.Load())
        return false;
    chooser.setWindowTitle(caption);
    chooser.adjustSize();
    CentreOnScreen(&chooser);
    chooser.exec();
    return pubOK;
}

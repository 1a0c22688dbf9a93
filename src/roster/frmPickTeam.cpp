#include "roster/frmPickTeam.h"

#include "storage/RosterStore.h"
#include "widgets/mConstants.h"

#include <QListWidget>
#include <QPushButton>

frmPickTeam::frmPickTeam(QWidget* parent)
    : RosterChooser(parent, QStringLiteral("lstTeams"), tr("List of Teams for you to choose from"))
{
    setObjectName(QStringLiteral("frmPickTeam"));
    setWindowTitle(tr("Teams"));
    lstChoices->setTextElideMode(Qt::ElideRight);
    cmdOk->setAutoDefault(true);
}

QString frmPickTeam::LineText(const QString& name, const QString& idText)
{
    return name + QString(5, QLatin1Char('\t')) + tr("TEAM ID: ") + idText;
}

bool frmPickTeam::Load()
{
    std::vector<ListedTeam> teams;
    return FillList(
        tr("Loading all the Teams..."),
        [&teams] {
            teams = RosterStore::ListTeams();
            QStringList ids;
            ids.reserve(qsizetype(teams.size()));
            for (const ListedTeam& t : teams)
                ids << t.idText;
            return ids;
        },
        tr("There are no teams loaded."), tr("Teams"),
        [&teams](int row, const QString& shownId) {
            const ListedTeam& team = teams[size_t(row)];
            auto* item = new QListWidgetItem(LineText(team.name, shownId));
            item->setData(kIdRole, team.idText);
            item->setData(kNameRole, team.name);
            return Entry{item, team.name};
        });
}

void frmPickTeam::PreselectOtherThan(const RecordId& team)
{
    for (int row = 0; row < lstChoices->count(); ++row) {
        if (!(RecordId::fromText(lstChoices->item(row)->data(kIdRole).toString()) == team)) {
            lstChoices->setCurrentRow(row);
            return;
        }
    }
}

void frmPickTeam::cmdOk_Click()
{
    RecordId id;
    const QListWidgetItem* item = ChosenEntry(tr("Please Choose a Team Name."), id, RosterStore::TeamsWithId);
    if (!item)
        return;
    m_chosen = clsTeam(id, item->data(kNameRole).toString());
    QDialog::done(QDialog::Accepted);
}

std::optional<clsTeam> PickTeam(const QString& caption, const std::optional<RecordId>& notPreselected)
{
    frmPickTeam chooser;
    if (!chooser.Load())
        return std::nullopt;
    if (notPreselected)
        chooser.PreselectOtherThan(*notPreselected);
    chooser.setWindowTitle(caption);
    chooser.adjustSize();
    CentreOnScreen(&chooser);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.Chosen();
}

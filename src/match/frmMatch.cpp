#include "match/frmMatch.h"

#include "core/mConstants.h"
#include "core/Database.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmMatch::frmMatch(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMatch"));
    setWindowTitle(QStringLiteral("Match Listing"));
    setModal(true);

    lstMatch = new QListWidget(this);
    lstMatch->setObjectName(QStringLiteral("lstMatch"));
    lstMatch->setMinimumSize(420, 240);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstMatch);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmMatch::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMatch::reject);
    connect(lstMatch, &QListWidget::itemDoubleClicked, this, &frmMatch::cmdOk_Click);

    FillMatchList();
    adjustSize();
    CentreOnScreen(this);
}

void frmMatch::FillMatchList()
{
    BusyPointer busy;
    ProgressScope progress(QStringLiteral("Loading all the matches..."));
    // Both names come with their match in one row, so an entry can never pair one match's home
    // team with another's away team; a team deleted since still leaves its match listed.
    const auto matches = SelectAll(QStringLiteral("SELECT M.MATCHID, H.TEAMNAME, A.TEAMNAME FROM MATCH M "
                                                  "LEFT JOIN TEAM H ON H.TEAMID = M.HOMETEAMID "
                                                  "LEFT JOIN TEAM A ON A.TEAMID = M.AWAYTEAMID "
                                                  "ORDER BY M.MATCHID"));
    lstMatch->clear();
    progress.setCount(int(matches.size()));
    const QString deleted = QStringLiteral("(deleted team)");
    int done = 0;
    for (const QSqlRecord& row : matches) {
        const RecordId id = RecordId::fromText(row.value(0).toString());
        const QString home = row.isNull(1) ? deleted : row.value(1).toString();
        const QString away = row.isNull(2) ? deleted : row.value(2).toString();
        auto* item = new QListWidgetItem(
            away + QStringLiteral(" vs ") + home + QStringLiteral(" on ") + id.displayText(), lstMatch);
        item->setData(Qt::UserRole, QVariant::fromValue(id));
        progress.step(++done);
    }
    if (lstMatch->count() > 0)
        lstMatch->setCurrentRow(0);
}

void frmMatch::cmdOk_Click()
{
    QListWidgetItem* item = lstMatch->currentItem();
    if (!item) {
        // Nothing to choose: the same as Cancel.
        reject();
        return;
    }
    dMatchID = item->data(Qt::UserRole).value<RecordId>();
    bOK = true;
    pubOK = true;
    accept();
}

void frmMatch::reject()
{
    bOK = false;
    pubOK = false;
    QDialog::reject();
}

#include "match/frmMatch.h"

#include "core/MatchStore.h"
#include "core/mConstants.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmMatch::frmMatch(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMatch"));
    setWindowTitle(tr("Match Listing"));
    setModal(true);

    lstMatch = new QListWidget(this);
    lstMatch->setObjectName(QStringLiteral("lstMatch"));
    lstMatch->setMinimumSize(420, 240);
    lstMatch->setAccessibleName(tr("Recorded matches"));
    const OkCancelButtons okCancel = MakeOkCancel(this);
    cmdOK = okCancel.ok;
    cmdCancel = okCancel.cancel;

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
    ProgressScope progress(tr("Loading all the matches..."));
    const std::vector<StoredMatch> matches = MatchStore::ListMatches();
    lstMatch->clear();
    progress.setCount(int(matches.size()));
    int done = 0;
    for (const StoredMatch& m : matches) {
        auto* item = new QListWidgetItem(MatchCaption(m.awayName, m.homeName, MatchWhen(m.id)), lstMatch);
        item->setData(Qt::UserRole, QVariant::fromValue(m.id));
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
    m_chosen = item->data(Qt::UserRole).value<RecordId>();
    accept();
}

void frmMatch::reject()
{
    m_chosen.reset();
    QDialog::reject();
}

std::optional<RecordId> frmMatch::choose()
{
    m_chosen.reset();
    exec();
    return m_chosen;
}

#include "match/frmMatch.h"

#include "storage/MatchStore.h"
#include "widgets/mConstants.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmMatch::frmMatch(QWidget* parent) : QDialog(parent)
{
    build(tr("Match Listing"), tr("Recorded matches"));
    FillMatchList();
    adjustSize();
    CentreOnScreen(this);
}

frmMatch::frmMatch(const QString& title, const QString& listName, const std::vector<MatchEntry>& entries,
                   QWidget* parent)
    : QDialog(parent)
{
    build(title, listName);
    fill(entries);
    adjustSize();
    CentreOnScreen(this);
}

void frmMatch::build(const QString& title, const QString& listName)
{
    setObjectName(QStringLiteral("frmMatch"));
    setWindowTitle(title);
    setModal(true);

    lstMatch = new QListWidget(this);
    lstMatch->setObjectName(QStringLiteral("lstMatch"));
    lstMatch->setMinimumSize(420, 240);
    lstMatch->setAccessibleName(listName);
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
}

void frmMatch::FillMatchList()
{
    BusyPointer busy;
    ProgressScope progress(tr("Loading all the matches..."));
    const std::vector<StoredMatch> matches = MatchStore::ListMatches();
    std::vector<MatchEntry> entries;
    entries.reserve(matches.size());
    progress.setCount(int(matches.size()));
    int done = 0;
    for (const StoredMatch& m : matches) {
        entries.push_back({m.id, MatchCaption(m.awayName, m.homeName, MatchWhen(m.id))});
        progress.step(++done);
    }
    fill(entries);
}

void frmMatch::fill(const std::vector<MatchEntry>& entries)
{
    lstMatch->clear();
    for (const MatchEntry& m : entries) {
        auto* item = new QListWidgetItem(m.text, lstMatch);
        item->setData(Qt::UserRole, QVariant::fromValue(m.id));
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

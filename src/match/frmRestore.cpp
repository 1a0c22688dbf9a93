#include "match/frmRestore.h"

#include "core/MatchStore.h"

#include "core/MsgBox.h"
#include "core/mConstants.h"

#include <QHBoxLayout>
#include <QHash>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmRestore::frmRestore(const std::vector<ArchiveStore::ArchivedMatch>& matches, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(tr("Restore Saved Matches"));
    setModal(true);

    lstArchive = new QListWidget(this);
    lstArchive->setObjectName(QStringLiteral("lstArchive"));
    lstArchive->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstArchive->setMinimumSize(520, 280);
    lstArchive->setAccessibleName(tr("Saved matches"));
    cmdAll = new QPushButton(tr("Select &All"), this);
    cmdAll->setObjectName(QStringLiteral("cmdAll"));
    cmdAll->setAutoDefault(false);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAll);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstArchive);
    layout->addLayout(buttons);

    connect(cmdAll, &QPushButton::clicked, lstArchive, &QListWidget::selectAll);
    connect(cmdOK, &QPushButton::clicked, this, &frmRestore::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmRestore::reject);
    connect(lstArchive, &QListWidget::itemDoubleClicked, this, &frmRestore::cmdOk_Click);

    for (const ArchiveStore::ArchivedMatch& m : matches) {
        auto* item = new QListWidgetItem(Line(m), lstArchive);
        item->setData(Qt::UserRole, QVariant::fromValue(m.id));
    }
    if (lstArchive->count() > 0)
        lstArchive->setCurrentRow(0);
    adjustSize();
    CentreOnScreen(this);
}

QString frmRestore::Name(const ArchiveStore::ArchivedMatch& match)
{
    return MatchCaption(match.awayName, match.homeName, match.id.displayText());
}

QString frmRestore::Line(const ArchiveStore::ArchivedMatch& match)
{
    QString line = Name(match);
    QStringList scores;
    for (const auto& [home, away] : match.scores)
        scores << tr("%1-%2").arg(away).arg(home);
    if (!scores.isEmpty())
        line += QStringLiteral("   ") + scores.join(QStringLiteral(", "));
    return line;
}

void frmRestore::cmdOk_Click()
{
    m_chosen.clear();
    for (int row = 0; row < lstArchive->count(); ++row) {
        if (lstArchive->item(row)->isSelected())
            m_chosen << lstArchive->item(row)->data(Qt::UserRole).value<RecordId>();
    }
    if (m_chosen.isEmpty()) {
        // Nothing chosen: the same as Cancel.
        reject();
        return;
    }
    accept();
}

void frmRestore::reject()
{
    m_chosen.clear();
    QDialog::reject();
}

QList<RecordId> frmRestore::choose()
{
    m_chosen.clear();
    exec();
    return m_chosen;
}

void RestoreSavedMatches(QWidget* mainWindow)
{
    BusyPointer waiting(mainWindow);
    const QString title = frmRestore::tr("Restore Saved Matches");
    const QString path = ArchiveStore::DefaultPath();
    std::vector<ArchiveStore::ArchivedMatch> matches;
    {
        ProgressScope progress(frmRestore::tr("Loading the saved matches..."));
        matches = ArchiveStore::ListMatches(path);
    }
    if (matches.empty()) {
        MsgBox(frmRestore::tr("There are no saved matches yet. The recorded matches are saved each time you leave "
                              "Sidelines."),
               QMessageBox::Ok, QMessageBox::Information, title);
        return;
    }
    const QList<RecordId> chosen = frmRestore(matches, mainWindow).choose();
    if (chosen.isEmpty())
        return;
    ArchiveStore::RestoreResult result;
    {
        BusyPointer busy;
        ProgressScope progress(frmRestore::tr("Restoring the saved matches..."), int(chosen.size()));
        result = ArchiveStore::Restore(path, chosen, &progress);
    }
    SetStatus(frmRestore::tr("Saved matches restored: %1.").arg(result.restored.size()));
    if (!result.skipped.isEmpty()) {
        QHash<QString, QString> lines;
        for (const ArchiveStore::ArchivedMatch& m : matches)
            lines.insert(m.id.text(), frmRestore::Name(m));
        QStringList names;
        for (const RecordId& id : result.skipped)
            names << lines.value(id.text(), id.displayText());
        MsgBox(frmRestore::tr("These matches are already among the recorded matches and were left as they are:\n\n%1")
                   .arg(names.join(QLatin1Char('\n'))),
               QMessageBox::Ok, QMessageBox::Information, title);
    }
}

#include "match/frmExportScout.h"

#include "storage/Database.h"
#include "storage/MatchStore.h"
#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

frmExportScout::frmExportScout(const std::vector<ScoutStore::ListedMatch>& matches, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExportScout"));
    setWindowTitle(tr("Export Scout File"));
    setModal(true);

    lstMatches = new QListWidget(this);
    lstMatches->setObjectName(QStringLiteral("lstMatches"));
    lstMatches->setAccessibleName(tr("Recorded matches"));
    lstMatches->setSelectionMode(QAbstractItemView::SingleSelection);
    lstMatches->setMinimumSize(520, 280);
    const OkCancelButtons okCancel = MakeOkCancel(this);
    cmdOK = okCancel.ok;
    cmdCancel = okCancel.cancel;

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstMatches);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmExportScout::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmExportScout::reject);
    connect(lstMatches, &QListWidget::itemDoubleClicked, this, &frmExportScout::cmdOk_Click);

    for (const ScoutStore::ListedMatch& m : matches) {
        auto* item = new QListWidgetItem(Line(m), lstMatches);
        item->setData(Qt::UserRole, QVariant::fromValue(m.id));
    }
    if (lstMatches->count() > 0)
        lstMatches->setCurrentRow(lstMatches->count() - 1);
    adjustSize();
    CentreOnScreen(this);
}

QString frmExportScout::Line(const ScoutStore::ListedMatch& match)
{
    QString line = MatchCaption(match.awayName, match.homeName, MatchWhen(match.id));
    QStringList scores;
    for (const auto& [home, away] : match.scores)
        scores << tr("%1-%2").arg(away).arg(home);
    if (!scores.isEmpty())
        line += QStringLiteral("   ") + scores.join(QStringLiteral(", "));
    return line;
}

void frmExportScout::cmdOk_Click()
{
    const QListWidgetItem* item = lstMatches->currentItem();
    if (!item || !item->isSelected()) {
        reject();
        return;
    }
    m_chosen = item->data(Qt::UserRole).value<RecordId>();
    accept();
}

void frmExportScout::reject()
{
    m_chosen.reset();
    QDialog::reject();
}

std::optional<RecordId> frmExportScout::choose()
{
    m_chosen.reset();
    exec();
    return m_chosen;
}

void ExportScoutFile(QWidget* mainWindow, std::function<QString(const QString&)> askPath)
{
    const QString title = frmExportScout::tr("Export Scout File");
    const QString folderKey = QStringLiteral("Scout Folder");
    std::vector<ScoutStore::ListedMatch> matches;
    {
        BusyPointer busy;
        matches = ScoutStore::ListMatches();
    }
    if (matches.empty()) {
        MsgBox(frmExportScout::tr("There are no recorded matches to export."), QMessageBox::Ok,
               QMessageBox::Information, title);
        return;
    }
    const std::optional<RecordId> chosen = frmExportScout(matches, mainWindow).choose();
    if (!chosen)
        return;
    QString suggested;
    for (const ScoutStore::ListedMatch& m : matches)
        if (m.id == *chosen)
            suggested = ScoutStore::FileName(m);
    if (!askPath) {
        askPath = [mainWindow, title, folderKey](const QString& name) {
            QString folder = GetSetting(QStringLiteral("Options"), folderKey,
                                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
            // A folder removed since, or a documents folder never made, would be offered as a file.
            if (!QFileInfo(folder).isDir())
                folder = QDir::homePath();
            // The question of a file already there is asked below, the same way for every dialog.
            return QFileDialog::getSaveFileName(mainWindow, title, QDir(folder).filePath(name),
                                                frmExportScout::tr("Scout files (*.dvw)"), nullptr,
                                                QFileDialog::DontConfirmOverwrite);
        };
    }
    // A file of that name is replaced only when the user says so; otherwise the dialog comes back
    // for another name.
    QString path;
    for (;;) {
        path = askPath(suggested);
        if (path.isEmpty())
            return;
        if (!QFileInfo::exists(path)
            || MsgBox(frmExportScout::tr("%1 already exists. Do you want to replace it?")
                          .arg(QDir::toNativeSeparators(path)),
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, title, QMessageBox::No)
                   == QMessageBox::Yes)
            break;
        suggested = path;
    }
    SaveSetting(QStringLiteral("Options"), folderKey, QFileInfo(path).absolutePath());
    try {
        BusyPointer busy;
        ProgressScope progress(frmExportScout::tr("Writing the scout file..."));
        ScoutStore::WriteFile(path, ScoutStore::ExportMatch(*chosen));
    } catch (const Scout::ExportError& e) {
        MsgBox(e.message(), QMessageBox::Ok, QMessageBox::Warning, title);
        return;
    }
    SetStatus(frmExportScout::tr("Scout file written: %1").arg(QDir::toNativeSeparators(path)));
}

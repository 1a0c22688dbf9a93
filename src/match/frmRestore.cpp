#include "match/frmRestore.h"

#include "storage/MatchStore.h"

#include "club/ClubCall.h"
#include "club/ClubSettings.h"
#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "widgets/mConstants.h"

#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {
// The bench of a club server's entry, beside its match identifier (Qt::UserRole).
constexpr int kBenchRole = Qt::UserRole + 1;
}

frmRestore::frmRestore(const std::vector<ArchiveStore::ArchivedMatch>& matches, QWidget* parent, ClubLoader loadClub)
    : QDialog(parent), m_local(matches), m_loadClub(std::move(loadClub))
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(tr("Restore Saved Matches"));
    setModal(true);

    optSource_0 = new QRadioButton(tr("&This computer"), this);
    optSource_0->setObjectName(QStringLiteral("optSource_0"));
    optSource_1 = new QRadioButton(tr("&Club server"), this);
    optSource_1->setObjectName(QStringLiteral("optSource_1"));
    // No club server set up: nothing to choose.
    optSource_1->setEnabled(bool(m_loadClub));
    auto* sources = new QHBoxLayout;
    auto* sourceLabel = new QLabel(tr("Matches saved on:"), this);
    sources->addWidget(sourceLabel);
    sources->addWidget(optSource_0);
    sources->addWidget(optSource_1);
    sources->addStretch();

    lstArchive = new QListWidget(this);
    lstArchive->setObjectName(QStringLiteral("lstArchive"));
    lstArchive->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstArchive->setMinimumSize(520, 280);
    lstArchive->setAccessibleName(tr("Saved matches"));
    cmdAll = new QPushButton(tr("Select &All"), this);
    cmdAll->setObjectName(QStringLiteral("cmdAll"));
    cmdAll->setAutoDefault(false);
    const OkCancelButtons okCancel = MakeOkCancel(this);
    cmdOK = okCancel.ok;
    cmdCancel = okCancel.cancel;

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAll);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sources);
    layout->addWidget(lstArchive);
    layout->addLayout(buttons);

    connect(cmdAll, &QPushButton::clicked, lstArchive, &QListWidget::selectAll);
    connect(cmdOK, &QPushButton::clicked, this, &frmRestore::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmRestore::reject);
    connect(lstArchive, &QListWidget::itemDoubleClicked, this, &frmRestore::cmdOk_Click);
    connect(optSource_1, &QRadioButton::toggled, this, [this] { showSource(); });

    // Nothing saved here yet, but a club server: its matches are what there is to restore, listed
    // before the window opens, as this computer's are.
    optSource_0->setChecked(true);
    if (m_local.empty() && m_loadClub)
        optSource_1->setChecked(true);
    else
        showSource();
    adjustSize();
    CentreOnScreen(this);
    lstArchive->setFocus();
}

QString frmRestore::ClubLine(const ClubStore::ServerMatch& match)
{
    return tr("%1   (%2)").arg(Line(match.match), match.benchName);
}

void frmRestore::showSource()
{
    const bool club = optSource_1->isChecked();
    if (club && !m_clubLoaded) {
        try {
            m_club = m_loadClub();
            m_clubLoaded = true;
        } catch (const DbError& e) {
            MsgBox(tr("The club server's matches cannot be listed: %1").arg(e.message()), QMessageBox::Ok,
                   QMessageBox::Warning, windowTitle());
            optSource_0->setChecked(true);
            return;
        }
    }
    lstArchive->clear();
    if (club) {
        for (const ClubStore::ServerMatch& m : m_club) {
            auto* item = new QListWidgetItem(ClubLine(m), lstArchive);
            item->setData(Qt::UserRole, QVariant::fromValue(m.match.id));
            item->setData(kBenchRole, m.bench);
        }
    } else {
        for (const ArchiveStore::ArchivedMatch& m : m_local) {
            auto* item = new QListWidgetItem(Line(m), lstArchive);
            item->setData(Qt::UserRole, QVariant::fromValue(m.id));
        }
    }
    if (lstArchive->count() > 0)
        lstArchive->setCurrentRow(0);
    // Wide enough for its lines as far as the screen allows: the club server's lines name the bench too.
    int widest = 0;
    for (int row = 0; row < lstArchive->count(); ++row)
        widest = qMax(widest, lstArchive->fontMetrics().horizontalAdvance(lstArchive->item(row)->text()));
    // The screen's width less the window's frame and margins around the list.
    const int room = screen() ? screen()->availableGeometry().width() - 40 : 1000;
    const int frame = 2 * lstArchive->frameWidth()
                      + 2 * (lstArchive->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, lstArchive) + 1) + 8;
    const int wanted = qMin(room, qMax(520, widest + frame + lstArchive->verticalScrollBar()->sizeHint().width()));
    if (wanted > lstArchive->minimumWidth()) {
        lstArchive->setMinimumWidth(wanted);
        adjustSize();
        CentreOnScreen(this);
    }
}

QString frmRestore::Name(const ArchiveStore::ArchivedMatch& match)
{
    return MatchCaption(match.awayName, match.homeName, MatchWhen(match.id));
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
    m_chosenClub.clear();
    m_fromClub = optSource_1->isChecked();
    for (int row = 0; row < lstArchive->count(); ++row) {
        const QListWidgetItem* item = lstArchive->item(row);
        if (!item->isSelected())
            continue;
        m_chosen << item->data(Qt::UserRole).value<RecordId>();
        if (m_fromClub)
            m_chosenClub << ClubStore::ServerKey{item->data(kBenchRole).toString(), m_chosen.last()};
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
    m_chosenClub.clear();
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
    const ClubServer server = ClubSettings::Server();
    const QString password = ClubSettings::SessionPassword().value_or(QString());
    frmRestore::ClubLoader loadClub;
    if (server.isSet()) {
        loadClub = [server, password] {
            std::vector<ClubStore::ServerMatch> listed;
            ClubCall call(ClubCall::Limits::Window(), frmRestore::tr("Loading the club server's matches..."));
            call.run([&](ClubCall& c) { listed = ClubStore::ListServerMatches(server, password, c); });
            return listed;
        };
    }
    if (matches.empty() && !loadClub) {
        MsgBox(frmRestore::tr("There are no saved matches yet. The recorded matches are saved each time you leave "
                              "Sidelines."),
               QMessageBox::Ok, QMessageBox::Information, title);
        return;
    }
    frmRestore window(matches, mainWindow, loadClub);
    const QList<RecordId> chosen = window.choose();
    if (chosen.isEmpty())
        return;
    ArchiveStore::RestoreResult result;
    if (window.fromClub()) {
        // The call shows the busy pointer, the status line and the gauge while it fetches and
        // writes; the closing commit is the pointer's alone.
        BusyPointer busy;
        ClubCall call(ClubCall::Limits::Window(), frmRestore::tr("Restoring the matches from the club server..."));
        result = ClubStore::RestoreFromServer(server, password, window.chosenFromClub(), path, ClubSettings::BenchId(), call);
    } else {
        BusyPointer busy;
        ProgressScope progress(frmRestore::tr("Restoring the saved matches..."), int(chosen.size()));
        result = ArchiveStore::Restore(path, chosen, &progress);
    }
    SetStatus(frmRestore::tr("Saved matches restored: %1.").arg(result.restored.size()));
    if (!result.skipped.isEmpty()) {
        QHash<QString, QString> lines;
        for (const ArchiveStore::ArchivedMatch& m : matches)
            lines.insert(m.id.text(), frmRestore::Name(m));
        if (window.fromClub()) {
            lines.clear();
            for (const ClubStore::ServerMatch& m : window.clubMatches())
                lines.insert(m.match.id.text(), frmRestore::Name(m.match));
        }
        QStringList names;
        for (const RecordId& id : result.skipped)
            names << lines.value(id.text(), MatchWhen(id));
        // A few by name; restoring a club's season again may skip hundreds.
        const ListedItems listed = ListFirstFew(
            frmRestore::tr("These matches are already among the recorded matches and were left as they are:\n"), names);
        MsgBox(listed.shown, QMessageBox::Ok, QMessageBox::Information, title, QMessageBox::NoButton,
               listed.cut ? listed.whole : QString());
    }
}

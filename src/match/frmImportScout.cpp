#include "match/frmImportScout.h"

#include "base/Names.h"
#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "base/RecordId.h"
#include "base/WholeFile.h"
#include "widgets/mConstants.h"
#include "storage/RecordIssue.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

QLabel* PlainLabel(const QString& name, QWidget* parent, bool wrap)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Team and player names are data, never markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    return label;
}

} // namespace

frmImportScout::frmImportScout(const QString& fileName, const QByteArray& bytes, QWidget* parent)
    : QDialog(parent), m_bytes(bytes)
{
    setObjectName(QStringLiteral("frmImportScout"));
    setWindowTitle(tr("Import Scout File"));
    setModal(true);

    lblFile = PlainLabel(QStringLiteral("lblFile"), this, true);
    lblFile->setText(tr("File: %1").arg(QDir::toNativeSeparators(fileName)));
    lblEncoding = new QLabel(tr("Text &encoding:"), this);
    lblEncoding->setObjectName(QStringLiteral("lblEncoding"));
    cboEncoding = new QComboBox(this);
    cboEncoding->setObjectName(QStringLiteral("cboEncoding"));
    for (Scout::Encoding e : Scout::kEncodings)
        cboEncoding->addItem(Scout::EncodingName(e), int(e));
    lblEncoding->setBuddy(cboEncoding);
    lblEncodingUsed = PlainLabel(QStringLiteral("lblEncodingUsed"), this, false);

    lblHome = PlainLabel(QStringLiteral("lblHome"), this, true);
    lblAway = PlainLabel(QStringLiteral("lblAway"), this, true);
    for (QLabel* team : {lblHome, lblAway}) {
        QFont bold = team->font();
        bold.setBold(true);
        team->setFont(bold);
        team->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    lblDate = PlainLabel(QStringLiteral("lblDate"), this, true);
    lblSets = PlainLabel(QStringLiteral("lblSets"), this, true);
    lstHome = new QListWidget(this);
    lstHome->setObjectName(QStringLiteral("lstHome"));
    lstAway = new QListWidget(this);
    lstAway->setObjectName(QStringLiteral("lstAway"));
    for (QListWidget* list : {lstHome, lstAway}) {
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    lblProblem = PlainLabel(QStringLiteral("lblProblem"), this, true);
    {
        QPalette warning = lblProblem->palette();
        warning.setColor(QPalette::WindowText, QColor(170, 20, 20));
        lblProblem->setPalette(warning);
    }

    cmdImport = new QPushButton(tr("&Import"), this);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setDefault(true);
    cmdImport->setAutoDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* encoding = new QHBoxLayout;
    encoding->addWidget(lblEncoding);
    encoding->addWidget(cboEncoding);
    encoding->addWidget(lblEncodingUsed, 1);
    auto* teams = new QGridLayout;
    // The away team first, as every caption of a match names the two.
    teams->addWidget(lblAway, 0, 0);
    teams->addWidget(lblHome, 0, 1);
    teams->addWidget(lstAway, 1, 0);
    teams->addWidget(lstHome, 1, 1);
    teams->setRowStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblFile);
    layout->addLayout(encoding);
    layout->addWidget(lblDate);
    layout->addWidget(lblSets);
    layout->addLayout(teams, 1);
    layout->addWidget(lblProblem);
    layout->addLayout(buttons);

    setTabOrder(cboEncoding, lstAway);
    setTabOrder(lstAway, lstHome);
    setTabOrder(lstHome, cmdImport);
    setTabOrder(cmdImport, cmdCancel);

    connect(cmdImport, &QPushButton::clicked, this, [this] {
        if (!cmdImport->isEnabled())
            return;
        m_chosen = true;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &frmImportScout::reject);
    connect(cboEncoding, &QComboBox::currentIndexChanged, this, &frmImportScout::reread);

    reread();
    cboEncoding->setFocus();
}

void frmImportScout::reread()
{
    BusyPointer busy;
    const auto encoding = Scout::Encoding(cboEncoding->currentData().toInt());
    m_read = Scout::Read(m_bytes, encoding, Clock::now().date());
    m_plan.reset();
    if (m_read.ok()) {
        try {
            m_plan = ScoutStore::PlanImport(*m_read.match);
        } catch (const DbError& e) {
            m_read.refusal = Scout::Refusal{0, DescribeFailure(e)};
            m_read.match.reset();
        }
    }
    fill();
}

void frmImportScout::fill()
{
    const bool automatic = cboEncoding->currentIndex() == 0;
    // How Automatic read the file: the bytes, the file's word, or the detector's finding.
    lblEncodingUsed->setText(automatic ? m_read.note() : QString());
    lstHome->clear();
    lstAway->clear();
    if (!m_read.ok()) {
        lblHome->clear();
        lblAway->clear();
        lblDate->clear();
        lblSets->clear();
        lblProblem->setText(m_read.refusal.line > 0
                                ? tr("This file cannot be imported. %1").arg(m_read.refusal.text())
                                : tr("This file cannot be imported: %1").arg(m_read.refusal.reason));
        lblProblem->show();
        cmdImport->setEnabled(false);
        fitToScreen();
        return;
    }
    const Scout::ScoutMatch& m = *m_read.match;
    const ScoutStore::Plan& plan = *m_plan;
    const std::array<QLabel*, 2> names{lblHome, lblAway};
    const std::array<QListWidget*, 2> lists{lstHome, lstAway};
    for (int side = 0; side < 2; ++side) {
        const Scout::Team& t = m.teams[size_t(side)];
        QString heading = (side == Scout::kHome ? tr("Home: %1") : tr("Visiting: %1")).arg(names::Shown(t.name));
        if (plan.newTeam(side))
            heading += tr(" (new team)");
        names[size_t(side)]->setText(heading);
        std::vector<const Scout::Player*> players;
        for (const Scout::Player& p : t.players)
            players.push_back(&p);
        std::sort(players.begin(), players.end(),
                  [](const Scout::Player* a, const Scout::Player* b) { return a->number < b->number; });
        for (const Scout::Player* p : players) {
            QString line = tr("#%1  %2").arg(p->number).arg(names::Isolated(p->name()));
            if (plan.newPlayer(side, p->number))
                line += tr("  (new)");
            auto* item = new QListWidgetItem(line, lists[size_t(side)]);
            item->setData(Qt::UserRole, p->number);
        }
    }
    const QString time = m.startTime().toString(QLocale().timeFormat(QLocale::ShortFormat));
    lblDate->setText(tr("Date: %1, %2").arg(QLocale().toString(m.date, QLocale::ShortFormat), time));
    QStringList sets;
    for (const Scout::Set& s : m.sets)
        sets << tr("%1-%2").arg(s.away).arg(s.home);
    lblSets->setText(tr("Sets: %1 (%2 first)").arg(sets.join(QStringLiteral(", ")), names::Shown(m.teams[Scout::kAway].name)));
    if (plan.duplicate) {
        lblProblem->setText(
            plan.duplicate->archived
                ? tr("This match is already in the archive of saved matches: %1. File > Restore Saved Matches "
                     "brings it back.")
                      .arg(plan.duplicate->caption)
                : tr("This match is already among the recorded matches: %1.").arg(plan.duplicate->caption));
        lblProblem->show();
        cmdImport->setEnabled(false);
    } else {
        lblProblem->clear();
        lblProblem->hide();
        cmdImport->setEnabled(true);
    }
    fitToScreen();
}

void frmImportScout::fitToScreen()
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 600);
    // A file that cannot be imported shows why, and nothing else of it.
    const bool readable = m_read.ok();
    for (QWidget* w : std::initializer_list<QWidget*>{lblHome, lblAway, lblDate, lblSets, lstHome, lstAway})
        w->setVisible(readable);

    // Each side as wide as its longest line or heading, within half the screen.
    const std::array<QListWidget*, 2> lists{lstHome, lstAway};
    const std::array<QLabel*, 2> headings{lblHome, lblAway};
    int rows = 0;
    for (size_t side = 0; side < 2; ++side) {
        QListWidget* list = lists[side];
        int widest = std::max(fontMetrics().horizontalAdvance(QStringLiteral("#00  Wwwwwwwwwwwwwwwwww")),
                              headings[side]->fontMetrics().horizontalAdvance(headings[side]->text()));
        for (int r = 0; r < list->count(); ++r)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(r)->text()));
        const int frame = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width()
            + 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1) + 8;
        list->setMinimumWidth(std::min(widest + frame, area.width() / 2 - 40));
        rows = std::max(rows, list->count());
    }
    // Every player in view where the screen allows it; the lists scroll on a small screen.
    const int frameExtra = std::max(0, frameGeometry().height() - geometry().height());
    const int rowHeight = std::max(lstHome->sizeHintForRow(0), fontMetrics().height() + 2);
    for (QListWidget* list : lists)
        list->setMinimumHeight(rowHeight * 3);
    layout()->activate();
    const int others = layout()->minimumSize().height() - lstHome->minimumHeight();
    const int room = area.height() - frameExtra - 20 - others;
    const int listHeight
        = std::clamp(rowHeight * rows + 2 * lstHome->frameWidth() + 4, rowHeight * 3, std::max(room, rowHeight * 3));
    for (QListWidget* list : lists)
        list->setMinimumHeight(readable ? listHeight : 0);
    layout()->activate();
    QSize want = layout()->minimumSize();
    want.setWidth(std::max(want.width(), std::min(480, area.width() - 20)));
    // Wrapped texts (a long team name, the reason a file is refused) take the height they need at
    // that width.
    if (layout()->hasHeightForWidth())
        want.setHeight(std::max(want.height(), layout()->totalHeightForWidth(want.width())));
    want = want.boundedTo(QSize(area.width() - 20, area.height() - frameExtra - 20));
    resize(want);
    CentreOnScreen(this);
}

std::optional<Scout::ScoutMatch> frmImportScout::choose()
{
    m_chosen = false;
    exec();
    if (!m_chosen || !m_read.ok())
        return std::nullopt;
    return m_read.match;
}

void frmImportScout::reject()
{
    m_chosen = false;
    QDialog::reject();
}

// -------------------------------------------------------------------------------------------------

void ImportScoutFiles(QWidget* mainWindow, std::function<QStringList()> askFiles)
{
    const QString title = frmImportScout::tr("Import Scout File");
    const QString folderKey = QStringLiteral("Scout Folder");
    if (!askFiles) {
        askFiles = [mainWindow, title, folderKey] {
            QString folder = GetSetting(QStringLiteral("Options"), folderKey,
                                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
            // A folder removed since, or a documents folder never made, would be offered as a file.
            if (!QFileInfo(folder).isDir())
                folder = QDir::homePath();
            return QFileDialog::getOpenFileNames(mainWindow, title, folder,
                                                 frmImportScout::tr("Scout files (*.dvw);;All files (*)"));
        };
    }
    const QStringList files = askFiles();
    if (files.isEmpty())
        return;
    SaveSetting(QStringLiteral("Options"), folderKey, QFileInfo(files.first()).absolutePath());

    QStringList imported;
    QStringList newTeams;
    QStringList newPlayers;
    QStringList failed;
    for (const QString& path : files) {
        const QString name = QFileInfo(path).fileName();
        WholeFile::Result file;
        {
            BusyPointer busy;
            file = WholeFile::Read(path, Scout::kLargestFile);
        }
        if (file.failure == WholeFile::Failure::TooLarge) {
            failed << frmImportScout::tr("%1: the file is too large to be a scout file.").arg(name);
            continue;
        }
        if (file.failure == WholeFile::Failure::NotRegular) {
            failed << frmImportScout::tr("%1: not a regular file").arg(name);
            continue;
        }
        if (file.failure == WholeFile::Failure::Missing) {
            failed << frmImportScout::tr("%1: no such file").arg(name);
            continue;
        }
        if (!file.ok()) {
            failed << frmImportScout::tr("%1: %2").arg(name, file.reason);
            continue;
        }
        const QByteArray& bytes = file.bytes;
        std::optional<Scout::ScoutMatch> match;
        {
            frmImportScout preview(path, bytes, mainWindow);
            match = preview.choose();
            // A file left because it could not be imported is named with the reason; one the
            // user chose to leave is not.
            if (const Scout::Refusal& why = preview.read().refusal; !preview.read().ok())
                failed << frmImportScout::tr("%1: %2").arg(name, why.line > 0 ? why.text() : why.reason);
            else if (const std::optional<ScoutStore::Duplicate> stored = preview.duplicate())
                failed << (stored->archived
                               ? frmImportScout::tr("%1: the match is already in the archive of saved matches: %2.")
                               : frmImportScout::tr("%1: the match is already among the recorded matches: %2."))
                              .arg(name, stored->caption);
        }
        if (!match)
            continue;
        try {
            BusyPointer busy;
            ProgressScope progress(frmImportScout::tr("Importing %1...").arg(name));
            const ScoutStore::Imported result = ScoutStore::Import(*match, &progress);
            imported << result.caption;
            newTeams << result.newTeams;
            newPlayers << result.newPlayers;
        } catch (const Scout::RefusalError& e) {
            failed << frmImportScout::tr("%1: %2").arg(name, e.refusal().text());
        } catch (const DbError& e) {
            failed << frmImportScout::tr("%1: %2").arg(name, DescribeFailure(e));
        } catch (const RecordIdError& e) {
            failed << frmImportScout::tr("%1: %2").arg(name, QString::fromUtf8(e.what()));
        }
    }
    if (imported.isEmpty() && failed.isEmpty())
        return;
    SetStatus(frmImportScout::tr("Scout files imported: %1.").arg(imported.size()));
    // Each list in full behind Show Details; the message itself names the first few of each, so
    // that a season's files and their new players keep it on the screen.
    QStringList parts;
    QStringList whole;
    auto add = [&](const QString& heading, const QStringList& items) {
        if (items.isEmpty())
            return;
        const ListedItems listed = ListFirstFew(heading, items);
        parts << listed.shown;
        whole << listed.whole;
    };
    add(frmImportScout::tr("Matches imported (%1):").arg(imported.size()), imported);
    add(frmImportScout::tr("New teams (%1):").arg(newTeams.size()), newTeams);
    add(frmImportScout::tr("New players (%1):").arg(newPlayers.size()), newPlayers);
    add(frmImportScout::tr("Not imported (%1):").arg(failed.size()), failed);
    const QString separator = QStringLiteral("\n\n");
    MsgBox(parts.join(separator), QMessageBox::Ok, failed.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
           title, QMessageBox::NoButton, parts == whole ? QString() : whole.join(separator));
}

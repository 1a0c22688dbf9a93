#include "reports/frmReportView.h"

#include "storage/Database.h"
#include "widgets/MsgBox.h"
#include "storage/ReportStore.h"
#include "widgets/mConstants.h"
#include "reports/ReportAccessible.h"
#include "reports/ReportHtml.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

QString ExportFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A folder that is not there would leave the dialog in the current folder, the program's own.
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString WithExtension(const QString& path, const QString& extension)
{
    const QString dotted = QLatin1Char('.') + extension;
    if (path.endsWith(dotted, Qt::CaseInsensitive))
        return path;
    return path + dotted;
}

QString FileNamePart(const QString& name)
{
    QString part;
    for (const QChar c : name) {
        const bool refused = c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
            || QStringLiteral("/\\:*?\"<>|").contains(c);
        part += refused ? QLatin1Char('_') : c;
    }
    // Blanks and dots at the ends make names some systems refuse, or hide the file.
    while (!part.isEmpty() && (part.front().isSpace() || part.front() == QLatin1Char('.')))
        part.remove(0, 1);
    while (!part.isEmpty() && (part.back().isSpace() || part.back() == QLatin1Char('.')))
        part.chop(1);
    // Within what file systems take for a whole name, with room for the rest of it.
    part.truncate(80);
    return part.isEmpty() ? QStringLiteral("_") : part;
}

QStringList MaxPrepsPaths(const QString& path, const QStringList& teams)
{
    if (teams.size() <= 1)
        return {path};
    const QFileInfo chosen(path);
    const QString suffix = chosen.suffix();
    const QString base = chosen.completeBaseName();
    QStringList paths;
    QStringList taken; // as a file system that ignores case sees them
    for (const QString& team : teams) {
        const QString part = FileNamePart(team);
        QString name;
        for (int n = 1; name.isEmpty() || taken.contains(name.toCaseFolded()); ++n)
            name = n == 1 ? QStringLiteral("%1 - %2.%3").arg(base, part, suffix)
                          : QStringLiteral("%1 - %2 (%3).%4").arg(base, part, QString::number(n), suffix);
        taken << name.toCaseFolded();
        paths << chosen.dir().filePath(name);
    }
    return paths;
}

frmReportView::frmReportView(ReportModel model, QWidget* parent) : QDialog(parent), m_model(std::move(model))
{
    setObjectName(QStringLiteral("frmReportView"));
    setWindowTitle(tr("Report - ") + ReportTitle());
    setModal(false);
    txtPreview = new QTextBrowser(this);
    txtPreview->setAccessibleName(tr("Report preview"));
    txtPreview->setObjectName(QStringLiteral("txtPreview"));
    ExposeReportTables(txtPreview);
    txtPreview->setOpenLinks(false);
    // The report has no links: Enter in the preview reaches the window's default button (Close).
    txtPreview->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ReportMetrics screen;
    screen.unitsPerPoint = txtPreview->logicalDpiX() / 72.0;
    FillReportDocument(*txtPreview->document(), m_model, screen);
    // The window opens on the report's heading.
    txtPreview->moveCursor(QTextCursor::Start);

    cmdPrint = new QPushButton(tr("&Print..."), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdSavePdf = new QPushButton(tr("Save as P&DF..."), this);
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    cmdSaveHtml = new QPushButton(tr("Save as &Web Page..."), this);
    cmdSaveHtml->setObjectName(QStringLiteral("cmdSaveHtml"));
    cmdExportCsv = new QPushButton(tr("Export &CSV..."), this);
    cmdExportCsv->setObjectName(QStringLiteral("cmdExportCsv"));
    cmdExportMaxPreps = new QPushButton(tr("Export &MaxPreps..."), this);
    cmdExportMaxPreps->setObjectName(QStringLiteral("cmdExportMaxPreps"));
    cmdExportTeamNumbers = new QPushButton(tr("Export &Team Numbers..."), this);
    cmdExportTeamNumbers->setObjectName(QStringLiteral("cmdExportTeamNumbers"));
    cmdExportRallies = new QPushButton(tr("Export &Rallies..."), this);
    cmdExportRallies->setObjectName(QStringLiteral("cmdExportRallies"));
    // Both come from the rally logs: nothing to write when no game the report covers has one.
    const bool logged = m_model.rallies.numbers.anyLog();
    cmdExportTeamNumbers->setEnabled(logged);
    cmdExportRallies->setEnabled(logged);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    // Enter always means Close: a button clicked last never becomes the default, so Enter cannot
    // print or write a file again.
    for (QPushButton* b :
         {cmdPrint, cmdSavePdf, cmdSaveHtml, cmdExportCsv, cmdExportMaxPreps, cmdExportTeamNumbers, cmdExportRallies})
        b->setAutoDefault(false);

    // The report as it is (paper, PDF, web page) above the files for other programs: in one row
    // the German captions would not fit a small screen.
    auto* report = new QHBoxLayout;
    report->addWidget(cmdPrint);
    report->addWidget(cmdSavePdf);
    report->addWidget(cmdSaveHtml);
    report->addStretch(1);
    auto* files = new QHBoxLayout;
    files->addWidget(cmdExportCsv);
    files->addWidget(cmdExportMaxPreps);
    files->addWidget(cmdExportTeamNumbers);
    files->addWidget(cmdExportRallies);
    files->addStretch(1);
    files->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtPreview, 1);
    layout->addLayout(report);
    layout->addLayout(files);

    connect(cmdPrint, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdPrint_Click(); }); });
    connect(cmdSavePdf, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdSavePdf_Click(); }); });
    connect(cmdSaveHtml, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdSaveHtml_Click(); }); });
    connect(cmdExportCsv, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdExportCsv_Click(); }); });
    connect(cmdExportMaxPreps, &QPushButton::clicked, this,
            [this] { RunCommand([this] { cmdExportMaxPreps_Click(); }); });
    connect(cmdExportTeamNumbers, &QPushButton::clicked, this,
            [this] { RunCommand([this] { cmdExportTeamNumbers_Click(); }); });
    connect(cmdExportRallies, &QPushButton::clicked, this,
            [this] { RunCommand([this] { cmdExportRallies_Click(); }); });
    // Escape and the close box end the window the same way as the button.
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    // The preview gives way first: the window fits any screen's free area, and the buttons below
    // it always stay inside the window.
    txtPreview->setMinimumSize(200, 120);
    setSizeGripEnabled(true);
    QSize size(1120, 680);
    if (QScreen* shownOn = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        // The frame the window manager adds is not known before showing; leave room for it.
        const QSize room = shownOn->availableGeometry().size() - QSize(16, 40);
        size = size.boundedTo(room).expandedTo(minimumSizeHint());
    }
    resize(size);
}

frmReportView::~frmReportView() = default;

void frmReportView::printTo(QPrinter* printer) const
{
    printer->setPageOrientation(QPageLayout::Landscape);
    printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    // Laid out in screen units, as the text engine measures lengths, on a page of the printer's
    // size less a line for the page number; each page is then drawn scaled to the printer.
    QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    QTextDocument doc;
    ReportMetrics paper;
    paper.pointSize = 9;
    paper.unitsPerPoint = dpi / 72.0;
    FillReportDocument(doc, m_model, paper);
    const QSizeF page = printer->pageLayout().paintRect(QPageLayout::Point).size() * (dpi / 72.0);
    QFont footFont(QStringLiteral("DejaVu Sans"));
    footFont.setPointSizeF(8);
    const qreal foot = QFontMetricsF(footFont).height() * 2;
    doc.setPageSize(QSizeF(page.width(), page.height() - foot));
    const int pages = doc.pageCount();

    QPainter painter;
    if (!painter.begin(printer))
        return;
    painter.scale(printer->logicalDpiX() / dpi, printer->logicalDpiY() / dpi);
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            printer->newPage();
        painter.save();
        const QRectF view(0, p * (page.height() - foot), page.width(), page.height() - foot);
        painter.translate(0, -view.top());
        doc.drawContents(&painter, view);
        painter.restore();
        // The page number in the printer's own units, where its font's points are true points.
        painter.save();
        painter.resetTransform();
        painter.setFont(footFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, 0, printer->width(), printer->height()), Qt::AlignRight | Qt::AlignBottom,
                         tr("Page %1 of %2").arg(p + 1).arg(pages));
        painter.restore();
    }
    painter.end();
}

bool frmReportView::saveAsPdf(const QString& path)
{
    BusyPointer busy;
    // The printer says nothing when it cannot write, so the file is checked before and after.
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) {
            MsgBox(
                tr("The report could not be saved as %1: %2").arg(QDir::toNativeSeparators(path), probe.errorString()),
                QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Sidelines"));
            return false;
        }
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setDocName(ReportTitle());
    printer.setCreator(QStringLiteral("Sidelines"));
    printTo(&printer);
    if (QFileInfo(path).size() <= 0) {
        MsgBox(tr("The report could not be saved as %1.").arg(QDir::toNativeSeparators(path)), QMessageBox::Ok,
               QMessageBox::Warning, QStringLiteral("Sidelines"));
        return false;
    }
    return true;
}

bool frmReportView::saveAsHtml(const QString& path)
{
    BusyPointer busy;
    // The document the paper is printed from, at the paper's size.
    QTextDocument doc;
    ReportMetrics paper;
    paper.unitsPerPoint = 96.0 / 72.0;
    FillReportDocument(doc, m_model, paper);
    return writeTexts({path}, {ReportHtml(doc).toUtf8()});
}

bool frmReportView::exportCsv(const QString& path)
{
    BusyPointer busy;
    // A byte-order mark lets spreadsheets read the names as UTF-8.
    return writeTexts({path}, {"\xEF\xBB\xBF" + ReportCsv(m_model).toUtf8()});
}

bool frmReportView::exportTeamNumbers(const QString& path)
{
    BusyPointer busy;
    return writeTexts({path}, {"\xEF\xBB\xBF" + TeamNumbersCsv(m_model).toUtf8()});
}

bool frmReportView::exportRallies(const QString& path)
{
    BusyPointer busy;
    QString text;
    try {
        // The report keeps zone 1 of each line-up; the whole line-ups are read for the file.
        text = RalliesCsv(m_model, ReportStore::LineUpsOf(m_model.rallies.games));
    } catch (const DbError& e) {
        MsgBox(tr("The rallies could not be read from the database: %1").arg(DescribeFailure(e)), QMessageBox::Ok,
               QMessageBox::Warning, QStringLiteral("Sidelines"));
        return false;
    }
    return writeTexts({path}, {"\xEF\xBB\xBF" + text.toUtf8()});
}

bool frmReportView::exportMaxPreps(const QString& path)
{
    QStringList teams;
    for (const ReportTeam& team : m_model.teams)
        teams << team.name;
    const QStringList paths = MaxPrepsPaths(path, teams);
    QList<QByteArray> texts;
    {
        BusyPointer busy;
        try {
            if (m_model.teams.isEmpty())
                texts << ReportMaxPreps(ReportTeam{}).toUtf8();
            for (const ReportTeam& team : m_model.teams)
                texts << ReportMaxPreps(team).toUtf8();
        } catch (const ReportOverflow& e) {
            MsgBox(tr("The report could not be exported: the figures of %1 are too large to add up.").arg(e.who()),
                   QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Sidelines"));
            return false;
        }
        if (!writeTexts(paths, texts))
            return false;
    }
    if (paths.size() > 1) {
        QStringList names;
        for (const QString& p : paths)
            names << QFileInfo(p).fileName();
        MsgBox(tr("MaxPreps reads one team from a file, so a file was written for each team in %1:\n%2")
                   .arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()), names.join(QLatin1Char('\n'))),
               QMessageBox::Ok, QMessageBox::Information, tr("Export Report for MaxPreps"));
    }
    return true;
}

bool frmReportView::writeTexts(const QStringList& paths, const QList<QByteArray>& texts)
{
    std::vector<std::unique_ptr<QSaveFile>> files;
    const auto failed = [&](const QSaveFile& file) {
        MsgBox(tr("The report could not be exported to %1: %2")
                   .arg(QDir::toNativeSeparators(file.fileName()), file.errorString()),
               QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Sidelines"));
        return false;
    };
    // Every file is opened and written before the first one takes its place.
    for (int i = 0; i < paths.size(); ++i) {
        auto& file = files.emplace_back(std::make_unique<QSaveFile>(paths[i]));
        if (!file->open(QIODevice::WriteOnly) || file->write(texts[i]) != texts[i].size())
            return failed(*file);
    }
    for (auto& file : files)
        if (!file->commit())
            return failed(*file);
    return true;
}

QString frmReportView::askPath(const QString& title, const QString& extension, const QString& filter,
                               const std::function<QStringList(const QString&)>& written, const QString& offered)
{
    QString start
        = QDir(ExportFolder())
              .filePath((offered.isEmpty() ? tr("Sidelines report") : offered) + QLatin1Char('.') + extension);
    for (;;) {
        const QString typed = QFileDialog::getSaveFileName(this, title, start, filter);
        if (typed.isEmpty())
            return QString();
        const QString path = WithExtension(typed, extension);
        // The dialog has asked about the name as typed; any other file that would be replaced is
        // asked about here.
        QStringList existing;
        for (const QString& file : written(path))
            if (file != typed && QFileInfo::exists(file))
                existing << QDir::toNativeSeparators(file);
        if (existing.isEmpty()
            || MsgBox(tr("These files already exist:\n%1\nDo you want to replace them?")
                          .arg(existing.join(QLatin1Char('\n'))),
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Warning, title, QMessageBox::No)
                == QMessageBox::Yes)
            return path;
        start = path;
    }
}

void frmReportView::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(ReportTitle());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    BusyPointer busy;
    printTo(&printer);
}

void frmReportView::cmdSavePdf_Click()
{
    const QString path = askPath(tr("Save Report as PDF"), QStringLiteral("pdf"), tr("PDF files (*.pdf)"),
                                 [](const QString& p) { return QStringList{p}; });
    if (!path.isEmpty())
        saveAsPdf(path);
}

void frmReportView::cmdSaveHtml_Click()
{
    const QString path = askPath(tr("Save Report as Web Page"), QStringLiteral("html"), tr("Web pages (*.html)"),
                                 [](const QString& p) { return QStringList{p}; });
    if (!path.isEmpty())
        saveAsHtml(path);
}

void frmReportView::cmdExportCsv_Click()
{
    const QString path = askPath(tr("Export Report as CSV"), QStringLiteral("csv"), tr("CSV files (*.csv)"),
                                 [](const QString& p) { return QStringList{p}; });
    if (!path.isEmpty())
        exportCsv(path);
}

void frmReportView::cmdExportMaxPreps_Click()
{
    QStringList teams;
    for (const ReportTeam& team : m_model.teams)
        teams << team.name;
    const QString path = askPath(tr("Export Report for MaxPreps"), QStringLiteral("txt"), tr("Text files (*.txt)"),
                                 [&teams](const QString& p) { return MaxPrepsPaths(p, teams); });
    if (!path.isEmpty())
        exportMaxPreps(path);
}

void frmReportView::cmdExportTeamNumbers_Click()
{
    const QString path = askPath(
        tr("Export Team Numbers as CSV"), QStringLiteral("csv"), tr("CSV files (*.csv)"),
        [](const QString& p) { return QStringList{p}; }, tr("Sidelines team numbers"));
    if (!path.isEmpty())
        exportTeamNumbers(path);
}

void frmReportView::cmdExportRallies_Click()
{
    const QString path = askPath(
        tr("Export Rallies as CSV"), QStringLiteral("csv"), tr("CSV files (*.csv)"),
        [](const QString& p) { return QStringList{p}; }, tr("Sidelines rallies"));
    if (!path.isEmpty())
        exportRallies(path);
}

#include "reports/frmReportView.h"

#include "core/MsgBox.h"
#include "core/mConstants.h"

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

namespace {
QString suggestedPath(const QString& extension)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QDir::homePath();
    return QDir(dir).filePath(QCoreApplication::translate("frmReportView", "Sidelines report.") + extension);
}
} // namespace

frmReportView::frmReportView(ReportModel model, QWidget* parent) : QDialog(parent), m_model(std::move(model))
{
    setObjectName(QStringLiteral("frmReportView"));
    setWindowTitle(tr("Report - ") + ReportTitle());
    setModal(false);
    txtPreview = new QTextBrowser(this);
    txtPreview->setObjectName(QStringLiteral("txtPreview"));
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
    cmdExportCsv = new QPushButton(tr("Export &CSV..."), this);
    cmdExportCsv->setObjectName(QStringLiteral("cmdExportCsv"));
    cmdExportMaxPreps = new QPushButton(tr("Export &MaxPreps..."), this);
    cmdExportMaxPreps->setObjectName(QStringLiteral("cmdExportMaxPreps"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdSavePdf);
    buttons->addWidget(cmdExportCsv);
    buttons->addWidget(cmdExportMaxPreps);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtPreview, 1);
    layout->addLayout(buttons);

    connect(cmdPrint, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdPrint_Click(); }); });
    connect(cmdSavePdf, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdSavePdf_Click(); }); });
    connect(cmdExportCsv, &QPushButton::clicked, this, [this] { RunCommand([this] { cmdExportCsv_Click(); }); });
    connect(cmdExportMaxPreps, &QPushButton::clicked, this,
            [this] { RunCommand([this] { cmdExportMaxPreps_Click(); }); });
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

bool frmReportView::exportCsv(const QString& path)
{
    BusyPointer busy;
    // A byte-order mark lets spreadsheets read the names as UTF-8.
    return writeText(path, "\xEF\xBB\xBF" + ReportCsv(m_model).toUtf8());
}

bool frmReportView::exportMaxPreps(const QString& path)
{
    BusyPointer busy;
    QByteArray text;
    try {
        text = ReportMaxPreps(m_model).toUtf8();
    } catch (const ReportOverflow& e) {
        MsgBox(tr("The report could not be exported: the figures of %1 are too large to add up.").arg(e.who()),
               QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Sidelines"));
        return false;
    }
    return writeText(path, text);
}

bool frmReportView::writeText(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        file.write(bytes);
        ok = file.commit();
    }
    if (!ok) {
        MsgBox(tr("The report could not be exported to %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()),
               QMessageBox::Ok, QMessageBox::Warning, QStringLiteral("Sidelines"));
        return false;
    }
    return true;
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
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Report as PDF"),
                                                      suggestedPath(QStringLiteral("pdf")), tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        saveAsPdf(path);
}

void frmReportView::cmdExportCsv_Click()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Report as CSV"),
                                                      suggestedPath(QStringLiteral("csv")), tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        exportCsv(path);
}

void frmReportView::cmdExportMaxPreps_Click()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export Report for MaxPreps"),
                                                      suggestedPath(QStringLiteral("txt")), tr("Text files (*.txt)"));
    if (!path.isEmpty())
        exportMaxPreps(path);
}

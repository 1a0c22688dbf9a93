#include "reports/ReportHtml.h"

#include "reports/ReportData.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

struct Words
{
    Q_DECLARE_TR_FUNCTIONS(ReportHtml)
};

// The screen's look of the report, and the paper's: landscape, the column headings on every page,
// no row or chart cut in two.
const char* const kStyle = R"(
body { font-family: "DejaVu Sans", Verdana, sans-serif; font-size: 10pt; color: #000; background: #fff;
       margin: 1em; }
h1 { font-size: 16pt; margin: 0 0 0.3em; }
h2 { font-size: 14pt; margin: 1.2em 0 0.2em; }
h3 { font-size: 12pt; margin: 0.8em 0 0.2em; }
p { margin: 0.2em 0; }
table { border-collapse: collapse; margin: 0.2em 0 0.4em; }
caption { text-align: left; font-weight: bold; font-size: 12pt; padding: 0.8em 0 0.2em; }
th, td { padding: 2px 6px; text-align: left; vertical-align: top; }
thead th { background: #1f3a5f; color: #fff; }
.figure { text-align: right; }
.plain th { background: none; color: #555; font-weight: normal; }
.totals { background: #d9dee5; font-weight: bold; }
.stripe { background: #eef2f7; }
.note { color: #555; }
figure { display: inline-block; margin: 0.3em 0.6em 0.3em 0; }
@media print {
  @page { size: landscape; margin: 10mm; }
  body { font-size: 9pt; margin: 0; }
  thead { display: table-header-group; }
  tr, figure { break-inside: avoid; }
  h2, h3, caption { break-after: avoid; }
}
)";

QString Escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

// The page's language: the language the report's texts were translated into.
QString Language()
{
    //: The code of the language of this translation, as web pages name it ("de" for German).
    return Words::tr("en");
}

class Writer
{
public:
    explicit Writer(const QTextDocument& doc) : m_flows(ScoreFlowsIn(doc)) { }

    QString page(const QTextDocument& doc)
    {
        QString title;
        for (QTextFrame::iterator it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
            if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
                writeTable(*table);
                continue;
            }
            const QTextBlock block = it.currentBlock();
            if (title.isEmpty() && block.blockFormat().headingLevel() == 1)
                title = block.text();
            writeBlock(block);
        }
        flushHeading();
        return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                              "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                              "<title>%2</title>\n<style>%3</style>\n</head>\n<body>\n<main>\n%4</main>\n"
                              "</body>\n</html>\n")
            .arg(Language(), Escaped(title), QLatin1String(kStyle), m_body);
    }

private:
    void flushHeading()
    {
        if (m_heading.isEmpty())
            return;
        m_body += QStringLiteral("<h%1 id=\"%2\">%3</h%1>\n").arg(kTableHeading).arg(m_headingId, Escaped(m_heading));
        m_heading.clear();
    }

    void writeBlock(const QTextBlock& block)
    {
        const int level = block.blockFormat().headingLevel();
        flushHeading();
        QString text;
        QString charts;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().objectType() == kScoreFlowObject) {
                for (int i = 0; i < f.length(); ++i)
                    charts += chart();
                continue;
            }
            text += f.text();
        }
        if (!charts.isEmpty()) {
            m_body += QStringLiteral("<div>%1</div>\n").arg(charts);
            return;
        }
        if (text.trimmed().isEmpty())
            return;
        ++m_ids;
        if (level == kTableHeading) {
            // Held: the table that may follow takes it for its caption.
            m_heading = text;
            m_headingId = QStringLiteral("h%1").arg(m_ids);
            m_lastHeadingId = m_headingId;
            return;
        }
        if (level > 0) {
            m_lastHeadingId = QStringLiteral("h%1").arg(m_ids);
            m_body += QStringLiteral("<h%1 id=\"%2\">%3</h%1>\n").arg(level).arg(m_lastHeadingId, Escaped(text));
            return;
        }
        const QColor ink = block.begin().atEnd() ? QColor() : block.begin().fragment().charFormat().foreground().color();
        const bool note = ink.isValid() && ink != Qt::black && ink.lightness() > 40;
        m_body += QStringLiteral("<p%1>%2</p>\n").arg(note ? QStringLiteral(" class=\"note\"") : QString(), Escaped(text));
    }

    // A cell's text, and whether it is figures on tab stops (each then a cell of its own).
    static QStringList Cells(const QTextTableCell& cell, bool* figures)
    {
        QString text;
        for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it)
            if (!it.currentFrame())
                text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + it.currentBlock().text();
        *figures = text.contains(QLatin1Char('\t'));
        if (!*figures)
            return {text};
        QStringList parts = text.split(QLatin1Char('\t'));
        // The figures start at the first tab stop.
        if (!parts.isEmpty() && parts.first().isEmpty())
            parts.removeFirst();
        return parts;
    }

    void writeTable(const QTextTable& table)
    {
        const int headerRows = table.format().headerRowCount();
        QString html;
        if (!m_heading.isEmpty()) {
            html += QStringLiteral("<table>\n<caption id=\"%1\">%2</caption>\n").arg(m_headingId, Escaped(m_heading));
            m_heading.clear();
        } else if (headerRows > 0 && !m_lastHeadingId.isEmpty()) {
            html += QStringLiteral("<table aria-labelledby=\"%1\">\n").arg(m_lastHeadingId);
        } else {
            // A table of a label and its value a row (the report's heading): its labels head the rows.
            html += QStringLiteral("<table class=\"plain\">\n");
        }
        for (int r = 0; r < table.rows(); ++r) {
            const bool head = r < headerRows;
            if (r == 0 && head)
                html += QStringLiteral("<thead>\n");
            if (r == headerRows)
                html += QStringLiteral("<tbody>\n");
            QString row;
            QString look;
            for (int c = 0; c < table.columns(); ++c) {
                const QTextTableCell cell = table.cellAt(r, c);
                if (cell.column() != c || cell.row() != r)
                    continue;
                const QBrush background = cell.format().background();
                if (!head && background.style() != Qt::NoBrush)
                    look = background.color() == QColor(0xd9, 0xde, 0xe5) ? QStringLiteral(" class=\"totals\"")
                                                                           : QStringLiteral(" class=\"stripe\"");
                bool figures = false;
                const QStringList texts = Cells(cell, &figures);
                const bool right = figures || cell.firstCursorPosition().blockFormat().alignment() & Qt::AlignRight;
                const QString align = right ? QStringLiteral(" class=\"figure\"") : QString();
                for (const QString& text : texts) {
                    if (head)
                        row += QStringLiteral("<th scope=\"col\"%1>%2</th>").arg(align, Escaped(text));
                    else if (headerRows == 0 && c == 0)
                        row += QStringLiteral("<th scope=\"row\">%1</th>").arg(Escaped(text));
                    else
                        row += QStringLiteral("<td%1>%2</td>").arg(align, Escaped(text));
                }
            }
            html += QStringLiteral("<tr%1>%2</tr>\n").arg(look, row);
            if (head && r == headerRows - 1)
                html += QStringLiteral("</thead>\n");
        }
        if (headerRows < table.rows())
            html += QStringLiteral("</tbody>\n");
        m_body += html + QStringLiteral("</table>\n");
    }

    // The next chart of the document as a picture that says what it shows.
    QString chart()
    {
        if (m_chart >= m_flows.size())
            return {};
        const TeamNumbers::Flow& flow = m_flows[m_chart++];
        // Drawn in CSS pixels, as the browser measures the page.
        const qreal u = 96.0 / 72.0;
        const QSize size(qRound(ScoreFlow::kWidth * u), qRound(ScoreFlow::kHeight * u));
        const QString caption = ScoreFlowCaption(flow);
        QByteArray svg;
        {
            QBuffer out(&svg);
            QSvgGenerator generator;
            generator.setOutputDevice(&out);
            generator.setResolution(96);
            generator.setSize(size);
            generator.setViewBox(QRect(QPoint(0, 0), size));
            // Marks where the generator's title and description go: it would write a name into them
            // as markup, so the title is written below.
            generator.setTitle(QStringLiteral("@"));
            generator.setDescription(QStringLiteral("@"));
            QPainter painter(&generator);
            DrawScoreFlow(painter, QRectF(QPointF(0, 0), size), flow, u);
        }
        QString text = QString::fromUtf8(svg);
        // Inline in the page: no XML declaration, and the picture named by its caption.
        text.remove(0, text.indexOf(QLatin1String("<svg")));
        text.replace(0, 4, QStringLiteral("<svg role=\"img\" aria-label=\"%1\"").arg(Escaped(caption)));
        text.replace(QLatin1String("<title>@</title>"), QStringLiteral("<title>%1</title>").arg(Escaped(caption)));
        text.remove(QLatin1String("<desc>@</desc>"));
        return QStringLiteral("<figure>%1</figure>").arg(text.trimmed());
    }

    std::vector<TeamNumbers::Flow> m_flows;
    size_t m_chart = 0;
    QString m_body;
    QString m_heading;
    QString m_headingId;
    QString m_lastHeadingId;
    int m_ids = 0;
};

} // namespace

QString ReportHtml(const QTextDocument& doc)
{
    return Writer(doc).page(doc);
}

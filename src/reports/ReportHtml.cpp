#include "reports/ReportHtml.h"

#include "reports/ReportData.h"
#include "reports/ReportOutline.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextDocument>

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

// The next chart of the document as a picture that says what it shows.
QString Chart(const TeamNumbers::Flow& flow)
{
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

// A table; its caption's id is captionId, and a table without a caption is named by namedBy.
QString Table(const Outline::Table& table, const QString& captionId, const QString& namedBy)
{
    QString html;
    if (!table.caption.isEmpty())
        html += QStringLiteral("<table>\n<caption id=\"%1\">%2</caption>\n").arg(captionId, Escaped(table.caption));
    else if (!table.rowHeaders() && !namedBy.isEmpty())
        html += QStringLiteral("<table aria-labelledby=\"%1\">\n").arg(namedBy);
    else
        html += QStringLiteral("<table class=\"plain\">\n");
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const bool head = r < table.headerRows;
        if (r == 0 && head)
            html += QStringLiteral("<thead>\n");
        if (r == table.headerRows)
            html += QStringLiteral("<tbody>\n");
        static const QString looks[] = {QString(), QStringLiteral(" class=\"stripe\""),
                                        QStringLiteral(" class=\"totals\"")};
        QString row;
        for (qsizetype c = 0; c < table.rows[r].size(); ++c) {
            const QString text = Escaped(table.rows[r][c]);
            const QString align = table.rightAligned.value(c) ? QStringLiteral(" class=\"figure\"") : QString();
            if (head)
                row += QStringLiteral("<th scope=\"col\"%1>%2</th>").arg(align, text);
            else if (table.rowHeaders() && c == 0)
                row += QStringLiteral("<th scope=\"row\">%1</th>").arg(text);
            else
                row += QStringLiteral("<td%1>%2</td>").arg(align, text);
        }
        html += QStringLiteral("<tr%1>%2</tr>\n").arg(looks[int(table.looks.value(r))], row);
        if (head && r == table.headerRows - 1)
            html += QStringLiteral("</thead>\n");
    }
    if (table.headerRows < table.rows.size())
        html += QStringLiteral("</tbody>\n");
    return html + QStringLiteral("</table>\n");
}

} // namespace

QString ReportHtml(const QTextDocument& doc)
{
    QString title, body, heading;
    int ids = 0;
    for (const Outline::Item& item : Outline::Read(doc)) {
        switch (item.kind) {
        case Outline::Item::Kind::Heading:
            if (title.isEmpty() && item.level == 1)
                title = item.text;
            heading = QStringLiteral("h%1").arg(++ids);
            body += QStringLiteral("<h%1 id=\"%2\">%3</h%1>\n").arg(item.level).arg(heading, Escaped(item.text));
            break;
        case Outline::Item::Kind::Paragraph:
            body += QStringLiteral("<p>%1</p>\n").arg(Escaped(item.text));
            break;
        case Outline::Item::Kind::Note:
            body += QStringLiteral("<p class=\"note\">%1</p>\n").arg(Escaped(item.text));
            break;
        case Outline::Item::Kind::Table: {
            const QString id = QStringLiteral("h%1").arg(++ids);
            body += Table(item.table, id, heading);
            if (!item.table.caption.isEmpty())
                heading = id;
            break;
        }
        case Outline::Item::Kind::Charts: {
            QString charts;
            for (const TeamNumbers::Flow& flow : item.charts)
                charts += Chart(flow);
            body += QStringLiteral("<div>%1</div>\n").arg(charts);
            break;
        }
        }
    }
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                          "<title>%2</title>\n<style>%3</style>\n</head>\n<body>\n<main>\n%4</main>\n"
                          "</body>\n</html>\n")
        .arg(Language(), Escaped(title), QLatin1String(kStyle), body);
}

#include "reports/ReportOutline.h"

#include "reports/ReportData.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace Outline {

namespace {

// A cell's text, split at its tab stops when it holds figures.
QStringList Cells(const QTextTableCell& cell, bool* figures)
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

Table ReadTable(const QTextTable& table)
{
    Table out;
    out.headerRows = table.format().headerRowCount();
    for (int r = 0; r < table.rows(); ++r) {
        QStringList row;
        QList<bool> right;
        Table::Look look = Table::Look::Plain;
        for (int c = 0; c < table.columns(); ++c) {
            const QTextTableCell cell = table.cellAt(r, c);
            if (cell.column() != c || cell.row() != r)
                continue;
            const QBrush background = cell.format().background();
            if (r >= out.headerRows && background.style() != Qt::NoBrush)
                look = background.color() == QColor(0xd9, 0xde, 0xe5) ? Table::Look::Totals : Table::Look::Stripe;
            bool figures = false;
            const QStringList texts = Cells(cell, &figures);
            const bool alignedRight
                = figures || (cell.firstCursorPosition().blockFormat().alignment() & Qt::AlignRight);
            for (const QString& text : texts) {
                row << text;
                right << alignedRight;
            }
        }
        if (r == 0)
            out.rightAligned = right;
        out.rows << row;
        out.looks << look;
    }
    return out;
}

} // namespace

std::vector<Item> Read(const QTextDocument& doc)
{
    std::vector<Item> items;
    const std::vector<TeamNumbers::Flow> flows = ScoreFlowsIn(doc);
    size_t chart = 0;
    QString lastHeading;
    for (QTextFrame::iterator it = doc.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (auto* frame = qobject_cast<QTextTable*>(it.currentFrame())) {
            Item item;
            item.kind = Item::Kind::Table;
            item.table = ReadTable(*frame);
            // The name of the table's team or match right before it is its caption.
            if (!items.empty() && items.back().kind == Item::Kind::Heading && items.back().level == kTableHeading) {
                item.table.caption = items.back().text;
                lastHeading = item.table.caption;
                items.pop_back();
            }
            item.table.name = item.table.caption.isEmpty() && item.table.headerRows > 0 ? lastHeading
                                                                                         : item.table.caption;
            items.push_back(std::move(item));
            continue;
        }
        const QTextBlock block = it.currentBlock();
        Item item;
        for (auto f = block.begin(); !f.atEnd(); ++f) {
            const QTextFragment fragment = f.fragment();
            if (fragment.charFormat().objectType() == kScoreFlowObject) {
                for (int i = 0; i < fragment.length() && chart < flows.size(); ++i)
                    item.charts.push_back(flows[chart++]);
                continue;
            }
            item.text += fragment.text();
        }
        if (!item.charts.empty()) {
            item.kind = Item::Kind::Charts;
            item.text.clear();
            items.push_back(std::move(item));
            continue;
        }
        if (item.text.trimmed().isEmpty())
            continue;
        item.level = block.blockFormat().headingLevel();
        if (item.level > 0) {
            item.kind = Item::Kind::Heading;
            lastHeading = item.text;
        } else {
            // A note is written in grey, the legends too.
            const QColor ink = block.begin().fragment().charFormat().foreground().color();
            item.kind = ink.isValid() && ink != Qt::black ? Item::Kind::Note : Item::Kind::Paragraph;
        }
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace Outline

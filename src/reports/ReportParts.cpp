#include "reports/ReportParts.h"

#include "storage/MatchStore.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QTextLength>
#include <QTextOption>
#include <algorithm>

namespace ReportParts {

// Every block is laid out left to right so that a right-to-left name stays inside its own cell
// and the columns never move; the name itself is still shown in its own direction.
QTextBlockFormat Aligned(Qt::Alignment align)
{
    QTextBlockFormat block;
    block.setAlignment(align | Qt::AlignAbsolute);
    block.setLayoutDirection(Qt::LeftToRight);
    return block;
}

// Names are data: a cell gets its text as plain characters, never as markup.
void PutText(QTextCursor cursor, const QString& text, const QTextCharFormat& format, const QTextBlockFormat& block)
{
    cursor.setBlockFormat(block);
    cursor.insertText(text, format);
}

// One row of a table: each cell's text with its column's block format, the row shaded when the
// colour is valid.
void PutRow(QTextTable* table, int row, const QStringList& texts, const QList<QTextBlockFormat>& blocks,
            const QTextCharFormat& format, const QColor& background)
{
    QTextTableCellFormat shade;
    shade.setBackground(background);
    for (int col = 0; col < texts.size(); ++col) {
        QTextTableCell cell = table->cellAt(row, col);
        if (background.isValid())
            cell.setFormat(shade);
        PutText(cell.firstCursorPosition(), texts[col], format, blocks.value(col, blocks.last()));
    }
}

QTextTableFormat TableFormat(qreal u)
{
    QTextTableFormat f;
    f.setBorder(0);
    f.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    f.setCellSpacing(0);
    f.setCellPadding(2 * u);
    f.setLayoutDirection(Qt::LeftToRight);
    f.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    return f;
}

// How a match is named above its games: as every list names it, the away team first.
QString MatchName(const TeamNumbers::GameRecord& g)
{
    const QString when = g.match.isNull() ? QString() : QLocale().toString(g.match.dateTime(), QLocale::ShortFormat);
    return MatchCaption(g.names[1], g.names[0], when);
}

using FigureRows = QList<std::pair<QString, QStringList>>;

// A table in the box score's look: a heading row, then rows of a label and figures on right tab
// stops of one fixed-width cell, so that no label can move a figure; the last row is a totals row
// when `totals` is set. Each column is as wide as the widest text of `longest` (the widest of every
// table, so that the tables' columns line up), measured in bold as the headings are written.
void InsertFigureTable(QTextCursor& c, const Look& look, const QFont& base, qreal u, const QString& labelHead,
                       const QStringList& heads, const QStringList& longest, const FigureRows& rows, bool totals)
{
    QFont boldFont = base;
    boldFont.setBold(true);
    const QFontMetricsF bold(boldFont);
    QList<QTextOption::Tab> tabs;
    qreal x = 0;
    for (const QString& text : longest) {
        x += std::max(bold.horizontalAdvance(text), bold.horizontalAdvance(QStringLiteral("0000"))) + 6 * u;
        tabs.append(QTextOption::Tab(x, QTextOption::RightTab));
    }
    const qreal pad = 2 * u;
    QTextTableFormat format = TableFormat(u);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::VariableLength, 0), QTextLength(QTextLength::FixedLength, x + 2 * pad + 1)});
    format.setHeaderRowCount(1);
    QTextBlockFormat figuresBlock = Aligned(Qt::AlignLeft);
    figuresBlock.setTabPositions(tabs);
    QTextTable* table = c.insertTable(int(rows.size()) + 1, 2, format);
    const auto fill = [&](int r, const QString& label, const QStringList& figures, const QTextCharFormat& text,
                          const QColor& background) {
        PutRow(table, r, {label, QLatin1Char('\t') + figures.join(QLatin1Char('\t'))},
               {Aligned(Qt::AlignLeft), figuresBlock}, text, background);
    };
    fill(0, labelHead, heads, look.header, look.headerColour);
    for (int r = 0; r < rows.size(); ++r) {
        const bool last = totals && r == rows.size() - 1;
        fill(r + 1, rows[r].first, rows[r].second, last ? look.bold : look.plain,
             last          ? look.totalsColour
                 : (r % 2) ? look.stripe
                           : QColor());
    }
    c.movePosition(QTextCursor::End);
}

// A table of two text columns in the same look: a heading row, then the rows.
void InsertTextTable(QTextCursor& c, const Look& look, qreal u, const QStringList& heads,
                     const QList<QStringList>& rows)
{
    QTextTableFormat format = TableFormat(u);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 40), QTextLength(QTextLength::PercentageLength, 60)});
    format.setHeaderRowCount(1);
    QTextTable* table = c.insertTable(int(rows.size()) + 1, int(heads.size()), format);
    for (int r = 0; r <= rows.size(); ++r) {
        QStringList texts;
        for (int col = 0; col < heads.size(); ++col)
            texts << (r == 0 ? heads.value(col) : rows[r - 1].value(col));
        PutRow(table, r, texts, {Aligned(Qt::AlignLeft)}, r == 0 ? look.header : look.plain,
               r == 0 ? look.headerColour : (r % 2 == 0) ? look.stripe : QColor());
    }
    c.movePosition(QTextCursor::End);
}


// A spreadsheet takes a cell that starts with one of these as a formula; names are data, never code.
QString csvText(const QString& value)
{
    QString v = value;
    if (!v.isEmpty() && QStringLiteral("=+-@\t\r").contains(v.front()))
        v.prepend(QLatin1Char('\''));
    return v;
}

QString csvField(const QString& value)
{
    if (value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\n'))
        || value.contains(QLatin1Char('\r')) || value.startsWith(QLatin1Char(' '))
        || value.endsWith(QLatin1Char(' '))) {
        QString q = value;
        q.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + q + QLatin1Char('"');
    }
    return value;
}


} // namespace ReportParts

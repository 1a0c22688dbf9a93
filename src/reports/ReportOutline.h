#pragma once

#include "rules/TeamNumbers.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class QTextDocument;

// The report as its reader meets it, read from the document the screen and the paper show
// (FillReportDocument): headings, paragraphs, tables with their captions and column headers, and
// the score-flow charts. The web page and the report window's accessibility tree are made from it,
// so that whatever the document shows they show too.
//
// A block's heading level makes a heading; the table heading (kTableHeading) right before a table
// becomes its caption; every other table is named after the last heading before it. A table's
// header rows are its column headers; a cell's figures on tab stops are cells of their own.
namespace Outline {

struct Table
{
    QString caption; // shown above it; empty when it has none
    QString name; // what it is named: its caption, or the heading before it
    int headerRows = 0;
    QList<QStringList> rows; // header rows first, every row as many cells as the header
    QList<bool> rightAligned; // per column: figures
    // Per row: totals (the team's), striped, or plain.
    enum class Look { Plain, Stripe, Totals };
    QList<Look> looks;
    // A table without header rows (the report's heading): its first column heads the rows.
    bool rowHeaders() const { return headerRows == 0; }
    int columnCount() const { return rows.isEmpty() ? 0 : int(rows.first().size()); }
};

struct Item
{
    enum class Kind { Heading, Paragraph, Note, Table, Charts };
    Kind kind = Kind::Paragraph;
    int level = 0; // a heading's
    QString text; // a heading's or paragraph's
    Table table;
    std::vector<TeamNumbers::Flow> charts; // side by side
};

std::vector<Item> Read(const QTextDocument& doc);

} // namespace Outline

#pragma once

#include <QString>

class QTextDocument;

// The report as a web page: one self-contained HTML file that any browser shows and prints and any
// screen reader reads as tables, written from the same document the screen and the PDF show
// (FillReportDocument), so that whatever the report shows the page shows too.
//
// Headings are the blocks' heading levels; a table takes the table heading (kTableHeading) right
// before it for its caption, or is named after the last heading; a table's header rows are column
// headers; a cell's figures on tab stops become cells of their own; a score-flow chart is inline SVG
// with its caption for a title. The page's language is the language of the report's texts.
QString ReportHtml(const QTextDocument& doc);

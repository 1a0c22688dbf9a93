#pragma once

class QTextBrowser;

// The report's preview as assistive technology meets it: the preview's own text stays readable
// line by line, and its page (the viewport) holds the report's headings, paragraphs, charts and
// tables, each table a table of rows and cells with column headers (the report's heading with row
// headers), read from the same outline the web page is written from. A screen reader's table
// commands then read a cell with its column's header; on the screen the report looks as before.
// Call it where the preview is made, before anything asks for its accessible interface.
void ExposeReportTables(QTextBrowser* preview);

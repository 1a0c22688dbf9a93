#pragma once

// The pieces the report's document and files are made of, shared by the box score (ReportData.cpp),
// the team numbers (TeamNumbersReport.cpp) and the score flow (ScoreFlowChart.cpp). Not for use
// outside the report.

#include "reports/ReportData.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextFormat>
#include <QTextTable>
#include <utility>

namespace ReportParts {

// The document's pieces, in one place so that the screen and the paper look alike.
struct Look
{
    QTextCharFormat plain, bold, header, grey, small, title, team;
    QColor headerColour{0x1f, 0x3a, 0x5f};
    QColor stripe{0xee, 0xf2, 0xf7};
    QColor totalsColour{0xd9, 0xde, 0xe5};
};

// Every block is laid out left to right so that a right-to-left name stays inside its own cell
// and the columns never move; the name itself is still shown in its own direction.
QTextBlockFormat Aligned(Qt::Alignment align);
// Names are data: a cell gets its text as plain characters, never as markup.
void PutText(QTextCursor cursor, const QString& text, const QTextCharFormat& format, const QTextBlockFormat& block);
// One row of a table: each cell's text with its column's block format, the row shaded when the
// colour is valid.
void PutRow(QTextTable* table, int row, const QStringList& texts, const QList<QTextBlockFormat>& blocks,
            const QTextCharFormat& format, const QColor& background);
QTextTableFormat TableFormat(qreal u);
// How a match is named above its games: as every list names it, the away team first.
QString MatchName(const TeamNumbers::GameRecord& g);

using FigureRows = QList<std::pair<QString, QStringList>>;
// A table in the box score's look: a heading row, then rows of a label and figures on right tab
// stops of one fixed-width cell, so that no label can move a figure; the last row is a totals row
// when `totals` is set. Each column is as wide as the widest text of `longest` (the widest of every
// table, so that the tables' columns line up), measured in bold as the headings are written.
void InsertFigureTable(QTextCursor& c, const Look& look, const QFont& base, qreal u, const QString& labelHead,
                       const QStringList& heads, const QStringList& longest, const FigureRows& rows, bool totals);
// A table of two text columns in the same look: a heading row, then the rows.
void InsertTextTable(QTextCursor& c, const Look& look, qreal u, const QStringList& heads,
                     const QList<QStringList>& rows);

// The team numbers of each team shown, then the score flow of each game, grouped by match.
void InsertRallies(QTextCursor& c, const Look& look, const QFont& base, qreal u, const ReportRallies& r);
// The chart object of a game's score flow, for the document's handler to draw.
QTextCharFormat ScoreFlowFormat(const TeamNumbers::Flow& flow, qreal unitsPerPoint);
// Lets a document draw its score-flow objects.
void RegisterScoreFlow(QTextDocument& doc);

// A spreadsheet takes a cell that starts with one of these as a formula; names are data, never code.
QString csvText(const QString& value);
QString csvField(const QString& value);

} // namespace ReportParts

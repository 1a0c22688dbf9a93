#pragma once

#include "core/ReportQuery.h"

#include <QList>
#include <QString>
#include <optional>
#include <vector>

class QTextDocument;

// What one report shows, laid out from the report statement's lines as they come (teams by name,
// lines in the chosen order), and the ways it is written out (screen and paper, spreadsheets).

struct ReportTeam
{
    QString name;
    QList<ReportLine> lines;
    ReportLine totals;
};

struct ReportModel
{
    ReportLayout layout = ReportLayout::PositionsTogether;
    ReportHeading heading;
    QList<ReportTeam> teams;
    int lineCount() const;
};

// Groups the lines, in their order, under their teams and sums each team's totals. The lines come
// ordered from the statement; nothing is sorted or merged here. Throws ReportOverflow naming the
// player or team whose figures do not fit.
ReportModel MakeReportModel(ReportLayout layout, const ReportHeading& heading, const std::vector<ReportLine>& lines);

// ".333", "-.125", "1.000", ".000", as box scores write it; "–" where the record allows no figure.
QString FormatHitting(std::optional<double> value);
// "2.00"
QString FormatPassing(double value);
// A line's pass average, "–" for a line without a pass left.
QString PassText(const PassTally& pass);
// Points from half points: "12", "12.5".
QString PointsText(qint64 halfPoints);

QString ReportTitle();

// A box score column: its heading, its legend and its text for a line (or a team's totals).
struct BoxColumn
{
    QString head;
    QString legend;
    enum class Kind { Position, Games, Hitting, Points, Stat } kind = Kind::Stat;
    std::size_t stat = 0; // index into kStatKinds for Kind::Stat
    QString text(const ReportLine& line, bool totals) const;
};
// The figure columns of a layout: the stat kinds by boxScoreRank, with games played first, the
// hitting percentage after the attack columns, the points last, and the position first when
// positions are apart. The shirt number and the name stand before them.
QList<BoxColumn> BoxColumns(ReportLayout layout);

// The shirt number of a line, empty for a team's totals.
QString JerseyText(const ReportLine& line);

// Sizes of the written report: points, and the document units per point (screen pixels or
// printer dots per point).
struct ReportMetrics
{
    qreal pointSize = 9;
    qreal unitsPerPoint = 96.0 / 72.0;
};

// Writes the report into doc: heading, one box score table per team with its totals, a legend.
// Every name is inserted as plain text.
void FillReportDocument(QTextDocument& doc, const ReportModel& model, const ReportMetrics& metrics);
// The box score for spreadsheets: a line per row of every team's table. A cell without a figure
// ("–" on screen and paper) is left empty, so that a spreadsheet still reads the column as numbers.
QString ReportCsv(const ReportModel& model);
// The text MaxPreps imports for volleyball, one team a file: its header, then one line per player
// (a player's lines together), fields separated by "|"; what Sidelines does not record stays empty.
QString ReportMaxPreps(const ReportTeam& team);

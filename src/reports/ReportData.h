#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

class QTextDocument;

// What one report shows, read back from the working tables REPORT and GAMECOUNT, and the ways it
// is written out (screen and paper as HTML, spreadsheets as CSV).

enum class ReportLayout { PositionsTogether, PositionsApart };

// Pass ratings of one report line: the sum of the ratings (take-backs negative) and the net number
// of passes (a take-back cancels its pass). REPORT only keeps an average per row, which cannot be
// merged, so the generation hands these over beside it.
struct PassTally {
    qint64 sum = 0;
    qint64 net = 0;
    double average() const { return net > 0 ? double(sum) / double(net) : 0.0; }
};

// The wizard's choices as the user saw them, for the heading, and the order of the lines.
struct ReportSelection {
    QString dates = QStringLiteral("All Dates");
    QString match = QStringLiteral("All Matches");
    QString game = QStringLiteral("All Games");
    QString team = QStringLiteral("All Teams");
    QString player = QStringLiteral("All Players");
    QString position = QStringLiteral("All Positions");
    QString order = QStringLiteral("By Teamname");
    // A REPORT column name: TEAMNAME, PLAYERNAME, PERCENTAGE, KILL, ...
    QString sortColumn = QStringLiteral("TEAMNAME");
    // Keyed by LineKey(); empty when the tables were filled some other way.
    QHash<QString, PassTally> passes;
};

// The key of a line: a player, and with positions apart the folded position (null: the player
// took part but recorded nothing).
QString LineKey(const QString& playerId, const QVariant& position);

struct ReportLine {
    QString team;
    QString playerId;
    QString player;
    QVariant position;  // 0 with positions together; 1 to 6 apart; null for no action
    int games = 0;      // from GAMECOUNT; not summed into the team line
    qint64 kills = 0;
    qint64 errors = 0;
    qint64 attempts = 0;
    qint64 setAssists = 0;
    qint64 aces = 0;
    qint64 serveErrors = 0;
    qint64 receiveErrors = 0;
    qint64 digs = 0;
    qint64 soloBlocks = 0;
    qint64 blockAssists = 0;
    qint64 blockErrors = 0;
    qint64 ballHandleErrors = 0;
    PassTally pass;
    bool hasTally = false;
    // Only for tables filled without tallies: the stored averages of the merged rows.
    double storedPassSum = 0;
    int storedPassRows = 0;

    double hitting() const;
    double passAverage() const;
    void add(const ReportLine& other);
};

struct ReportTeam {
    QString name;
    QList<ReportLine> lines;
    ReportLine totals;
};

struct ReportModel {
    ReportLayout layout = ReportLayout::PositionsTogether;
    ReportSelection selection;
    QList<ReportTeam> teams;
    int lineCount() const;
};

// Reads REPORT and GAMECOUNT: one line per player (per player and position when apart), the rows
// of one line merged, teams by name, lines in the chosen order. Throws DbError.
ReportModel LoadReportModel(ReportLayout layout, const ReportSelection& selection);

// ".333", "-.125", "1.000", ".000", as box scores write it.
QString FormatHitting(double value);
// "2.00"
QString FormatPassing(double value);

QString ReportTitle();

// Sizes of the written report: points, and the document units per point (screen pixels or
// printer dots per point).
struct ReportMetrics {
    qreal pointSize = 9;
    qreal nameWidth = 150;   // points
    qreal numberWidth = 38;  // points per figure column
    qreal unitsPerPoint = 96.0 / 72.0;
};

// Writes the report into doc: heading, one box score per team with its totals, a legend.
void FillReportDocument(QTextDocument& doc, const ReportModel& model, const ReportMetrics& metrics);
QString ReportCsv(const ReportModel& model);

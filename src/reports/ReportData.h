#pragma once

#include "storage/ReportQuery.h"
#include "storage/ReportStore.h"
#include "rules/TeamNumbers.h"

#include <QList>
#include <QString>
#include <QTextFormat>
#include <optional>
#include <vector>

class QPainter;
class QRectF;
class QTextDocument;

// What one report shows, laid out from the report statement's lines as they come (teams by name,
// lines in the chosen order), and the ways it is written out (screen and paper, spreadsheets).

struct ReportTeam
{
    QString name;
    QList<ReportLine> lines;
    ReportLine totals;
};

// What the rally logs add to a report: the games it covers, each with the part of its log that
// the team numbers read, the team numbers computed from them, and the players who name their
// rotations.
struct ReportRallies
{
    std::vector<TeamNumbers::GameRecord> games;
    TeamNumbers::Numbers numbers;
    ReportStore::LineUpRoster players;
    std::optional<RecordId> team; // the team chosen: only its numbers are shown
    // A player or a position was chosen: the team numbers count every rally all the same, and the
    // report says so.
    bool playerChosen = false;
};

struct ReportModel
{
    ReportLayout layout = ReportLayout::PositionsTogether;
    ReportHeading heading;
    QList<ReportTeam> teams;
    ReportRallies rallies;
    int lineCount() const;
};

// Groups the lines, in their order, under their teams and sums each team's totals. The lines come
// ordered from the statement; nothing is sorted or merged here. Throws ReportOverflow naming the
// player or team whose figures do not fit.
ReportModel MakeReportModel(ReportLayout layout, const ReportHeading& heading, const std::vector<ReportLine>& lines);

// The team numbers of the games a report covers (RallyGames of the choices), for its teams: the
// chosen one only, when one is chosen.
ReportRallies MakeReportRallies(std::vector<TeamNumbers::GameRecord> games, ReportStore::LineUpRoster players,
                                const ReportChoices& choices);

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

// A break-point or sideout percentage: "54.5%"; "–" where there was no rally to count.
QString PercentText(std::optional<double> value);
// "+3", "-2", "0".
QString PlusMinusText(int value);
// The names of a team's rotations, in its order: "Rotation of #7 Ann Lee" by the player in zone 1
// as the roster has the player now; a player no longer on the roster, or a zone 1 left empty, is
// named so (and numbered when several are).
QStringList RotationNames(const TeamNumbers::Team& team, const ReportStore::LineUpRoster& players);
// A team's numbers as the report shows them: rallies served, won on serve, break-point %, rallies
// received, won on receive, sideout %, won, lost, +/-.
QStringList TallyFigures(const TeamNumbers::Tally& tally);
struct TallyHead
{
    QString head;
    QString legend;
};
QList<TallyHead> TallyHeads();
// How a team's points were won, as the report shows them: by attack, block, serve, the other
// side's errors, otherwise, and all of them.
QStringList PointsWonFigures(const TeamNumbers::PointsWon& won);
QList<TallyHead> PointsWonHeads();
// A game's timeouts with their scores: "Timeouts in game 2: Hawks at 12–10, Owls at 14–18.", or
// that it had none.
QString TimeoutsText(const TeamNumbers::Flow& flow);

// The score-flow chart of a game in the document: an object of this type whose format carries the
// game (ScoreFlow properties), drawn by the document's own handler at whatever resolution the
// document is painted at, so that the screen, the printer and the PDF show one picture.
inline constexpr int kScoreFlowObject = QTextFormat::UserObject + 1;
namespace ScoreFlow {
enum Property : int {
    Number = QTextFormat::UserProperty,
    Home, // the teams' names
    Away,
    HomeScore,
    AwayScore,
    Leads, // QList<int>: the lead (home minus away) after each point that stands
    UnitsPerPoint, // document units per point, for the sizes of its text and lines
    Timeouts, // QList<int>: of each timeout, the rallies before it and the side that took it
};
// The chart's size in points.
inline constexpr qreal kWidth = 330;
inline constexpr qreal kHeight = 144;
} // namespace ScoreFlow
// A score flow's caption: the game's number and final score, "Game 1: Owls 23, Hawks 25"; the names
// given instead of the teams' (shortened to fit) where they are.
QString ScoreFlowCaption(const TeamNumbers::Flow& flow, std::optional<QString> away = std::nullopt,
                         std::optional<QString> home = std::nullopt);
// Draws the score flow of a game into rect (document units): each rally as wide as the next, the
// last one too, and each timeout marked at the rally after which it came, in its side's colour.
void DrawScoreFlow(QPainter& painter, const QRectF& rect, const TeamNumbers::Flow& flow, qreal unitsPerPoint);
// The games whose score flows a document shows, read back from its chart objects, in order.
std::vector<TeamNumbers::Flow> ScoreFlowsIn(const QTextDocument& doc);

// The heading level of a block that names what follows it (a team, a match): a table right after
// it takes it for its caption.
inline constexpr int kTableHeading = 3;
// Writes the report into doc: heading, one box score table per team with its totals, a legend;
// then the team numbers of each team and the score flow of each game when the report covers games.
// Every name is inserted as plain text.
void FillReportDocument(QTextDocument& doc, const ReportModel& model, const ReportMetrics& metrics);
// The box score for spreadsheets: a line per row of every team's table. A cell without a figure
// ("–" on screen and paper) is left empty, so that a spreadsheet still reads the column as numbers.
QString ReportCsv(const ReportModel& model);
// The team numbers for spreadsheets: per team a row per rotation, its totals and a row per game
// with its longest run (or that the game has no rally log). Cells without a figure are empty.
QString TeamNumbersCsv(const ReportModel& model);
// One line per point that stands in the games the report covers, under the header
// "Match,Game,Rally,Served,Won,HomeScore,AwayScore,HomeZones,AwayZones,Ended,Player": the match's
// identifier, the game's number, the rally's number in the game, the teams that served and won it,
// the score after it, both line-ups as shirt numbers from zone 1, joined by "-" ("?" for a player
// no longer on the roster), from the whole line-ups of those games (ReportStore::LineUpsOf), and
// how the point ended: the deciding action as the stat menu names it in English ("Kill", "Serve
// Error" for the other side's error) with its player ("#7 Ann Lee"), or "Point Only".
QString RalliesCsv(const ReportModel& model, const ReportStore::WholeLineUps& lineUps);
// The text MaxPreps imports for volleyball, one team a file: its header, then one line per player
// (a player's lines together), fields separated by "|"; what Sidelines does not record stays empty.
QString ReportMaxPreps(const ReportTeam& team);

#pragma once

// What a report asks for, as a plain value, and the statements that answer it. The wizard reads
// its lists into ReportChoices; BuildReportStatement turns them into SQL with bound values and
// touches no database, so every filter and order can be checked without a window.

#include "base/RecordId.h"
#include "base/StatKinds.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

enum class ReportLayout { PositionsTogether, PositionsApart };

// The orders that are not a stat kind; every other order key is a kind's PLAY column.
namespace ReportOrder {
inline constexpr auto kTeamName = "TEAMNAME";
inline constexpr auto kPlayerName = "PLAYERNAME";
inline constexpr auto kPercentage = "PERCENTAGE";
} // namespace ReportOrder

// The choices as the user saw them, for the report's heading.
struct ReportHeading
{
    QString dates;
    QString match;
    QString game;
    QString team;
    QString player;
    QString position;
    QString order;
    QString result; // one match reported: its result and every game's score; else empty
};

struct ReportChoices
{
    std::optional<QDate> firstDate; // none: all dates
    std::optional<QDate> thruDate; // with a first date: both ends included
    std::optional<RecordId> match;
    std::optional<int> game; // game number 1 to 5
    std::optional<RecordId> team;
    std::optional<RecordId> player;
    int position = 0; // 1 to 6 counts zones n and n+6 only; 0: all
    bool positionsApart = false;
    QString order = QString::fromLatin1(ReportOrder::kTeamName);
    ReportHeading heading;

    // A single position is always shown as its own line.
    bool apart() const { return position != 0 || positionsApart; }
};

struct BoundSql
{
    QString sql;
    QVariantList binds;
};

// A report is made in steps inside one transaction, through two working tables of the connection
// (REPORTGAMES: a row per player with the games taken; REPORTZONES: a row per player and raw zone
// with its sums), so that every step reads a few hundred or thousand rows once. ReportStore runs
// them in this order:
struct ReportStatement
{
    // Fills REPORTGAMES: the player-games the choices take, counted per player (GAMES), those whose
    // match has the player's team on court (ONCOURT), and of those the ones with kept totals (KEPT).
    BoundSql games;
    // Refills GAMECOUNT from REPORTGAMES.
    QString gameCount;
    // For a report on every game of every match: fills REPORTZONES from the totals kept per player
    // and box (ZONETOTALS) instead of per game, with the same rows. Valid only while `keptZonesHold`
    // answers 1: every player-game with kept totals is one the report takes. Empty when the
    // choices narrow the games.
    BoundSql keptZones;
    QString keptZonesHold;
    // Otherwise fills REPORTZONES by summing the kept totals of each player-game taken.
    BoundSql zones;
    // Refills REPORT from REPORTZONES: one row per player and raw zone.
    QString report;
    // One row per line of the report, in the report's order; see ReportColumn.
    QString lines;
    // The players whose amounts, added up, leave the 64-bit range. Asked only after a sum failed,
    // to name them.
    BoundSql overflow;
    ReportLayout layout = ReportLayout::PositionsTogether;
};

// The working tables the statements fill; made on the connection when first needed.
QStringList ReportWorkTables();

// Columns of ReportStatement::lines. Each stat kind k (index into kStatKinds) has the line's sum at
// Stat(k); the rating kind's is always 0, since passes are tallied apart.
namespace ReportColumn {
enum : int {
    Team,
    PlayerId,
    Player,
    Number, // the player's shirt number
    Position, // 0 together; 1 to 6 apart; null for a player-game without actions
    Games, // the player's games played, as GAMECOUNT has them
    PassSum,
    PassNet,
    Stats
};
constexpr int Stat(std::size_t kind)
{
    return Stats + int(kind);
}
constexpr int Count = Stats + int(kStatKinds.size());
} // namespace ReportColumn

ReportStatement BuildReportStatement(const ReportChoices& choices);

// The chosen dates as a condition on a match identifier column (" AND ..." or empty). The column
// is the caller's fixed text.
BoundSql DateCondition(const ReportChoices& choices, const QString& column);

// The place of a kind in kStatKinds by its PLAY column.
constexpr std::size_t StatIndex(std::string_view column)
{
    for (std::size_t i = 0; i < kStatKinds.size(); ++i)
        if (column == kStatKinds[i].column)
            return i;
    return kStatKinds.size();
}

// Pass ratings of one line: the sum of the ratings (take-backs negative) and the net number of
// passes (a take-back cancels its pass).
struct PassTally
{
    qint64 sum = 0;
    qint64 net = 0;
    double average() const { return net > 0 ? double(sum) / double(net) : 0.0; }
};

// One line of a report: a player, or a player at one folded position.
struct ReportLine
{
    QString team;
    QString playerId;
    QString player;
    QVariant number; // the shirt number; null for a team's totals
    QVariant position; // 0 with positions together; 1 to 6 apart; null for no action
    int games = 0; // not summed into a team's totals
    bool continued = false; // a further line of the player above: the games played are shown once
    std::array<qint64, kStatKinds.size()> counts{};
    PassTally pass;

    qint64 count(std::string_view column) const { return counts.at(StatIndex(column)); }
    // By the one rule every screen and file uses (HittingPercentage).
    std::optional<double> hitting() const;
    double passAverage() const { return pass.average(); }
    // Points: kills, service aces and solo blocks count one, block assists a half; in half points
    // so that it stays a whole number. Nothing when the sum does not fit.
    std::optional<qint64> halfPoints() const;
    // Adds another line's counts and passes (a team's totals); false, and nothing changed, when a
    // sum would not fit.
    [[nodiscard]] bool add(const ReportLine& other);
};

// A report whose figures do not fit in the numbers they are kept in (rows written by other tools):
// names the player, or the team whose totals overflow, so that the user knows which records to
// correct.
class ReportOverflow : public std::runtime_error
{
public:
    explicit ReportOverflow(const QString& who)
        : std::runtime_error("report sums overflow: " + who.toStdString()), m_who(who)
    {
    }
    QString who() const { return m_who; }

private:
    QString m_who;
};

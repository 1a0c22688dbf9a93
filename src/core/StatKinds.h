#pragma once

// The kinds of action a player's box records: the one table that the court's popup, the
// recording, the stats view, the kept sums, the report statement, the box score, the exports and
// the tests all read. Adding a kind is one line here, plus its columns in the database: PLAY and
// REPORT, and the kept TOTALS with their trigger (a schema upgrade).

#include <QCoreApplication>
#include <QString>

#include <array>
#include <optional>

// How a kind is written: a count of one in its own column; an attack result, which also counts an
// attempt in the same row; or a pass rating of 1 to 3.
enum class StatShape { Count, Attack, Rating };

// What recording the kind does to the rally when points are scored from the deciding action: it
// wins the point for the player's side, loses it to the other side, wins it only as the first of
// its kind in the rally (the second player of a block), or leaves the rally going.
enum class RallyEnd { None, Wins, Loses, FirstWins };

struct StatKind
{
    const char* key;         // the stat text the court hands to AddStat; a rating passes "1" to "3"
    const char* column;      // its PLAY column (fixed text: the only names that reach statement text)
    StatShape shape;
    const char* menuName;    // object name of its popup item
    const char* caption;     // popup caption with its access key
    const char* viewLabel;   // its line in the stats view ("Digs = 3"); null: not shown there
    const char* heading;     // box score column heading
    const char* legend;      // what the heading means, for the box score's legend
    const char* sortCaption; // the report order that ranks by it; null: none
    int boxScoreRank;        // place among the box score's columns (derived columns sit between)
    int sortRank;            // place among the report orders
    const char* maxPreps;    // field of the MaxPreps export; null: not exported
    RallyEnd rallyEnd;       // the point it decides, when points come from the deciding action
};

#define SL_STAT(text) QT_TRANSLATE_NOOP("StatKind", text)

inline constexpr std::array<StatKind, 13> kStatKinds{{
    // key, column, shape, menu item, caption, stats view, heading, legend, order, box rank, order rank, MaxPreps,
    // rally end
    {"Attempt", "ATTEMPT", StatShape::Count, "mnuAttempt", SL_STAT("&Attempt"), SL_STAT("Attempts"), "TA",
     SL_STAT("total attacks"), SL_STAT("By Attempts"), 30, 6, "AttacksAttempts", RallyEnd::None},
    {"Kill", "KILL", StatShape::Attack, "mnuKill", SL_STAT("&Kill"), SL_STAT("Kills"), "K", SL_STAT("kills"),
     SL_STAT("By Kills"), 10, 4, "AttacksKills", RallyEnd::Wins},
    {"Error", "ERROR", StatShape::Attack, "mnuError", SL_STAT("&Error"), SL_STAT("Errors"), "E",
     SL_STAT("attack errors"), SL_STAT("By Errors"), 20, 5, "AttacksErrors", RallyEnd::Loses},
    {"Pass", "PASSING", StatShape::Rating, "mnuPassing", SL_STAT("&Pass"), nullptr, "PASS",
     SL_STAT("average pass rating (1 to 3)"), nullptr, 140, 0, "ServingReceivedSuccess", RallyEnd::None},
    {"ServeAce", "SERVEACE", StatShape::Count, "mnuServeAce", SL_STAT("&Serve Ace"), SL_STAT("Serve Aces"), "SA",
     SL_STAT("service aces"), SL_STAT("By Service Aces"), 60, 8, "ServingAces", RallyEnd::Wins},
    {"ServeError", "SERVEERROR", StatShape::Count, "mnuServeError", SL_STAT("Serve E&rror"), SL_STAT("Serve Errors"),
     "SE", SL_STAT("service errors"), SL_STAT("By Service Errors"), 70, 9, "ServingErrors", RallyEnd::Loses},
    {"Dig", "DIG", StatShape::Count, "mnuDig", SL_STAT("&Dig"), SL_STAT("Digs"), "DIG", SL_STAT("digs"),
     SL_STAT("By Digs"), 90, 7, "Digs", RallyEnd::None},
    {"ReceiveError", "RECEIVEERROR", StatShape::Count, "mnuReceiveError", SL_STAT("Re&ceiving Error"),
     SL_STAT("Receiving Errors"), "RE", SL_STAT("receiving errors"), SL_STAT("By Receiving Errors"), 80, 10,
     "ServingReceivedErrors", RallyEnd::Loses},
    {"SoloBlock", "SOLOBLOCK", StatShape::Count, "mnuSoloBlock", SL_STAT("S&olo Block"), SL_STAT("Solo Blocks"), "BS",
     SL_STAT("solo blocks"), SL_STAT("By Solo Blocks"), 100, 11, "BlocksSolo", RallyEnd::Wins},
    {"BlockAssist", "BLOCKASSIST", StatShape::Count, "mnuBlockAssist", SL_STAT("&Block Assist"),
     SL_STAT("Blocking Assists"), "BA", SL_STAT("block assists"), SL_STAT("By Block Assists"), 110, 12,
     "BlocksAssists", RallyEnd::FirstWins},
    {"BlockError", "BLOCKERROR", StatShape::Count, "mnuBlockError", SL_STAT("B&lock Error"), SL_STAT("Blocking Errors"),
     "BE", SL_STAT("block errors"), SL_STAT("By Block Errors"), 120, 13, "BlocksErrors", RallyEnd::Loses},
    {"BallHandleError", "BALLHANDLEERROR", StatShape::Count, "mnuBallHandle", SL_STAT("Ball &Handling Error"),
     SL_STAT("Ball Handling Errors"), "BHE", SL_STAT("ball-handling errors"), nullptr, 130, 0, nullptr, RallyEnd::Loses},
    {"SetAssist", "SETASSIST", StatShape::Count, "mnuSetAssist", SL_STAT("Se&t Assist"), SL_STAT("Set Assists"),
     "AST", SL_STAT("set assists"), SL_STAT("By Set Assists"), 50, 14, "Assists", RallyEnd::None},
}};

#undef SL_STAT

// The highest pass rating; ratings run from 1.
inline constexpr int kTopRating = 3;

// A table text in the user's language.
inline QString StatText(const char* text)
{
    return text ? QCoreApplication::translate("StatKind", text) : QString();
}

// What a stat text handed to AddStat records: its kind and the value of one action (1, or the
// rating). Nothing for a text that names no kind.
struct StatAction
{
    const StatKind* kind = nullptr;
    int value = 1;
};

inline std::optional<StatAction> StatFromText(const QString& text)
{
    for (const StatKind& k : kStatKinds) {
        if (k.shape == StatShape::Rating) {
            bool number = false;
            const int rating = text.toInt(&number);
            if (number && rating >= 1 && rating <= kTopRating && text == QString::number(rating))
                return StatAction{&k, rating};
        } else if (text == QLatin1String(k.key)) {
            return StatAction{&k, 1};
        }
    }
    return std::nullopt;
}

// The hitting percentage, (kills - errors) / attempts as a fraction, where the record allows one.
// Nothing attacked reads 0. Attempts taken back below the kills and errors that counted them (or
// results taken back below zero) leave no honest figure: every screen and file shows "no figure"
// rather than a made-up 0 or a number outside -1 to 1.
inline std::optional<double> HittingPercentage(qint64 kills, qint64 errors, qint64 attempts)
{
    if (kills < 0 || errors < 0)
        return std::nullopt;
    if (kills == 0 && errors == 0)
        return 0.0;
    // kills + errors > 0 here, so the attempts are positive when they cover them; the sum of two
    // non-negative values is compared without adding them (they may be anything a file holds).
    if (attempts <= 0 || kills > attempts || errors > attempts - kills)
        return std::nullopt;
    return double(kills - errors) / double(attempts);
}

// The text of "no figure" in every place that shows one.
inline QString NoFigure()
{
    return QStringLiteral("\u2013");
}

// "0.333" (leadingZero) or ".333" as box scores write it; "-0.000" reads as 0; no figure: NoFigure().
inline QString HittingText(std::optional<double> value, bool leadingZero)
{
    if (!value)
        return NoFigure();
    QString text = QString::number(*value, 'f', 3);
    if (text == QLatin1String("-0.000"))
        text = QStringLiteral("0.000");
    if (!leadingZero) {
        if (text.startsWith(QLatin1String("0.")))
            text.remove(0, 1);
        else if (text.startsWith(QLatin1String("-0.")))
            text.remove(1, 1);
    }
    return text;
}

// The kind kept in a column, or null.
inline const StatKind* StatByColumn(const QString& column)
{
    for (const StatKind& k : kStatKinds)
        if (column.compare(QLatin1String(k.column), Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}

#pragma once

// The kinds of action a player's box records: the one table that the court's popup, the
// recording, the stats view, the kept sums, the report statement, the box score, the exports and
// the tests all read. Adding a kind is one line here, plus its columns in the database: PLAY and
// REPORT, and the kept TOTALS with their trigger (a schema upgrade).

#include <QCoreApplication>
#include <QLocale>
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
    const char* key; // the stat text the court hands to AddStat; a rating passes "1" to "3"
    const char* column; // its PLAY column (fixed text: the only names that reach statement text)
    StatShape shape;
    const char* menuName; // object name of its popup item
    const char* caption; // popup caption with its access key
    const char* viewLabel; // its line in the stats view ("Digs = 3"); null: not shown there
    const char* heading; // box score column heading (translated, like the captions)
    const char* legend; // what the heading means, for the box score's legend
    const char* sortCaption; // the report order that ranks by it; null: none
    int boxScoreRank; // place among the box score's columns (derived columns sit between)
    int sortRank; // place among the report orders
    const char* maxPreps; // field of the MaxPreps export; null: not exported
    RallyEnd rallyEnd; // the point it decides, when points come from the deciding action
};

// The texts are marked for translation in full, never through a macro of our own, so that lupdate
// finds every caption, heading and legend.
inline constexpr std::array<StatKind, 13> kStatKinds{{
    // key, column, shape, menu item, caption, stats view, heading, legend, order, box rank, order rank, MaxPreps,
    // rally end
    {"Attempt", "ATTEMPT", StatShape::Count, "mnuAttempt", QT_TRANSLATE_NOOP("StatKind", "&Attempt"),
     QT_TRANSLATE_NOOP("StatKind", "Attempts"), QT_TRANSLATE_NOOP("StatKind", "TA"),
     QT_TRANSLATE_NOOP("StatKind", "total attacks"), QT_TRANSLATE_NOOP("StatKind", "By Attempts"), 30, 6,
     "AttacksAttempts", RallyEnd::None},
    {"Kill", "KILL", StatShape::Attack, "mnuKill", QT_TRANSLATE_NOOP("StatKind", "&Kill"),
     QT_TRANSLATE_NOOP("StatKind", "Kills"), QT_TRANSLATE_NOOP("StatKind", "K"), QT_TRANSLATE_NOOP("StatKind", "kills"),
     QT_TRANSLATE_NOOP("StatKind", "By Kills"), 10, 4, "AttacksKills", RallyEnd::Wins},
    {"Error", "ERROR", StatShape::Attack, "mnuError", QT_TRANSLATE_NOOP("StatKind", "&Error"),
     QT_TRANSLATE_NOOP("StatKind", "Errors"), QT_TRANSLATE_NOOP("StatKind", "E"),
     QT_TRANSLATE_NOOP("StatKind", "attack errors"), QT_TRANSLATE_NOOP("StatKind", "By Errors"), 20, 5, "AttacksErrors",
     RallyEnd::Loses},
    {"Pass", "PASSING", StatShape::Rating, "mnuPassing", QT_TRANSLATE_NOOP("StatKind", "&Pass"), nullptr,
     QT_TRANSLATE_NOOP("StatKind", "PASS"), QT_TRANSLATE_NOOP("StatKind", "average pass rating (1 to 3)"), nullptr, 140,
     0, "ServingReceivedSuccess", RallyEnd::None},
    {"ServeAce", "SERVEACE", StatShape::Count, "mnuServeAce", QT_TRANSLATE_NOOP("StatKind", "&Serve Ace"),
     QT_TRANSLATE_NOOP("StatKind", "Serve Aces"), QT_TRANSLATE_NOOP("StatKind", "SA"),
     QT_TRANSLATE_NOOP("StatKind", "service aces"), QT_TRANSLATE_NOOP("StatKind", "By Service Aces"), 60, 8,
     "ServingAces", RallyEnd::Wins},
    {"ServeError", "SERVEERROR", StatShape::Count, "mnuServeError", QT_TRANSLATE_NOOP("StatKind", "Serve E&rror"),
     QT_TRANSLATE_NOOP("StatKind", "Serve Errors"), QT_TRANSLATE_NOOP("StatKind", "SE"),
     QT_TRANSLATE_NOOP("StatKind", "service errors"), QT_TRANSLATE_NOOP("StatKind", "By Service Errors"), 70, 9,
     "ServingErrors", RallyEnd::Loses},
    {"Dig", "DIG", StatShape::Count, "mnuDig", QT_TRANSLATE_NOOP("StatKind", "&Dig"),
     QT_TRANSLATE_NOOP("StatKind", "Digs"), QT_TRANSLATE_NOOP("StatKind", "DIG"), QT_TRANSLATE_NOOP("StatKind", "digs"),
     QT_TRANSLATE_NOOP("StatKind", "By Digs"), 90, 7, "Digs", RallyEnd::None},
    {"ReceiveError", "RECEIVEERROR", StatShape::Count, "mnuReceiveError",
     QT_TRANSLATE_NOOP("StatKind", "Re&ceiving Error"), QT_TRANSLATE_NOOP("StatKind", "Receiving Errors"),
     QT_TRANSLATE_NOOP("StatKind", "RE"), QT_TRANSLATE_NOOP("StatKind", "receiving errors"),
     QT_TRANSLATE_NOOP("StatKind", "By Receiving Errors"), 80, 10, "ServingReceivedErrors", RallyEnd::Loses},
    {"SoloBlock", "SOLOBLOCK", StatShape::Count, "mnuSoloBlock", QT_TRANSLATE_NOOP("StatKind", "S&olo Block"),
     QT_TRANSLATE_NOOP("StatKind", "Solo Blocks"), QT_TRANSLATE_NOOP("StatKind", "BS"),
     QT_TRANSLATE_NOOP("StatKind", "solo blocks"), QT_TRANSLATE_NOOP("StatKind", "By Solo Blocks"), 100, 11,
     "BlocksSolo", RallyEnd::Wins},
    {"BlockAssist", "BLOCKASSIST", StatShape::Count, "mnuBlockAssist", QT_TRANSLATE_NOOP("StatKind", "&Block Assist"),
     QT_TRANSLATE_NOOP("StatKind", "Blocking Assists"), QT_TRANSLATE_NOOP("StatKind", "BA"),
     QT_TRANSLATE_NOOP("StatKind", "block assists"), QT_TRANSLATE_NOOP("StatKind", "By Block Assists"), 110, 12,
     "BlocksAssists", RallyEnd::FirstWins},
    {"BlockError", "BLOCKERROR", StatShape::Count, "mnuBlockError", QT_TRANSLATE_NOOP("StatKind", "B&lock Error"),
     QT_TRANSLATE_NOOP("StatKind", "Blocking Errors"), QT_TRANSLATE_NOOP("StatKind", "BE"),
     QT_TRANSLATE_NOOP("StatKind", "block errors"), QT_TRANSLATE_NOOP("StatKind", "By Block Errors"), 120, 13,
     "BlocksErrors", RallyEnd::Loses},
    {"BallHandleError", "BALLHANDLEERROR", StatShape::Count, "mnuBallHandle",
     QT_TRANSLATE_NOOP("StatKind", "Ball &Handling Error"), QT_TRANSLATE_NOOP("StatKind", "Ball Handling Errors"),
     QT_TRANSLATE_NOOP("StatKind", "BHE"), QT_TRANSLATE_NOOP("StatKind", "ball-handling errors"), nullptr, 130, 0,
     nullptr, RallyEnd::Loses},
    {"SetAssist", "SETASSIST", StatShape::Count, "mnuSetAssist", QT_TRANSLATE_NOOP("StatKind", "Se&t Assist"),
     QT_TRANSLATE_NOOP("StatKind", "Set Assists"), QT_TRANSLATE_NOOP("StatKind", "AST"),
     QT_TRANSLATE_NOOP("StatKind", "set assists"), QT_TRANSLATE_NOOP("StatKind", "By Set Assists"), 50, 14, "Assists",
     RallyEnd::None},
}};

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

// A figure written with a decimal point ("1.50", ".250") as the user's language writes it ("1,50",
// "0,250"), for the
// screen and paper; the files for other programs keep the point.
inline QString LocalFigure(QString text)
{
    const QString point = QLocale().decimalPoint();
    if (point == QLatin1String("."))
        return text;
    // Where a comma marks the decimals, the whole number stands before it even when it is nought:
    // "0,250", "-0,125".
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    else if (text.startsWith(QLatin1String("-.")))
        text.insert(1, QLatin1Char('0'));
    text.replace(QLatin1Char('.'), point);
    return text;
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

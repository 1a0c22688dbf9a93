#pragma once

// The rally log of one game as plain values, and the rules that read it: the court and the scores
// it leads to, who serves, which points stand, what a take-back reverses, and the entries each
// command of the court adds. Nothing here touches the database or a window, so every rule is
// checked on hand-made logs.

#include "core/RecordId.h"
#include "core/StatKinds.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace Rally {

// Sides as the log stores them.
inline constexpr int kHome = 0;
inline constexpr int kAway = 1;
inline int Other(int side)
{
    return side == kHome ? kAway : kHome;
}

enum class Kind { Start, Point, Rotate, Sub, Action, Undo };
// The stored names: START, POINT, ROTATE, SUB, ACTION, UNDO.
QString KindName(Kind kind);
std::optional<Kind> KindFromName(const QString& name);

// The players of one side in zones 1 to 6 (zone 1 first), and of both sides (home first).
using Zones = std::array<RecordId, 6>;
using Court = std::array<Zones, 2>;

// One entry, as stored (see the RALLY table).
struct Entry
{
    int entry = 0; // order within the game, from 1
    int step = 0; // the user's command it belongs to
    Kind kind = Kind::Start;
    QDateTime entered;
    int side = -1; // POINT: the winner; ROTATE, SUB: the side; ACTION: the player's side
    int server = -1; // POINT: the side that served; START: the side that serves first
    int amount = 0; // POINT, ROTATE: +1 or -1; ACTION: the PLAY value
    int homeScore = 0; // after the entry
    int awayScore = 0;
    RecordId player; // ACTION: who; SUB: who came on
    RecordId out; // SUB: who went off
    QString stat; // ACTION: the PLAY column
    int position = 0; // ACTION: the box
    int reverses = 0; // UNDO: the step taken back
    Court zones; // POINT: the line-ups the rally was played with; otherwise those after the entry

    int score(int which) const { return which == kHome ? homeScore : awayScore; }
};
using Log = std::vector<Entry>;

// A point that stands: neither taken back nor cancelled by a point taken off in subtraction mode.
struct Point
{
    int entry = 0;
    int winner = kHome;
    int server = kHome;
    int homeScore = 0; // after the point
    int awayScore = 0;
    Court zones; // as the rally was played
};

// The steps that a take-back has reversed.
QSet<int> ReversedSteps(const Log& log);
// The points that stand, in the order they were won. A point taken off by the score button in
// subtraction mode cancels the last standing point of that side.
std::vector<Point> StandingPoints(const Log& log);
// The side whose turn it is to serve: the winner of the last standing point, else the side that
// served first; home when the log has not started.
int Serving(const Log& log);
// The step that the take-back would reverse now: the newest step not yet taken back that is an
// action, a point or a rotation (the start and substitutions are not taken back this way).
std::optional<int> StepToTakeBack(const Log& log);
// The entries of one step, in order.
std::vector<const Entry*> StepEntries(const Log& log, int step);

// A side turned one place: forward brings zone 2 into zone 1 and zone 1 to zone 6; back is its
// inverse.
Zones Rotated(const Zones& zones, bool back);

// Which side an action scores for when points come from the deciding action: a kill, ace or solo
// block wins for the player's side, an error of any kind loses the point to the other side, and a
// block assist wins unless the rally was already won by a block assist of that side (the second
// player of the block). Nothing for an action that leaves the rally going, or one recorded in
// subtraction mode (value below 0).
std::optional<int> PointFromAction(const StatKind& kind, int playerSide, int value, const Log& log);

// What one command writes: its entries, the PLAY rows of its actions and the change of each
// side's score in the GAME row.
struct PlayWrite
{
    RecordId player;
    int position = 0;
    const StatKind* kind = nullptr;
    int value = 0;
};
struct StepWrite
{
    std::vector<Entry> entries;
    std::vector<PlayWrite> plays;
    std::array<int, 2> scoreChange{0, 0}; // home, away
};

// The log of the game under way, and the entries each command adds to it. The builders only
// compute; the caller stores the step and then appends it, so that the book never holds an entry
// the database does not.
class Book
{
public:
    Book() = default;
    explicit Book(Log log);

    const Log& log() const { return m_log; }
    bool started() const { return m_started; }
    Court court() const;
    int score(int side) const;
    int serving() const;

    // The first entry of a game: both line-ups and the side that serves first.
    StepWrite start(const Court& court, int firstServer, const QDateTime& at) const;
    // A point won (amount 1) or taken off in subtraction mode (-1). A point won by the side that
    // did not serve also turns that side when rotateOnSideOut is set, in the same step.
    StepWrite point(int side, int amount, bool rotateOnSideOut, const QDateTime& at) const;
    StepWrite rotate(int side, bool back, const QDateTime& at) const;
    // Both sides as the line-up window left them; one entry per player exchanged. Empty when
    // nothing changed.
    StepWrite substitute(const Court& now, const QDateTime& at) const;
    // An action with its PLAY row; with pointFor set, the point it decides in the same step
    // (and its rotation on a side-out when rotateOnSideOut is set).
    StepWrite action(const RecordId& player, int side, int position, const StatKind& kind, int value,
                     std::optional<int> pointFor, bool rotateOnSideOut, const QDateTime& at) const;
    // The reversal of StepToTakeBack: the negated PLAY rows of its actions, its points off the
    // scores, its rotations turned back, and one UNDO entry naming it. Nothing when there is
    // nothing to take back.
    std::optional<StepWrite> takeBack(const QDateTime& at) const;

    // Adds a stored step to the log.
    void append(const StepWrite& step);

private:
    Entry next(Kind kind, const QDateTime& at, int entryOffset = 0) const;
    int nextStep() const { return m_lastStep + 1; }

    Log m_log;
    // What the log tells, kept as entries come, so that a command costs the same on a game of a
    // few entries as on one of many thousands (an imported rally may hold any number).
    int m_lastStep = 0;
    bool m_started = false;
    // The side to serve, while no take-back or point taken off has made it a question for the
    // whole log again.
    mutable std::optional<int> m_serving;
};

} // namespace Rally

#pragma once

// The rally log of one game as plain values, and the rules that read it: the court and the scores
// it leads to, who serves, which points stand, what a take-back reverses, and the entries each
// command of the court adds. Nothing here touches the database or a window, so every rule is
// checked on hand-made logs.

#include "base/RecordId.h"
#include "base/StatKinds.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <algorithm>
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

enum class Kind { Start, Point, Rotate, Sub, Action, Undo, Libero, Timeout };
// The stored names: START, POINT, ROTATE, SUB, ACTION, UNDO, LIBERO, TIMEOUT.
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
    // POINT: the winner; ROTATE, SUB, LIBERO: the side; ACTION: the player's side; TIMEOUT: the side
    // that took it
    int side = -1;
    int server = -1; // POINT: the side that served; START: the side that serves first
    // POINT, ROTATE: +1 or -1; ACTION: the PLAY value; LIBERO: +1 the libero came on, -1 she went off
    int amount = 0;
    int homeScore = 0; // after the entry
    int awayScore = 0;
    // ACTION: who; SUB, LIBERO: who came on; POINT: who made the deciding action; START: home's libero
    RecordId player;
    RecordId out; // SUB, LIBERO: who went off; START: away's libero
    QString stat; // ACTION: the PLAY column; POINT: the deciding action's (none: a point only)
    int position = 0; // ACTION: the box; POINT: the deciding action's
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
    QString ended; // the deciding action's PLAY column; empty: a point only
    RecordId endedBy; // who made it
};

// A timeout that stands, with the score at which it was taken and the number of points that
// stood then (it came after that rally).
struct Timeout
{
    int entry = 0;
    int side = kHome;
    int homeScore = 0;
    int awayScore = 0;
    int afterRally = 0;
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
// action, a point, a rotation, a libero swap or a timeout (the start and substitutions are not
// taken back this way).
std::optional<int> StepToTakeBack(const Log& log);
// The entries of one step, in order.
std::vector<const Entry*> StepEntries(const Log& log, int step);

// A side turned one place: forward brings zone 2 into zone 1 and zone 1 to the back; back is its
// exact inverse for any count. The one turn of a line-up, for the log, the court and the files.
template <typename Side> Side Rotated(const Side& side, bool back)
{
    Side turned = side;
    if (turned.size() < 2)
        return turned;
    if (back)
        std::rotate(turned.begin(), turned.end() - 1, turned.end());
    else
        std::rotate(turned.begin(), turned.begin() + 1, turned.end());
    return turned;
}

// The timeouts that stand, in the order they were taken; those of one side.
std::vector<Timeout> StandingTimeouts(const Log& log);
int TimeoutsTaken(const Log& log, int side);

// The libero each side named for the game (home first), from its start; null where none was.
std::array<RecordId, 2> Liberos(const Log& log);
// The player a side's libero stands in for while she is on court; nothing while she is not.
std::optional<RecordId> LiberoStandsFor(const Log& log, int side);
// What the libero key does on the box of a side's zone: she comes in for the back-row player
// there, or goes out on her own box for the player she replaced; otherwise why it does nothing.
// She never stands in the front row and never serves, so she does not come in for the server.
enum class LiberoMove { In, Out, NoLibero, FrontRow, WouldServe, Elsewhere, EmptyBox };
LiberoMove CheckLibero(const Log& log, int side, int zone);
// Back-row zones, where the libero may stand.
inline bool BackRow(int zone)
{
    return zone == 1 || zone == 5 || zone == 6;
}

// The action that decided a point won by a side and not yet scored: of the actions since the last
// point that stands, the newest that wins the rally for that side (a kill, ace or block of its
// own, an error of the other side); of a block of two, its first player. Nothing when none fits:
// the second player of a block that won the last point, recorded after it, decides nothing.
const Entry* DecidingAction(const Log& log, int side);
// A rally-ending kind's group in the report: the point won by attack, block, serve, or by the
// other side's error.
enum class Ending { PointOnly, Attack, Block, Serve, OtherError };
Ending EndingOf(const QString& column);

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
    // The steps taken back so far, kept as entries come.
    const QSet<int>& reversed() const { return m_reversed; }
    // CheckLibero and StepToTakeBack on this log.
    LiberoMove checkLibero(int side, int zone) const;
    std::optional<int> stepToTakeBack() const;

    // The first entry of a game: both line-ups, the side that serves first and each side's
    // libero (null: none).
    StepWrite start(const Court& court, int firstServer, const QDateTime& at,
                    const std::array<RecordId, 2>& liberos = {}) const;
    // A point won (amount 1) or taken off in subtraction mode (-1). A point won by the side that
    // did not serve also turns that side when rotateOnSideOut is set, in the same step. A point
    // won keeps its deciding action (DecidingAction) when linkEnding is set; a point taken off
    // also turns back the side that its own step turned.
    StepWrite point(int side, int amount, bool rotateOnSideOut, const QDateTime& at, bool linkEnding = true) const;
    // A point won whose ending the caller names: an entry of the log, or none for a point only (a
    // scout file says which line decided its rally).
    StepWrite pointEndedBy(int side, const Entry* ending, bool rotateOnSideOut, const QDateTime& at) const;
    // A turn that brings a libero to the front row, or to serve, brings back the player she
    // replaced in the same step; so does the side-out turn of a point.
    StepWrite rotate(int side, bool back, const QDateTime& at) const;
    // The libero key on a side's zone (CheckLibero): her swap, or nothing when it is refused.
    StepWrite libero(int side, int zone, const QDateTime& at) const;
    // A libero swap as a scout file's line-ups show it: `in` comes on where `out` stands, amount +1
    // the libero coming in, -1 going off. Where she stands is the file's word: a file that breaks
    // the libero's rules is read as it is, not refused. Nothing when `out` is not on court.
    StepWrite liberoSwap(int side, const RecordId& in, const RecordId& out, int amount, const QDateTime& at) const;
    // A timeout of a side at the score as it stands.
    StepWrite timeout(int side, const QDateTime& at) const;
    // Both sides as the line-up window left them; one entry per player exchanged. Empty when
    // nothing changed.
    StepWrite substitute(const Court& now, const QDateTime& at) const;
    // An action with its PLAY row; with pointFor set, the point it decides in the same step
    // (and its rotation on a side-out when rotateOnSideOut is set).
    StepWrite action(const RecordId& player, int side, int position, const StatKind& kind, int value,
                     std::optional<int> pointFor, bool rotateOnSideOut, const QDateTime& at) const;
    // The reversal of StepToTakeBack: the negated PLAY rows of its actions, its points off the
    // scores, its rotations turned back, its libero swaps undone, and one UNDO entry naming it.
    // Nothing when there is nothing to take back.
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
    QSet<int> m_reversed;
    // The side to serve, while no take-back or point taken off has made it a question for the
    // whole log again.
    mutable std::optional<int> m_serving;
    // The player each side's libero stands in for (null: she is on the bench), known as swaps
    // come until a take-back makes it a question for the whole log again: every command drafts
    // on it, and a long rally has no swap to stop a search of the log.
    mutable std::array<std::optional<RecordId>, 2> m_standsFor;
    std::array<RecordId, 2> standsFor() const;
};

} // namespace Rally

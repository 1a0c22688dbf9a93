#pragma once

// Every statement on the rally log RALLY. Each function throws DbError when the engine refuses.

#include "rules/RallyLog.h"
#include "base/RecordId.h"

#include <QList>
#include <map>

namespace RallyStore {

// One command of the court in one transaction: the GAME row's scores changed relative to what it
// holds, the PLAY rows of its actions, any players newly on court (PLAYED) and the log entries.
// Nothing is stored when any of them is refused; a game that is not stored is refused too.
void Write(const RecordId& game, const Rally::StepWrite& step, const QList<RecordId>& onCourt = {});

// Stores entries of a game's log as they are, inside the caller's transaction (a whole log written
// at once, as an import does); the caller keeps them in order and numbered.
void Append(const RecordId& game, const Rally::Log& entries);

// Every column of RALLY, for statements that copy whole entries.
QString Columns();

// The log of one game, in order; empty for a game recorded before the log.
Rally::Log GameLog(const RecordId& game);
// The logs of several games at once, each in order.
std::map<RecordId, Rally::Log> GameLogs(const QList<RecordId>& games);
// Of several games' logs, only the entries that decide which points stand, who served them and how
// they ended: the start, the points, the timeouts and the take-backs, each game's in order. That is
// all the team numbers and the score flow read, and a small part of a log, which is mostly actions. A game recorded before
// the log has none. Of each entry's line-ups, zone 1 alone (the player who names a rotation), the
// other zones left empty, or all six.
enum class LineUps { ZoneOne, Whole };
std::map<RecordId, Rally::Log> PointLogs(const QList<RecordId>& games, LineUps lineUps);

} // namespace RallyStore

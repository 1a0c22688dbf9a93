#pragma once

#include "base/RecordId.h"

#include <QString>

#include <stdexcept>

// Kinds of record whose identifiers must be unique within their table.
enum class RecordKind { Team, Player, Match, Game, Play };

// No identifier is left for a new record: the newest one stored is the last second the stored
// form can hold (9999-12-31 23:59:59).
class RecordIdError : public std::runtime_error
{
public:
    explicit RecordIdError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Makes a new identifier for a record of the given kind. Teams, players, matches and games never
// share one: while the clock has not passed the newest identifier issued for that kind (in this
// run, or already in the database), the next free second is taken. Actions may share one. Throws
// RecordIdError when the next free second would lie past the year 9999.
RecordId NewRecordId(RecordKind kind);

// Forgets what was issued; needed when another database file is opened (tests).
void ResetRecordIds();

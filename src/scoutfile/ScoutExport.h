#pragma once

// A recorded match as a scout file's lines: the stored log walked the other way, each rally with
// its serve, actions and point, the rotations and substitutions as they stand. Plain values only:
// the database is ScoutStore's.

#include "rules/RallyLog.h"
#include "scoutfile/ScoutFile.h"

#include <QDateTime>
#include <QList>
#include <stdexcept>
#include <vector>

namespace Scout {

// A stored match as the export reads it.
struct RecordedPlayer
{
    RecordId id;
    QString name;
    int number = 0;
};

// A PLAY row: its kind's column and value (the rating for a pass; negative for a take-back).
struct RecordedPlay
{
    RecordId player;
    int position = 0;
    QString column;
    int value = 0;
    QDateTime at;
};

struct RecordedGame
{
    int number = 0;
    int home = 0;
    int away = 0;
    Rally::Log log;
    QList<RecordId> played;
    std::vector<RecordedPlay> plays; // every PLAY row of the game, in the order recorded
};

struct RecordedMatch
{
    QDateTime when;
    std::array<RecordId, 2> teamIds;
    std::array<QString, 2> teams;
    std::array<std::vector<RecordedPlayer>, 2> players; // each team's roster and anyone else it played
    std::vector<RecordedGame> games; // in game order
};

// A match that cannot be written as a scout file, and why.
class ExportError : public std::runtime_error
{
public:
    explicit ExportError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) { }
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The file's value for a recorded match. A game whose log does not tell its points and actions
// (recorded before the log, or changed since by other means) is written with its actions and final
// score only; such games, and anything that could not be written, are noted in the comments.
ScoutMatch FromRecorded(const RecordedMatch& match);

} // namespace Scout

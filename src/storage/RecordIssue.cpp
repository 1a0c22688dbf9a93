#include "storage/RecordIssue.h"

#include "storage/Database.h"

#include <QCoreApplication>

#include <array>
#include <optional>

namespace {
// Newest identifier handed out per kind; empty until first looked up in the database.
std::array<std::optional<RecordId>, 5>& lastIssued()
{
    static std::array<std::optional<RecordId>, 5> last;
    return last;
}

#define STORED_FORM "'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'"

// Fixed statements per kind: no name here comes from user input.
const char* newestIdStatement(RecordKind kind)
{
    // Only texts in the stored form count: another tool's "abc" sorts after every date and
    // would hide the newest real identifier.
    switch (kind) {
    case RecordKind::Team:
        return "SELECT MAX(TEAMID) FROM TEAM WHERE TEAMID GLOB " STORED_FORM;
    case RecordKind::Player:
        return "SELECT MAX(PLAYERID) FROM PLAYER WHERE PLAYERID GLOB " STORED_FORM;
    case RecordKind::Match:
        return "SELECT MAX(MATCHID) FROM MATCH WHERE MATCHID GLOB " STORED_FORM;
    case RecordKind::Game:
        return "SELECT MAX(GAMEID) FROM GAME WHERE GAMEID GLOB " STORED_FORM;
    case RecordKind::Play:
        break;
    }
    return nullptr;
}

QString kindName(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Team:
        return QCoreApplication::translate("RecordId", "team");
    case RecordKind::Player:
        return QCoreApplication::translate("RecordId", "player");
    case RecordKind::Match:
        return QCoreApplication::translate("RecordId", "match");
    case RecordKind::Game:
        return QCoreApplication::translate("RecordId", "game");
    case RecordKind::Play:
        break;
    }
    return QCoreApplication::translate("RecordId", "action");
}
}  // namespace

RecordId NewRecordId(RecordKind kind)
{
    const RecordId now(Clock::now());
    const char* statement = newestIdStatement(kind);
    if (!statement)
        return now;

    auto& last = lastIssued()[static_cast<size_t>(kind)];
    if (!last) {
        Query q(QString::fromLatin1(statement));
        q.exec();
        last = q.next() ? RecordId::fromText(q.value(0).toString()) : RecordId();
    }
    RecordId id = now;
    if (!last->isNull() && id <= *last)
        id = last->addSecs(1);
    // A fifth digit of the year would make a text that no longer sorts as time nor reads back.
    if (id.date().year() > 9999)
        throw RecordIdError(QCoreApplication::translate("RecordId",
                                                        "No new %1 can be stored: the newest %1 in the database has "
                                                        "the identifier %2, the last date and time an identifier "
                                                        "can hold.")
                                .arg(kindName(kind), last->text()));
    last = id;
    return id;
}

void ResetRecordIds()
{
    for (auto& last : lastIssued())
        last.reset();
}

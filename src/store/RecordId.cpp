#include "store/RecordId.h"

#include "store/Database.h"

#include <array>
#include <optional>

namespace {
constexpr auto kTextFormat = "yyyy-MM-dd HH:mm:ss";

std::function<QDateTime()>& clockOverride()
{
    static std::function<QDateTime()> source;
    return source;
}

// Newest identifier handed out per kind; empty until first looked up in the database.
std::array<std::optional<RecordId>, 5>& lastIssued()
{
    static std::array<std::optional<RecordId>, 5> last;
    return last;
}

// Fixed statements per kind: no name here comes from user input.
const char* newestIdStatement(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Team:
        return "SELECT MAX(TEAMID) FROM TEAM";
    case RecordKind::Player:
        return "SELECT MAX(PLAYERID) FROM PLAYER";
    case RecordKind::Match:
        return "SELECT MAX(MATCHID) FROM MATCH";
    case RecordKind::Game:
        return "SELECT MAX(GAMEID) FROM GAME";
    case RecordKind::Play:
        break;
    }
    return nullptr;
}
}  // namespace

RecordId::RecordId(const QDateTime& when)
{
    if (when.isValid()) {
        // One-second resolution, local time, like the stored text.
        const QDateTime local = when.toLocalTime();
        m_when = QDateTime(local.date(), QTime(local.time().hour(), local.time().minute(), local.time().second()));
    }
}

RecordId RecordId::fromText(const QString& text)
{
    const QDateTime when = QDateTime::fromString(text.trimmed(), QString::fromLatin1(kTextFormat));
    return RecordId(when);
}

QString RecordId::text() const
{
    return isNull() ? QString() : m_when.toString(QString::fromLatin1(kTextFormat));
}

namespace Clock {
QDateTime now()
{
    if (clockOverride())
        return clockOverride()();
    return QDateTime::currentDateTime();
}

void setOverride(std::function<QDateTime()> source)
{
    clockOverride() = std::move(source);
}
}  // namespace Clock

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
    last = id;
    return id;
}

void ResetRecordIds()
{
    for (auto& last : lastIssued())
        last.reset();
}

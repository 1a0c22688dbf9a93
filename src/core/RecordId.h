#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>

#include <functional>
#include <stdexcept>

// The identifier of a team, player, match, game or action: the local date-time, to the second,
// at which the record was made. Stored as text "YYYY-MM-DD HH:MM:SS" so that it sorts and
// compares as time in SQL.
class RecordId
{
public:
    RecordId() = default;
    explicit RecordId(const QDateTime& when);

    // Parses the stored text form; an unreadable text gives a null identifier.
    static RecordId fromText(const QString& text);
    // Whether text is exactly an identifier's stored form, with nothing around it. Rows written
    // by other tools may hold texts that only read as one (blanks around it): bound back into a
    // statement, such a text would find another record, or none.
    static bool isStoredForm(const QString& text);

    bool isNull() const { return m_secs < 0; }
    // The wall-clock instant, as a local date-time.
    QDateTime dateTime() const;
    QDate date() const;

    // The form stored in the database and bound into statements.
    QString text() const;
    // The form shown to people in lists ("2026-12-06 14:03:27"); same as text(), kept apart so
    // that a change of display never changes what is stored.
    QString displayText() const { return text(); }

    RecordId addSecs(qint64 secs) const;

    friend bool operator==(const RecordId& a, const RecordId& b) { return a.m_secs == b.m_secs; }
    friend bool operator<(const RecordId& a, const RecordId& b) { return a.m_secs < b.m_secs; }
    friend bool operator<=(const RecordId& a, const RecordId& b) { return !(b < a); }
    friend bool operator>(const RecordId& a, const RecordId& b) { return b < a; }

private:
    // Seconds of local wall-clock time counted from the start of the Julian day count. Kept as a
    // plain number: identifiers are compared and converted for every list row, and going through
    // the time zone each time made long lists slow.
    qint64 m_secs = -1;
};

Q_DECLARE_METATYPE(RecordId)

// For QHash and QSet of identifiers.
size_t qHash(const RecordId& id, size_t seed = 0) noexcept;

// The clock that identifiers are taken from. Tests and benchmarks may replace it.
namespace Clock {
QDateTime now();
void setOverride(std::function<QDateTime()> source);  // empty function restores the real clock
}

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

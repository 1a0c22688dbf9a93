#pragma once

#include <QDateTime>
#include <QHashFunctions>
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
    // For QHash and QSet of identifiers: the number itself, never its text.
    friend size_t qHash(const RecordId& id, size_t seed = 0) noexcept { return ::qHash(id.m_secs, seed); }
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


// The clock that identifiers are taken from. Tests and benchmarks may replace it.
namespace Clock {
QDateTime now();
void setOverride(std::function<QDateTime()> source);  // empty function restores the real clock
}

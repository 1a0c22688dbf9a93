#include "base/RecordId.h"

#include <cstdio>

namespace {
std::function<QDateTime()>& clockOverride()
{
    static std::function<QDateTime()> source;
    return source;
}

constexpr qint64 kDay = 86400;

qint64 wallSeconds(const QDate& date, int hour, int minute, int second)
{
    return date.toJulianDay() * kDay + hour * 3600 + minute * 60 + second;
}

// Reads exactly "YYYY-MM-DD HH:MM:SS"; anything else is no identifier.
bool readNumber(QStringView text, qsizetype from, qsizetype length, int* out)
{
    int value = 0;
    for (qsizetype i = from; i < from + length; ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    *out = value;
    return true;
}
}  // namespace

RecordId::RecordId(const QDateTime& when)
{
    if (when.isValid()) {
        // One-second resolution, local wall-clock time, like the stored text.
        const QDateTime local = when.toLocalTime();
        const QTime t = local.time();
        m_secs = wallSeconds(local.date(), t.hour(), t.minute(), t.second());
    }
}

RecordId RecordId::fromText(const QString& text)
{
    const QStringView v = QStringView(text).trimmed();
    RecordId id;
    if (v.size() != 19 || v.at(4) != QLatin1Char('-') || v.at(7) != QLatin1Char('-') || v.at(10) != QLatin1Char(' ')
        || v.at(13) != QLatin1Char(':') || v.at(16) != QLatin1Char(':'))
        return id;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!readNumber(v, 0, 4, &year) || !readNumber(v, 5, 2, &month) || !readNumber(v, 8, 2, &day)
        || !readNumber(v, 11, 2, &hour) || !readNumber(v, 14, 2, &minute) || !readNumber(v, 17, 2, &second))
        return id;
    const QDate date(year, month, day);
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59)
        return id;
    id.m_secs = wallSeconds(date, hour, minute, second);
    return id;
}

bool RecordId::isStoredForm(const QString& text)
{
    const RecordId id = fromText(text);
    return !id.isNull() && id.text() == text;
}

QDate RecordId::date() const
{
    return isNull() ? QDate() : QDate::fromJulianDay(m_secs / kDay);
}

QDateTime RecordId::dateTime() const
{
    if (isNull())
        return {};
    const int inDay = static_cast<int>(m_secs % kDay);
    return QDateTime(date(), QTime(inDay / 3600, (inDay / 60) % 60, inDay % 60));
}

QString RecordId::text() const
{
    if (isNull())
        return {};
    const QDate d = date();
    const int inDay = static_cast<int>(m_secs % kDay);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(), inDay / 3600,
                  (inDay / 60) % 60, inDay % 60);
    return QString::fromLatin1(buffer);
}

RecordId RecordId::addSecs(qint64 secs) const
{
    RecordId id;
    if (!isNull())
        id.m_secs = m_secs + secs;
    return id;
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

#pragma once
// Typed reads of stored values on the filter and sort paths. Storage is checked when a
// recordset is built (normalizeRows/checkRows), so a valid value holds exactly its
// field's type and can be read without conversion.
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace ado::values {

inline const QString& text(const QVariant& value)
{
    return *static_cast<const QString*>(value.constData());
}

inline qint64 integer(const QVariant& value)
{
    return *static_cast<const qint64*>(value.constData());
}

inline double real(const QVariant& value)
{
    return *static_cast<const double*>(value.constData());
}

inline bool boolean(const QVariant& value)
{
    return *static_cast<const bool*>(value.constData());
}

// A date as wall-clock milliseconds (day number and time of day), so dates compare as the
// user reads them, whatever time zone rules apply.
inline qint64 dateKey(const QDate& date, const QTime& time)
{
    return date.toJulianDay() * qint64(86'400'000) + (time.isValid() ? time.msecsSinceStartOfDay() : 0);
}

inline qint64 dateKey(const QVariant& value)
{
    const QDateTime& moment = *static_cast<const QDateTime*>(value.constData());
    return dateKey(moment.date(), moment.time());
}

// Any numeric field (Integer or Double) as a double.
inline double number(const QVariant& value)
{
    return value.metaType().id() == QMetaType::LongLong ? double(integer(value)) : real(value);
}

} // namespace ado::values

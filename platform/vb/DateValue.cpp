#include "platform/vb/DateValue.h"

#include "platform/vb/RuntimeErrors.h"

#include <cmath>

namespace vb::detail {

namespace {

const QDate& serialEpoch()
{
    static const QDate epoch(1899, 12, 30);
    return epoch;
}

constexpr double secondsPerDay = 86400.0;
constexpr double firstSerial = -657434.0;  // 0100-01-01
constexpr double lastSerial = 2958466.0;   // 10000-01-01, itself out of range

// Reads 1 to `maxDigits` ASCII digits at `pos`; false when none is there.
bool readNumber(QStringView text, qsizetype& pos, int maxDigits, int& value)
{
    int digits = 0;
    value = 0;
    while (pos < text.size() && digits < maxDigits) {
        const char16_t c = text[pos].unicode();
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c - u'0');
        ++pos;
        ++digits;
    }
    return digits > 0;
}

bool readChar(QStringView text, qsizetype& pos, char16_t expected)
{
    if (pos < text.size() && text[pos] == expected) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

DateParts DateParts::from(QDate date, QTime time)
{
    DateParts parts;
    date.getDate(&parts.year, &parts.month, &parts.day);
    parts.hour = time.hour();
    parts.minute = time.minute();
    parts.second = time.second();
    return parts;
}

std::optional<DateParts> parseDateText(QStringView text)
{
    text = text.trimmed();
    qsizetype pos = 0;
    DateParts parts;
    if (text.size() < 8 || !readNumber(text, pos, 4, parts.year) || pos != 4)
        return std::nullopt;
    const char16_t separator = text[pos].unicode();
    if (separator != u'-' && separator != u'/')
        return std::nullopt;
    ++pos;
    if (!readNumber(text, pos, 2, parts.month) || !readChar(text, pos, separator)
        || !readNumber(text, pos, 2, parts.day))
        return std::nullopt;
    if (!QDate::isValid(parts.year, parts.month, parts.day))
        return std::nullopt;
    if (pos == text.size())
        return parts;

    if (!readChar(text, pos, u' ') && !readChar(text, pos, u'T'))
        return std::nullopt;
    if (!readNumber(text, pos, 2, parts.hour) || !readChar(text, pos, u':')
        || !readNumber(text, pos, 2, parts.minute))
        return std::nullopt;
    if (readChar(text, pos, u':')) {
        if (!readNumber(text, pos, 2, parts.second))
            return std::nullopt;
        int fraction = 0;
        if (readChar(text, pos, u'.') && !readNumber(text, pos, 9, fraction))
            return std::nullopt;
    }
    if (pos != text.size() || parts.hour > 23 || parts.minute > 59 || parts.second > 59)
        return std::nullopt;
    return parts;
}

double toSerial(const DateParts& date)
{
    const double days = static_cast<double>(serialEpoch().daysTo(QDate(date.year, date.month, date.day)));
    const double fraction = (date.hour * 3600 + date.minute * 60 + date.second) / secondsPerDay;
    return days < 0 ? days - fraction : days + fraction;
}

DateParts fromSerial(double serial)
{
    if (!(serial > firstSerial - 1 && serial < lastSerial))  // also false for NaN
        throw overflowError();
    double days = std::trunc(serial);
    long long seconds = std::llround(std::fabs(serial - days) * secondsPerDay);
    if (seconds >= 86400) {  // rounded up to the next midnight
        days += serial < 0 ? -1 : 1;
        seconds = 0;
    }
    const int secondOfDay = static_cast<int>(seconds);
    const DateParts parts = DateParts::from(serialEpoch().addDays(static_cast<qint64>(days)),
                                            QTime(secondOfDay / 3600, secondOfDay / 60 % 60,
                                                  secondOfDay % 60));
    if (parts.year < 100 || parts.year > 9999)  // e.g. 23:59:59.9 on 9999-12-31
        throw overflowError();
    return parts;
}

} // namespace vb::detail

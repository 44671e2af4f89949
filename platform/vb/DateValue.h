#pragma once
// Dates as VB sees them: calendar parts, the day number counted from 1899-12-30 (the serial
// that numbers and dates convert through) and the texts a date field turns into.
#include <QDate>
#include <QDateTime>
#include <QStringView>
#include <QTime>
#include <optional>

namespace vb::detail {

struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;

    static DateParts from(QDate date, QTime time = QTime(0, 0));
    bool hasTime() const { return hour != 0 || minute != 0 || second != 0; }
};

// "2008-01-05", "2008/1/5", "2008-01-05 13:45", "2008-01-05 13:45:30.250" or with 'T' before
// the time; blanks around are allowed. Nothing when the text is no valid date.
std::optional<DateParts> parseDateText(QStringView text);

// Whole days since 1899-12-30 plus the time as a fraction of a day; before that day the
// fraction counts away from zero, as VB stores it (-1.25 is 1899-12-29 06:00).
double toSerial(const DateParts& date);

// The date of a serial, to the nearest second; raises overflow outside the years 100 to 9999.
DateParts fromSerial(double serial);

} // namespace vb::detail

#pragma once
// Format$ date patterns: the tokens yyyy, yy, m, mm, d, dd, h, hh, n, nn, s, ss in either case,
// with blanks, punctuation and non-ASCII characters as literals. m or mm right after an hour
// token (literals between allowed) stands for minutes, otherwise for the month.
#include "platform/vb/DateValue.h"

#include <QString>
#include <QStringView>

namespace vb::detail {

// True when every letter run in the pattern is one of the tokens and there is at least one,
// and the pattern holds no digit or other formatting character ('#', '"', '\\', ';', '%', '@').
bool isDatePattern(QStringView pattern);

// The date in the pattern; the pattern must satisfy isDatePattern.
QString formatDate(const DateParts& date, QStringView pattern);

} // namespace vb::detail

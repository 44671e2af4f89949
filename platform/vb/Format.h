#pragma once
// Format$: the text of a number or a date in a pattern, by VB's rules.
//
// Number patterns are one section of '#' (digit when significant), '0' (digit always shown),
// ',' (thousands grouping when between placeholders; right before the point it divides by
// 1000) and '.'; the value is reduced to 15 significant digits, then rounded half away from
// zero ("##,#0.00": 1234.5 → "1,234.50", "#.00": 0.25 → ".25"). Date patterns use yyyy, yy,
// mm, m, dd, d, hh, h, nn, n, ss, s in either case ("yyyy-mm-dd").
//
// The value may be a number, a numeric text (formatted as the number), a date or date text
// ("2008-01-05", "2008-01-05 13:45:00"); numbers and dates convert through the day number
// since 1899-12-30. Null and "" give ""; a text that is not a number (or date) comes back
// unchanged. An empty pattern gives the value's text. A pattern of any other kind raises 5.
#include <QString>
#include <QVariant>

namespace vb {

QString Format(const QVariant& value, const QString& pattern);
QString Format(double value, const QString& pattern);

} // namespace vb

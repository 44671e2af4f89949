#pragma once
// VB's conversions between numbers, texts and dates: Val, CDbl, CInt, CLng and the text of a
// value (what assigning a Variant to a String gives).
#include <QString>
#include <QStringView>
#include <QVariant>
#include <cstdint>

namespace vb {

// The leading number of a text: blanks, tabs and line feeds are dropped wherever they stand,
// only '.' is a decimal point; Val("1,234") = 1, Val("24 and 57") = 24, Val("") = 0,
// Val("1E3") = 1000, Val("&HFF") = 255. Raises overflow (6) beyond the Double range.
double Val(QStringView text);

// A number, a numeric text (blanks around, ',' between integer digits, '.', exponent, &H/&O),
// True (-1) or False, or a date (its day number since 1899-12-30) as a Double.
// Raises 94 "无效使用 Null" for null, 13 "类型不匹配" for any other text or value, and
// 6 "溢出" for a text beyond the Double range.
double CDbl(const QVariant& value);

// As CDbl, rounded half to even (2.5 → 2, 3.5 → 4), then range-checked: CInt takes
// -32768…32767, CLng the 32-bit range; beyond raises 6 "溢出".
int16_t CInt(const QVariant& value);
int32_t CLng(const QVariant& value);

// The text of a value: null → "", integers in decimal, doubles to 15 significant digits with
// trailing zeros dropped (exponent form "1.5E+20" from 1E+15 and below 1E-4), True/False,
// dates "yyyy-mm-dd" or "yyyy-mm-dd hh:nn:ss" when there is a time of day, texts as they are.
QString toText(const QVariant& value);

} // namespace vb

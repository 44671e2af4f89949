#pragma once
// Reading numbers out of texts, by the two sets of rules VB has: the strict one of the
// conversions (CDbl, CInt, Format$ of a text) and the lenient leading-number one of Val.
#include "platform/vb/DecimalDigits.h"

#include <QStringView>

namespace vb::detail {

enum class NumericTextResult { Number, NotNumeric, Overflow };

// The whole text as a number: blanks and tabs around it, an optional sign, digits with ','
// allowed between integer digits (thousands), one '.', an exponent E or D with digits; or
// an &H / &O integer. An empty text is not numeric.
NumericTextResult parseNumericText(QStringView text, double& value);

// As parseNumericText, but straight to the decimal digits Format$ rounds. A plain text of at
// most 15 significant digits (the ledger's texts) is taken digit for digit: the Double it
// stands for reduces to the same digits. Anything else goes through the Double.
NumericTextResult parseNumericTextDigits(QStringView text, DecimalDigits& digits);

// Val: drops blanks, tabs and line feeds anywhere, then reads the longest leading number
// (sign, digits, '.', exponent E or D; or &H / &O); 0 when there is none. Raises overflow
// when the number exceeds a Double (or 32 bits for &H / &O).
double parseLeadingNumber(QStringView text);

} // namespace vb::detail

#include "platform/vb/Format.h"

#include "platform/vb/Conversion.h"
#include "platform/vb/DatePattern.h"
#include "platform/vb/NumberPattern.h"
#include "platform/vb/NumericText.h"
#include "platform/vb/RuntimeErrors.h"
#include "platform/vb/VariantKind.h"

#include <cmath>

namespace vb {

using namespace detail;

namespace {

DecimalDigits finiteDigits(double value)
{
    if (!std::isfinite(value))
        throw overflowError();
    return DecimalDigits::fromDouble(value);
}

QString formatNumber(const QVariant& value, const NumberPattern& pattern)
{
    switch (kindOf(value)) {
    case VariantKind::Null:
        return {};
    case VariantKind::Boolean:
        return pattern.format(DecimalDigits::fromInteger(value.toBool() ? -1 : 0));
    case VariantKind::Integer:
        return pattern.format(DecimalDigits::fromInteger(value.toLongLong()));
    case VariantKind::Unsigned:
        return pattern.format(DecimalDigits::fromUnsigned(value.toULongLong()));
    case VariantKind::Double:
        return pattern.format(finiteDigits(value.toDouble()));
    case VariantKind::Date:
        return pattern.format(finiteDigits(toSerial(datePartsOf(value))));
    case VariantKind::Text: {
        QString text = textOf(value);
        DecimalDigits number;
        if (parseNumericTextDigits(text, number) == NumericTextResult::Number)
            return pattern.format(number);
        if (const auto date = parseDateText(text))
            return pattern.format(finiteDigits(toSerial(*date)));
        return text;
    }
    case VariantKind::Other:
        break;
    }
    throw typeMismatchError();
}

QString formatDateValue(const QVariant& value, QStringView pattern)
{
    switch (kindOf(value)) {
    case VariantKind::Null:
        return {};
    case VariantKind::Date:
        return formatDate(datePartsOf(value), pattern);
    case VariantKind::Text: {
        QString text = textOf(value);
        if (const auto date = parseDateText(text))
            return formatDate(*date, pattern);
        double number = 0;
        if (parseNumericText(text, number) == NumericTextResult::Number)
            return formatDate(fromSerial(number), pattern);
        return text;
    }
    case VariantKind::Other:
        throw typeMismatchError();
    default:
        return formatDate(fromSerial(CDbl(value)), pattern);
    }
}

} // namespace

QString Format(const QVariant& value, const QString& pattern)
{
    if (pattern.isEmpty())
        return toText(value);
    if (const auto numberPattern = NumberPattern::parse(pattern))
        return formatNumber(value, *numberPattern);
    if (isDatePattern(pattern))
        return formatDateValue(value, pattern);
    throw unsupportedPatternError(pattern);
}

QString Format(double value, const QString& pattern)
{
    if (pattern.isEmpty())
        return toText(value);
    if (const auto numberPattern = NumberPattern::parse(pattern))
        return numberPattern->format(finiteDigits(value));
    if (isDatePattern(pattern))
        return formatDate(fromSerial(value), pattern);
    throw unsupportedPatternError(pattern);
}

} // namespace vb

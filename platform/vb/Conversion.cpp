#include "platform/vb/Conversion.h"

#include "platform/vb/DecimalDigits.h"
#include "platform/vb/NumericText.h"
#include "platform/vb/RuntimeErrors.h"
#include "platform/vb/VariantKind.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vb {

using namespace detail;

namespace {

// Ties go to the even neighbour, independent of the floating-point rounding mode.
double roundHalfToEven(double value)
{
    const double rounded = std::round(value);  // ties away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return rounded;
}

template <class Int>
Int roundedInRange(const QVariant& value)
{
    constexpr auto low = std::numeric_limits<Int>::min();
    constexpr auto high = std::numeric_limits<Int>::max();
    switch (kindOf(value)) {
    case VariantKind::Integer: {
        const qlonglong number = value.toLongLong();
        if (number < low || number > high)
            throw overflowError();
        return static_cast<Int>(number);
    }
    case VariantKind::Unsigned:
        throw overflowError();
    default: {
        const double number = roundHalfToEven(CDbl(value));
        if (!(number >= low && number <= high))  // also catches NaN
            throw overflowError();
        return static_cast<Int>(number);
    }
    }
}

void appendTwoDigits(QString& out, int value)
{
    out += QLatin1Char(char('0' + value / 10));
    out += QLatin1Char(char('0' + value % 10));
}

// Written into a stack buffer and copied once: every painted number cell goes through here.
QString generalNumberText(const DecimalDigits& number)
{
    if (number.isZero())
        return QStringLiteral("0");
    char16_t buffer[48];  // sign, 15 digits, point, at most 15 places or a 3-digit exponent
    char16_t* out = buffer;
    if (number.negative)
        *out++ = u'-';
    const int exponent = number.pointPos - 1;
    if (exponent >= 15 || exponent < -4) {
        *out++ = char16_t(number.digits[0]);
        if (number.count > 1) {
            *out++ = u'.';
            for (int i = 1; i < number.count; ++i)
                *out++ = char16_t(number.digits[i]);
        }
        *out++ = u'E';
        *out++ = exponent < 0 ? u'-' : u'+';
        const int magnitude = std::abs(exponent);
        if (magnitude >= 100)
            *out++ = char16_t(u'0' + magnitude / 100);
        *out++ = char16_t(u'0' + magnitude / 10 % 10);
        *out++ = char16_t(u'0' + magnitude % 10);
    } else {
        for (int place = std::max(number.pointPos, 1) - 1; place >= 0; --place)
            *out++ = char16_t(number.digitAtPlace(place));
        if (number.fractionDigits() > 0) {
            *out++ = u'.';
            for (int place = -1; place >= -number.fractionDigits(); --place)
                *out++ = char16_t(number.digitAtPlace(place));
        }
    }
    return QString(reinterpret_cast<const QChar*>(buffer), out - buffer);
}

QString dateText(const DateParts& date)
{
    QString out;
    out.reserve(19);
    out += QString::number(date.year);
    out += u'-';
    appendTwoDigits(out, date.month);
    out += u'-';
    appendTwoDigits(out, date.day);
    if (date.hasTime()) {
        out += u' ';
        appendTwoDigits(out, date.hour);
        out += u':';
        appendTwoDigits(out, date.minute);
        out += u':';
        appendTwoDigits(out, date.second);
    }
    return out;
}

} // namespace

double Val(QStringView text)
{
    return parseLeadingNumber(text);
}

double CDbl(const QVariant& value)
{
    switch (kindOf(value)) {
    case VariantKind::Null:
        throw invalidUseOfNullError();
    case VariantKind::Boolean:
        return value.toBool() ? -1.0 : 0.0;
    case VariantKind::Integer:
        return static_cast<double>(value.toLongLong());
    case VariantKind::Unsigned:
        return static_cast<double>(value.toULongLong());
    case VariantKind::Double:
        return value.toDouble();
    case VariantKind::Date:
        return toSerial(datePartsOf(value));
    case VariantKind::Text: {
        double number = 0;
        switch (parseNumericText(textOf(value), number)) {
        case NumericTextResult::Number:
            return number;
        case NumericTextResult::Overflow:
            throw overflowError();
        case NumericTextResult::NotNumeric:
            break;
        }
        throw typeMismatchError();
    }
    case VariantKind::Other:
        break;
    }
    throw typeMismatchError();
}

int16_t CInt(const QVariant& value)
{
    return roundedInRange<int16_t>(value);
}

int32_t CLng(const QVariant& value)
{
    return roundedInRange<int32_t>(value);
}

QString toText(const QVariant& value)
{
    switch (kindOf(value)) {
    case VariantKind::Null:
        return {};
    case VariantKind::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case VariantKind::Integer:
        return QString::number(value.toLongLong());
    case VariantKind::Unsigned:
        return QString::number(value.toULongLong());
    case VariantKind::Double: {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            throw overflowError();
        return generalNumberText(DecimalDigits::fromDouble(number));
    }
    case VariantKind::Text:
        return textOf(value);
    case VariantKind::Date:
        if (value.typeId() == QMetaType::QTime)
            return value.toTime().toString(QStringLiteral("HH:mm:ss"));
        return dateText(datePartsOf(value));
    case VariantKind::Other:
        break;
    }
    throw typeMismatchError();
}

} // namespace vb

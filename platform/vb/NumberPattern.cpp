#include "platform/vb/NumberPattern.h"

#include <algorithm>

namespace vb::detail {

std::optional<NumberPattern> NumberPattern::parse(QStringView pattern)
{
    NumberPattern result;
    bool seenIntegerPlaceholder = false;
    bool seenZero = false;
    int trailingCommas = 0;  // commas after the last integer placeholder so far
    for (const QChar c : pattern) {
        switch (c.unicode()) {
        case '0':
        case '#':
            if (result.hasPoint) {
                ++result.maxDecimals;
                if (c == u'0')
                    result.minDecimals = result.maxDecimals;
            } else {
                seenZero = seenZero || c == u'0';
                if (seenZero)
                    ++result.minIntegerDigits;
                if (trailingCommas > 0)
                    result.grouping = true;
                trailingCommas = 0;
                seenIntegerPlaceholder = true;
            }
            break;
        case ',':
            if (result.hasPoint)
                return std::nullopt;
            ++trailingCommas;
            break;
        case '.':
            if (result.hasPoint)
                return std::nullopt;
            result.hasPoint = true;
            break;
        default:
            return std::nullopt;
        }
    }
    if (seenIntegerPlaceholder)
        result.thousandsScale = trailingCommas;
    return result;
}

QString NumberPattern::format(DecimalDigits number) const
{
    number.pointPos -= 3 * thousandsScale;
    number.roundToDecimals(maxDecimals);

    const int integerWidth = std::max(number.integerDigits(), minIntegerDigits);
    const int decimals = std::max(number.fractionDigits(), minDecimals);
    const int separators = grouping && integerWidth > 0 ? (integerWidth - 1) / 3 : 0;
    const bool minus = number.negative && !number.isZero();  // -0.004 shows as 0.00
    const int length = int(minus) + integerWidth + separators + int(hasPoint) + decimals;

    QString text(length, Qt::Uninitialized);
    QChar* out = text.data();
    if (minus)
        *out++ = u'-';
    for (int place = integerWidth - 1; place >= 0; --place) {
        *out++ = QLatin1Char(number.digitAtPlace(place));
        if (separators > 0 && place > 0 && place % 3 == 0)
            *out++ = u',';
    }
    if (hasPoint)
        *out++ = u'.';
    for (int place = -1; place >= -decimals; --place)
        *out++ = QLatin1Char(number.digitAtPlace(place));
    return text;
}

} // namespace vb::detail

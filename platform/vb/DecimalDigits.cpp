#include "platform/vb/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace vb::detail {

DecimalDigits DecimalDigits::fromDouble(double value)
{
    DecimalDigits result;
    if (value == 0.0)
        return result;
    result.negative = std::signbit(value);

    // "d.dddddddddddddde±XX": 15 significant digits, correctly rounded.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, std::fabs(value),
                                   std::chars_format::scientific, 14).ptr;
    result.digits[0] = text[0];
    std::memcpy(result.digits + 1, text + 2, 14);
    result.count = 15;

    const char* exponentText = text + 17;  // after "d.", 14 digits and 'e'
    const bool negativeExponent = *exponentText == '-';
    int exponent = 0;
    std::from_chars(exponentText + 1, end, exponent);
    result.pointPos = (negativeExponent ? -exponent : exponent) + 1;
    result.stripTrailingZeros();
    return result;
}

DecimalDigits DecimalDigits::fromInteger(int64_t value)
{
    // The magnitude of the most negative value does not fit in int64_t.
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value)
                                         : static_cast<uint64_t>(value);
    DecimalDigits result = fromUnsigned(magnitude);
    result.negative = value < 0;
    return result;
}

DecimalDigits DecimalDigits::fromUnsigned(uint64_t value)
{
    DecimalDigits result;
    if (value == 0)
        return result;
    result.count = static_cast<int>(std::to_chars(result.digits, result.digits + Capacity, value).ptr
                                    - result.digits);
    result.pointPos = result.count;
    result.stripTrailingZeros();
    return result;
}

void DecimalDigits::roundToDecimals(int decimals)
{
    const int keep = pointPos + decimals;  // digits that stay
    if (keep >= count)
        return;
    if (keep < 0) {  // even the first digit is below half a unit of the last place
        count = 0;
        pointPos = 0;
        return;
    }
    const bool roundUp = digits[keep] >= '5';
    count = keep;
    if (roundUp) {
        int i = count - 1;
        while (i >= 0 && digits[i] == '9')
            --i;
        if (i >= 0) {
            ++digits[i];
            count = i + 1;  // the nines after it became zeros
        } else {            // all nines (or nothing kept): carry into a new first digit
            digits[0] = '1';
            count = 1;
            ++pointPos;
        }
    }
    stripTrailingZeros();
}

void DecimalDigits::stripTrailingZeros()
{
    while (count > 0 && digits[count - 1] == '0')
        --count;
    if (count == 0)
        pointPos = 0;  // zero has no place of its own
}

} // namespace vb::detail

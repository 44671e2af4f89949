#include "platform/vb/DecimalDigits.h"

#include <charconv>
#include <cmath>

namespace vb::detail {

namespace {

// Splits "d.ddde±XX" (or "de±XX") into digits and the place of the point.
void readScientific(const char* text, const char* end, DecimalDigits& result)
{
    int count = 0;
    const char* p = text;
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.' && count < DecimalDigits::Capacity)
            result.digits[count++] = *p;
    }
    result.count = count;
    int exponent = 0;
    std::from_chars(p + 2, end, exponent);  // after 'e' and the sign
    result.pointPos = (p[1] == '-' ? -exponent : exponent) + 1;
}

// Most amounts are short decimals (1234.5678): when magnitude × 10^k is a whole number m of at
// most 15 digits and m / 10^k gives the magnitude back, that decimal is the one whose nearest
// Double this is, so it is also the 15-digit reduction. Much quicker than printing the Double.
bool readShortDecimal(double magnitude, DecimalDigits& result)
{
    double scale = 1;  // 10^k, exact for these k
    for (int k = 0; k <= 15; ++k, scale *= 10) {
        const double scaled = magnitude * scale;
        if (!(scaled < 1e15))
            return false;
        if (scaled == std::floor(scaled) && scaled / scale == magnitude) {
            const auto whole = static_cast<uint64_t>(scaled);
            result.count = static_cast<int>(
                std::to_chars(result.digits, result.digits + DecimalDigits::Capacity, whole).ptr
                - result.digits);
            result.pointPos = result.count - k;
            return whole != 0;
        }
    }
    return false;
}

} // namespace

DecimalDigits DecimalDigits::fromDouble(double value)
{
    DecimalDigits result;
    if (value == 0.0)
        return result;
    result.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (readShortDecimal(magnitude, result)) {
        result.stripTrailingZeros();
        return result;
    }

    // Otherwise the shortest text that reads back as the same Double (at most 17 digits,
    // the closest such text when there are several) is quick to make. When it has more than
    // 15 digits, its 16th digit decides the rounding, because no 16-digit decimal lies between
    // it and the exact binary value; else it would have been chosen as shorter or closer. The
    // one exception is a text that ends in that 16th digit 5: it is the half-way point itself,
    // and only the correctly rounded 15 digits tell on which side the exact value lies.
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific).ptr;
    readScientific(text, end, result);
    if (result.count == 16 && result.digits[15] == '5') {
        end = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14).ptr;
        readScientific(text, end, result);
    } else if (result.count > 15) {
        result.count = 16;  // the 16th digit decides, whatever follows it
        result.roundToDecimals(15 - result.pointPos);
    }
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

} // namespace vb::detail

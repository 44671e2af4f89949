#pragma once
// A number as a short string of decimal digits, so that Format$ can round the way a person
// rounds on paper (half away from zero) instead of on the binary value.
#include <cstdint>

namespace vb::detail {

struct DecimalDigits {
    // 20 digits hold any 64-bit magnitude; one more for a carry out of the first digit.
    static constexpr int Capacity = 21;

    // Value = 0.d1 d2 ... dn × 10^pointPos: pointPos digits stand before the decimal point
    // (zero or less for values below 1, more than count when trailing zeros were dropped).
    char digits[Capacity];  // '0'..'9', no leading and no trailing zeros
    int count = 0;          // 0: the value is zero
    int pointPos = 0;
    bool negative = false;

    // The value reduced to 15 significant digits, as VB does before it formats a Double.
    // The value must be finite.
    static DecimalDigits fromDouble(double value);
    static DecimalDigits fromInteger(int64_t value);
    static DecimalDigits fromUnsigned(uint64_t value);

    bool isZero() const { return count == 0; }

    // Keeps at most `decimals` digits after the point; a dropped part of one half or more
    // rounds the magnitude up (half away from zero).
    void roundToDecimals(int decimals);

    // The digit with place value 10^place, '0' outside the stored digits.
    char digitAtPlace(int place) const
    {
        const int index = pointPos - 1 - place;
        return index >= 0 && index < count ? digits[index] : '0';
    }

    // Digits needed before the point (0 for values below 1) and after it.
    int integerDigits() const { return count == 0 || pointPos < 0 ? 0 : pointPos; }
    int fractionDigits() const { return count > pointPos ? count - pointPos : 0; }  // 0 for zero

private:
    void stripTrailingZeros()
    {
        while (count > 0 && digits[count - 1] == '0')
            --count;
        if (count == 0)
            pointPos = 0;  // zero has no place of its own
    }
};

} // namespace vb::detail

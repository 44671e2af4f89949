// The 15-digit reduction of a Double must equal the correctly rounded printing with 15
// significant digits, whichever shortcut produced it.
#include "platform/vb/DecimalDigits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <iomanip>
#include <string>

namespace {

using vb::detail::DecimalDigits;

// Digits and point place from the standard library's correctly rounded 15-digit printing.
std::string reference(double value)
{
    char text[40];
    const char* end = std::to_chars(text, text + sizeof text, std::fabs(value),
                                    std::chars_format::scientific, 14).ptr;
    std::string digits(1, text[0]);
    digits.append(text + 2, 14);
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    return digits + "e" + std::to_string(std::stoi(std::string(static_cast<const char*>(text + 17), end)) + 1);
}

std::string reduced(double value)
{
    const DecimalDigits number = DecimalDigits::fromDouble(value);
    return std::string(number.digits, number.count) + "e" + std::to_string(number.pointPos);
}

TEST(DecimalDigits, ReductionMatchesCorrectlyRoundedPrinting)
{
    uint64_t state = 42;
    auto next = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state;
    };
    for (int i = 0; i < 200000; ++i) {
        const uint64_t bits = next();
        double value;
        switch (i % 4) {
        case 0: {  // a short decimal, as stored amounts are
            const double whole = static_cast<double>(bits % 100000000000ULL);
            value = whole / std::pow(10.0, static_cast<int>(next() % 12));
            break;
        }
        case 1:  // any finite double of ledger size
            value = static_cast<double>(bits >> 11) / static_cast<double>(1ULL << 53)
                    * std::pow(10.0, static_cast<int>(next() % 30) - 10);
            break;
        case 2: {  // arbitrary bit patterns
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value) || value == 0)
                continue;
            break;
        }
        default:  // sums that leave binary noise in the 16th and 17th digits
            value = static_cast<double>(bits % 1000000) / 100.0 + static_cast<double>(next() % 1000) / 10.0;
            if (value == 0)
                continue;
            break;
        }
        ASSERT_EQ(reduced(value), reference(value)) << std::setprecision(17) << value;
    }
}

} // namespace

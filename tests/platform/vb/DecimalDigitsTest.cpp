// The 15-digit reduction of a Double must equal the correctly rounded printing with 15
// significant digits, whichever shortcut produced it.
#include "platform/vb/DecimalDigits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <iomanip>

namespace {

// Digits without trailing zeros and the point place, from the standard library's printing.
std::string reference(double value)
{
    char text[40];
    const char* end = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 14).ptr;
    std::string digits = text[0] + std::string(text + 2, 14);
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits + "e" + std::to_string(std::stoi(std::string(static_cast<const char*>(text + 17), end)) + 1);
}

TEST(DecimalDigits, ReductionMatchesCorrectlyRoundedPrinting)
{
    uint64_t state = 42;
    const auto next = [&state] { return state = state * 6364136223846793005ULL + 1442695040888963407ULL; };
    for (int i = 0; i < 200000; ++i) {
        const uint64_t bits = next();
        double value = 0;
        if (i % 4 == 0)  // a short decimal, as stored amounts are
            value = double(bits % 100000000000ULL) / std::pow(10.0, int(next() % 12));
        else if (i % 4 == 1)  // any double of ledger size
            value = double(bits >> 11) / double(1ULL << 53) * std::pow(10.0, int(next() % 30) - 10);
        else if (i % 4 == 2)  // arbitrary bit patterns
            std::memcpy(&value, &bits, sizeof value);
        else  // sums that leave binary noise in the 16th and 17th digits
            value = double(bits % 1000000) / 100.0 + double(next() % 1000) / 10.0;
        if (!std::isfinite(value) || value == 0)
            continue;
        const auto number = vb::detail::DecimalDigits::fromDouble(value);
        ASSERT_EQ(std::string(number.digits, number.count) + "e" + std::to_string(number.pointPos), reference(value))
            << std::setprecision(17) << value;
    }
}

} // namespace

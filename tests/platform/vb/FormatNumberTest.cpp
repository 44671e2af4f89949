// Format$ with number patterns: the reference table, rounding, grouping and the general rule.
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"
#include "tests/platform/RaisedError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>

namespace {

// Value, pattern, text; a double is formatted both as itself and as a variant.
void expectAll(std::initializer_list<std::tuple<QVariant, const char*, const char*>> cases)
{
    for (const auto& [value, pattern, expected] : cases) {
        const QString p = QString::fromUtf8(pattern);
        EXPECT_EQ(vb::Format(value, p), QString::fromUtf8(expected)) << value.toString().toStdString() << " in " << pattern;
        if (value.typeId() == QMetaType::Double)
            EXPECT_EQ(vb::Format(value.toDouble(), p), QString::fromUtf8(expected)) << value.toDouble() << " in " << pattern;
    }
}

TEST(FormatNumber, ReferenceTableForDoublesAndTheirTexts)
{
    const double values[] = {1234567.891, 123.456, 5, 0.25, 0, -1234.5};
    const char* const patterns[] = {"##,#0.00", "###0", "###0.000", "##,#0", "#.00", "00.00"};
    const char* const expected[6][6] = {
        {"1,234,567.89", "1234568", "1234567.891", "1,234,568", "1234567.89", "1234567.89"},
        {"123.46", "123", "123.456", "123", "123.46", "123.46"},
        {"5.00", "5", "5.000", "5", "5.00", "05.00"},
        {"0.25", "0", "0.250", "0", ".25", "00.25"},
        {"0.00", "0", "0.000", "0", ".00", "00.00"},
        {"-1,234.50", "-1235", "-1234.500", "-1,235", "-1234.50", "-1234.50"},
    };
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            // The ledger hands over the value's text; a numeric text formats as its number.
            expectAll({{values[row], patterns[column], expected[row][column]},
                       {vb::toText(values[row]), patterns[column], expected[row][column]}});
        }
    }
}

TEST(FormatNumber, RoundsHalfAwayFromZeroAfterReducingToFifteenDigits)
{
    expectAll({
        {1.005, "0.00", "1.01"}, {2.675, "0.00", "2.68"}, {0.285, "0.00", "0.29"}, {1.45, "0.0", "1.5"},  // binary 1.00499...
        {0.125, "0.00", "0.13"}, {2.5, "0", "3"}, {0.5, "0", "1"}, {-0.5, "0", "-1"}, {-2.5, "###0", "-3"},  // ties go up
        {-1.005, "0.00", "-1.01"}, {9.995, "0.00", "10.00"}, {999.9996, "##,#0.000", "1,000.000"},  // into new digits
        {0.0005, "0.000", "0.001"}, {0.00049, "0.000", "0.000"}, {1234.4, "###0", "1234"},
        {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"}, {123456789012345678.0, "0", "123456789012346000"},
        {-0.004, "0.00", "0.00"}, {-0.005, "0.00", "-0.01"}, {-0.4, "###0", "0"}, {-0.4, "#", ""},  // no sign on zero
        {-1e-20, "##,#0.00", "0.00"}, {-0.0, "0.00", "0.00"}, {-0.04, "#.0", ".0"},
    });
}

TEST(FormatNumber, GroupsThousandsAndFollowsThePlaceholderRules)
{
    expectAll({
        {999.0, "##,#0", "999"}, {1000.0, "##,#0", "1,000"}, {-999.5, "##,#0", "-1,000"}, {-1234567.891, "##,#0", "-1,234,568"},
        {1234567890.5, "##,#0.00", "1,234,567,890.50"}, {-987654321.125, "##,#0.00", "-987,654,321.13"},
        {100000.0, "#,##0", "100,000"}, {5.0, "0,000,000", "0,000,005"}, {1e21, "##,#0", "1,000,000,000,000,000,000,000"},
        {123456.0, "#,#", "123,456"}, {5.0, "#.##", "5."}, {0.0, "#", ""}, {0.0, "0.#", "0."}, {1.5, "0.0#", "1.5"},
        {1.0, "0.0#", "1.0"}, {1.255, "0.0#", "1.26"}, {1.2, "0.#0", "1.20"},  // a '0' after a '#' forces the '#'
        {7.0, "000", "007"}, {7.0, "0#", "07"}, {12345.0, "00", "12345"}, {12.5, ".00", "12.50"}, {0.25, "###0.", "0."},
        {1234567.0, "#,##0,", "1,235"}, {1234567.0, "0,,.00", "1.23"},  // a ',' before the point divides by 1000
    });
}

TEST(FormatNumber, FormatsIntegersBooleansAndNumericTextsExactlyAndOtherTextsAsThey)
{
    expectAll({
        {std::numeric_limits<qlonglong>::max(), "##,#0", "9,223,372,036,854,775,807"},
        {std::numeric_limits<qlonglong>::min(), "###0", "-9223372036854775808"},
        {std::numeric_limits<qulonglong>::max(), "0", "18446744073709551615"}, {int(-42), "0.00", "-42.00"},
        {true, "0", "-1"}, {false, "0.0", "0.0"}, {2.5f, "0", "3"}, {QByteArray("42.125"), "0.00", "42.13"},
        {QStringLiteral("  1234.5\t"), "##,#0.00", "1,234.50"}, {QStringLiteral("1,234.5"), "###0.0", "1234.5"},
        {QStringLiteral("-0.004"), "0.00", "0.00"}, {QStringLiteral("1.005"), "0.00", "1.01"}, {QStringLiteral("1E3"), "0", "1000"},
        {QStringLiteral("&HFF"), "0", "255"}, {QStringLiteral("+.5"), "0.0", "0.5"}, {QStringLiteral("abc"), "##,#0.00", "abc"},
        {QStringLiteral("12abc"), "0", "12abc"}, {QStringLiteral("1E"), "0", "1E"}, {QStringLiteral("1e400"), "0", "1e400"},
        {QStringLiteral("   "), "0", "   "}, {QStringLiteral("物料"), "0.00", "物料"},
        {QVariant(), "##,#0.00", ""}, {QVariant::fromValue(nullptr), "0", ""}, {1234.5, "", "1234.5"}, {QStringLiteral("abc"), "", "abc"},
    });
    for (const double value : {INFINITY, -INFINITY, NAN})
        EXPECT_EQ(platformtest::outcome([&] { return vb::Format(value, "0.00"); }), QStringLiteral("溢出")) << value;
}

TEST(FormatNumber, TextOfADoubleFormatsLikeTheDoubleItself)
{
    // The ledger formats the text of a field value, so the text must keep every digit that
    // matters to Format$. A fixed linear congruential sequence covers many magnitudes.
    uint64_t state = 12345;
    for (int i = 0; i < 4000; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double mantissa = double(state >> 11) / double(1ULL << 53);
        const double value = (state & 1 ? -1 : 1) * mantissa * std::pow(10.0, int((state >> 3) % 24) - 8);
        for (const char* p : {"##,#0.00", "###0", "###0.000", "#.00", "0.00000000"})
            ASSERT_EQ(vb::Format(QVariant(vb::toText(value)), QString::fromLatin1(p)), vb::Format(value, QString::fromLatin1(p)))
                << std::setprecision(17) << value << " in " << p;
    }
}

} // namespace

// Format$ with number patterns: the reference table, rounding, grouping and the general rule.
#include "platform/com/ErrorCodes.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"
#include "tests/platform/RaisedError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>

namespace {

struct NumberCase {
    double value;
    const char* pattern;
    const char* expected;
};

void expectAll(std::initializer_list<NumberCase> cases)
{
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "Format(" << std::setprecision(17) << c.value << ", \""
                                        << c.pattern << "\")");
        EXPECT_EQ(vb::Format(c.value, QString::fromUtf8(c.pattern)).toStdString(), c.expected);
    }
}

TEST(FormatNumber, ReferenceTableForDoublesVariantsAndNumericTexts)
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
            const QString pattern = QString::fromLatin1(patterns[column]);
            SCOPED_TRACE(testing::Message() << "value " << values[row] << ", pattern " << patterns[column]);
            EXPECT_EQ(vb::Format(values[row], pattern).toStdString(), expected[row][column]);
            EXPECT_EQ(vb::Format(QVariant(values[row]), pattern).toStdString(), expected[row][column]);
            // The ledger hands over the value's text; VB formats a numeric text as its number.
            EXPECT_EQ(vb::Format(QVariant(vb::toText(values[row])), pattern).toStdString(), expected[row][column]);
        }
    }
}

TEST(FormatNumber, RoundsHalfAwayFromZeroAfterReducingToFifteenDigits)
{
    expectAll({
        {1.005, "0.00", "1.01"}, {2.675, "0.00", "2.68"},  // binary 1.00499..., 2.67499...
        {0.285, "0.00", "0.29"}, {1.45, "0.0", "1.5"},
        {0.125, "0.00", "0.13"}, {2.5, "0", "3"},           // an exact tie goes up, not to even
        {0.5, "0", "1"}, {-0.5, "0", "-1"}, {-2.5, "###0", "-3"}, {-1.005, "0.00", "-1.01"},
        {9.995, "0.00", "10.00"}, {999.9996, "##,#0.000", "1,000.000"},  // carries into new digits
        {0.0005, "0.000", "0.001"}, {0.00049, "0.000", "0.000"}, {1234.4, "###0", "1234"},
        {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"},
        {123456789012345678.0, "0", "123456789012346000"},
        // A negative that rounds to zero has no sign.
        {-0.004, "0.00", "0.00"}, {-0.005, "0.00", "-0.01"}, {-0.4, "###0", "0"}, {-0.4, "#", ""},
        {-1e-20, "##,#0.00", "0.00"}, {-0.0, "0.00", "0.00"}, {-0.04, "#.0", ".0"},
    });
}

TEST(FormatNumber, GroupsThousandsAndFollowsThePlaceholderRules)
{
    expectAll({
        {999, "##,#0", "999"}, {1000, "##,#0", "1,000"}, {-999.5, "##,#0", "-1,000"},
        {-1234567.891, "##,#0", "-1,234,568"}, {1234567890.5, "##,#0.00", "1,234,567,890.50"},
        {-987654321.125, "##,#0.00", "-987,654,321.13"}, {100000, "#,##0", "100,000"},
        {5, "0,000,000", "0,000,005"}, {1e21, "##,#0", "1,000,000,000,000,000,000,000"},
        {123456, "#,#", "123,456"},
        {5, "#.##", "5."},  // the point stays even without decimals
        {0, "#", ""}, {0, "0.#", "0."}, {1.5, "0.0#", "1.5"}, {1, "0.0#", "1.0"}, {1.255, "0.0#", "1.26"},
        {1.2, "0.#0", "1.20"},  // a '0' after a '#' forces the '#' too
        {7, "000", "007"}, {7, "0#", "07"}, {12345, "00", "12345"}, {12.5, ".00", "12.50"},
        {1234567, "#,##0,", "1,235"}, {1234567, "0,,.00", "1.23"},  // a ',' before the point divides by 1000
        {0.25, "###0.", "0."},
    });
}

TEST(FormatNumber, FormatsIntegersBooleansAndNumericTextsExactly)
{
    const std::tuple<QVariant, const char*, const char*> cases[] = {
        {std::numeric_limits<qlonglong>::max(), "##,#0", "9,223,372,036,854,775,807"},
        {std::numeric_limits<qlonglong>::min(), "###0", "-9223372036854775808"},
        {std::numeric_limits<qulonglong>::max(), "0", "18446744073709551615"},
        {int(-42), "0.00", "-42.00"}, {true, "0", "-1"}, {false, "0.0", "0.0"}, {2.5f, "0", "3"},
        {QByteArray("42.125"), "0.00", "42.13"},
        {QStringLiteral("  1234.5\t"), "##,#0.00", "1,234.50"}, {QStringLiteral("1,234.5"), "###0.0", "1234.5"},
        {QStringLiteral("-0.004"), "0.00", "0.00"}, {QStringLiteral("1.005"), "0.00", "1.01"},
        {QStringLiteral("1E3"), "0", "1000"}, {QStringLiteral("&HFF"), "0", "255"},
        {QStringLiteral("+.5"), "0.0", "0.5"},
        // Texts that are no number come back as they are.
        {QStringLiteral("abc"), "##,#0.00", "abc"}, {QStringLiteral("12abc"), "0", "12abc"},
        {QStringLiteral("1E"), "0", "1E"}, {QStringLiteral("1e400"), "0", "1e400"},
        {QStringLiteral(""), "##,#0.00", ""}, {QStringLiteral("   "), "0", "   "},
        {QStringLiteral("物料"), "0.00", "物料"},
    };
    for (const auto& [value, pattern, expected] : cases)
        EXPECT_EQ(vb::Format(value, QString::fromLatin1(pattern)), QString::fromUtf8(expected))
            << value.toString().toStdString() << " in " << pattern;
}

TEST(FormatNumber, NullGivesEmptyTextAndAnEmptyPatternTheValuesText)
{
    for (const char* pattern : {"##,#0.00", "###0", "#.00", "yyyy-mm-dd", ""}) {
        EXPECT_EQ(vb::Format(QVariant(), QString::fromLatin1(pattern)), QString()) << pattern;
        EXPECT_EQ(vb::Format(QVariant::fromValue(nullptr), QString::fromLatin1(pattern)), QString()) << pattern;
    }
    EXPECT_EQ(vb::Format(1234.5, QString()), "1234.5");
    EXPECT_EQ(vb::Format(QVariant(QStringLiteral("abc")), QString()), "abc");
}

TEST(FormatNumber, TextOfADoubleFormatsLikeTheDoubleItself)
{
    // The ledger formats the text of a field value, so the text must keep every digit that
    // matters to Format$. A fixed linear congruential sequence covers many magnitudes.
    const char* const patterns[] = {"##,#0.00", "###0", "###0.000", "#.00", "0.00000000"};
    uint64_t state = 12345;
    for (int i = 0; i < 4000; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double mantissa = static_cast<double>(state >> 11) / static_cast<double>(1ULL << 53);
        const int exponent = static_cast<int>((state >> 3) % 24) - 8;
        const double value = (state & 1 ? -1 : 1) * mantissa * std::pow(10.0, exponent);
        for (const char* p : patterns) {
            const QString pattern = QString::fromLatin1(p);
            ASSERT_EQ(vb::Format(QVariant(vb::toText(value)), pattern), vb::Format(value, pattern))
                << std::setprecision(17) << value << " in " << p;
        }
    }
}

TEST(FormatNumber, NonFiniteDoublesOverflow)
{
    for (const double value : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
        const auto raised = platformtest::raisedBy([&] { vb::Format(value, "0.00"); });
        EXPECT_EQ(raised.number, com::VB_OVERFLOW) << value;
        EXPECT_EQ(raised.description, QStringLiteral("溢出"));
    }
}

} // namespace

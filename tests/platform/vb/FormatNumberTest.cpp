// Format$ with number patterns: the reference table, rounding, grouping and the general rule.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"

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

// The reference table: every value in every pattern.
const double tableValues[] = {1234567.891, 123.456, 5, 0.25, 0, -1234.5};
const char* const tablePatterns[] = {"##,#0.00", "###0", "###0.000", "##,#0", "#.00", "00.00"};
const char* const tableExpected[6][6] = {
    {"1,234,567.89", "1234568", "1234567.891", "1,234,568", "1234567.89", "1234567.89"},
    {"123.46", "123", "123.456", "123", "123.46", "123.46"},
    {"5.00", "5", "5.000", "5", "5.00", "05.00"},
    {"0.25", "0", "0.250", "0", ".25", "00.25"},
    {"0.00", "0", "0.000", "0", ".00", "00.00"},
    {"-1,234.50", "-1235", "-1234.500", "-1,235", "-1234.50", "-1234.50"},
};

TEST(FormatNumber, ReferenceTableForDoublesVariantsAndNumericTexts)
{
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 6; ++column) {
            const double value = tableValues[row];
            const QString pattern = QString::fromLatin1(tablePatterns[column]);
            const std::string expected = tableExpected[row][column];
            SCOPED_TRACE(testing::Message() << "value " << value << ", pattern " << tablePatterns[column]);
            EXPECT_EQ(vb::Format(value, pattern).toStdString(), expected);
            EXPECT_EQ(vb::Format(QVariant(value), pattern).toStdString(), expected);
            // The ledger hands over the value's text; VB formats a numeric text as its number.
            EXPECT_EQ(vb::Format(QVariant(vb::toText(value)), pattern).toStdString(), expected);
        }
    }
}

TEST(FormatNumber, RoundsHalfAwayFromZeroAfterReducingToFifteenDigits)
{
    expectAll({
        {1.005, "0.00", "1.01"},    // binary 1.00499999999999989...
        {2.675, "0.00", "2.68"},    // binary 2.67499999999999982...
        {0.285, "0.00", "0.29"},
        {1.45, "0.0", "1.5"},
        {0.125, "0.00", "0.13"},    // an exact tie goes up, not to even
        {0.5, "0", "1"},
        {1.5, "0", "2"},
        {2.5, "0", "3"},
        {-0.5, "0", "-1"},
        {-2.5, "###0", "-3"},
        {-1.005, "0.00", "-1.01"},
        {9.995, "0.00", "10.00"},   // carry into a new integer digit
        {999.9996, "##,#0.000", "1,000.000"},
        {0.0005, "0.000", "0.001"},
        {0.00049, "0.000", "0.000"},
        {0.1 + 0.2, "0.0000000000000000", "0.3000000000000000"},
        {123456789012345678.0, "0", "123456789012346000"},
        {1234.4, "###0", "1234"},
    });
}

TEST(FormatNumber, NegativeThatRoundsToZeroHasNoSign)
{
    expectAll({
        {-0.004, "0.00", "0.00"},
        {-0.005, "0.00", "-0.01"},
        {-0.4, "###0", "0"},
        {-0.4, "#", ""},
        {-1e-20, "##,#0.00", "0.00"},
        {-0.0, "0.00", "0.00"},
        {-0.04, "#.0", ".0"},
    });
}

TEST(FormatNumber, GroupsThousandsForLargeAndNegativeNumbers)
{
    expectAll({
        {999, "##,#0", "999"},
        {1000, "##,#0", "1,000"},
        {-999.5, "##,#0", "-1,000"},
        {-1234567.891, "##,#0", "-1,234,568"},
        {1234567890.5, "##,#0.00", "1,234,567,890.50"},
        {-987654321.125, "##,#0.00", "-987,654,321.13"},
        {100000, "#,##0", "100,000"},
        {5, "0,000,000", "0,000,005"},
        {1e21, "##,#0", "1,000,000,000,000,000,000,000"},
        {123456, "#,#", "123,456"},
    });
}

TEST(FormatNumber, FollowsTheGeneralPlaceholderRules)
{
    expectAll({
        {5, "#.##", "5."},           // the point stays even without decimals
        {0, "#", ""},
        {0, "0.#", "0."},
        {1.5, "0.0#", "1.5"},
        {1, "0.0#", "1.0"},
        {1.255, "0.0#", "1.26"},
        {1.2, "0.#0", "1.20"},       // a '0' after a '#' forces the '#' too
        {7, "000", "007"},
        {7, "0#", "07"},
        {12345, "00", "12345"},      // more integer digits than placeholders: all shown
        {12.5, ".00", "12.50"},
        {1234567, "#,##0,", "1,235"},  // a ',' before the point divides by 1000
        {1234567, "0,,.00", "1.23"},
        {0.25, "###0.", "0."},
    });
}

TEST(FormatNumber, BuildsTheLedgerPatternsForEveryDecimalCount)
{
    const double value = 1234.56789;
    const char* const quantity[] = {"1235", "1234.6", "1234.57", "1234.568", "1234.5679"};
    const char* const price[] = {"1,235", "1,234.6", "1,234.57", "1,234.568", "1,234.5679"};
    for (int decimals = 0; decimals < 5; ++decimals) {
        const QString zeros(decimals, u'0');
        const QString quantityPattern = decimals == 0 ? QStringLiteral("###0") : "###0." + zeros;
        const QString pricePattern = decimals == 0 ? QStringLiteral("##,#0") : "##,#0." + zeros;
        EXPECT_EQ(vb::Format(value, quantityPattern).toStdString(), quantity[decimals]);
        EXPECT_EQ(vb::Format(value, pricePattern).toStdString(), price[decimals]);
    }
}

TEST(FormatNumber, FormatsIntegersAndBooleansExactly)
{
    const qlonglong largest = std::numeric_limits<qlonglong>::max();
    const qlonglong smallest = std::numeric_limits<qlonglong>::min();
    EXPECT_EQ(vb::Format(QVariant(largest), "##,#0"), "9,223,372,036,854,775,807");
    EXPECT_EQ(vb::Format(QVariant(smallest), "###0"), "-9223372036854775808");
    EXPECT_EQ(vb::Format(QVariant(std::numeric_limits<qulonglong>::max()), "0"),
              "18446744073709551615");
    EXPECT_EQ(vb::Format(QVariant(int(-42)), "0.00"), "-42.00");
    EXPECT_EQ(vb::Format(QVariant(true), "0"), "-1");
    EXPECT_EQ(vb::Format(QVariant(false), "0.0"), "0.0");
    EXPECT_EQ(vb::Format(QVariant(2.5f), "0"), "3");
}

TEST(FormatNumber, FormatsNumericTextsAndLeavesOtherTextsAlone)
{
    struct TextCase {
        const char* text;
        const char* pattern;
        const char* expected;
    };
    const TextCase cases[] = {
        {"1234.5", "##,#0.00", "1,234.50"},
        {"  1234.5\t", "##,#0.00", "1,234.50"},
        {"1,234.5", "###0.0", "1234.5"},
        {"-0.004", "0.00", "0.00"},
        {"1.005", "0.00", "1.01"},
        {"1E3", "0", "1000"},
        {"&HFF", "0", "255"},
        {"+.5", "0.0", "0.5"},
        {"abc", "##,#0.00", "abc"},
        {"12abc", "0", "12abc"},
        {"1E", "0", "1E"},
        {"1e400", "0", "1e400"},
        {"", "##,#0.00", ""},
        {"   ", "0", "   "},
        {"物料", "0.00", "物料"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(vb::Format(QVariant(QString::fromUtf8(c.text)), QString::fromLatin1(c.pattern)),
                  QString::fromUtf8(c.expected));
    }
    EXPECT_EQ(vb::Format(QVariant(QByteArray("42.125")), "0.00"), "42.13");
}

TEST(FormatNumber, NullGivesEmptyTextInEveryPattern)
{
    for (const char* pattern : {"##,#0.00", "###0", "#.00", "yyyy-mm-dd", ""}) {
        EXPECT_EQ(vb::Format(QVariant(), QString::fromLatin1(pattern)), QString()) << pattern;
        EXPECT_EQ(vb::Format(QVariant::fromValue(nullptr), QString::fromLatin1(pattern)), QString())
            << pattern;
    }
}

TEST(FormatNumber, EmptyPatternGivesTheValuesText)
{
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
    for (const double value : {std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(),
                               std::numeric_limits<double>::quiet_NaN()}) {
        try {
            vb::Format(value, "0.00");
            FAIL() << value;
        } catch (const com::ComError& error) {
            EXPECT_EQ(error.number(), com::VB_OVERFLOW);
            EXPECT_EQ(error.description(), QStringLiteral("溢出"));
        }
    }
}

} // namespace

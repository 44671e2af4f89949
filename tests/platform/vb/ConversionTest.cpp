// Val, CDbl, CInt, CLng and the text of a value: where they round, where they overflow, which
// texts they read and which they refuse.
#include "platform/com/ErrorCodes.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/RuntimeErrors.h"
#include "tests/platform/RaisedError.h"

#include <QDateTime>
#include <QSize>
#include <gtest/gtest.h>

#include <limits>

using platformtest::raisedBy;

namespace {

constexpr int32_t kOverflow = com::VB_OVERFLOW;
constexpr int32_t kMismatch = com::VB_TYPE_MISMATCH;
constexpr int32_t kNull = vb::VB_INVALID_USE_OF_NULL;

TEST(CIntCLng, RoundHalfToEvenAndOverflowBeyondTheirRanges)
{
    struct Case {
        QVariant value;
        int32_t cint;  // the result, or the error number when cintError
        bool cintError;
        int32_t clng;
        bool clngError;
    };
    const Case cases[] = {
        {0.5, 0, false, 0, false}, {1.5, 2, false, 2, false}, {2.5, 2, false, 2, false},
        {-2.5, -2, false, -2, false}, {-1.5, -2, false, -2, false}, {2.5001, 3, false, 3, false},
        {0.49999999999999994, 0, false, 0, false},
        {32767.4, 32767, false, 32767, false}, {-32768.5, -32768, false, -32768, false},
        {32767.5, kOverflow, true, 32768, false}, {-32769, kOverflow, true, -32769, false},
        {QStringLiteral("40000"), kOverflow, true, 40000, false},
        {QStringLiteral("-32768.5"), -32768, false, -32768, false},
        {-2147483648.5, kOverflow, true, std::numeric_limits<int32_t>::min(), false},
        {2147483647.5, kOverflow, true, kOverflow, true},
        {qlonglong(2147483648LL), kOverflow, true, kOverflow, true},
        {std::numeric_limits<qulonglong>::max(), kOverflow, true, kOverflow, true},
        {std::numeric_limits<double>::quiet_NaN(), kOverflow, true, kOverflow, true},
        {QStringLiteral("1e400"), kOverflow, true, kOverflow, true},
        // Texts, booleans and dates.
        {QStringLiteral(" 12 "), 12, false, 12, false}, {QStringLiteral("1,234"), 1234, false, 1234, false},
        {QStringLiteral("-1.5E1"), -15, false, -15, false}, {QStringLiteral("&HFFFF"), -1, false, -1, false},
        {true, -1, false, -1, false}, {false, 0, false, 0, false},
        {QDateTime(QDate(2008, 1, 5), QTime(18, 0)), kOverflow, true, 39453, false},
        {QVariant::fromValue(QSize(1, 2)), kMismatch, true, kMismatch, true},
        {QVariant(), kNull, true, kNull, true}, {QVariant(QDate()), kNull, true, kNull, true},
        {QVariant::fromValue(nullptr), kNull, true, kNull, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toString().toStdString());
        int32_t result = 0;
        auto cint = raisedBy([&] { result = vb::CInt(c.value); });
        EXPECT_EQ(c.cintError ? cint.number : result, c.cint);
        auto clng = raisedBy([&] { result = vb::CLng(c.value); });
        EXPECT_EQ(c.clngError ? clng.number : result, c.clng);
    }
    EXPECT_EQ(raisedBy([] { vb::CInt(40000); }).description, QStringLiteral("溢出"));
    EXPECT_EQ(raisedBy([] { vb::CInt(QVariant()); }).description, QStringLiteral("无效使用 Null"));
}

TEST(CDbl, ReadsNumericTextsAndDatesAndRefusesTheRest)
{
    struct Case {
        QVariant value;
        double expected;
        int32_t error;
    };
    const Case cases[] = {
        {QStringLiteral("1,234.5"), 1234.5, 0}, {QStringLiteral("\t-0.25 "), -0.25, 0},
        {QStringLiteral("2.675"), 2.675, 0}, {QStringLiteral("1D3"), 1000.0, 0}, {7, 7.0, 0},
        {QDateTime(QDate(2008, 1, 5), QTime(6, 0)), 39452.25, 0},
        {QStringLiteral("2008-01-05"), 0, kMismatch}, {QStringLiteral("-1e999"), 0, kOverflow},
        {QVariant(), 0, kNull},
    };
    for (const Case& c : cases) {
        double result = 0;
        EXPECT_EQ(raisedBy([&] { result = vb::CDbl(c.value); }).number, c.error) << c.value.toString().toStdString();
        EXPECT_EQ(result, c.expected) << c.value.toString().toStdString();
    }
    for (const char* text : {"", " ", "abc", "12abc", "1E", "1.2.3", ",5", "&H", "&HFG"}) {
        const auto raised = raisedBy([&] { vb::CInt(QString::fromLatin1(text)); });
        EXPECT_EQ(raised.number, kMismatch) << '"' << text << '"';
        EXPECT_EQ(raised.description, QStringLiteral("类型不匹配"));
    }
}

TEST(ToText, GivesVbsTextOfEachKindOfValue)
{
    const std::pair<QVariant, const char*> cases[] = {
        {QVariant(), ""}, {42, "42"}, {qlonglong(-9007199254740993LL), "-9007199254740993"},
        {1234.5, "1234.5"}, {0.1 + 0.2, "0.3"}, {-0.0, "0"}, {100.0, "100"},
        {123456789012345.0, "123456789012345"}, {1e15, "1E+15"},
        {1234567890123456789.0, "1.23456789012346E+18"}, {0.0001, "0.0001"},
        {0.00001234, "1.234E-05"}, {-2.5e-300, "-2.5E-300"}, {true, "True"}, {false, "False"},
        {QStringLiteral("  text "), "  text "}, {QDate(2008, 1, 5), "2008-01-05"},
        {QDateTime(QDate(2008, 1, 5), QTime(0, 0)), "2008-01-05"},
        {QDateTime(QDate(2008, 1, 5), QTime(13, 4, 5)), "2008-01-05 13:04:05"},
        {QTime(7, 8, 9), "07:08:09"}, {QDate(), ""},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(vb::toText(value).toStdString(), expected) << value.typeName();
}

TEST(Val, ReadsTheLeadingNumber)
{
    const std::pair<const char16_t*, double> cases[] = {
        {u"", 0}, {u"abc", 0}, {u"1,234", 1}, {u"24 and 57", 24}, {u"1E3", 1000}, {u"1e-2", 0.01},
        {u"2.5D2", 250}, {u"1E", 1}, {u"1E+", 1}, {u"3.14.15", 3.14}, {u".5", 0.5}, {u".", 0},
        {u"-12.5kg", -12.5}, {u"+7", 7}, {u"--5", 0},
        {u" 1 2 3", 123},  // blanks, tabs and line feeds are dropped anywhere
        {u"\t4\n5", 45}, {u"1\r2", 1}, {u"1\u30002", 1}, {u"- 1 . 5 E 2", -150},
        {u"&hff", 255}, {u"&O17", 15}, {u"&H7FFF", 32767},
        {u"&HFFFF", -1}, {u"&H8000", -32768},  // up to 16 bits an Integer, then a Long
        {u"&H10000", 65536}, {u"&HFFFFFFFF", -1}, {u"&HFG", 15}, {u"&O8", 0}, {u"&X1", 0},
        {u"123456789012345678901234567890", 1.2345678901234568e29}, {u"1e-400", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(vb::Val(text), expected) << QString::fromUtf16(text).toStdString();
    // The same double as the compiler's literal, not one off in the last bit.
    for (const auto& [text, expected] : {std::pair{u"0.1", 0.1}, {u"2.675", 2.675}, {u"1234567.891", 1234567.891}})
        EXPECT_EQ(vb::Val(text), expected);
    for (const char16_t* text : {u"1E400", u"-1e309", u"&H100000000"})
        EXPECT_EQ(raisedBy([&] { vb::Val(text); }).number, kOverflow) << QString::fromUtf16(text).toStdString();
}

} // namespace

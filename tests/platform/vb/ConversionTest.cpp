// CDbl, CInt, CLng and the text of a value.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/RuntimeErrors.h"

#include <QDateTime>
#include <QSize>
#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

// Runs `call` and returns the number of the ComError it raises (0 when it raises none).
int32_t errorOf(const std::function<void()>& call, QString* description = nullptr)
{
    try {
        call();
    } catch (const com::ComError& error) {
        if (description)
            *description = error.description();
        return error.number();
    }
    return 0;
}

TEST(CInt, RoundsHalfToEven)
{
    struct Case {
        double value;
        int expected;
    };
    const Case cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {0.49999999999999994, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vb::CInt(c.value), c.expected) << c.value;
        EXPECT_EQ(vb::CLng(c.value), c.expected) << c.value;
    }
}

TEST(CInt, AcceptsTheExactBoundsAndOverflowsBeyond)
{
    EXPECT_EQ(vb::CInt(32767), 32767);
    EXPECT_EQ(vb::CInt(-32768), -32768);
    EXPECT_EQ(vb::CInt(32767.4), 32767);
    EXPECT_EQ(vb::CInt(-32768.5), -32768);  // the tie goes to the even -32768
    EXPECT_EQ(vb::CInt(QStringLiteral("-32768.5")), -32768);

    QString description;
    for (const QVariant& value : {QVariant(32767.5), QVariant(32768), QVariant(-32768.51),
                                  QVariant(-32769), QVariant(QStringLiteral("40000")),
                                  QVariant(qlonglong(1) << 40), QVariant(1e300)}) {
        EXPECT_EQ(errorOf([&] { vb::CInt(value); }, &description), com::VB_OVERFLOW)
            << value.toString().toStdString();
        EXPECT_EQ(description, QStringLiteral("溢出"));
    }
}

TEST(CLng, AcceptsTheThirtyTwoBitRange)
{
    EXPECT_EQ(vb::CLng(2147483647.0), 2147483647);
    EXPECT_EQ(vb::CLng(-2147483648.0), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(vb::CLng(-2147483648.5), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(vb::CLng(QVariant(qlonglong(2147483647))), 2147483647);
    EXPECT_EQ(vb::CLng(QStringLiteral("123456")), 123456);
    for (const QVariant& value : {QVariant(2147483647.5), QVariant(-2147483649.0),
                                  QVariant(qlonglong(2147483648LL)),
                                  QVariant(std::numeric_limits<qulonglong>::max()),
                                  QVariant(std::numeric_limits<double>::quiet_NaN()),
                                  QVariant(QStringLiteral("1e400"))}) {
        EXPECT_EQ(errorOf([&] { vb::CLng(value); }), com::VB_OVERFLOW) << value.toString().toStdString();
    }
}

TEST(CInt, ConvertsTextsBooleansAndDates)
{
    EXPECT_EQ(vb::CInt(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(vb::CInt(QStringLiteral("2.5")), 2);
    EXPECT_EQ(vb::CInt(QStringLiteral("1,234")), 1234);
    EXPECT_EQ(vb::CInt(QStringLiteral("-1.5E1")), -15);
    EXPECT_EQ(vb::CInt(QStringLiteral("&HFFFF")), -1);
    EXPECT_EQ(vb::CInt(true), -1);
    EXPECT_EQ(vb::CInt(false), 0);
    EXPECT_EQ(vb::CLng(QVariant(QDate(2008, 1, 5))), 39452);
    EXPECT_EQ(vb::CLng(QVariant(QDateTime(QDate(2008, 1, 5), QTime(18, 0)))), 39453);
}

TEST(CInt, NonNumericTextIsATypeMismatchAndNullIsInvalid)
{
    QString description;
    for (const char* text : {"", " ", "abc", "12abc", "1E", "1.2.3", ",5", "&H", "&HFG"}) {
        EXPECT_EQ(errorOf([&] { vb::CInt(QString::fromLatin1(text)); }, &description),
                  com::VB_TYPE_MISMATCH)
            << '"' << text << '"';
        EXPECT_EQ(description, QStringLiteral("类型不匹配"));
    }
    EXPECT_EQ(errorOf([] { vb::CLng(QVariant::fromValue(QSize(1, 2))); }), com::VB_TYPE_MISMATCH);

    for (const QVariant& null : {QVariant(), QVariant::fromValue(nullptr), QVariant(QDate())}) {
        EXPECT_EQ(errorOf([&] { vb::CInt(null); }, &description), vb::VB_INVALID_USE_OF_NULL);
        EXPECT_EQ(description, QStringLiteral("无效使用 Null"));
        EXPECT_EQ(errorOf([&] { vb::CLng(null); }), vb::VB_INVALID_USE_OF_NULL);
        EXPECT_EQ(errorOf([&] { vb::CDbl(null); }), vb::VB_INVALID_USE_OF_NULL);
    }
}

TEST(CDbl, ReadsNumbersTextsAndDates)
{
    EXPECT_EQ(vb::CDbl(QStringLiteral("1,234.5")), 1234.5);
    EXPECT_EQ(vb::CDbl(QStringLiteral("\t-0.25 ")), -0.25);
    EXPECT_EQ(vb::CDbl(QStringLiteral("2.675")), 2.675);
    EXPECT_EQ(vb::CDbl(QStringLiteral("1D3")), 1000.0);
    EXPECT_EQ(vb::CDbl(QVariant(7)), 7.0);
    EXPECT_EQ(vb::CDbl(QVariant(QDateTime(QDate(2008, 1, 5), QTime(6, 0)))), 39452.25);
    EXPECT_EQ(errorOf([] { vb::CDbl(QStringLiteral("2008-01-05")); }), com::VB_TYPE_MISMATCH);
    EXPECT_EQ(errorOf([] { vb::CDbl(QStringLiteral("-1e999")); }), com::VB_OVERFLOW);
}

TEST(ToText, GivesVbsTextOfEachKindOfValue)
{
    struct Case {
        QVariant value;
        const char* expected;
    };
    const Case cases[] = {
        {QVariant(), ""},
        {QVariant(42), "42"},
        {QVariant(qlonglong(-9007199254740993LL)), "-9007199254740993"},
        {QVariant(1234.5), "1234.5"},
        {QVariant(0.1 + 0.2), "0.3"},              // 15 significant digits
        {QVariant(2.675), "2.675"},
        {QVariant(-0.0), "0"},
        {QVariant(100.0), "100"},
        {QVariant(123456789012345.0), "123456789012345"},
        {QVariant(1e15), "1E+15"},
        {QVariant(1234567890123456789.0), "1.23456789012346E+18"},
        {QVariant(0.0001), "0.0001"},
        {QVariant(0.00001234), "1.234E-05"},
        {QVariant(-2.5e-300), "-2.5E-300"},
        {QVariant(true), "True"},
        {QVariant(false), "False"},
        {QVariant(QStringLiteral("  text ")), "  text "},
        {QVariant(QDate(2008, 1, 5)), "2008-01-05"},
        {QVariant(QDateTime(QDate(2008, 1, 5), QTime(0, 0))), "2008-01-05"},
        {QVariant(QDateTime(QDate(2008, 1, 5), QTime(13, 4, 5))), "2008-01-05 13:04:05"},
        {QVariant(QTime(7, 8, 9)), "07:08:09"},
        {QVariant(QDate()), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vb::toText(c.value).toStdString(), c.expected) << c.value.typeName();
}

TEST(ToText, NumbersReadBackToTheSameDouble)
{
    // Up to 15 significant digits the text is exact.
    for (const double value : {1234567.891, -0.001, 3.0e-7, 0.1, 99.99})
        EXPECT_EQ(vb::CDbl(vb::toText(value)), value);
}

} // namespace

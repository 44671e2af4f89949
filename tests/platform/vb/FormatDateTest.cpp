// Format$ with date patterns, and the day numbers through which dates and numbers convert.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

const QDateTime afternoon(QDate(2008, 1, 5), QTime(13, 45, 30));

TEST(FormatDate, PatternsInEitherCase)
{
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"yyyy-mm-dd", "2008-01-05"},
        {"YYYY-MM-DD", "2008-01-05"},
        {"Yyyy-mM-Dd", "2008-01-05"},
        {"yy/m/d", "08/1/5"},
        {"yyyy-mm-dd hh:mm:ss", "2008-01-05 13:45:30"},  // mm after hh is minutes
        {"hh:nn", "13:45"},
        {"h:mm", "13:45"},
        {"mm/yyyy hh", "01/2008 13"},                     // mm before the hour stays the month
        {"hh dd mm", "13 05 01"},                         // only right after an hour token
        {"yyyy年mm月dd日", "2008年01月05日"},
        {"d.m.yyyy", "5.1.2008"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(vb::Format(QVariant(afternoon), QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
            << c.pattern;
    }
    const QDateTime early(QDate(2009, 11, 23), QTime(9, 5, 3));
    EXPECT_EQ(vb::Format(QVariant(early), "h:m:s"), "9:5:3");
    EXPECT_EQ(vb::Format(QVariant(early), "hh:nn:ss"), "09:05:03");
}

TEST(FormatDate, AcceptsDatesDateTextsAndDayNumbers)
{
    const QVariant sameDay[] = {
        QVariant(QDate(2008, 1, 5)),
        QVariant(QDateTime(QDate(2008, 1, 5), QTime(0, 0))),
        QVariant(QStringLiteral("2008-01-05")),
        QVariant(QStringLiteral("2008-01-05 00:00:00")),
        QVariant(QStringLiteral(" 2008/1/5 ")),
        QVariant(QStringLiteral("2008-01-05T00:00:00.000")),
        QVariant(39452),
        QVariant(39452.25),
        QVariant(QStringLiteral("39452")),
    };
    for (const QVariant& value : sameDay) {
        EXPECT_EQ(vb::Format(value, "yyyy-mm-dd"), "2008-01-05") << value.toString().toStdString();
        EXPECT_EQ(vb::Format(value, "YYYY-MM-DD"), "2008-01-05") << value.toString().toStdString();
    }
    EXPECT_EQ(vb::Format(39452.5, "yyyy-mm-dd hh:nn"), "2008-01-05 12:00");
}

TEST(FormatDate, TextsThatAreNoDateComeBackUnchanged)
{
    for (const char* text : {"abc", "2008-02-30", "2008-13-01", "2008-01-05 25:00", "08-01-05", "2008-01"})
        EXPECT_EQ(vb::Format(QVariant(QString::fromLatin1(text)), "yyyy-mm-dd"), text);
    EXPECT_EQ(vb::Format(QVariant(QString()), "yyyy-mm-dd"), "");
    EXPECT_EQ(vb::Format(QVariant(QDate()), "yyyy-mm-dd"), "");
}

TEST(FormatDate, DatesInNumberPatternsAreDayNumbers)
{
    EXPECT_EQ(vb::Format(QVariant(QDate(2008, 1, 5)), "###0"), "39452");
    EXPECT_EQ(vb::Format(QVariant(QStringLiteral("2008-01-05 06:00")), "0.00"), "39452.25");
    EXPECT_EQ(vb::Format(QVariant(QDate(1899, 12, 30)), "0"), "0");
    EXPECT_EQ(vb::Format(QVariant(QDate(1900, 3, 1)), "0"), "61");
    // Before the epoch the time counts away from zero: 1899-12-29 06:00 is -1.25.
    EXPECT_EQ(vb::Format(QVariant(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), "0.00"), "-1.25");
    EXPECT_EQ(vb::Format(-1.25, "yyyy-mm-dd hh:nn"), "1899-12-29 06:00");
    EXPECT_EQ(vb::Format(-0.25, "yyyy-mm-dd hh:nn"), "1899-12-30 06:00");
}

TEST(FormatDate, DayNumbersRoundToTheSecondAndStayInVbsYears)
{
    EXPECT_EQ(vb::Format(39452.999999, "yyyy-mm-dd hh:nn:ss"), "2008-01-06 00:00:00");
    EXPECT_EQ(vb::Format(-657434.0, "yyyy-mm-dd"), "100-01-01");
    EXPECT_EQ(vb::Format(2958465.0, "yyyy-mm-dd"), "9999-12-31");
    for (const double outside : {-657435.0, 2958466.0, 1e10, -1e300}) {
        try {
            vb::Format(outside, "yyyy-mm-dd");
            FAIL() << outside;
        } catch (const com::ComError& error) {
            EXPECT_EQ(error.number(), com::VB_OVERFLOW);
        }
    }
}

TEST(FormatPattern, UnsupportedPatternsRaiseInvalidProcedureCallNamingThePattern)
{
    for (const char* pattern : {"0.00%", "0;(0)", "#,##0.0,0", "0.0.0", "ddd", "mmm", "yyy",
                                "hh AM/PM", "\"x\"0", "abc", "-", "0 kg"}) {
        try {
            vb::Format(QVariant(1.5), QString::fromLatin1(pattern));
            FAIL() << pattern;
        } catch (const com::ComError& error) {
            EXPECT_EQ(error.number(), com::VB_INVALID_PROC_CALL) << pattern;
            EXPECT_EQ(error.source(), "VBRuntime");
            EXPECT_TRUE(error.description().contains(QString::fromLatin1(pattern))) << pattern;
        }
    }
}

} // namespace

// Format$ with date patterns, the day numbers through which dates and numbers convert, and the
// patterns Format$ refuses.
#include "platform/com/ErrorCodes.h"
#include "platform/vb/Format.h"
#include "tests/platform/RaisedError.h"

#include <QDateTime>
#include <gtest/gtest.h>

TEST(FormatDate, PatternsDateTextsAndDayNumbers)
{
    const QDateTime afternoon(QDate(2008, 1, 5), QTime(13, 45, 30)), early(QDate(2009, 11, 23), QTime(9, 5, 3));
    const std::tuple<QVariant, const char*, const char*> cases[] = {
        {afternoon, "yyyy-mm-dd", "2008-01-05"}, {afternoon, "Yyyy-mM-Dd", "2008-01-05"}, {afternoon, "yy/m/d", "08/1/5"},
        {afternoon, "yyyy-mm-dd hh:mm:ss", "2008-01-05 13:45:30"},  // mm after hh is minutes
        {afternoon, "hh:nn", "13:45"}, {afternoon, "h:mm", "13:45"}, {afternoon, "mm/yyyy hh", "01/2008 13"},
        {afternoon, "hh dd mm", "13 05 01"},  // only right after an hour token
        {afternoon, "yyyy年mm月dd日", "2008年01月05日"}, {afternoon, "d.m.yyyy", "5.1.2008"}, {early, "h:m:s", "9:5:3"},
        {early, "hh:nn:ss", "09:05:03"}, {QStringLiteral("2008-01-05 00:00:00"), "yyyy-mm-dd", "2008-01-05"},
        {QStringLiteral(" 2008/1/5 "), "yyyy-mm-dd", "2008-01-05"}, {QStringLiteral("2008-01-05T00:00:00.000"), "yyyy-mm-dd", "2008-01-05"},
        {QStringLiteral("39452"), "yyyy-mm-dd", "2008-01-05"}, {QDate(), "yyyy-mm-dd", ""},
        // Day numbers count from 1899-12-30; before it the time counts away from zero.
        {QDate(2008, 1, 5), "###0", "39452"}, {QStringLiteral("2008-01-05 06:00"), "0.00", "39452.25"},
        {QDate(1899, 12, 30), "0", "0"}, {QDate(1900, 3, 1), "0", "61"}, {QDateTime(QDate(1899, 12, 29), QTime(6, 0)), "0.00", "-1.25"},
        {-1.25, "yyyy-mm-dd hh:nn", "1899-12-29 06:00"}, {-0.25, "yyyy-mm-dd hh:nn", "1899-12-30 06:00"},
        {39452.5, "yyyy-mm-dd hh:nn", "2008-01-05 12:00"}, {39452.999999, "yyyy-mm-dd hh:nn:ss", "2008-01-06 00:00:00"},
        {-657434.0, "yyyy-mm-dd", "100-01-01"}, {2958465.0, "yyyy-mm-dd", "9999-12-31"},
    };
    for (const auto& [value, pattern, expected] : cases)
        EXPECT_EQ(vb::Format(value, QString::fromUtf8(pattern)), QString::fromUtf8(expected)) << value.toString().toStdString() << " " << pattern;
    for (const char* text : {"abc", "2008-02-30", "2008-13-01", "2008-01-05 25:00", "08-01-05", "2008-01", ""})
        EXPECT_EQ(vb::Format(QVariant(QString::fromLatin1(text)), "yyyy-mm-dd"), text) << "no date: the text as it is";
    for (const double outside : {-657435.0, 2958466.0, 1e10, -1e300})
        EXPECT_EQ(platformtest::raisedBy([&] { vb::Format(outside, "yyyy-mm-dd"); }).number, com::VB_OVERFLOW) << outside;
}

TEST(FormatPattern, UnsupportedPatternsRaiseInvalidProcedureCallNamingThePattern)
{
    for (const char* pattern : {"0.00%", "0;(0)", "#,##0.0,0", "0.0.0", "ddd", "mmm", "yyy", "hh AM/PM", "\"x\"0", "abc", "-", "0 kg"}) {
        const auto raised = platformtest::raisedBy([&] { vb::Format(QVariant(1.5), QString::fromLatin1(pattern)); });
        EXPECT_EQ(raised.number, com::VB_INVALID_PROC_CALL) << pattern;
        EXPECT_TRUE(raised.description.contains(QString::fromLatin1(pattern))) << pattern;
    }
}

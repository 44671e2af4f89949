// The foundation library's format function behind FormatMsg.
#include "platform/hostapi/StandardFoundation.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

QVariantList numbered(int count)
{
    QVariantList args;
    for (int i = 1; i <= count; ++i)
        args << QStringLiteral("a%1").arg(i);
    return args;
}

TEST(FoundationFormat, Placeholders)
{
    hostapi::StandardFoundation f;
    struct Case { const char* templ; QVariantList args; const char* expected; };
    const Case cases[] = {
        {"[%1]  的%2--共计：%3条记录", {QStringLiteral("01.001(螺钉)"), QStringLiteral("历史销售价格"), 25},
         "[01.001(螺钉)]  的历史销售价格--共计：25条记录"},
        {"查找数据时出错。原因：%1", {QStringLiteral("类型不匹配")}, "查找数据时出错。原因：类型不匹配"},
        {"%2-%1-%2", {QStringLiteral("x"), QStringLiteral("y")}, "y-x-y"},
        {"no placeholders", {1, 2}, "no placeholders"},
        {"", {1}, ""},
        // Missing arguments leave the placeholder as written.
        {"%1 and %3", {QStringLiteral("x"), QStringLiteral("y")}, "x and %3"},
        {"%1", {}, "%1"},
        {"%0 %", {QStringLiteral("x")}, "%0 %"},
        {"100%", {QStringLiteral("x")}, "100%"},
        {"%%1", {QStringLiteral("x")}, "%x"},
        // Two-digit numbers when there are that many arguments, else the one-digit prefix.
        {"%10|%11|%1", numbered(11), "a10|a11|a1"},
        {"%10", numbered(2), "a10"},
        {"%12", numbered(9), "a12"},
        // Replaced text is not scanned again.
        {"%1 %2", {QStringLiteral("%2"), QStringLiteral("y")}, "%2 y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(f.Format(QString::fromUtf8(c.templ), c.args), QString::fromUtf8(c.expected)) << c.templ;
}

TEST(FoundationFormat, ArgumentTexts)
{
    hostapi::StandardFoundation f;
    const QVariantList args = {QVariant(), true, false, 12.5, 0.1, qint64(-7),
                               QDateTime(QDate(2024, 3, 5), QTime(0, 0)),
                               QDateTime(QDate(2024, 3, 5), QTime(14, 30, 2)), QDate(2023, 12, 31)};
    EXPECT_EQ(f.Format(QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9"), args),
              QStringLiteral("|True|False|12.5|0.1|-7|2024-03-05|2024-03-05 14:30:02|2023-12-31"));
}

} // namespace

// The foundation library behind the host's services: the format function behind FormatMsg, the
// string dictionary and the value-or-default helper.
#include "platform/hostapi/StandardFoundation.h"
#include "platform/hostapi/StandardValueConvert.h"
#include "platform/hostapi/StringDictionary.h"

#include <QDateTime>
#include <gtest/gtest.h>

TEST(FoundationFormat, FillsNumberedPlaceholdersWithTheArgumentsTexts)
{
    QVariantList eleven;
    for (int i = 1; i <= 11; ++i)
        eleven << QStringLiteral("a%1").arg(i);
    const std::tuple<const char*, QVariantList, const char*> cases[] = {
        {"[%1]  的%2--共计：%3条记录", {QStringLiteral("01.001(螺钉)"), QStringLiteral("历史销售价格"), 25},
         "[01.001(螺钉)]  的历史销售价格--共计：25条记录"},
        {"%2-%1-%2", {QStringLiteral("x"), QStringLiteral("y")}, "y-x-y"}, {"no placeholders", {1, 2}, "no placeholders"},
        {"%1 and %3", {QStringLiteral("x"), QStringLiteral("y")}, "x and %3"},  // a missing argument leaves it as written
        {"%1", {}, "%1"}, {"%0 %", {QStringLiteral("x")}, "%0 %"}, {"100%", {QStringLiteral("x")}, "100%"}, {"%%1", {QStringLiteral("x")}, "%x"},
        {"%10|%11|%1", eleven, "a10|a11|a1"}, {"%10", eleven.mid(0, 2), "a10"},  // two digits only with that many arguments
        {"%1 %2", {QStringLiteral("%2"), QStringLiteral("y")}, "%2 y"},  // replaced text is not scanned again
        {"%1|%2|%3|%4|%5|%6|%7|%8|%9",
         {QVariant(), true, 12.5, 0.1, qint64(-7), QDateTime(QDate(2024, 3, 5), QTime(0, 0)),
          QDateTime(QDate(2024, 3, 5), QTime(14, 30, 2)), QDate(2023, 12, 31), QStringLiteral("x")},
         "|True|12.5|0.1|-7|2024-03-05|2024-03-05 14:30:02|2023-12-31|x"},
    };
    hostapi::StandardFoundation f;
    for (const auto& [templ, args, expected] : cases)
        EXPECT_EQ(f.Format(QString::fromUtf8(templ), args), QString::fromUtf8(expected)) << templ;
}

TEST(StringDictionary, KeepsKeysExactlyAndInOrderOfAddition)
{
    hostapi::StringDictionary d;
    for (const char* key : {"a", "b", "c"})
        d.SetValue(QString::fromLatin1(key), 1);
    d.SetValue(QStringLiteral("a"), QStringLiteral("new"));  // a replaced value keeps its place
    EXPECT_FALSE(d.Exists(QStringLiteral("A")));
    EXPECT_TRUE(d.Remove(QStringLiteral("b")));
    d.SetValue(QStringLiteral("b"), 2);  // a removed key comes back at the end
    EXPECT_EQ(d.Keys(), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b")}));
    EXPECT_EQ(d.Value(QStringLiteral("a")).toString(), QStringLiteral("new"));
}

TEST(StandardValueConvert, OnlyNullGivesTheDefault)
{
    hostapi::StandardValueConvert convert;
    const QVariant fallback(QStringLiteral("—"));
    EXPECT_EQ(convert.ValueOrDefault(QVariant(), fallback), fallback);
    EXPECT_EQ(convert.ValueOrDefault(QVariant::fromValue(nullptr), fallback), fallback);
    for (const QVariant& v : {QVariant(0), QVariant(QString()), QVariant(false), QVariant(QDateTime(QDate(2024, 1, 2), QTime(0, 0)))})
        EXPECT_EQ(convert.ValueOrDefault(v, fallback), v) << v.typeName();
}

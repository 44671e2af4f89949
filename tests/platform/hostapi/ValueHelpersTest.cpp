// The foundation library's string dictionary and the value-or-default helper.
#include "platform/hostapi/StandardValueConvert.h"
#include "platform/hostapi/StringDictionary.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

TEST(StringDictionary, KeepsKeysExactlyAndInOrderOfAddition)
{
    hostapi::StringDictionary d;
    EXPECT_FALSE(d.Value(QStringLiteral("a")).isValid());
    for (const char* key : {"a", "b", "c"})
        d.SetValue(QString::fromLatin1(key), 1);
    d.SetValue(QStringLiteral("a"), QStringLiteral("new"));  // a replaced value keeps its place
    EXPECT_EQ(d.Value(QStringLiteral("a")).toString(), QStringLiteral("new"));
    EXPECT_FALSE(d.Exists(QStringLiteral("A")));
    EXPECT_TRUE(d.Remove(QStringLiteral("b")));
    EXPECT_FALSE(d.Remove(QStringLiteral("b")));
    d.SetValue(QStringLiteral("b"), 2);  // a removed key comes back at the end
    EXPECT_EQ(d.Keys(), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b")}));
    EXPECT_EQ(d.Count(), 3);
    d.Clear();
    EXPECT_TRUE(d.Keys().isEmpty());
}

TEST(StandardValueConvert, OnlyNullGivesTheDefault)
{
    hostapi::StandardValueConvert convert;
    const QVariant fallback(QStringLiteral("—"));
    EXPECT_EQ(convert.ValueOrDefault(QVariant(), fallback), fallback);
    EXPECT_EQ(convert.ValueOrDefault(QVariant::fromValue(nullptr), fallback), fallback);
    for (const QVariant& v : {QVariant(0), QVariant(0.0), QVariant(QString()), QVariant(false),
                              QVariant(QDateTime(QDate(2024, 1, 2), QTime(0, 0)))}) {
        EXPECT_EQ(convert.ValueOrDefault(v, fallback), v) << v.typeName();
        EXPECT_EQ(convert.ValueOrDefault(v, fallback).typeId(), v.typeId()) << v.typeName();
    }
}

} // namespace

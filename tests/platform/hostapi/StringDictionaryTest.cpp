// The foundation library's string-keyed dictionary.
#include "platform/hostapi/StringDictionary.h"

#include <gtest/gtest.h>

namespace {

TEST(StringDictionary, SetReplaceAndReadInOrderOfAddition)
{
    hostapi::StringDictionary d;
    EXPECT_EQ(d.Count(), 0);
    EXPECT_FALSE(d.Value(QStringLiteral("DataRightWhere")).isValid());

    d.SetValue(QStringLiteral("DataRightFrom"), QString(""));
    d.SetValue(QStringLiteral("DataRightWhere"), QStringLiteral("x"));
    d.SetValue(QStringLiteral("DataRightFrom"), QStringLiteral("from"));  // keeps its place
    EXPECT_EQ(d.Count(), 2);
    EXPECT_EQ(d.Keys(), (QStringList{QStringLiteral("DataRightFrom"), QStringLiteral("DataRightWhere")}));
    EXPECT_EQ(d.Value(QStringLiteral("DataRightFrom")).toString(), QStringLiteral("from"));
    EXPECT_TRUE(d.Exists(QStringLiteral("DataRightWhere")));
    EXPECT_FALSE(d.Exists(QStringLiteral("datarightwhere")));  // keys compare exactly
}

TEST(StringDictionary, RemoveAndClear)
{
    hostapi::StringDictionary d;
    for (const char* k : {"a", "b", "c"})
        d.SetValue(QString::fromLatin1(k), 1);
    EXPECT_TRUE(d.Remove(QStringLiteral("b")));
    EXPECT_FALSE(d.Remove(QStringLiteral("b")));
    EXPECT_EQ(d.Keys(), (QStringList{QStringLiteral("a"), QStringLiteral("c")}));
    d.SetValue(QStringLiteral("b"), 2);  // comes back at the end
    EXPECT_EQ(d.Keys(), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("b")}));
    d.Clear();
    EXPECT_EQ(d.Count(), 0);
    EXPECT_TRUE(d.Keys().isEmpty());
}

} // namespace

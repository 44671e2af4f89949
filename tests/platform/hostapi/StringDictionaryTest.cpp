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

TEST(StringDictionary, HoldsListsOfRecords)
{
    // Remembered search texts: per search key a list of records with one field "Filter".
    hostapi::StringDictionary history;
    QVariantList records;
    for (const char* text : {"螺钉", "01.002"})
        records << QVariantMap{{QStringLiteral("Filter"), QString::fromUtf8(text)}};
    history.SetValue(QStringLiteral("SearchItem"), records);
    const QVariantList back = history.Value(QStringLiteral("SearchItem")).toList();
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back[0].toMap().value(QStringLiteral("Filter")).toString(), QStringLiteral("螺钉"));
    EXPECT_EQ(back[1].toMap().value(QStringLiteral("Filter")).toString(), QStringLiteral("01.002"));
}

} // namespace

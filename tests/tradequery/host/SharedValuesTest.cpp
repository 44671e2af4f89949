// Values the host publishes in its SharedDictionary on the desktop window.
#include "platform/com/ErrorCodes.h"
#include "tests/testsupport/FakeHost.h"
#include "tradequery/host/SharedValues.h"

#include <gtest/gtest.h>

namespace {

using fakehost::FakeHost;

TEST(SharedValues, NoDictionaryGivesTheDefault)
{
    FakeHost host;
    host.sharedDictionary().setValue(QStringLiteral("MainFormWnd"), 0x20004);
    host.withdrawSharedDictionary();
    EXPECT_EQ(tq::GetSharedValue(QStringLiteral("Lang"), QStringLiteral("chs")).toString(), QStringLiteral("chs"));
    EXPECT_EQ(tq::GetMainFormWnd(), 0);
    EXPECT_TRUE(host.log().callsTo(QStringLiteral("SharedDictionary")).isEmpty());
}

TEST(SharedValues, ReadFromThePublishedDictionary)
{
    FakeHost host;
    host.sharedDictionary().setValue(QStringLiteral("Lang"), QStringLiteral("cht"));
    EXPECT_EQ(tq::GetSharedValue(QStringLiteral("Lang"), QStringLiteral("chs")).toString(), QStringLiteral("cht"));
    EXPECT_EQ(tq::GetSharedValue(QStringLiteral("Other"), 7).toInt(), 7);
    EXPECT_FALSE(tq::GetSharedValue(QStringLiteral("Other")).isValid());

    EXPECT_EQ(tq::GetMainFormWnd(), 0);
    host.setMainFormWnd(0x20004);
    EXPECT_EQ(tq::GetMainFormWnd(), 0x20004);
    host.sharedDictionary().setValue(QStringLiteral("MainFormWnd"), QStringLiteral("131076"));
    EXPECT_EQ(tq::GetMainFormWnd(), 131076);
}

TEST(SharedValues, AFailingDictionaryGivesTheDefault)
{
    FakeHost host;
    host.setMainFormWnd(0x20004);
    host.sharedDictionary().failures().fail(QStringLiteral("Item"), com::ComError(com::E_FAIL_, "dict", "broken"));
    EXPECT_EQ(tq::GetSharedValue(QStringLiteral("MainFormWnd"), -1).toInt(), -1);
    EXPECT_EQ(tq::GetMainFormWnd(), 0);
}

} // namespace

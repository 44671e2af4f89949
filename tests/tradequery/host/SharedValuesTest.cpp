// Values the host publishes in its SharedDictionary on the desktop window; without the
// dictionary, or with one that fails, the default.
#include "platform/com/ErrorCodes.h"
#include "tests/testsupport/FakeHost.h"
#include "tradequery/host/SharedValues.h"

#include <gtest/gtest.h>

namespace {

TEST(SharedValues, ReadFromThePublishedDictionaryOrTheDefault)
{
    fakehost::FakeHost host;
    host.sharedDictionary().setValue(QStringLiteral("Lang"), QStringLiteral("cht"));
    EXPECT_EQ(tq::GetSharedValue(QStringLiteral("Lang"), QStringLiteral("chs")).toString(), QStringLiteral("cht"));
    EXPECT_EQ(tq::GetSharedValue(QStringLiteral("Other"), 7).toInt(), 7);
    EXPECT_EQ(tq::GetMainFormWnd(), 0);
    host.sharedDictionary().setValue(QStringLiteral("MainFormWnd"), QStringLiteral("131076"));
    EXPECT_EQ(tq::GetMainFormWnd(), 131076);

    host.sharedDictionary().failures().fail(QStringLiteral("Item"), com::ComError(com::E_FAIL_, "dict", "broken"));
    EXPECT_EQ(tq::GetMainFormWnd(), 0);
    host.sharedDictionary().failures().clear();
    host.withdrawSharedDictionary();
    EXPECT_EQ(tq::GetSharedValue(QStringLiteral("Lang"), QStringLiteral("chs")).toString(), QStringLiteral("chs"));
    EXPECT_EQ(tq::GetMainFormWnd(), 0);
}

} // namespace

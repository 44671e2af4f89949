// Layout values in the host's settings store (section "ComTradeQuery") and values in the user
// profile, including the damaged ones a profile may hold.
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/HostGlobals.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/testsupport/FakeHost.h"
#include "tradequery/host/LayoutProfile.h"

#include <gtest/gtest.h>

namespace {

using fakehost::comErrorOf;
using fakehost::FakeHost;
using fakehost::Section;

const QString kApp = QStringLiteral("ZELTradeQuery");
const QString kWindow = QStringLiteral("BrowseBase");

TEST(LayoutSetting, ReadsAndWritesSectionComTradeQueryAndPassesAFailedSaveOn)
{
    {
        FakeHost host;
        EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ByCompany"), 1).toInt(), 1);
        tq::SaveLayoutSetting(QStringLiteral("ByCompany"), 0);
        EXPECT_EQ(host.settingsStore().stored(QStringLiteral("ComTradeQuery"), QStringLiteral("ByCompany")).toInt(), 0);

        const com::ComError full(com::E_FAIL_, QStringLiteral("SettingsStore"), QStringLiteral("磁盘已满"));
        host.settingsStore().failures().fail(QStringLiteral("Save"), full);
        EXPECT_EQ(comErrorOf([] { tq::SaveLayoutSetting(QStringLiteral("tvwKey"), QStringLiteral("gb1")); })->description(),
                  full.description());
    }
    // Without a store: the default, and no save.
    hostapi::globals().reset();
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ICItemCol3"), 1200).toInt(), 1200);
    EXPECT_EQ(comErrorOf([] { tq::SaveLayoutSetting(QStringLiteral("tvwKey"), QStringLiteral("gb1")); })->number(),
              com::VB_OBJECT_REQUIRED);
}

TEST(UserProfileValue, TextOrBooleanAsTheDefaultSays)
{
    FakeHost host;
    host.userProfiles().setSection(kApp, kWindow,
                                   Section{{"GridFont", QStringLiteral("宋体,9")}, {"Flag", QStringLiteral("True")},
                                           {"Zero", QStringLiteral("0")}, {"Number", 12}, {"Junk", QStringLiteral("abc")}});
    EXPECT_EQ(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("Number"), QString()), QVariant(QStringLiteral("12")));
    const QList<std::pair<const char*, QVariant>> booleans = {
        {"Flag", true}, {"Zero", false}, {"Number", true}, {"Missing", true}, {"Junk", QVariant()}};
    for (const auto& [key, expected] : booleans)
        EXPECT_EQ(tq::GetUserProfileValue(kApp, kWindow, QString::fromLatin1(key), true), expected) << key;
}

TEST(UserProfileValue, FailuresAreSkippedStepByStep)
{
    FakeHost host;
    host.userProfiles().setSection(kApp, kWindow, Section{{"GridFont", QStringLiteral("宋体,9")}});
    const com::ComError broken(com::E_FAIL_, QStringLiteral("UserProfile"), QStringLiteral("x"));

    // A section that cannot be loaded answers from the empty dictionary: the default.
    host.userProfileFailures().fail(QStringLiteral("Load"), broken);
    EXPECT_EQ(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QStringLiteral("none")),
              QVariant(QStringLiteral("none")));
    // No dictionary, or no profile object at all: no value.
    host.userProfileFailures().fail(QStringLiteral("Dictionary"), broken);
    EXPECT_FALSE(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QString()).isValid());
}

TEST(UserProfileValue, SavingOneKeyKeepsTheOthers)
{
    FakeHost host;
    host.userProfiles().setSection(kApp, kWindow, Section{{"A", 1}, {"GridFont", QStringLiteral("old")}, {"B", 2}});
    EXPECT_TRUE(tq::SaveUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QStringLiteral("黑体,10")));
    EXPECT_EQ(host.userProfiles().section(kApp, kWindow),
              (Section{{"A", 1}, {"GridFont", QStringLiteral("黑体,10")}, {"B", 2}}));
}

} // namespace

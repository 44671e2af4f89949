// Layout values in the host's settings store (section "ComTradeQuery") and the user profile.
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/ProgIds.h"
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
const QString kUserProfile = QString::fromLatin1(hostapi::progid::UserProfile);

TEST(LayoutSetting, ReadsAndWritesSectionComTradeQuery)
{
    FakeHost host;
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ByCompany"), 1).toInt(), 1);
    tq::SaveLayoutSetting(QStringLiteral("ByCompany"), 0);
    EXPECT_EQ(host.settingsStore().stored(QStringLiteral("ComTradeQuery"), QStringLiteral("ByCompany")).toInt(), 0);
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ByCompany"), 1).toInt(), 0);
    EXPECT_EQ(host.log().texts(), (QStringList{"SettingsStore.Get('ComTradeQuery', 'ByCompany', 1)",
                                              "SettingsStore.Save('ComTradeQuery', 'ByCompany', 0)",
                                              "SettingsStore.Get('ComTradeQuery', 'ByCompany', 1)"}));
}

TEST(LayoutSetting, NoStoreReadsTheDefaultAndCannotSave)
{
    hostapi::globals().reset();
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ICItemCol3"), 1200).toInt(), 1200);
    const auto error = comErrorOf([] { tq::SaveLayoutSetting(QStringLiteral("tvwKey"), QStringLiteral("gb1")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), com::VB_OBJECT_REQUIRED);
}

TEST(LayoutSetting, AFailingStoreSaveReachesTheCaller)
{
    FakeHost host;
    const com::ComError full(com::E_FAIL_, QStringLiteral("SettingsStore"), QStringLiteral("磁盘已满"));
    host.settingsStore().failures().fail(QStringLiteral("Save"), full);
    const auto error = comErrorOf([] { tq::SaveLayoutSetting(QStringLiteral("tvwKey"), QStringLiteral("gb1")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->description(), full.description());
}

TEST(UserProfileValue, TextOrBooleanAsTheDefaultSays)
{
    FakeHost host;
    EXPECT_EQ(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QString()), QVariant(QString()));

    host.userProfiles().setSection(kApp, kWindow,
                                   Section{{"GridFont", QStringLiteral("宋体,9")}, {"Flag", QStringLiteral("True")},
                                           {"Zero", QStringLiteral("0")}, {"Number", 12}, {"Junk", QStringLiteral("abc")}});
    EXPECT_EQ(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QString()), QVariant(QStringLiteral("宋体,9")));
    EXPECT_EQ(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("Number"), QString()), QVariant(QStringLiteral("12")));

    const QList<std::pair<const char*, QVariant>> booleans = {
        {"Flag", true}, {"Zero", false}, {"Number", true}, {"Missing", true}, {"Junk", QVariant()}};
    for (const auto& [key, expected] : booleans)
        EXPECT_EQ(tq::GetUserProfileValue(kApp, kWindow, QString::fromLatin1(key), true), expected) << key;

    EXPECT_EQ(host.log().callsTo(QStringLiteral("UserProfile"), QStringLiteral("Load")).first().text(),
              "UserProfile.Load('ZELTradeQuery', 'BrowseBase')");
    EXPECT_EQ(host.log().callsTo(QStringLiteral("ProfileDictionary"), QStringLiteral("GetValue")).first().text(),
              "ProfileDictionary.GetValue('GridFont', '')");
}

TEST(UserProfileValue, FailuresAreSkippedStepByStep)
{
    FakeHost host;
    host.userProfiles().setSection(kApp, kWindow, Section{{"GridFont", QStringLiteral("宋体,9")}});
    const com::ComError broken(com::E_FAIL_, QStringLiteral("UserProfile"), QStringLiteral("x"));

    // A section that cannot be loaded still answers, from the empty dictionary: the default.
    host.userProfileFailures().fail(QStringLiteral("Load"), broken);
    EXPECT_EQ(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QStringLiteral("none")),
              QVariant(QStringLiteral("none")));

    // No dictionary, or no profile object at all: no value.
    host.userProfileFailures().fail(QStringLiteral("Dictionary"), broken);
    EXPECT_FALSE(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QString()).isValid());
    host.userProfileFailures().clear();
    host.failCreation(kUserProfile, com::ObjectFactory::cantCreate(kUserProfile));
    EXPECT_FALSE(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QString()).isValid());
    EXPECT_FALSE(tq::GetUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), true).isValid());
}

TEST(UserProfileValue, SavingOneKeyKeepsTheOthers)
{
    FakeHost host;
    host.userProfiles().setSection(kApp, kWindow, Section{{"A", 1}, {"GridFont", QStringLiteral("old")}, {"B", 2}});
    EXPECT_TRUE(tq::SaveUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QStringLiteral("黑体,10")));

    EXPECT_EQ(host.userProfiles().section(kApp, kWindow),
              (Section{{"A", 1}, {"GridFont", QStringLiteral("黑体,10")}, {"B", 2}}));
    EXPECT_EQ(host.log().texts(), (QStringList{"ObjectFactory.create('" + kUserProfile + "')",
                                              "UserProfile.Load('ZELTradeQuery', 'BrowseBase')",
                                              "UserProfile.Dictionary()",
                                              "ProfileDictionary.SetValue('GridFont', '黑体,10')",
                                              "UserProfile.save('ZELTradeQuery', 'BrowseBase')"}));
}

TEST(UserProfileValue, SaveFailuresReachTheCaller)
{
    FakeHost host;
    host.failCreation(kUserProfile, com::ObjectFactory::cantCreate(kUserProfile));
    const auto error = comErrorOf([] { tq::SaveUserProfileValue(kApp, kWindow, QStringLiteral("GridFont"), QString()); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), com::VB_CANT_CREATE_OBJECT);
}

} // namespace

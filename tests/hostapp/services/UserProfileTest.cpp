// The user profile kept in t_UserProfile: sections per user, written back whole in one
// transaction.
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/UserProfile.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/ComErrorMatchers.h"

#include <QDate>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

namespace hostsvc {
namespace {

using namespace hostdb::demo;
using testing::InstalledServices;

const QString kApp = QStringLiteral("ZELTradeQuery");
const QString kSection = QStringLiteral("BrowseBase");

std::shared_ptr<hostapi::UserProfile> loaded(const QString& section = kSection)
{
    auto profile = com::ObjectFactory::instance().createAs<hostapi::UserProfile>(hostapi::progid::UserProfile);
    profile->Load(kApp, section);
    return profile;
}

QString valueOf(const QString& key, const QString& section = kSection)
{
    return loaded(section)->Dictionary()->GetValue(key, QStringLiteral("<none>")).toString();
}

void saveValue(const QString& key, const QVariant& value, const QString& section = kSection)
{
    auto profile = loaded(section);
    profile->Dictionary()->SetValue(key, value);
    profile->save(kApp, section);
}

class UserProfileTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString database = testsupport::copySmallDemoDatabase(folder.path());
    InstalledServices services{kAdminUserId, database};
};

TEST_F(UserProfileTest, SavingOneKeyKeepsTheOtherKeysSectionsAndUsers)
{
    saveValue(QStringLiteral("Other"), QStringLiteral("kept"));
    saveValue(QStringLiteral("GridFont"), QStringLiteral("first"), QStringLiteral("frmFind"));
    saveValue(QStringLiteral("GridFont"), QStringLiteral("second"));
    saveValue(QStringLiteral("GridFont"), QStringLiteral("宋体,10.5,0,0"));
    EXPECT_EQ(valueOf(QStringLiteral("Other")), QStringLiteral("kept"));
    EXPECT_EQ(valueOf(QStringLiteral("gridfont")), QStringLiteral("宋体,10.5,0,0"));  // any case
    EXPECT_EQ(valueOf(QStringLiteral("GridFont"), QStringLiteral("frmFind")), QStringLiteral("first"));
    EXPECT_EQ(testsupport::DemoFile(database).integer("SELECT count(*) FROM t_UserProfile WHERE FUserID=1 AND FKey='GridFont'"),
              2);  // one per section, no duplicates

    // Each user has his own sections.
    services.switchUser(kClerkUserId);
    EXPECT_EQ(valueOf(QStringLiteral("GridFont")), QStringLiteral("<none>"));
    saveValue(QStringLiteral("GridFont"), QStringLiteral("clerk's"));
    services.switchUser(kAdminUserId);
    EXPECT_EQ(valueOf(QStringLiteral("GridFont")), QStringLiteral("宋体,10.5,0,0"));
}

TEST_F(UserProfileTest, ValuesAreStoredAsTextAndNullMeansNoValue)
{
    const std::tuple<QString, QVariant, QString> values[] = {
        {QStringLiteral("Flag"), true, QStringLiteral("True")},
        {QStringLiteral("Day"), QDate(2025, 3, 9), QStringLiteral("2025-03-09")},
        {QStringLiteral("Quote"), QStringLiteral("it's"), QStringLiteral("it's")},
        {QStringLiteral("Nothing"), QVariant(), QStringLiteral("<none>")}};
    auto profile = loaded();
    for (const auto& [key, value, text] : values)
        profile->Dictionary()->SetValue(key, value);
    profile->save(kApp, kSection);
    for (const auto& [key, value, text] : values)
        EXPECT_EQ(valueOf(key), text);
}

TEST_F(UserProfileTest, AFailedSaveLeavesTheSectionAsItWas)
{
    saveValue(QStringLiteral("GridFont"), QStringLiteral("before"));
    saveValue(QStringLiteral("Other"), QStringLiteral("kept"));
    hostdb::HostDatabase::open(database)->execute(QStringLiteral(
        "CREATE TRIGGER refuse_poison BEFORE INSERT ON t_UserProfile WHEN NEW.FKey = 'Poison' "
        "BEGIN SELECT RAISE(ABORT, 'poisoned key refused'); END"));
    auto profile = loaded();
    profile->Dictionary()->SetValue(QStringLiteral("GridFont"), QStringLiteral("after"));
    profile->Dictionary()->SetValue(QStringLiteral("Poison"), 1);
    const auto error = fakehost::comErrorOf([&] { profile->save(kApp, kSection); });
    EXPECT_TRUE(error && error->description().contains(QStringLiteral("poisoned key refused")));
    EXPECT_EQ(valueOf(QStringLiteral("GridFont")), QStringLiteral("before"));
    EXPECT_EQ(valueOf(QStringLiteral("Other")), QStringLiteral("kept"));
    // No transaction was left open: the next save goes through.
    saveValue(QStringLiteral("GridFont"), QStringLiteral("later"));
    EXPECT_EQ(valueOf(QStringLiteral("GridFont")), QStringLiteral("later"));
}

} // namespace
} // namespace hostsvc

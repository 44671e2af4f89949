// Logging in and installing the services: what a login must pass, what installing puts in
// place and what uninstalling takes away.
#include "hostapp/services/HostServices.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/SharedDictionaryProperty.h"
#include "platform/hostapi/StandardValueConvert.h"
#include "tests/hostapp/database/TempSqliteFile.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/ComErrorMatchers.h"

#include <QFile>
#include <tuple>
#include <gtest/gtest.h>

namespace hostsvc {
namespace {

using namespace hostdb::demo;
using testing::InstalledServices;

const char* const kServiceProgIds[] = {
    hostapi::progid::GLData,       hostapi::progid::SystemProfile, hostapi::progid::ItemInfo,
    hostapi::progid::AppCnnExt,    hostapi::progid::AppConnection, hostapi::progid::BillDataAccess,
    hostapi::progid::Connection,   hostapi::progid::ShareProps,    hostapi::progid::UserProfile,
};

TEST(ValidateLogin, FillsTheUserNameOrRefusesWithAClearReason)
{
    const hostdb::testing::TempSqliteFile foreign("CREATE TABLE other (x);");
    const QString demo = testsupport::smallDemoDatabase();

    const std::tuple<QString, int, QString> cases[] = {
        {foreign.path(), kAdminUserId, QStringLiteral("t_User")},
        {QString(), kAdminUserId, QStringLiteral("没有指定数据库")},
        {demo, 99, QStringLiteral("用户不存在: 99")},
        {demo, 40000, QStringLiteral("用户编号 40000 无效")}};
    for (const auto& [database, userId, told] : cases) {
        LoginSession session;
        session.connectString = database;
        session.userId = userId;
        const auto error = fakehost::comErrorOf([&] { validateLogin(session); });
        ASSERT_TRUE(error) << told.toStdString();
        EXPECT_TRUE(error->description().contains(told)) << error->description().toStdString();
        EXPECT_TRUE(session.userName.isEmpty());
    }

    LoginSession good;
    good.connectString = demo;
    good.userId = kRestrictedUserId;
    validateLogin(good);
    EXPECT_EQ(good.userName, QString::fromUtf8(kRestrictedUserName));
    hostdb::HostDatabase::closeAll();
}

TEST(InstallHostServices, RegistersEveryServiceAndTheGlobalObjects)
{
    {
        InstalledServices services;
        for (const char* progId : kServiceProgIds) {
            const auto first = com::ObjectFactory::instance().create(QString::fromLatin1(progId));
            EXPECT_TRUE(first) << progId;
            EXPECT_NE(first, com::ObjectFactory::instance().create(QString::fromLatin1(progId))) << progId;
        }
        EXPECT_TRUE(hostapi::globals().settingsStore());
        EXPECT_TRUE(std::dynamic_pointer_cast<hostapi::StandardValueConvert>(hostapi::globals().valueConvert()));
        EXPECT_TRUE(hostapi::globals().foundation());
        EXPECT_NE(hostapi::publishedSharedDictionary(), nullptr);
    }
    for (const char* progId : kServiceProgIds)
        EXPECT_FALSE(com::ObjectFactory::instance().isRegistered(QString::fromLatin1(progId))) << progId;
    EXPECT_FALSE(hostapi::globals().settingsStore());
    EXPECT_FALSE(hostapi::globals().valueConvert());
    EXPECT_FALSE(hostapi::globals().foundation());
    EXPECT_EQ(hostapi::publishedSharedDictionary(), nullptr);
}

TEST(InstallHostServices, TheSettingsStoreWritesTheSessionsFileAndWarnsWhenItIsDamaged)
{
    InstalledServices services;
    hostapi::globals().settingsStore()->Save(QStringLiteral("ComTradeQuery"), QStringLiteral("ByCompany"), 2);
    EXPECT_TRUE(settingsStoreWarning().isEmpty());
    QFile file(services.session.settingsFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[ComTradeQuery\nByCompany=2 but damaged\n");
    file.close();
    EXPECT_TRUE(settingsStoreWarning().contains(services.session.settingsFile)) << settingsStoreWarning().toStdString();
}

} // namespace
} // namespace hostsvc

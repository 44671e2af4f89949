// Logging in and installing the services: what a login must pass, and the settings store the
// installed session writes to.
#include "hostapp/services/HostServices.h"
#include "platform/hostapi/HostGlobals.h"
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

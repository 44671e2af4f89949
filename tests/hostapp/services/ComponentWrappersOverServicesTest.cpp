// The component's own host wrappers running over the real host services and the demo
// database, as they do inside zelhost.
#include "tests/hostapp/services/InstalledServices.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/host/LoginProps.h"
#include "tradequery/host/Security.h"
#include "tradequery/host/SharedValues.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace hostsvc {
namespace {

using namespace hostdb::demo;
using testing::InstalledServices;
using testing::linesOf;

class ComponentWrappers : public ::testing::Test {
protected:
    void TearDown() override { tq::testing::resetGLDataObject(); }
};

TEST_F(ComponentWrappers, CnExecuteRunsServerTextOnTheLoginsDatabase)
{
    InstalledServices services(kClerkUserId);
    const auto rows = tq::CnExecute(QStringLiteral(
        "select top 1 FName from t_User where CharIndex('敏', FName) > 0"));
    EXPECT_EQ(linesOf(rows), QStringList{QString::fromUtf8(kClerkUserName)});

    const auto error = fakehost::comErrorOf([] { tq::CnExecute(QStringLiteral("select FNope from t_User")); });
    ASSERT_TRUE(error);
    EXPECT_TRUE(error->description().contains(QStringLiteral("FNope"))) << error->description().toStdString();
}

TEST_F(ComponentWrappers, UserIdAndPropertyStringComeFromTheLogin)
{
    InstalledServices services(kRestrictedUserId);
    EXPECT_EQ(tq::GetUserID(), kRestrictedUserId);
    EXPECT_EQ(tq::GetPropsString(), services.propsString());
    tq::LoadLoginProps(tq::GetPropsString());
    EXPECT_EQ(tq::LoginUserId16(), kRestrictedUserId);
    EXPECT_EQ(tq::LoginConnectString(), services.session.connectString);
}

TEST_F(ComponentWrappers, GetUserIDIsZeroWithoutAHost)
{
    { InstalledServices services; }
    EXPECT_EQ(tq::GetUserID(), 0);
}

TEST_F(ComponentWrappers, TheReportFontSizeIsThatOfTheUserWhoHasOne)
{
    InstalledServices services(kAdminUserId);
    EXPECT_EQ(tq::GetUserSettingValue(kFontSizeUserId, QStringLiteral("RptFontSize"), 9), kRptFontSize);
    EXPECT_EQ(tq::GetUserSettingValue(kFontSizeUserId, QStringLiteral(" RptFontSize "), 9), kRptFontSize);
    EXPECT_EQ(tq::GetUserSettingValue(kAdminUserId, QStringLiteral("RptFontSize"), 9), 9);
    EXPECT_EQ(tq::GetUserSettingValue(kFontSizeUserId, QStringLiteral("Missing"), 7.5), 7.5);
}

TEST_F(ComponentWrappers, TheAccessCheckLetsTheRightUsersIn)
{
    InstalledServices services(kSalesClerkUserId);
    const auto check = [](int16_t object) {
        return tq::AccessRefused(tq::GLDataObject()->AccessCheck(tq::kPriceQueryFunction, object, tq::kQueryRight));
    };
    EXPECT_FALSE(check(tq::kCustomerPriceQuery));
    EXPECT_TRUE(check(tq::kSupplierPriceQuery));
    services.switchUser(kNoRightUserId);  // the kept security object follows the login
    EXPECT_TRUE(check(tq::kCustomerPriceQuery));
}

TEST_F(ComponentWrappers, MainWindowAndLayoutValuesGoThroughTheHostsStores)
{
    QTemporaryDir folder;
    InstalledServices services(kAdminUserId, testsupport::copySmallDemoDatabase(folder.path()));
    EXPECT_EQ(tq::GetMainFormWnd(), 0);
    setSharedValue(QStringLiteral("MainFormWnd"), 31337);
    EXPECT_EQ(tq::GetMainFormWnd(), 31337);

    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ByCompany"), 1).toInt(), 1);
    tq::SaveLayoutSetting(QStringLiteral("ByCompany"), 2);
    EXPECT_EQ(tq::GetLayoutSetting(QStringLiteral("ByCompany"), 1).toInt(), 2);

    const QString app = QStringLiteral("ZELTradeQuery");
    const QString section = QStringLiteral("BrowseBase");
    EXPECT_EQ(tq::GetUserProfileValue(app, section, QStringLiteral("GridFont"), QString()).toString(), QString());
    EXPECT_TRUE(tq::SaveUserProfileValue(app, section, QStringLiteral("GridFont"), QStringLiteral("宋体,12")));
    EXPECT_TRUE(tq::SaveUserProfileValue(app, section, QStringLiteral("Bold"), true));
    EXPECT_EQ(tq::GetUserProfileValue(app, section, QStringLiteral("GridFont"), QString()).toString(),
              QStringLiteral("宋体,12"));
    const QVariant bold = tq::GetUserProfileValue(app, section, QStringLiteral("Bold"), false);
    EXPECT_EQ(bold.typeId(), QMetaType::Bool);
    EXPECT_TRUE(bold.toBool());
}

} // namespace
} // namespace hostsvc

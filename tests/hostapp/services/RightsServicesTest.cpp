// Function rights (GLData.AccessCheck) and partner data rights (ItemInfo.GetDataRight) of the
// demo users, through the ProgIDs as the component reaches them.
#include "platform/hostapi/GLData.h"
#include "platform/hostapi/ItemInfo.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/ComErrorMatchers.h"

#include <gtest/gtest.h>

namespace hostsvc {
namespace {

using namespace hostdb::demo;
using testing::InstalledServices;

std::shared_ptr<hostapi::GLData> newGLData()
{
    return com::ObjectFactory::instance().createAs<hostapi::GLData>(hostapi::progid::GLData);
}

std::shared_ptr<hostapi::ItemInfo> newItemInfo()
{
    return com::ObjectFactory::instance().createAs<hostapi::ItemInfo>(hostapi::progid::ItemInfo);
}

// -1 granted, 0 refused, "null" not controlled.
QString answerText(const QVariant& answer)
{
    return answer.isValid() ? QString::number(answer.toInt()) : QStringLiteral("null");
}

TEST(AccessCheck, AnswersEachDemoUserByHisRightRowsWhoeverIsLoggedInNow)
{
    const struct {
        int user;
        int object;
        int right;
        const char* expected;
    } cases[] = {
        {kAdminUserId, kPurchaseQueryObject, kQueryRight | kSettingsRight, "-1"},
        {kSalesClerkUserId, kSalesQueryObject, kQueryRight, "-1"},
        {kSalesClerkUserId, kPurchaseQueryObject, kQueryRight, "0"},                // no row for purchases
        {kSalesClerkUserId, kSalesQueryObject, kSettingsRight, "0"},                // row lacks the bit
        {kSalesClerkUserId, kSalesQueryObject, kQueryRight | kSettingsRight, "0"},  // needs both
        {kNoRightUserId, kSalesQueryObject, kQueryRight, "0"},
        {kRestrictedUserId, kPurchaseQueryObject, kQueryRight, "-1"},
        {kRestrictedUserId, kPurchaseQueryObject, kSettingsRight, "0"},
        {kNoRightUserId, 99, kQueryRight, "null"},  // nobody has rows: not controlled
    };
    InstalledServices services(kAdminUserId);
    // One object for every login: the component keeps its security object for the whole process.
    const auto security = newGLData();
    for (const auto& c : cases) {
        services.switchUser(c.user);
        EXPECT_EQ(answerText(security->AccessCheck(kPriceQueryFunction, c.object, c.right)),
                  QString::fromLatin1(c.expected))
            << "user " << c.user << ", object " << c.object << ", right " << std::hex << c.right;
    }
}

TEST(GetDataRight, FollowsTheLoginOfThePropertyStringAndLeavesUnrestrictedValuesUntouched)
{
    InstalledServices services(kAdminUserId);  // the installed login is not the one asked about
    const struct {
        int user;
        int16_t kind;
        bool restricted;
        int32_t value;  // 77 untouched
    } cases[] = {{kRestrictedUserId, int16_t(kCustomerDataRight), true, kRestrictedCustomerRightId},
                 {kRestrictedUserId, int16_t(kSupplierDataRight), true, kRestrictedSupplierRightId},
                 {kAdminUserId, 1, false, 77},
                 {kSalesClerkUserId, 2, false, 77}};
    for (const auto& c : cases) {
        LoginSession login = services.session;
        login.userId = c.user;
        int32_t value = 77;
        int16_t kind = c.kind;
        EXPECT_EQ(newItemInfo()->GetDataRight(buildPropsString(login), value, kind), c.restricted) << c.user;
        EXPECT_EQ(std::pair(value, kind), std::pair(c.value, c.kind)) << c.user;  // the kind is read, never written
    }
}

TEST(GetDataRight, BadArgumentsRaiseClearErrors)
{
    InstalledServices services(kRestrictedUserId);
    const struct {
        QString props;
        int16_t kind;
        const char* mentions;
    } cases[] = {
        {services.propsString(), 3, "往来单位类别"},
        {QStringLiteral("UserID=5"), 1, "ConnectString"},
        {QStringLiteral("UserID=abc;ConnectString={%1}").arg(services.session.connectString), 1, "UserID=abc"},
    };
    for (const auto& c : cases) {
        int32_t value = 0;
        int16_t kind = c.kind;
        const auto error = fakehost::comErrorOf([&] { newItemInfo()->GetDataRight(c.props, value, kind); });
        ASSERT_TRUE(error) << c.props.toStdString();
        EXPECT_TRUE(error->description().contains(QString::fromUtf8(c.mentions))) << error->description().toStdString();
    }
}

} // namespace
} // namespace hostsvc

// Calls into the host's services: what CnExecute, GetUserID, GetUserSettingValue and the
// shared values send, and what they make of host failures.
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/win/Foreground.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/testsupport/FakeHost.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/SharedValues.h"

#include <gtest/gtest.h>

namespace {

using ado::FieldType;
using fakehost::comErrorOf;
using fakehost::FakeHost;
using fakehost::rows;

const QString kAppCnnExt = QString::fromLatin1(hostapi::progid::AppCnnExt);
const QString kShareProps = QString::fromLatin1(hostapi::progid::ShareProps);

TEST(CnExecute, RunsTheTextWithTheLoginPropertiesRefusesABlankOneAndPassesHostErrorsOn)
{
    FakeHost host;
    auto error = comErrorOf([&] { tq::CnExecute(QStringLiteral("   ")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), -2147220505);
    EXPECT_EQ(error->description(), QStringLiteral("无效的参数sSql"));
    EXPECT_TRUE(host.log().calls().isEmpty()) << "refused before the host is asked";

    const QString sql = QStringLiteral("select FName from t_Item where FItemID=1");
    host.appCnnExt().sql().answer(sql, rows({{"FName", FieldType::Text}}, {{QStringLiteral("螺栓")}}));
    EXPECT_EQ(tq::CnExecute(sql)->value(QStringLiteral("FName")).toString(), QStringLiteral("螺栓"));
    EXPECT_EQ(host.log().texts(),
              (QStringList{"ObjectFactory.create('" + kAppCnnExt + "')", "ObjectFactory.create('" + kShareProps + "')",
                           "ShareProps.GetProperty(" + QString::number(win::GetCurrentProcessId()) + ", 'PropsString')",
                           "AppCnnExt.Execute('" + FakeHost::kPropsString + "', '" + sql + "')"}));

    const com::ComError database(com::hresult(0x80040E14), QStringLiteral("Microsoft OLE DB Provider for SQL Server"),
                                 QStringLiteral("列名 'FX' 无效。"));
    host.appCnnExt().failures().fail(QStringLiteral("Execute"), database);
    error = comErrorOf([] { tq::CnExecute(QStringLiteral("select FX from t_Item")); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), database.number());
    EXPECT_EQ(error->source(), database.source());
    EXPECT_EQ(error->description(), database.description());
}

TEST(GetUserID, TheSharedUserIdOrZero)
{
    FakeHost host;
    EXPECT_EQ(tq::GetUserID(), FakeHost::kUserId);
    host.setUserId(QStringLiteral("70000"));  // 32-bit: larger than the SQL conditions take
    EXPECT_EQ(tq::GetUserID(), 70000);
    for (const QVariant& unusable : {QVariant(), QVariant(QStringLiteral("abc")), QVariant(5e10)}) {
        host.setUserId(unusable);
        EXPECT_EQ(tq::GetUserID(), 0) << unusable.toString().toStdString();
    }
    host.shareProps().failures().fail(QStringLiteral("GetProperty"), com::ComError(com::E_FAIL_, "ShareProps", "x"));
    host.setUserId(5);
    EXPECT_EQ(tq::GetUserID(), 0);
}

TEST(UserSettingValue, TheLeadingNumberOfTheStoredTextOrTheDefault)
{
    FakeHost host;
    const QString sql = QStringLiteral(
        "Select FValue From t_UserSetting Where FUserID=16394 And FCategory='ZEL_APFC' And FKey ='Rpt''Size'");
    const auto read = [] { return tq::GetUserSettingValue(16394, QStringLiteral(" Rpt'Size "), 9); };
    EXPECT_EQ(read(), 9);  // no row
    EXPECT_EQ(host.sqlSent(), QStringList{sql});

    const QList<std::pair<QVariant, double>> cases = {{QStringLiteral("12"), 12}, {QStringLiteral("10.5pt"), 10.5},
                                                      {QStringLiteral(" 1 2 "), 12}, {QStringLiteral("abc"), 0},
                                                      {QStringLiteral(""), 0}, {QVariant(), 0}};
    for (const auto& [stored, expected] : cases) {
        host.connection().sql().answer(sql, rows({{"FValue", FieldType::Text}}, {{stored}}));
        EXPECT_EQ(read(), expected) << stored.toString().toStdString();
    }
    host.connection().failures().fail(QStringLiteral("Execute"), com::ComError(com::E_FAIL_, "db", "gone"));
    EXPECT_EQ(read(), 9);
}

} // namespace

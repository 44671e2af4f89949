// What the host shares with the components of its process through ShareProps: the login
// properties and the shared dictionary.
#include "hostapp/services/HostServices.h"
#include "platform/hostapi/ObjectValue.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/ShareProps.h"
#include "platform/hostapi/SharedDictionaryProperty.h"
#include "platform/win/Foreground.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/ComErrorMatchers.h"

#include <gtest/gtest.h>

namespace hostsvc {
namespace {

using namespace hostdb::demo;
using testing::InstalledServices;

QVariant property(const QString& name, int32_t processId = win::GetCurrentProcessId())
{
    auto props = com::ObjectFactory::instance().createAs<hostapi::ShareProps>(
        QString::fromLatin1(hostapi::progid::ShareProps));
    return props->GetProperty(processId, name);
}

TEST(ShareProps, AnswersTheLoginAndTheDictionaryOfThisProcess)
{
    InstalledServices services(kSalesClerkUserId);
    EXPECT_EQ(property(QStringLiteral("PropsString")).toString(), services.propsString());
    const QVariant userId = property(QStringLiteral("UserID"));
    EXPECT_EQ(userId.typeId(), QMetaType::Int);
    EXPECT_EQ(userId.toInt(), kSalesClerkUserId);
    // The other pairs of the property string, by any case.
    EXPECT_EQ(property(QStringLiteral("username")).toString(), QString::fromUtf8(kSalesClerkUserName));
    EXPECT_EQ(property(QStringLiteral("ConnectString")).toString(), services.session.connectString);
    // The shared dictionary travels as an object.
    setSharedValue(QStringLiteral("MainFormWnd"), 4242);
    const auto dictionary = hostapi::objectAs<hostapi::SharedDictionary>(property(QStringLiteral("SharedDictionary")));
    ASSERT_TRUE(dictionary);
    EXPECT_EQ(dictionary.get(), hostapi::publishedSharedDictionary());
    EXPECT_EQ(dictionary->Item(QStringLiteral("MainFormWnd")).toInt(), 4242);
}

TEST(ShareProps, RefusesOtherProcessesUnknownNamesAndAMissingLogin)
{
    struct Case {
        const char* what;
        std::function<void()> call;
        const char* mentions;
    };
    auto services = std::make_unique<InstalledServices>();
    auto props = com::ObjectFactory::instance().createAs<hostapi::ShareProps>(
        QString::fromLatin1(hostapi::progid::ShareProps));
    const Case cases[] = {
        {"another process", [&] { property(QStringLiteral("PropsString"), win::GetCurrentProcessId() + 1); }, "进程"},
        {"unknown name", [&] { property(QStringLiteral("NoSuchProperty")); }, "NoSuchProperty"},
        {"empty name", [&] { property(QString()); }, "共享属性"},
        {"no login", [&] {
             services.reset();
             int32_t pid = win::GetCurrentProcessId();
             props->GetProperty(pid, QStringLiteral("UserID"));
         }, "没有登录"},
    };
    for (const Case& c : cases) {
        const auto error = fakehost::comErrorOf(c.call);
        ASSERT_TRUE(error) << c.what;
        EXPECT_TRUE(error->description().contains(QString::fromUtf8(c.mentions))) << c.what;
    }
}

} // namespace
} // namespace hostsvc

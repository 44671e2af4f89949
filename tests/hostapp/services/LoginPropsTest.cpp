// The login property string the host publishes, read back the way the component reads it, and
// what the host shares with the components of its process through ShareProps: the login
// properties and the shared dictionary.
#include "hostapp/services/HostServices.h"
#include "hostapp/services/PropsString.h"
#include "platform/hostapi/ObjectValue.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/ShareProps.h"
#include "platform/hostapi/SharedDictionaryProperty.h"
#include "platform/win/Foreground.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tradequery/host/LoginProps.h"

#include <gtest/gtest.h>

namespace hostsvc {
namespace {

using namespace hostdb::demo;
using testing::InstalledServices;

LoginSession sessionOf(const QString& connectString, const QString& userName = QStringLiteral("张敏"))
{
    LoginSession session;
    session.connectString = connectString;
    session.userId = 2;
    session.userName = userName;
    return session;
}

TEST(PropsString, NamesTheLoginTheDatabaseAndTheLanguage)
{
    EXPECT_EQ(buildPropsString(sessionOf(QStringLiteral("/data/zel/demo.db"))),
              QStringLiteral("UserID=2;UserName={张敏};ConnectString={/data/zel/demo.db};AcctName={demo};"
                             "DBName={demo.db};Language=chs"));
    LoginSession named = sessionOf(QStringLiteral("Data Source=/data/zel/2025.db"));
    named.accountName = QStringLiteral("青禾贸易");
    EXPECT_EQ(PropsPairs(buildPropsString(named)).value(QStringLiteral("AcctName")), QStringLiteral("青禾贸易"));
}

TEST(PropsString, TheComponentReadsBackEveryValue)
{
    const struct {
        QString connectString;
        QString publishedConnectString;
        QString dbName;
    } cases[] = {
        {QStringLiteral("/data/zel/demo.db"), QStringLiteral("/data/zel/demo.db"), QStringLiteral("demo.db")},
        {QStringLiteral("Data Source=/srv/zel.db;Busy Timeout=500"),
         QStringLiteral("Data Source=/srv/zel.db;Busy Timeout=500"), QStringLiteral("zel.db")},
        // ODBC's braces around the driver name protect nothing and could not travel.
        {QStringLiteral("DRIVER={FreeTDS};SERVER=db1;PORT=1433;DATABASE=ZEL2025;UID=sa;PWD=x"),
         QStringLiteral("DRIVER=FreeTDS;SERVER=db1;PORT=1433;DATABASE=ZEL2025;UID=sa;PWD=x"), QStringLiteral("ZEL2025")},
    };
    for (const auto& c : cases) {
        const QString props = buildPropsString(sessionOf(c.connectString, QStringLiteral("li; na=x")));
        tq::LoadLoginProps(props);
        EXPECT_EQ(tq::GetLoginProp(QStringLiteral("UserName")), QStringLiteral("li; na=x"));
        EXPECT_EQ(tq::LoginConnectString(), c.publishedConnectString);
        EXPECT_EQ(tq::GetLoginProp(QStringLiteral("DBName")), c.dbName);
        // The host's own reading agrees.
        EXPECT_EQ(connectStringOf(props, QStringLiteral("test")), c.publishedConnectString);
        EXPECT_EQ(userIdOf(props, QStringLiteral("test")), 2);
    }
}

TEST(PropsString, ValuesThatCannotTravelAreRefused)
{
    for (const LoginSession& session : {sessionOf(QStringLiteral("DRIVER={x};PWD={a;b}c}")),
                                        sessionOf(QStringLiteral("/data/demo.db"), QStringLiteral("a}b"))}) {
        const auto error = fakehost::comErrorOf([&] { buildPropsString(session); });
        EXPECT_TRUE(error && error->description().contains(QStringLiteral("无法放进登录属性串")));
    }
}

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

TEST(ShareProps, RefusesOtherProcessesAndUnknownNames)
{
    InstalledServices services;
    const std::pair<std::function<QVariant()>, const char*> cases[] = {
        {[] { return property(QStringLiteral("PropsString"), win::GetCurrentProcessId() + 1); }, "进程"},
        {[] { return property(QStringLiteral("NoSuchProperty")); }, "NoSuchProperty"}};
    for (const auto& [call, told] : cases) {
        const auto error = fakehost::comErrorOf(call);
        EXPECT_TRUE(error && error->description().contains(QString::fromUtf8(told))) << told;
    }
}

} // namespace
} // namespace hostsvc

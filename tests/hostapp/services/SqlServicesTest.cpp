// The services that run SQL or read the system profile, on the demo database: what each
// returns, and the database's own message when the SQL is wrong.
#include "platform/hostapi/AppCnnExt.h"
#include "platform/hostapi/AppConnection.h"
#include "platform/hostapi/BillDataAccess.h"
#include "platform/hostapi/Connection.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/SystemProfile.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/ComErrorMatchers.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace hostsvc {
namespace {

using namespace hostdb::demo;
using testing::InstalledServices;
using testing::linesOf;

template <class T>
std::shared_ptr<T> create(const char* progId)
{
    return com::ObjectFactory::instance().createAs<T>(QString::fromLatin1(progId));
}

TEST(GetProfile, AnswersTheStoredTextOrNull)
{
    InstalledServices services;
    const auto profile = create<hostapi::SystemProfile>(hostapi::progid::SystemProfile);
    const QString props = services.propsString();
    EXPECT_EQ(profile->GetProfile(props, QStringLiteral("IC"), QStringLiteral("PrecisionOfDiscountRate")),
              QVariant(QString::number(kDiscountRatePrecision)));
    // Category and key compare as the server does: any case, trailing blanks ignored.
    EXPECT_EQ(profile->GetProfile(props, QStringLiteral("ic"), QStringLiteral("ProviderTradeTimes ")).toString(),
              QString::number(kTradeTimes));
    EXPECT_FALSE(profile->GetProfile(props, QStringLiteral("GL"), QStringLiteral("PrecisionOfDiscountRate")).isValid());
    // An apostrophe in a key is a value, not SQL.
    EXPECT_FALSE(profile->GetProfile(props, QStringLiteral("IC"), QStringLiteral("x' OR '1'='1")).isValid());
}

// The four ways the component runs SQL, each on the database of the login.
struct ExecutePath {
    const char* name;
    std::function<ado::RecordsetPtr(const InstalledServices&, const QString& sql)> run;
};

using Services = const InstalledServices&;
const ExecutePath kExecutePaths[] = {
    {"AppCnnExt",
     [](Services s, const QString& sql) { return create<hostapi::AppCnnExt>(hostapi::progid::AppCnnExt)->Execute(s.propsString(), sql); }},
    {"AppConnection", [](Services s, const QString& sql) {
         return create<hostapi::AppConnection>(hostapi::progid::AppConnection)->Execute(s.session.connectString, sql);
     }},
    {"BillDataAccess", [](Services s, const QString& sql) {
         return create<hostapi::BillDataAccess>(hostapi::progid::BillDataAccess)->ExecuteSql(s.propsString(), sql);
     }},
    {"Connection", [](Services, const QString& sql) { return create<hostapi::Connection>(hostapi::progid::Connection)->Execute(sql); }},
};

TEST(ExecutePaths, ReturnTheRowsOfAServerDialectQuery)
{
    InstalledServices services;
    const QString sql = QStringLiteral(
        "select top 2 FUserID, isnull(FName,'') + '/' as FText from t_User where FUserID >= 3 order by FUserID");
    const QStringList expected = {QStringLiteral("3|%1/").arg(QString::fromUtf8(kSalesClerkUserName)),
                                  QStringLiteral("4|%1/").arg(QString::fromUtf8(kNoRightUserName))};
    for (const ExecutePath& path : kExecutePaths)
        EXPECT_EQ(linesOf(path.run(services, sql)), expected) << path.name;
}

TEST(ExecutePaths, RefuseBadOrBlankSqlWithTheDatabasesMessage)
{
    InstalledServices services;
    const struct {
        const char* sql;
        const char* mentions;  // the database's own message for bad SQL
    } cases[] = {{"select FName from t_Nowhere", "no such table: t_Nowhere"}, {"  \r\n ", "SQL"}};
    for (const auto& c : cases) {
        for (const ExecutePath& path : kExecutePaths) {
            const auto error = fakehost::comErrorOf([&] { path.run(services, QString::fromLatin1(c.sql)); });
            EXPECT_TRUE(error && error->description().contains(QString::fromLatin1(c.mentions))) << path.name << ": " << c.sql;
        }
    }
}

TEST(ExecutePaths, StatementsChangeTheDatabaseAndAnswerNoRows)
{
    QTemporaryDir folder;
    const QString database = testsupport::copySmallDemoDatabase(folder.path());
    InstalledServices services(kAdminUserId, database);
    for (const ExecutePath& path : kExecutePaths) {
        const ado::RecordsetPtr result =
            path.run(services, QStringLiteral("IF NOT EXISTS(SELECT 1 FROM t_SystemProfile WHERE FKey='%1') INSERT INTO "
                                              "t_SystemProfile (FCategory, FKey, FValue) VALUES ('T', '%1', 'x')").arg(path.name));
        // BillDataAccess has no recordset to give; the others give a closed one.
        EXPECT_TRUE(!result || result->State() == ado::adStateClosed) << path.name;
    }
    EXPECT_EQ(testsupport::DemoFile(database).integer("SELECT count(*) FROM t_SystemProfile WHERE FCategory='T'"),
              std::size(kExecutePaths));
}

} // namespace
} // namespace hostsvc

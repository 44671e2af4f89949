// Several clerks on one PostgreSQL server at once: one program writes invoices while two
// windows list a material's history over and over, each on a connection of its own; two
// programs save their layout and the query options at the same moments.
#include "hostapp/database/PostgresDatabase.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/UserProfile.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/PostgresTestDatabase.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/QueryOptionsStore.h"

#include <QCoreApplication>
#include <QProcess>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace hostdb::demo;
using hostsvc::testing::linesOf;

std::shared_ptr<hostdb::PostgresDatabase> connect(const QString& uri)
{
    return hostdb::PostgresDatabase::open(hostdb::ConnectionTarget::parse(uri));
}

TEST(PostgresClerks, WindowsRefreshingWhileInvoicesAreWrittenSeeWholeBillsOnly)
{
    ZEL_REQUIRE_POSTGRES();
    const testsupport::PostgresTestDatabase server(testsupport::PostgresTestDatabase::Content::SmallDemo);
    QString item, history;
    {
        hostsvc::testing::InstalledServices services(kClerkUserId, server.connection());
        item = connect(server.connection())
                   ->executeTable("select FItemID from t_ICItem where FNumber = '" + samples(hostdb::DemoSize::Small).itemNumber + "'")
                   .rows.at(0).at(0).toString();
        tq::QueryOptions everything{0, 100000000};
        history = tq::GetHistorySQL(1, everything, item, 0, tq::HistoryNormalMode, QString());
    }
    constexpr int kLines = 3;
    std::atomic<bool> writing{true};
    std::atomic<int> listings{0}, halfBills{0}, bills{0};
    // Each bill copies a header and a line of the material, in one batch and one transaction.
    std::thread writer([&] {
        const auto db = connect(server.connection());
        // Until both windows have listed several times while bills were coming in.
        for (int bill = 1; bill <= 20 || (listings < 12 && bill <= 2000); ++bill) {
            const QString id = QString::number(900000 + bill);
            QString batch = "BEGIN TRANSACTION INSERT INTO ICSale select top 1 " + id + ", 'ZT" + id + "', 'ZT" + id
                            + "', FDate, FTranType, FCustID, FDeptID, FEmpID, FCurrencyID, FExchangeRate, 0, FBillerID"
                              " from ICSale where FInterID = (select top 1 FInterID from ICSaleEntry where FItemID = " + item + ")";
            for (int line = 1; line <= kLines; ++line)
                batch += " INSERT INTO ICSaleEntry select top 1 " + id + ", " + QString::number(line) + ", " + QString::number(line)
                         + ", FItemID, FAuxPropID, FUnitID, FQty, FAuxQty, FPrice, FAuxPrice, FTaxPrice, FAuxTaxPrice, FTaxRate,"
                           " FDiscountRate, FPriceDiscount, FAmount, FTaxAmount, FAmtTotalFor from ICSaleEntry where FItemID = " + item;
            db->executeTable(batch + " COMMIT TRANSACTION");
            bills = bill;
        }
        writing = false;
    });
    auto window = [&] {
        const auto db = connect(server.connection());
        do {
            const ado::RecordsetPtr rows = db->execute(history);
            QHash<QString, int> linesOfBill;
            for (; !rows->Eof(); rows->MoveNext())
                ++linesOfBill[rows->value("FBillNo").toString()];
            for (auto it = linesOfBill.cbegin(); it != linesOfBill.cend(); ++it)
                halfBills += it.key().startsWith("ZT") && it.value() != kLines;
            ++listings;
        } while (writing);
    };
    std::thread first(window), second(window);
    writer.join();
    first.join();
    second.join();
    EXPECT_EQ(halfBills, 0);
    EXPECT_GE(listings, 12);
    EXPECT_EQ(connect(server.connection())->executeTable("select count(*) from ICSaleEntry where FInterID > 900000").rows.at(0).at(0).toInt(),
              bills * kLines);
}

constexpr int kSaves = 25;

// One of the two programs below (a process of its own, as each clerk has his): logs in as
// ZEL_CLERK_USER and saves its layout and the sales options kSaves times. Disabled, so that only
// TwoClerksSavingAtOnceEachKeepTheirOwn runs it.
TEST(PostgresClerks, DISABLED_OneClerkSavingLayoutAndOptions)
{
    const int user = qEnvironmentVariableIntValue("ZEL_CLERK_USER");
    ASSERT_NE(user, 0) << "started by TwoClerksSavingAtOnceEachKeepTheirOwn only";
    hostsvc::testing::InstalledServices services(user, qEnvironmentVariable("ZEL_CLERK_DB"));
    for (int save = 1; save <= kSaves; ++save) {
        auto profile = com::ObjectFactory::instance().createAs<hostapi::UserProfile>(hostapi::progid::UserProfile);
        profile->Load("ZELTradeQuery", "BrowseBase");
        profile->Dictionary()->SetValue("tvwKey", QStringLiteral("%1-%2").arg(user).arg(save));
        profile->save("ZELTradeQuery", "BrowseBase");
        tq::QueryOptions options{0, 0};
        tq::ReadQueryOptions(1, options);
        options.TradeTimes = 100 * user + save;
        ASSERT_TRUE(tq::SaveQueryOptions(1, options)) << save;
    }
}

TEST(PostgresClerks, TwoClerksSavingAtOnceEachKeepTheirOwn)
{
    ZEL_REQUIRE_POSTGRES();
    const testsupport::PostgresTestDatabase server(testsupport::PostgresTestDatabase::Content::SmallDemo);
    QProcess clerks[2];
    for (int i = 0; i < 2; ++i) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("ZEL_CLERK_USER", QString::number(kAdminUserId + i));
        environment.insert("ZEL_CLERK_DB", server.connection());
        clerks[i].setProcessEnvironment(environment);
        clerks[i].start(QCoreApplication::applicationFilePath(), {"--gtest_also_run_disabled_tests", "--gtest_filter=PostgresClerks.DISABLED_OneClerkSavingLayoutAndOptions"});
    }
    for (QProcess& clerk : clerks) {
        ASSERT_TRUE(clerk.waitForFinished(60000));
        EXPECT_EQ(clerk.exitCode(), 0) << clerk.readAll().toStdString();
    }
    const auto db = connect(server.connection());
    for (int user : {kAdminUserId, kAdminUserId + 1})
        EXPECT_EQ(linesOf(db->execute(QStringLiteral("select FValue from t_UserProfile where FUserID = %1").arg(user))),
                  QStringList{QStringLiteral("%1-%2").arg(user).arg(kSaves)});
    const QStringList tradeTimes = linesOf(db->execute("select FValue from t_SystemProfile where FKey = 'ClientTradeTimes'"));
    EXPECT_TRUE(tradeTimes == QStringList{QString::number(100 * kAdminUserId + kSaves)}
                || tradeTimes == QStringList{QString::number(100 * (kAdminUserId + 1) + kSaves)})
        << tradeTimes.join(u',').toStdString();
}

} // namespace

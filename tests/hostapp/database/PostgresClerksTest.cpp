// Several clerks on one PostgreSQL server at once: one program writes invoices while two
// windows list a material's history over and over, each on a connection of its own.
#include "hostapp/database/PostgresDatabase.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/PostgresTestDatabase.h"
#include "tradequery/history/HistoryStatement.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace hostdb::demo;

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
        hostsvc::testing::InstalledServices services(kClerkUserId, server.uri());
        item = connect(server.uri())
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
        const auto db = connect(server.uri());
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
        const auto db = connect(server.uri());
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
    EXPECT_EQ(connect(server.uri())->executeTable("select count(*) from ICSaleEntry where FInterID > 900000").rows.at(0).at(0).toInt(),
              bills * kLines);
}

} // namespace

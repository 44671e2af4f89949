// The history statement the price-history component builds, made by its own builder over the
// host's real services and run on the small demo database, as a SQLite file and on the test
// PostgreSQL server: the rows it returns against a raw sqlite3 count of the demo file.
#include "hostapp/database/DemoData.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/PostgresTestDatabase.h"
#include "tradequery/history/HistoryStatement.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

using namespace hostdb::demo;
using hostsvc::testing::InstalledServices;
using testsupport::DemoFile;

constexpr int kSales = 1;
constexpr int kPurchase = 2;

std::string n(long long value) { return std::to_string(value); }

// The small demo data as a SQLite file, or loaded into a database of the test server.
class HistoryStatementOnDemoData : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (!GetParam())
            return;
        ZEL_REQUIRE_POSTGRES();
        server.emplace(testsupport::PostgresTestDatabase::Content::SmallDemo);
        connection = server->connection();
    }

    // The component's history statement of a node, run through the host connection.
    ado::RecordsetPtr history(int queryType, int tradeTimes, const QString& nodeKey, int partnerId = 0, int allowSelf = 0)
    {
        tq::QueryOptions options{allowSelf, tradeTimes};
        const QString sql = tq::GetHistorySQL(queryType, options, nodeKey, partnerId, tq::HistoryNormalMode, QString());
        return hostdb::HostDatabase::open(connection)->execute(sql);
    }

    std::optional<testsupport::PostgresTestDatabase> server;
    QString connection = testsupport::smallDemoDatabase();
};

INSTANTIATE_TEST_SUITE_P(Engines, HistoryStatementOnDemoData, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Postgres" : "Sqlite"; });

// Lines of uncancelled bills of one flavour meeting `where` (over u1 header, u2 line), raw.
long long rawLines(const DemoFile& file, int queryType, const std::string& where)
{
    const std::string flavour = queryType == kSales ? "ICSale u1 JOIN ICSaleEntry" : "ICPurchase u1 JOIN ICPurchaseEntry";
    return file.integer("SELECT count(*) FROM " + flavour + " u2 ON u1.FInterID=u2.FInterID WHERE u1.FCancellation=0" +
                        where);
}

TEST_P(HistoryStatementOnDemoData, ListsTheLinesARawCountFindsNewestFirst)
{
    InstalledServices services(kClerkUserId, connection);
    const DemoFile file;
    const Samples s = samples(hostdb::DemoSize::Small);
    const long long item = file.integer("SELECT FItemID FROM t_ICItem WHERE FNumber='" + s.itemNumber.toStdString() + "'");
    const long long customer = file.integer("SELECT FItemID FROM t_Organization WHERE FNumber='" + s.customerNumber.toStdString() + "'");
    const long long supplier = file.integer("SELECT FItemID FROM t_Supplier WHERE FNumber='" + s.supplierNumber.toStdString() + "'");
    const int all = 100000000;
    const struct {
        const char* what;
        int queryType;
        QString key;
        int partner;
        int allowSelf;
        std::string where;
    } cases[] = {
        // Every uncancelled line survives the inner joins of the statement.
        {"all sales", kSales, QString(), 0, 0, ""},
        {"all purchases", kPurchase, QString(), 0, 0, ""},
        {"sample material, sales", kSales, QString::number(item), 0, 0, " AND u2.FItemID=" + n(item)},
        {"sample material, own purchases", kPurchase, QString::number(item), 0, 1,
         " AND u2.FItemID=" + n(item) + " AND u1.FBillerID=" + n(kClerkUserId)},
        {"sample customer", kSales, "gb" + QString::number(customer), int(customer), 0, " AND u1.FCustID=" + n(customer)},
        {"sample supplier", kPurchase, "gb" + QString::number(supplier), int(supplier), 0, " AND u1.FSupplyID=" + n(supplier)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const long long expected = rawLines(file, c.queryType, c.where);
        EXPECT_TRUE(c.allowSelf || expected > kTradeTimes);  // the samples have long histories
        EXPECT_EQ(history(c.queryType, all, c.key, c.partner, c.allowSelf)->RecordCount(), expected);
        const ado::RecordsetPtr recent = history(c.queryType, kTradeTimes, c.key, c.partner, c.allowSelf);
        ASSERT_EQ(recent->RecordCount(), std::min<long long>(expected, kTradeTimes));
        ASSERT_GT(expected, 0);
        QDateTime previous = recent->value("FDate").toDateTime();
        for (recent->MoveNext(); !recent->Eof(); recent->MoveNext()) {
            EXPECT_LE(recent->value("FDate").toDateTime(), previous);
            previous = recent->value("FDate").toDateTime();
        }
    }
    const ado::RecordsetPtr none = history(kSales, 0, QString::number(item));
    EXPECT_EQ(none->State(), ado::adStateOpen);  // TOP 0: the columns, no rows
    EXPECT_EQ(none->RecordCount(), 0);
    EXPECT_EQ(none->Fields().Count(), 21);
    EXPECT_EQ(none->Fields().Item(0).Name(), "FNumber");  // as the statement spells it, also on a server
    EXPECT_EQ(hostdb::HostDatabase::open(connection)->execute("select * from t_Currency")->Fields().Item(0).Name(), "FCurrencyID");
}

TEST_P(HistoryStatementOnDemoData, ARestrictedUserSeesOnlyThePartnersOfHisDataRight)
{
    InstalledServices services(kRestrictedUserId, connection);
    const DemoFile file;
    const std::string visible = " AND u1.FCustID IN (SELECT FItemID FROM t_Item WHERE FItemClassID=1 AND instr(FRightUserID, '" +
                                n(kRestrictedCustomerRightId) + "')>0)";
    const long long expected = rawLines(file, kSales, visible);
    EXPECT_GT(expected, 0);
    EXPECT_LT(expected, rawLines(file, kSales, ""));
    EXPECT_EQ(history(kSales, 100000000, QString())->RecordCount(), expected);
}

// The query plan of the statement the host runs for a history: the translated text is taken
// where it reaches SQLite, then explained there. Each plan line is "detail" of the plan.
std::string historyPlan(const DemoFile& file, int queryType, const QString& nodeKey, int partnerId)
{
    std::string translated;
    sqlite3_trace_v2(hostdb::HostDatabase::open(testsupport::smallDemoDatabase())->sqliteHandle(), SQLITE_TRACE_STMT,
                     [](unsigned, void* text, void*, void* sql) {
                         if (std::string(static_cast<const char*>(sql)).find("Entry u2") != std::string::npos)
                             *static_cast<std::string*>(text) = static_cast<const char*>(sql);
                         return 0;
                     },
                     &translated);
    tq::QueryOptions options{0, kTradeTimes};
    hostdb::HostDatabase::open(testsupport::smallDemoDatabase())
        ->execute(tq::GetHistorySQL(queryType, options, nodeKey, partnerId, tq::HistoryNormalMode, QString()));
    sqlite3_trace_v2(hostdb::HostDatabase::open(testsupport::smallDemoDatabase())->sqliteHandle(), 0, nullptr, nullptr);
    std::string plan;
    for (const auto& row : file.rows("EXPLAIN QUERY PLAN " + translated))
        plan += row.at(3) + "\n";
    return plan;
}

// The busiest and the quietest material find their lines through the material's index (the
// planner cannot tell them apart), a partner its bills through the partner's; no invoice table
// is read from end to end.
TEST(HistoryPlansOnDemoData, SearchTheIntendedIndexes)
{
    InstalledServices services(kClerkUserId);
    const DemoFile file;
    const Samples s = samples(hostdb::DemoSize::Small);
    const long long busy = file.integer("SELECT FItemID FROM t_ICItem WHERE FNumber='" + s.itemNumber.toStdString() + "'");
    const long long quiet = file.integer("SELECT FItemID FROM ICSaleEntry GROUP BY FItemID ORDER BY count(*), FItemID LIMIT 1");
    const long long customer = file.integer("SELECT FItemID FROM t_Organization WHERE FNumber='" + s.customerNumber.toStdString() + "'");
    const long long supplier = file.integer("SELECT FItemID FROM t_Supplier WHERE FNumber='" + s.supplierNumber.toStdString() + "'");
    ASSERT_GT(file.integer("SELECT count(*) FROM ICSaleEntry WHERE FItemID=" + n(busy)),
              10 * file.integer("SELECT count(*) FROM ICSaleEntry WHERE FItemID=" + n(quiet)));
    const struct {
        const char* what;
        int queryType;
        QString key;
        int partner;
        const char* search;
    } cases[] = {
        {"busy material", kSales, QString::number(busy), 0, "SEARCH u2 USING INDEX ix_ICSaleEntry_ItemInter (FItemID=?)"},
        {"quiet material", kSales, QString::number(quiet), 0, "SEARCH u2 USING INDEX ix_ICSaleEntry_ItemInter (FItemID=?)"},
        {"busy material, purchases", kPurchase, QString::number(busy), 0,
         "SEARCH u2 USING INDEX ix_ICPurchaseEntry_ItemInter (FItemID=?)"},
        {"customer", kSales, "gb" + QString::number(customer), int(customer), "SEARCH u1 USING INDEX ix_ICSale_CustDate (FCustID=?)"},
        {"supplier", kPurchase, "gb" + QString::number(supplier), int(supplier),
         "SEARCH u1 USING INDEX ix_ICPurchase_SupplyDate (FSupplyID=?)"},
    };
    for (const auto& c : cases) {
        const std::string plan = historyPlan(file, c.queryType, c.key, c.partner);
        EXPECT_NE(plan.find(c.search), std::string::npos) << c.what << ":\n" << plan;
        EXPECT_EQ(plan.find("SCAN u"), std::string::npos) << c.what << ":\n" << plan;
    }
}

} // namespace

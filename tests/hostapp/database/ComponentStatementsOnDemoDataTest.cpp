// The statements the price-history component builds, made by its own builders over the host's
// real services and run on the small demo database: the rows they return against a raw sqlite3
// count of the same file, and their query plans (index searches, never scans of the invoice
// lines or the item table).
#include "hostapp/database/DemoData.h"
#include "tests/testsupport/FakeBrowseWindow.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/LayoutProfile.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <string>

namespace {

using namespace hostdb::demo;
using hostsvc::testing::InstalledServices;
using testsupport::DemoFile;

constexpr int kSales = 1;
constexpr int kPurchase = 2;

std::string n(long long value) { return std::to_string(value); }

// The component's history statement of a node, run through the host connection.
ado::RecordsetPtr history(int queryType, int tradeTimes, const QString& nodeKey, int partnerId = 0, int allowSelf = 0)
{
    tq::QueryOptions options{allowSelf, tradeTimes};
    const QString sql = tq::GetHistorySQL(queryType, options, nodeKey, partnerId, tq::HistoryNormalMode, QString());
    return hostdb::HostDatabase::open(testsupport::smallDemoDatabase())->execute(sql);
}

// Lines of uncancelled bills of one flavour meeting `where` (over u1 header, u2 line), raw.
long long rawLines(const DemoFile& file, int queryType, const std::string& where)
{
    const std::string flavour = queryType == kSales ? "ICSale u1 JOIN ICSaleEntry" : "ICPurchase u1 JOIN ICPurchaseEntry";
    return file.integer("SELECT count(*) FROM " + flavour + " u2 ON u1.FInterID=u2.FInterID WHERE u1.FCancellation=0" +
                        where);
}

TEST(HistoryStatementOnDemoData, ListsTheLinesARawCountFindsNewestFirst)
{
    InstalledServices services(kClerkUserId);
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
        if (!c.allowSelf)
            EXPECT_GT(expected, kTradeTimes);  // the samples have long histories
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
}

TEST(HistoryStatementOnDemoData, ARestrictedUserSeesOnlyThePartnersOfHisDataRight)
{
    InstalledServices services(kRestrictedUserId);
    const DemoFile file;
    const std::string visible = " AND u1.FCustID IN (SELECT FItemID FROM t_Item WHERE FItemClassID=1 AND instr(FRightUserID, '" +
                                n(kRestrictedCustomerRightId) + "')>0)";
    const long long expected = rawLines(file, kSales, visible);
    EXPECT_GT(expected, 0);
    EXPECT_LT(expected, rawLines(file, kSales, ""));
    EXPECT_EQ(history(kSales, 100000000, QString())->RecordCount(), expected);
}

// Collects the text of every statement the host's SQLite connection starts.
class StatementTrace {
public:
    explicit StatementTrace(sqlite3* db) : m_db(db) { sqlite3_trace_v2(m_db, SQLITE_TRACE_STMT, &StatementTrace::seen, this); }
    ~StatementTrace() { stop(); }
    void stop() { sqlite3_trace_v2(m_db, 0, nullptr, nullptr); }
    const QStringList& statements() const { return m_statements; }

private:
    static int seen(unsigned, void* self, void* statement, void*)
    {
        if (const char* sql = sqlite3_sql(static_cast<sqlite3_stmt*>(statement)))
            static_cast<StatementTrace*>(self)->m_statements << QString::fromUtf8(sql);
        return 0;
    }
    sqlite3* m_db;
    QStringList m_statements;
};

QString planOf(sqlite3* db, const QString& sql)
{
    QString plan;
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).toUtf8().constData(), -1, &stmt, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW)
        plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3))) + u'\n';
    sqlite3_finalize(stmt);
    return plan;
}

// Both views of the tree are built and a material three levels down is selected with its groups,
// so the tree, child and history statements all run as the component sends them.
TEST(ComponentStatementsOnDemoData, SearchTheIndexesInsteadOfScanning)
{
    InstalledServices services(kAdminUserId);
    sqlite3* db = hostdb::HostDatabase::open(testsupport::smallDemoDatabase())->sqliteHandle();
    const DemoFile file;
    const long long material = file.integer("SELECT FItemID FROM t_Item WHERE FItemClassID=4 AND FDetail=1 AND FLevel=3 LIMIT 1");
    const long long customer = file.integer("SELECT FItemID FROM t_Organization LIMIT 1 OFFSET 3");
    StatementTrace trace(db);
    {
        testsupport::FakeBrowseWindow partnerView(kSales, 0, static_cast<int32_t>(customer));
        partnerView.viewModes().StartUp();
        tq::SaveLayoutSetting(QStringLiteral("ByCompany"), 2);
        testsupport::FakeBrowseWindow itemView(kPurchase, static_cast<int32_t>(material), 0);
        itemView.viewModes().StartUp();
    }
    trace.stop();
    int histories = 0, children = 0;
    for (const QString& sql : trace.statements()) {
        const bool isHistory = sql.contains(QStringLiteral(" u1 inner join "));
        const bool isTree = sql.contains(QStringLiteral("t_Item t1"));
        // A class lists every line of its materials: its plan may scan.
        if (!(isHistory || isTree) || sql.contains(QStringLiteral("FNumber like (select")))
            continue;
        histories += isHistory;
        children += sql.contains(QStringLiteral("t1.FParentID="));
        const QString plan = planOf(db, sql);
        EXPECT_FALSE(plan.contains(QStringLiteral("SCAN"))) << sql.toStdString() << "\n" << plan.toStdString();
    }
    EXPECT_GE(histories, 2);
    EXPECT_GE(children, 2);  // the material's group and the group above it
}

TEST(ComponentStatementsOnDemoData, QuickSearchListsComeInNumberOrderWithoutSorting)
{
    const DemoFile file;
    for (const char* table : {"t_ICItem", "t_Organization", "t_Supplier"}) {
        SCOPED_TRACE(table);
        std::string plan;
        for (const auto& row : file.rows(std::string("EXPLAIN QUERY PLAN select FItemID,FName,FNumber,FParentID from ") +
                                         table + " where FDeleted=0 order by FNumber"))
            plan += row.back() + "\n";
        EXPECT_NE(plan.find(std::string("ux_") + table + "_Number"), std::string::npos) << plan;
        EXPECT_EQ(plan.find("TEMP B-TREE"), std::string::npos) << plan;
    }
}

} // namespace

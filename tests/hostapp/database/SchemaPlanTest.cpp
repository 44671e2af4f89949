// The history, tree and option statements run as index searches on a demo database (with
// its statistics), never as scans of the invoice lines or the item table.
#include "hostapp/database/DemoData.h"
#include "tests/hostapp/database/DemoDataFixture.h"
#include "tests/hostapp/database/SchemaStatements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using schematest::historySql;

std::string plan(const demotest::DemoDb& db, const std::string& sql)
{
    std::string text;
    for (const auto& row : db.rows("EXPLAIN QUERY PLAN " + sql))
        text += row.back() + "\n";
    return text;
}

struct PlanCase {
    std::string name;
    std::string sql;
    std::vector<std::string> searches;  // each must occur in the plan
};

TEST(SchemaPlan, LookupsUseTheIndexes)
{
    const demotest::DemoDb db(demotest::smallDemoPath());
    const std::string item = db.text("SELECT FItemID FROM t_ICItem ORDER BY FItemID LIMIT 1 OFFSET 7");
    const std::string customer = db.text("SELECT FItemID FROM t_Organization LIMIT 1 OFFSET 3");
    const std::string supplier = db.text("SELECT FItemID FROM t_Supplier LIMIT 1 OFFSET 3");
    const std::string group = db.text("SELECT FItemID FROM t_Item WHERE FItemClassID=4 AND FDetail=0 AND FLevel=2 LIMIT 1");
    const std::string customerGroup = db.text("SELECT FItemID FROM t_Item WHERE FItemClassID=1 AND FDetail=0 LIMIT 1");
    const std::string ownBills = "\r\n AND u1.FBillerID=" + std::to_string(hostdb::demo::kClerkUserId);
    const std::vector<PlanCase> cases = {
        {"sales history of a material", historySql(true, " AND t1.FItemID=" + item),
         {"SEARCH u2 USING INDEX ix_ICSaleEntry_ItemInter (FItemID=?)", "SEARCH u1 USING INTEGER PRIMARY KEY"}},
        {"purchase history of a material, own bills", historySql(false, " AND t1.FItemID=" + item + ownBills),
         {"SEARCH u2 USING INDEX ix_ICPurchaseEntry_ItemInter (FItemID=?)", "SEARCH u1 USING INTEGER PRIMARY KEY"}},
        {"sales history of a customer under a data right",
         historySql(true, " And tm1.FItemID = " + customer + "\r\n" + schematest::rightsClause("tm1", 21)),
         {"SEARCH u1 USING INDEX ix_ICSale_CustDate (FCustID=?)", "SEARCH u2 USING INDEX ux_ICSaleEntry_Line (FInterID=?)"}},
        {"purchase history of a supplier", historySql(false, " And tm1.FItemID = " + supplier + "\r\n"),
         {"SEARCH u1 USING INDEX ix_ICPurchase_SupplyDate (FSupplyID=?)",
          "SEARCH u2 USING INDEX ux_ICPurchaseEntry_Line (FInterID=?)"}},
        {"filtered sales history of a material",
         historySql(true, " AND t1.FItemID=" + item + " AND u2.FQty > 10 AND t1.FName Like '%螺栓%'\r\n"),
         {"SEARCH u2 USING INDEX ix_ICSaleEntry_ItemInter (FItemID=?)"}},
        {"item tree", schematest::itemTreeSql(),
         {"MULTI-INDEX OR", "ix_t_Item_Tree (FItemClassID=? AND FDetail=?)", "ix_t_Item_Parent (FItemClassID=? AND FParentID=?)"}},
        {"customer tree under a data right", schematest::partnerTreeSql(1, schematest::rightsClause("t1", 21)),
         {"MULTI-INDEX OR"}},
        {"material children", schematest::itemChildrenSql(std::stoi(group)),
         {"SEARCH t1 USING INDEX ix_t_Item_Parent (FItemClassID=? AND FParentID=?)"}},
        {"customer children", schematest::partnerChildrenSql(true, std::stoi(customerGroup)),
         {"SEARCH t1 USING INDEX ix_t_Item_Parent (FItemClassID=? AND FParentID=?)"}},
        {"material by number", "SELECT FItemID FROM t_Item WHERE FItemClassID=4 AND FNumber='01.01.001'",
         {"SEARCH t_Item USING COVERING INDEX ux_t_Item_ClassNumber (FItemClassID=? AND FNumber=?)"}},
    };
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string p = plan(db, c.sql);
        for (const std::string& search : c.searches)
            EXPECT_NE(p.find(search), std::string::npos) << "expected " << search << " in\n" << p;
        EXPECT_EQ(p.find("SCAN"), std::string::npos) << p;
    }
}

TEST(SchemaPlan, QuickSearchListsComeInNumberOrderWithoutSorting)
{
    const demotest::DemoDb db(demotest::smallDemoPath());
    const struct {
        const char* table;
        const char* index;
    } lists[] = {{"t_ICItem", "ux_t_ICItem_Number"},
                 {"t_Organization", "ux_t_Organization_Number"},
                 {"t_Supplier", "ux_t_Supplier_Number"}};
    for (const auto& l : lists) {
        SCOPED_TRACE(l.table);
        const std::string p = plan(db, std::string("select FItemID,FName,FFullName,ifnull(FHelpCode,'') as FHelpCode,"
                                                   "FNumber,FParentID from ") + l.table + " where FDeleted=0 order by FNumber");
        EXPECT_NE(p.find(l.index), std::string::npos) << p;
        EXPECT_EQ(p.find("TEMP B-TREE"), std::string::npos) << p;
    }
}

} // namespace

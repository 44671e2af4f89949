// The demo database holds what the history and tree statements need: consistent
// classifications, complete joins, amounts in the units the cells show, partner data rights
// that a substring search cannot confuse; it is the same on every generation and written
// atomically.
#include "hostapp/database/DemoData.h"
#include "platform/com/ComError.h"
#include "tests/testsupport/DemoDatabaseFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hostdb;
using DemoDb = testsupport::DemoFile;

namespace {

const DemoDb& smallDb()
{
    static const DemoDb db;
    return db;
}

std::string n(long long value) { return std::to_string(value); }

struct Flavour {
    const char* name;
    const char* header;
    const char* entry;
};
const Flavour kFlavours[] = {{"sales", "ICSale", "ICSaleEntry"}, {"purchase", "ICPurchase", "ICPurchaseEntry"}};

// Each rule counts the rows that break it: none may. (That every line also survives the
// history statement's inner joins is checked with the component's own statement in
// ComponentStatementsOnDemoDataTest.)
TEST(DemoData, NoRowBreaksTheRulesOfTheHostsData)
{
    const DemoDb& db = smallDb();
    std::vector<std::pair<std::string, std::string>> rules;  // what, SELECT count(*) of the wrong rows
    for (int itemClass : {demo::kClassMaterial, demo::kClassCustomer, demo::kClassSupplier}) {
        const std::string cls = n(itemClass), items = "SELECT count(*) FROM t_Item WHERE FItemClassID=" + cls;
        rules.push_back({"class " + cls + ": a child's number is its parent's number, a dot and its short number, one level down",
                         "SELECT count(*) FROM t_Item c JOIN t_Item p ON p.FItemID=c.FParentID WHERE c.FItemClassID=" + cls +
                             " AND NOT (c.FNumber = p.FNumber || '.' || c.FShortNumber AND c.FLevel = p.FLevel + 1 AND "
                             "p.FDetail = 0 AND p.FItemClassID = c.FItemClassID AND c.FFullName = p.FFullName || '_' || c.FName)"});
        rules.push_back({"class " + cls + ": parents exist", items + " AND FParentID<>0 AND FParentID NOT IN (SELECT FItemID FROM t_Item)"});
        rules.push_back({"class " + cls + ": top level", items + " AND FParentID=0 AND NOT (FLevel=1 AND FNumber=FShortNumber AND FFullName=FName)"});
        rules.push_back({"class " + cls + ": no empty group", items + " AND FDetail=0 AND FItemID NOT IN (SELECT FParentID FROM t_Item)"});
    }
    for (const auto& [table, itemClass] : {std::pair{"t_ICItem", demo::kClassMaterial},
                                           std::pair{"t_Organization", demo::kClassCustomer},
                                           std::pair{"t_Supplier", demo::kClassSupplier}}) {
        const std::string details = "SELECT FItemID FROM t_Item WHERE FDetail=1 AND FItemClassID=" + n(itemClass);
        rules.push_back({std::string(table) + " mirrors the details",
                         "SELECT (SELECT count(*) FROM (" + details + ") WHERE FItemID NOT IN (SELECT d.FItemID FROM " + table +
                             " d JOIN t_Item t ON t.FItemID=d.FItemID AND t.FNumber=d.FNumber AND t.FName=d.FName AND "
                             "t.FParentID=d.FParentID AND t.FFullName=d.FFullName AND t.FDeleted=d.FDeleted)) + "
                             "(SELECT count(*) FROM " + table + " WHERE FItemID NOT IN (" + details + "))"});
    }
    const std::string minor = "(CASE c.FScale WHEN 0 THEN 1 WHEN 1 THEN 10 WHEN 2 THEN 100 WHEN 3 THEN 1000 ELSE 10000 END)";
    const std::string qtyUnit = "(CASE m.FQtyDecimal WHEN 0 THEN 1 WHEN 1 THEN 10 WHEN 2 THEN 100 WHEN 3 THEN 1000 ELSE 10000 END)";
    for (const Flavour& f : kFlavours) {
        const std::string header = f.header, entry = f.entry, name = std::string(f.name) + ": ";
        const std::string lines = "SELECT count(*) FROM " + entry + " u2 JOIN " + header +
                                  " u1 ON u1.FInterID=u2.FInterID JOIN t_Currency c ON c.FCurrencyID=u1.FCurrencyID "
                                  "JOIN t_ICItem m ON m.FItemID=u2.FItemID WHERE ";
        const std::pair<std::string, std::string> flavourRules[] = {
            {"no line without its bill", "SELECT count(*) FROM " + entry + " WHERE FInterID NOT IN (SELECT FInterID FROM " + header + ")"},
            {"no bill without lines", "SELECT count(*) FROM " + header + " WHERE FInterID NOT IN (SELECT FInterID FROM " + entry + ")"},
            {"amount incl. tax is amount plus tax", lines + "abs(u2.FAmtTotalFor - u2.FAmount - u2.FTaxAmount) > 1e-6"},
            {"amounts are whole minor units of the bill's currency",
             lines + "abs(u2.FAmtTotalFor*" + minor + " - round(u2.FAmtTotalFor*" + minor + ")) > 1e-6 OR abs(u2.FAmount*" +
                 minor + " - round(u2.FAmount*" + minor + ")) > 1e-6"},
            {"quantities use the material's decimals",
             lines + "abs(u2.FAuxQty*" + qtyUnit + " - round(u2.FAuxQty*" + qtyUnit + ")) > 1e-6"},
            {"dates are ISO days of the two years",
             lines + "u1.FDate NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR u1.FDate < '" + demo::kFirstBillDate +
                 "' OR u1.FDate > '" + demo::kLastBillDate + "'"},
            {"line numbers run from 1 without gaps",
             "SELECT count(*) FROM (SELECT FInterID FROM " + entry + " GROUP BY FInterID HAVING max(FIndex)<>count(*) OR min(FIndex)<>1)"},
        };
        for (const auto& [what, sql] : flavourRules)
            rules.push_back({name + what, sql});
    }
    for (const auto& [what, sql] : rules)
        EXPECT_EQ(db.integer(sql), 0) << what << "\n" << sql;
}

TEST(DemoData, DataRightIdsNeverHitOneAnother)
{
    const DemoDb& db = smallDb();
    const struct {
        int itemClass;
        int base;
        int restrictedId;
    } kinds[] = {{demo::kClassCustomer, demo::kCustomerRightBase, demo::kRestrictedCustomerRightId},
                 {demo::kClassSupplier, demo::kSupplierRightBase, demo::kRestrictedSupplierRightId}};
    for (const auto& k : kinds) {
        const std::string partners = " FROM t_Item WHERE FItemClassID=" + n(k.itemClass);
        EXPECT_EQ(db.integer("SELECT count(*)" + partners + " AND FRightUserID=''"), 0);
        for (int id = k.base + 1; id <= k.base + 8; ++id)  // what CharIndex finds is exactly the list entries
            EXPECT_EQ(db.integer("SELECT count(*)" + partners + " AND instr(lower(FRightUserID), '" + n(id) + "')>0"),
                      db.integer("SELECT count(*)" + partners + " AND ',' || FRightUserID || ',' LIKE '%," + n(id) + ",%'"))
                << id;
        // Every partner the restricted user sees hangs under a group he sees.
        EXPECT_EQ(db.integer("SELECT count(*) FROM t_Item c JOIN t_Item p ON p.FItemID=c.FParentID WHERE c.FItemClassID=" +
                             n(k.itemClass) + " AND instr(c.FRightUserID, '" + n(k.restrictedId) + "')>0 AND instr(p.FRightUserID, '" +
                             n(k.restrictedId) + "')=0"),
                  0);
    }
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

TEST(DemoDataFile, ReplacesAnExistingFileOnlyWhenToldWithItsSidecarsAndTouchesNoOtherFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("demo.db"));
    writeFile(path, "keep me");
    writeFile(path + QStringLiteral(".tmp"), "somebody else's file");
    writeFile(path + QStringLiteral("-journal"), "what a stopped writer of the old database left");
    EXPECT_THROW(generateDemoDatabase(path, DemoSize::Small), com::ComError);
    EXPECT_EQ(readAll(path), QByteArray("keep me"));
    generateDemoDatabase(path, DemoSize::Small, ExistingFile::Replace);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), (QStringList{"demo.db", "demo.db.tmp"}));
    EXPECT_EQ(readAll(path + QStringLiteral(".tmp")), QByteArray("somebody else's file"));
    EXPECT_EQ(testsupport::contentChecksum(path), testsupport::contentChecksum(testsupport::smallDemoDatabase()));
}

} // namespace

// The demo database holds what a clerk expects and what the history and tree statements
// need: consistent classifications, complete joins, plausible invoice lines, the users and
// rights the constants name; it is the same on every generation and written atomically.
#include "hostapp/database/DemoData.h"
#include "platform/com/ComError.h"
#include "tests/testsupport/DemoDatabaseFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
    bool sales;
    const char* header;
    const char* entry;
    const char* partnerColumn;
    int partnerClass;
    int vatType;
    int plainType;
};
const Flavour kFlavours[] = {
    {"sales", true, "ICSale", "ICSaleEntry", "FCustID", demo::kClassCustomer, demo::kSalesVatType, demo::kSalesPlainType},
    {"purchase", false, "ICPurchase", "ICPurchaseEntry", "FSupplyID", demo::kClassSupplier, demo::kPurchaseVatType,
     demo::kPurchasePlainType},
};

TEST(DemoPlan, SizesHoldWhatTheyPromise)
{
    const DemoCounts large = plannedDemoCounts(DemoSize::Large);
    EXPECT_EQ(std::vector<int>({large.materials, large.customers, large.suppliers, int(large.salesLines), int(large.purchaseLines),
                                large.materialLevels}),
              std::vector<int>({50000, 5000, 2000, 1000000, 1000000, 5}));
    EXPECT_GT(large.materialGroups, 300);
    const DemoCounts small = plannedDemoCounts(DemoSize::Small);
    EXPECT_EQ(small.materialLevels, 3);
    EXPECT_EQ(small.users, demo::kUserCount);
    for (const auto& [count, low, high] : {std::tuple{small.materials, 100, 1000}, std::tuple{small.customers, 10, 100},
                                           std::tuple{small.suppliers, 10, 100}, std::tuple{int(small.salesLines), 1000, 10000},
                                           std::tuple{int(small.purchaseLines), 1000, 10000}}) {
        EXPECT_GE(count, low);
        EXPECT_LT(count, high);
    }
}

TEST(DemoData, HoldsThePlannedRows)
{
    const DemoCounts c = plannedDemoCounts(DemoSize::Small);
    const DemoDb& db = smallDb();
    auto items = [&db](int itemClass, int detail) {
        return db.integer("SELECT count(*) FROM t_Item WHERE FItemClassID=" + n(itemClass) + " AND FDetail=" + n(detail));
    };
    EXPECT_EQ(items(demo::kClassMaterial, 1), c.materials);
    EXPECT_EQ(items(demo::kClassMaterial, 0), c.materialGroups);
    EXPECT_EQ(db.integer("SELECT max(FLevel) FROM t_Item WHERE FItemClassID=4"), c.materialLevels);
    EXPECT_EQ(items(demo::kClassCustomer, 1), c.customers);
    EXPECT_EQ(items(demo::kClassCustomer, 0), c.customerGroups);
    EXPECT_EQ(items(demo::kClassSupplier, 1), c.suppliers);
    EXPECT_EQ(items(demo::kClassSupplier, 0), c.supplierGroups);
    EXPECT_EQ(items(demo::kClassDepartment, 1), c.departments);
    EXPECT_EQ(items(demo::kClassEmployee, 1), c.employees);
    EXPECT_EQ(db.integer("SELECT count(*) FROM t_User"), c.users);
    EXPECT_EQ(db.integer("SELECT count(*) FROM ICSaleEntry"), c.salesLines);
    EXPECT_EQ(db.integer("SELECT count(*) FROM ICPurchaseEntry"), c.purchaseLines);
    EXPECT_EQ(db.integer("PRAGMA user_version"), demo::kDataVersion);
}

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
        rules.push_back({"class " + cls + ": some details hang under the root", "SELECT (" + items +
                                                                                 " AND FParentID=0 AND FDetail=1) = 0"});
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
    rules.push_back({"materials have units", "SELECT count(*) FROM t_ICItem WHERE FUnitID NOT IN (SELECT FItemID FROM t_MeasureUnit)"});
    rules.push_back({"a clerk tells materials apart by name and model",
                     "SELECT count(*) - count(DISTINCT FName || '/' || FModel) FROM t_ICItem"});
    rules.push_back({"the empty auxiliary property", "SELECT 1 - count(*) FROM t_AuxItem WHERE FItemID=0 AND FNumber='' AND FName=''"});
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
            // Departments and salesmen are optional (left joins) but never point nowhere.
            {"departments and salesmen exist",
             "SELECT count(*) FROM " + header + " WHERE (FDeptID<>0 AND FDeptID NOT IN (SELECT FItemID FROM t_Item WHERE "
             "FItemClassID=2)) OR (FEmpID<>0 AND FEmpID NOT IN (SELECT FItemID FROM t_Item WHERE FItemClassID=3))"},
            {"some bills have no salesman", "SELECT count(*) = 0 FROM " + header + " WHERE FEmpID=0"},
            {"base and auxiliary values agree (unit coefficient 1)",
             lines + "u2.FQty<>u2.FAuxQty OR u2.FPrice<>u2.FAuxPrice OR u2.FTaxPrice<>u2.FAuxTaxPrice"},
            {"the bill number the user sees is the bill number", lines + "u1.FBillID<>u1.FBillNo"},
            {"amount incl. tax is amount plus tax", lines + "abs(u2.FAmtTotalFor - u2.FAmount - u2.FTaxAmount) > 1e-6"},
            {"amounts are whole minor units of the bill's currency",
             lines + "abs(u2.FAmtTotalFor*" + minor + " - round(u2.FAmtTotalFor*" + minor + ")) > 1e-6 OR abs(u2.FAmount*" +
                 minor + " - round(u2.FAmount*" + minor + ")) > 1e-6"},
            {"amount incl. tax is quantity times actual price",
             lines + "abs(u2.FAmtTotalFor - u2.FAuxQty*u2.FPriceDiscount) > 0.5/" + minor + " + 1e-9"},
            {"actual price is the price less the discount",
             lines + "abs(u2.FPriceDiscount - u2.FAuxTaxPrice*(1 - u2.FDiscountRate/100)) > 1e-6"},
            {"VAT lines carry 9% or 13% tax",
             lines + "u1.FTranType=" + n(f.vatType) + " AND (u2.FTaxRate NOT IN (9,13) OR u2.FAuxTaxPrice < u2.FAuxPrice "
                     "OR abs(u2.FTaxAmount - u2.FAmount*u2.FTaxRate/100) > 1.0/" + minor + ")"},
            {"plain lines carry no tax", lines + "u1.FTranType=" + n(f.plainType) +
                                             " AND (u2.FTaxAmount<>0 OR u2.FTaxRate<>0 OR u2.FAuxTaxPrice<>u2.FAuxPrice)"},
            {"only the two invoice types", lines + "u1.FTranType NOT IN (" + n(f.vatType) + "," + n(f.plainType) + ")"},
            {"quantities and prices are positive", lines + "u2.FAuxQty<=0 OR u2.FAuxTaxPrice<=0 OR u2.FAmtTotalFor<=0"},
            {"quantities use the material's decimals",
             lines + "abs(u2.FAuxQty*" + qtyUnit + " - round(u2.FAuxQty*" + qtyUnit + ")) > 1e-6"},
            {"lines use the material's unit", lines + "u2.FUnitID<>m.FUnitID"},
            {"dates are ISO days of the two years",
             lines + "u1.FDate NOT GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR u1.FDate < '" + demo::kFirstBillDate +
                 "' OR u1.FDate > '" + demo::kLastBillDate + "'"},
            {"line numbers", lines + "u2.FEntryID<>u2.FIndex OR u2.FIndex < 1"},
            {"line numbers run from 1 without gaps",
             "SELECT count(*) FROM (SELECT FInterID FROM " + entry + " GROUP BY FInterID HAVING max(FIndex)<>count(*))"},
            {"bill numbers", "SELECT count(*) FROM " + header + " WHERE FBillNo NOT GLOB '" + (f.sales ? "XSFP" : "CGFP") +
                                 "[0-9][0-9][0-9][0-9][0-9][0-9]'"},
        };
        for (const auto& [what, sql] : flavourRules)
            rules.push_back({name + what, sql});
    }
    for (const auto& [what, sql] : rules)
        EXPECT_EQ(db.integer(sql), 0) << what << "\n" << sql;
}

TEST(DemoData, IsVariedLikeARealLedger)
{
    const DemoDb& db = smallDb();
    EXPECT_EQ(db.text("SELECT group_concat(FCurrencyID) FROM (SELECT DISTINCT FCurrencyID FROM ICSale ORDER BY 1)"),
              "1,2,3,4,5,6");
    EXPECT_EQ(db.text("SELECT group_concat(s) FROM (SELECT DISTINCT FScale s FROM t_Currency ORDER BY 1)"), "0,2,3");
    EXPECT_GE(db.integer("SELECT count(DISTINCT FCurrencyID) FROM ICPurchase"), 4);
    EXPECT_EQ(db.text("SELECT group_concat(d) FROM (SELECT DISTINCT FQtyDecimal d FROM t_ICItem ORDER BY 1)"), "0,1,2,3,4");
    EXPECT_EQ(db.text("SELECT group_concat(d) FROM (SELECT DISTINCT FPriceDecimal d FROM t_ICItem ORDER BY 1)"), "0,2,3,4");
    EXPECT_EQ(db.text("SELECT group_concat(r) FROM (SELECT DISTINCT FTaxRate r FROM ICSaleEntry ORDER BY 1)"),
              "0.0,9.0,13.0");
    for (const Flavour& f : kFlavours) {
        SCOPED_TRACE(f.name);
        const double bills = 1.0 * db.integer(std::string("SELECT count(*) FROM ") + f.header);
        const double lines = 1.0 * db.integer(std::string("SELECT count(*) FROM ") + f.entry);
        const double cancelled = 1.0 * db.integer(std::string("SELECT count(*) FROM ") + f.header + " WHERE FCancellation=1");
        EXPECT_GT(cancelled / bills, 0.005);
        EXPECT_LT(cancelled / bills, 0.05);
        const double plain = 1.0 * db.integer(std::string("SELECT count(*) FROM ") + f.header + " WHERE FTranType=" + n(f.plainType));
        EXPECT_GT(plain / bills, 0.03);
        EXPECT_LT(plain / bills, 0.4);
        const double withAux = 1.0 * db.integer(std::string("SELECT count(*) FROM ") + f.entry + " WHERE FAuxPropID<>0");
        EXPECT_GT(withAux / lines, 0.01);
        EXPECT_LT(withAux / lines, 0.5);
        const double discounted = 1.0 * db.integer(std::string("SELECT count(*) FROM ") + f.entry + " WHERE FDiscountRate<>0");
        EXPECT_GT(discounted / lines, 0.02);
        EXPECT_LT(discounted / lines, 0.5);
        EXPECT_GE(db.integer(std::string("SELECT count(DISTINCT FBillerID) FROM ") + f.header), 3);
        EXPECT_GE(db.integer(std::string("SELECT count(DISTINCT substr(FDate,1,7)) FROM ") + f.header), 24);
    }
    // Foreign partners are invoiced in their currency, without VAT.
    EXPECT_EQ(db.integer("SELECT count(*) FROM ICSale WHERE FCurrencyID<>1 AND (FTranType<>81 OR FExchangeRate=1)"), 0);
    EXPECT_EQ(db.integer("SELECT count(*) FROM ICSale WHERE FCurrencyID=1 AND FExchangeRate<>1"), 0);
}

TEST(DemoData, UsersAreTheOnesTheirConstantsName)
{
    const DemoDb& db = smallDb();
    EXPECT_EQ(db.rows("SELECT FUserID, FName FROM t_User ORDER BY FUserID"),
              (std::vector<std::vector<std::string>>{{n(demo::kAdminUserId), demo::kAdminUserName},
                                                     {n(demo::kClerkUserId), demo::kClerkUserName},
                                                     {n(demo::kSalesClerkUserId), demo::kSalesClerkUserName},
                                                     {n(demo::kNoRightUserId), demo::kNoRightUserName},
                                                     {n(demo::kRestrictedUserId), demo::kRestrictedUserName}}));
    // The function rights and data rights of each user are read through the rights services on
    // this database (RightsServicesTest); here, that no other user holds a data right.
    EXPECT_EQ(db.rows("SELECT FUserID, FKind, FRightID FROM t_UserDataRight ORDER BY FKind"),
              (std::vector<std::vector<std::string>>{
                  {n(demo::kRestrictedUserId), n(demo::kCustomerDataRight), n(demo::kRestrictedCustomerRightId)},
                  {n(demo::kRestrictedUserId), n(demo::kSupplierDataRight), n(demo::kRestrictedSupplierRightId)}}));
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
        for (int id = k.base + 1; id <= k.base + 8; ++id) {
            SCOPED_TRACE(id);
            // What the component's CharIndex finds is exactly the list entries.
            EXPECT_EQ(db.integer("SELECT count(*)" + partners + " AND instr(lower(FRightUserID), '" + n(id) + "')>0"),
                      db.integer("SELECT count(*)" + partners + " AND ',' || FRightUserID || ',' LIKE '%," + n(id) + ",%'"));
        }
        // The restricted user sees some partners, not all, and each of them hangs under a visible group.
        const std::string visible = " AND instr(FRightUserID, '" + n(k.restrictedId) + "')>0";
        const long long seen = db.integer("SELECT count(*)" + partners + " AND FDetail=1" + visible);
        EXPECT_GT(seen, 0);
        EXPECT_LT(seen, db.integer("SELECT count(*)" + partners + " AND FDetail=1"));
        EXPECT_EQ(db.integer("SELECT count(*) FROM t_Item c JOIN t_Item p ON p.FItemID=c.FParentID WHERE c.FItemClassID=" +
                             n(k.itemClass) + " AND instr(c.FRightUserID, '" + n(k.restrictedId) + "')>0 AND instr(p.FRightUserID, '" +
                             n(k.restrictedId) + "')=0"),
                  0);
    }
}

TEST(DemoData, OptionRowsListRecentLines)
{
    const DemoDb& db = smallDb();
    EXPECT_EQ(db.rows("SELECT FKey, FValue FROM t_SystemProfile WHERE FCategory='IC' ORDER BY FKey"),
              (std::vector<std::vector<std::string>>{{"ClientAllowSelf", n(demo::kAllowSelf)},
                                                     {"ClientTradeTimes", n(demo::kTradeTimes)},
                                                     {"PrecisionOfDiscountRate", n(demo::kDiscountRatePrecision)},
                                                     {"ProviderAllowSelf", n(demo::kAllowSelf)},
                                                     {"ProviderTradeTimes", n(demo::kTradeTimes)}}));
    EXPECT_EQ(db.rows("SELECT FUserID, FValue FROM t_UserSetting WHERE FCategory='ZEL_APFC' AND FKey='RptFontSize'"),
              (std::vector<std::vector<std::string>>{{n(demo::kFontSizeUserId), n(demo::kRptFontSize)}}));
}

TEST(DemoData, SamplesAreEverydayDomesticPartners)
{
    // Not the catch-all partners under the root; their long histories are checked with the
    // component's statement.
    const demo::Samples s = demo::samples(DemoSize::Small);
    EXPECT_TRUE(s.customerNumber.contains(QLatin1Char('.')));
    EXPECT_TRUE(s.supplierNumber.contains(QLatin1Char('.')));
}

// ---- files ----

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

TEST(DemoDataFile, ReplacesAnExistingFileOrALeftoverOnlyWhenToldAndAlwaysWithTheSameContent)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("demo.db"));
    writeFile(path, "keep me");
    writeFile(path + QStringLiteral(".tmp"), "half a database from an interrupted run");
    try {
        generateDemoDatabase(path, DemoSize::Small);
        FAIL() << "an existing file must be refused";
    } catch (const com::ComError& e) {
        EXPECT_TRUE(e.description().contains(path) && e.description().contains(QStringLiteral("已存在"))) << e.what();
    }
    EXPECT_EQ(readAll(path), QByteArray("keep me"));

    const DemoReport report = generateDemoDatabase(path, DemoSize::Small, ExistingFile::Replace);
    EXPECT_EQ(report.counts.salesLines, plannedDemoCounts(DemoSize::Small).salesLines);
    EXPECT_GT(report.salesBills, 0);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("demo.db")});
    EXPECT_EQ(testsupport::contentChecksum(path), testsupport::contentChecksum(testsupport::smallDemoDatabase()));
}

TEST(DemoDataFile, FailuresGiveAClearErrorAndLeaveNothingBehind)
{
    QTemporaryDir folder;
    const QString aFolder = folder.filePath(QStringLiteral("existing-folder"));
    ASSERT_TRUE(QDir().mkpath(aFolder));
    const struct {
        const char* what;
        QString path;
        QString messagePart;
    } cases[] = {
        {"missing folder", folder.filePath(QStringLiteral("no/such/folder/demo.db")), QStringLiteral("不存在")},
        {"a folder instead of a file", aFolder, QStringLiteral("文件夹")},
        {"no name", QString(), QStringLiteral("文件名")},
        // Nobody, root included, creates files in /proc.
        {"unwritable folder", QStringLiteral("/proc/zel-demo.db"), QStringLiteral("无法在 /proc 创建数据库文件")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (ExistingFile existing : {ExistingFile::Refuse, ExistingFile::Replace}) {
            try {
                generateDemoDatabase(c.path, DemoSize::Small, existing);
                ADD_FAILURE() << "must fail";
            } catch (const com::ComError& e) {
                EXPECT_TRUE(e.description().contains(c.messagePart)) << e.what();
            }
        }
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("existing-folder")});
    EXPECT_TRUE(QDir(aFolder).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/zel-demo.db.tmp")));
}

TEST(DemoDataFile, TheHostsDemoDatabaseIsMadeOnFirstUseOnly)
{
    const QByteArray saved = qgetenv("ZEL_DEMO_DB");
    qunsetenv("ZEL_DEMO_DB");
    EXPECT_TRUE(demoDatabasePath().endsWith(QStringLiteral("/zelhost/demo.db"))) << demoDatabasePath().toStdString();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data/zelhost/demo.db"));
    qputenv("ZEL_DEMO_DB", QFile::encodeName(path));
    EXPECT_EQ(demoDatabasePath(), path);
    EXPECT_EQ(ensureDemoDatabase(), path);
    EXPECT_EQ(testsupport::contentChecksum(path), testsupport::contentChecksum(testsupport::smallDemoDatabase()));
    // An existing file is the user's database: it is used as it is, never generated over.
    writeFile(path, "the user's own file");
    EXPECT_EQ(ensureDemoDatabase(), path);
    EXPECT_EQ(readAll(path), QByteArray("the user's own file"));
    if (saved.isNull())
        qunsetenv("ZEL_DEMO_DB");
    else
        qputenv("ZEL_DEMO_DB", saved);
}

TEST(DemoSizeNames, ParseAndPrint)
{
    const struct {
        const char* text;
        std::optional<DemoSize> size;
    } cases[] = {{"small", DemoSize::Small}, {"large", DemoSize::Large}, {"Large", DemoSize::Large},
                 {"", std::nullopt},         {"huge", std::nullopt},     {"smal", std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseDemoSize(QString::fromUtf8(c.text)), c.size);
        if (c.size) {
            EXPECT_EQ(demoSizeName(*c.size), QString::fromUtf8(c.text).toLower());
        }
    }
}

} // namespace

#pragma once
// The demo database: a complete host database with materials, customers, suppliers, staff,
// users with different rights, and two years of sales and purchase invoices. The content
// depends only on the size asked for, so two generations give the same file content.
#include <QString>
#include <QtGlobal>

#include <optional>

namespace hostdb {

enum class DemoSize {
    Small,  // hundreds of materials, tens of partners, a few thousand invoice lines
    Large,  // 50 000 materials, 5 000 customers, 2 000 suppliers, 1 000 000 lines each way
};

// "small" / "large" (any case); nothing for other texts.
std::optional<DemoSize> parseDemoSize(const QString& text);
QString demoSizeName(DemoSize size);

struct DemoCounts {
    int materials = 0;  // material details (t_ICItem rows), the ones under the root included
    int materialGroups = 0;
    int materialLevels = 0;  // depth of the classification
    int customers = 0;
    int customerGroups = 0;
    int suppliers = 0;
    int supplierGroups = 0;
    int departments = 0;
    int employees = 0;
    int users = 0;
    qint64 salesLines = 0;
    qint64 purchaseLines = 0;
};

// What a database of this size holds, worked out without writing one (cheap).
DemoCounts plannedDemoCounts(DemoSize size);

struct DemoReport {
    QString path;
    DemoSize size = DemoSize::Small;
    DemoCounts counts;
    qint64 salesBills = 0;
    qint64 purchaseBills = 0;
    double seconds = 0;
};

enum class ExistingFile { Refuse, Replace };

// Writes a new demo database to `path`. It is built under a unique temporary name beside it
// and renamed into place at the end, so `path` is either the old file or the complete new
// one. The whole time it holds the file's lock alone (files::FileLock): a process that opens
// the database waits until it is done. An existing `path` is refused (ComError) unless
// `existing` is Replace; replacing a database that another process has open is refused with
// E_SHARING_VIOLATION_; the old database's journal and write-ahead files go with it. A link
// is followed (the file it leads to is replaced); anything but a regular file is refused. A
// missing or unwritable folder raises a ComError and leaves nothing behind.
DemoReport generateDemoDatabase(const QString& path, DemoSize size = DemoSize::Small,
                                ExistingFile existing = ExistingFile::Refuse);

// The same tables and rows in a new file at `path`, without indexes or statistics: only for
// copying them elsewhere (a server builds its own). Nobody else may use `path`: no lock is taken.
DemoReport generateDemoRows(const QString& path, DemoSize size);

// Where the host keeps its demo database: $ZEL_DEMO_DB when set, else
// ~/.local/share/zelhost/demo.db (the user's data folder).
QString demoDatabasePath();
// The demo database path, generating the small database there first when the file is missing.
// Of several processes starting at once, one generates it and the others wait for it.
QString ensureDemoDatabase();

namespace demo {

// Stored in PRAGMA user_version; raised whenever the generator's output changes, so cached
// databases (the benchmarks') can tell they are stale.
inline constexpr int kDataVersion = 3;
// The large database keeps its first material kind in one flat group of at least this many
// materials.
inline constexpr int kLargeFlatGroupMaterials = 5000;

// Bills are dated from kFirstBillDate to kLastBillDate inclusive.
inline constexpr const char* kFirstBillDate = "2024-12-01";
inline constexpr const char* kLastBillDate = "2026-11-30";

// Item classes of t_Item.
inline constexpr int kClassCustomer = 1;
inline constexpr int kClassDepartment = 2;
inline constexpr int kClassEmployee = 3;
inline constexpr int kClassMaterial = 4;
inline constexpr int kClassSupplier = 8;

// Users. Every user id fits a 16-bit signed integer.
inline constexpr int kAdminUserId = 1;          // both queries and the settings
inline constexpr int kClerkUserId = 2;          // both queries and the settings
inline constexpr int kSalesClerkUserId = 3;     // the sales query only
inline constexpr int kNoRightUserId = 4;        // no price query at all
inline constexpr int kRestrictedUserId = 5;     // both queries, only 华东 customers and suppliers
inline constexpr const char* kAdminUserName = "administrator";
inline constexpr const char* kClerkUserName = "张敏";
inline constexpr const char* kSalesClerkUserName = "李娜";
inline constexpr const char* kNoRightUserName = "王强";
inline constexpr const char* kRestrictedUserName = "赵静";
inline constexpr int kUserCount = 5;

// Function rights: function 1099, object 26 (customers' sales) or 25 (suppliers'
// purchases), right bits 0x200000 (query) and 0x400000 (query settings).
inline constexpr int kPriceQueryFunction = 1099;
inline constexpr int kSalesQueryObject = 26;
inline constexpr int kPurchaseQueryObject = 25;
inline constexpr int kQueryRight = 0x200000;
inline constexpr int kSettingsRight = 0x400000;

// Data rights: kind 1 customers, 2 suppliers. A partner is visible to a restricted user
// when the user's right id occurs in its FRightUserID list ("21,24"). Each region has its
// own id: customers 21…28, suppliers 31…38 in region order (华东 first). All ids have two
// digits, so a search for one id never hits another inside a comma-separated list.
inline constexpr int kCustomerDataRight = 1;
inline constexpr int kSupplierDataRight = 2;
inline constexpr int kCustomerRightBase = 20;
inline constexpr int kSupplierRightBase = 30;
inline constexpr int kRestrictedCustomerRightId = 21;  // 华东地区 customers
inline constexpr int kRestrictedSupplierRightId = 31;  // 华东地区 suppliers

// Option rows of t_SystemProfile, category "IC".
inline constexpr int kTradeTimes = 50;
inline constexpr int kAllowSelf = 0;
inline constexpr int kDiscountRatePrecision = 2;

// The per-user report font size in t_UserSetting (category ZEL_APFC, key RptFontSize).
inline constexpr int kFontSizeUserId = kClerkUserId;
inline constexpr int kRptFontSize = 11;

// t_AuxItem row standing for "no auxiliary property"; its number and name are empty.
inline constexpr int kNoAuxPropId = 0;
// t_Currency: 1 人民币 (RMB, scale 2), 2 美元 (USD, 2), 3 欧元 (EUR, 2), 4 日元 (JPY, 0),
// 5 港币 (HKD, 2), 6 科威特第纳尔 (KWD, 3).
inline constexpr int kRmbCurrencyId = 1;
inline constexpr int kJpyCurrencyId = 4;
inline constexpr int kKwdCurrencyId = 6;

// Sales invoices: 80 VAT invoice (priced with tax), 81 plain invoice; purchases: 75 and 72.
inline constexpr int kSalesVatType = 80;
inline constexpr int kSalesPlainType = 81;
inline constexpr int kPurchaseVatType = 75;
inline constexpr int kPurchasePlainType = 72;

// A material, a customer and a supplier with long histories (more lines than kTradeTimes
// in both sizes), by number as a person knows them.
struct Samples {
    QString itemNumber;
    QString customerNumber;
    QString supplierNumber;
};
Samples samples(DemoSize size);

} // namespace demo

} // namespace hostdb

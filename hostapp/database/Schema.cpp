#include "hostapp/database/Schema.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <sqlite3.h>

namespace hostdb {

namespace {

// Customers, departments, employees, materials and suppliers share t_Item; materials,
// customers and suppliers carry their own details in t_ICItem, t_Organization and
// t_Supplier under the same FItemID.
const char* const kTables = R"SQL(
CREATE TABLE t_Item (
    FItemID      INTEGER PRIMARY KEY,
    FItemClassID INTEGER NOT NULL,          -- 1 customer, 2 department, 3 employee, 4 material, 8 supplier
    FNumber      TEXT COLLATE NOCASE NOT NULL,
    FName        TEXT COLLATE NOCASE NOT NULL,
    FFullName    TEXT COLLATE NOCASE,
    FShortNumber TEXT COLLATE NOCASE,
    FParentID    INTEGER NOT NULL DEFAULT 0,
    FLevel       INTEGER NOT NULL DEFAULT 1,
    FDetail      INTEGER NOT NULL DEFAULT 1,  -- 0 group, 1 detail
    FDeleted     INTEGER NOT NULL DEFAULT 0,
    FHelpCode    TEXT COLLATE NOCASE,
    FRightUserID TEXT COLLATE NOCASE NOT NULL DEFAULT ''  -- data-right ids allowed to see a partner, "21,24"
);
CREATE TABLE t_ICItem (
    FItemID       INTEGER PRIMARY KEY,
    FNumber       TEXT COLLATE NOCASE NOT NULL,
    FName         TEXT COLLATE NOCASE NOT NULL,
    FFullName     TEXT COLLATE NOCASE,
    FModel        TEXT COLLATE NOCASE,
    FHelpCode     TEXT COLLATE NOCASE,
    FParentID     INTEGER NOT NULL DEFAULT 0,
    FUnitID       INTEGER NOT NULL,
    FQtyDecimal   INTEGER NOT NULL DEFAULT 0,
    FPriceDecimal INTEGER NOT NULL DEFAULT 2,
    FTaxRate      REAL NOT NULL DEFAULT 13,   -- percent
    FSalePrice    REAL,                       -- list price incl. tax, in RMB
    FDeleted      INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE t_Organization (
    FItemID    INTEGER PRIMARY KEY,
    FNumber    TEXT COLLATE NOCASE NOT NULL,
    FName      TEXT COLLATE NOCASE NOT NULL,
    FFullName  TEXT COLLATE NOCASE,
    FHelpCode  TEXT COLLATE NOCASE,
    FParentID  INTEGER NOT NULL DEFAULT 0,
    FContact   TEXT COLLATE NOCASE,
    FCurrencyID INTEGER NOT NULL DEFAULT 1,   -- usual invoice currency
    FDeleted   INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE t_Supplier (
    FItemID    INTEGER PRIMARY KEY,
    FNumber    TEXT COLLATE NOCASE NOT NULL,
    FName      TEXT COLLATE NOCASE NOT NULL,
    FFullName  TEXT COLLATE NOCASE,
    FHelpCode  TEXT COLLATE NOCASE,
    FParentID  INTEGER NOT NULL DEFAULT 0,
    FContact   TEXT COLLATE NOCASE,
    FCurrencyID INTEGER NOT NULL DEFAULT 1,
    FDeleted   INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE t_MeasureUnit (
    FItemID INTEGER PRIMARY KEY,
    FNumber TEXT COLLATE NOCASE NOT NULL,
    FName   TEXT COLLATE NOCASE NOT NULL
);
CREATE TABLE t_AuxItem (
    FItemID INTEGER PRIMARY KEY,              -- 0 stands for "no auxiliary property"
    FNumber TEXT COLLATE NOCASE NOT NULL,
    FName   TEXT COLLATE NOCASE NOT NULL
);
CREATE TABLE t_Currency (
    FCurrencyID   INTEGER PRIMARY KEY,
    FNumber       TEXT COLLATE NOCASE NOT NULL,
    FName         TEXT COLLATE NOCASE NOT NULL,
    FScale        INTEGER NOT NULL DEFAULT 2,  -- decimals of amounts
    FExchangeRate REAL NOT NULL DEFAULT 1,     -- standard rate to RMB
    FDeleted      INTEGER NOT NULL DEFAULT 0
);
CREATE TABLE ICSale (
    FInterID      INTEGER PRIMARY KEY,
    FBillNo       TEXT COLLATE NOCASE NOT NULL,
    FBillID       TEXT COLLATE NOCASE NOT NULL, -- the bill number as the user sees it (same text)
    FDate         DATETIME NOT NULL,
    FTranType     INTEGER NOT NULL,             -- 80 VAT invoice, 81 plain invoice
    FCustID       INTEGER NOT NULL,
    FDeptID       INTEGER NOT NULL DEFAULT 0,
    FEmpID        INTEGER NOT NULL DEFAULT 0,
    FCurrencyID   INTEGER NOT NULL,
    FExchangeRate REAL NOT NULL DEFAULT 1,
    FCancellation INTEGER NOT NULL DEFAULT 0,
    FBillerID     INTEGER NOT NULL
);
CREATE TABLE ICSaleEntry (
    FInterID       INTEGER NOT NULL,
    FEntryID       INTEGER NOT NULL,
    FIndex         INTEGER NOT NULL,
    FItemID        INTEGER NOT NULL,
    FAuxPropID     INTEGER NOT NULL DEFAULT 0,
    FUnitID        INTEGER NOT NULL,
    FQty           REAL NOT NULL,     -- in the base unit; every demo unit has coefficient 1
    FAuxQty        REAL NOT NULL,
    FPrice         REAL NOT NULL,
    FAuxPrice      REAL NOT NULL,
    FTaxPrice      REAL NOT NULL,
    FAuxTaxPrice   REAL NOT NULL,
    FTaxRate       REAL NOT NULL DEFAULT 0,
    FDiscountRate  REAL NOT NULL DEFAULT 0,  -- percent
    FPriceDiscount REAL NOT NULL,            -- price after discount
    FAmount        REAL NOT NULL,
    FTaxAmount     REAL NOT NULL DEFAULT 0,
    FAmtTotalFor   REAL NOT NULL             -- FAmount + FTaxAmount, in the bill's currency
);
CREATE TABLE ICPurchase (
    FInterID      INTEGER PRIMARY KEY,
    FBillNo       TEXT COLLATE NOCASE NOT NULL,
    FBillID       TEXT COLLATE NOCASE NOT NULL,
    FDate         DATETIME NOT NULL,
    FTranType     INTEGER NOT NULL,             -- 75 VAT invoice, 72 plain invoice
    FSupplyID     INTEGER NOT NULL,
    FDeptID       INTEGER NOT NULL DEFAULT 0,
    FEmpID        INTEGER NOT NULL DEFAULT 0,
    FCurrencyID   INTEGER NOT NULL,
    FExchangeRate REAL NOT NULL DEFAULT 1,
    FCancellation INTEGER NOT NULL DEFAULT 0,
    FBillerID     INTEGER NOT NULL
);
CREATE TABLE ICPurchaseEntry (
    FInterID       INTEGER NOT NULL,
    FEntryID       INTEGER NOT NULL,
    FIndex         INTEGER NOT NULL,
    FItemID        INTEGER NOT NULL,
    FAuxPropID     INTEGER NOT NULL DEFAULT 0,
    FUnitID        INTEGER NOT NULL,
    FQty           REAL NOT NULL,
    FAuxQty        REAL NOT NULL,
    FPrice         REAL NOT NULL,
    FAuxPrice      REAL NOT NULL,
    FTaxPrice      REAL NOT NULL,
    FAuxTaxPrice   REAL NOT NULL,
    FTaxRate       REAL NOT NULL DEFAULT 0,
    FDiscountRate  REAL NOT NULL DEFAULT 0,
    FPriceDiscount REAL NOT NULL,
    FAmount        REAL NOT NULL,
    FTaxAmount     REAL NOT NULL DEFAULT 0,
    FAmtTotalFor   REAL NOT NULL
);
CREATE TABLE t_SystemProfile (
    FCategory TEXT COLLATE NOCASE NOT NULL,
    FKey      TEXT COLLATE NOCASE NOT NULL,
    FValue    TEXT COLLATE NOCASE,
    PRIMARY KEY (FCategory, FKey)
);
CREATE TABLE t_UserSetting (
    FUserID   INTEGER NOT NULL,
    FCategory TEXT COLLATE NOCASE NOT NULL,
    FKey      TEXT COLLATE NOCASE NOT NULL,
    FValue    TEXT COLLATE NOCASE,
    PRIMARY KEY (FUserID, FCategory, FKey)
);
CREATE TABLE t_User (
    FUserID      INTEGER PRIMARY KEY,
    FName        TEXT COLLATE NOCASE NOT NULL,
    FDescription TEXT COLLATE NOCASE
);
CREATE TABLE t_UserFuncRight (
    FUserID   INTEGER NOT NULL,
    FFuncID   INTEGER NOT NULL,   -- 1099 price-history queries
    FObjectID INTEGER NOT NULL,   -- 26 customers' sales, 25 suppliers' purchases
    FRights   INTEGER NOT NULL,   -- bit mask: 0x200000 query, 0x400000 query settings
    PRIMARY KEY (FUserID, FFuncID, FObjectID)
);
CREATE TABLE t_UserDataRight (
    FUserID  INTEGER NOT NULL,
    FKind    INTEGER NOT NULL,    -- 1 customers, 2 suppliers
    FRightID INTEGER NOT NULL,    -- must occur in a partner's t_Item.FRightUserID for the user to see it
    PRIMARY KEY (FUserID, FKind)
);
CREATE TABLE t_UserProfile (
    FUserID      INTEGER NOT NULL,
    FApplication TEXT COLLATE NOCASE NOT NULL,
    FSection     TEXT COLLATE NOCASE NOT NULL,
    FKey         TEXT COLLATE NOCASE NOT NULL,
    FValue       TEXT COLLATE NOCASE,
    PRIMARY KEY (FUserID, FApplication, FSection, FKey)
);
)SQL";

// The rowid (FInterID of the bill headers) ends every index implicitly, so
// (FCustID, FDate) also orders a customer's bills of one day by FInterID, and (FDate)
// walks the bills newest first in the order the histories list them.
const SchemaIndex kIndexes[] = {
    {"ux_t_Item_ClassNumber", "t_Item", "FItemClassID, FNumber", true},
    {"ix_t_Item_Tree", "t_Item", "FItemClassID, FDetail, FLevel, FShortNumber", false},
    {"ix_t_Item_Parent", "t_Item", "FItemClassID, FParentID, FNumber", false},
    {"ux_t_ICItem_Number", "t_ICItem", "FNumber", true},
    {"ux_t_Organization_Number", "t_Organization", "FNumber", true},
    {"ux_t_Supplier_Number", "t_Supplier", "FNumber", true},
    {"ux_ICSale_BillNo", "ICSale", "FBillNo", true},
    {"ix_ICSale_CustDate", "ICSale", "FCustID, FDate", false},
    {"ix_ICSale_Date", "ICSale", "FDate", false},
    {"ux_ICSaleEntry_Line", "ICSaleEntry", "FInterID, FEntryID", true},
    {"ix_ICSaleEntry_ItemInter", "ICSaleEntry", "FItemID, FInterID", false},
    {"ux_ICPurchase_BillNo", "ICPurchase", "FBillNo", true},
    {"ix_ICPurchase_SupplyDate", "ICPurchase", "FSupplyID, FDate", false},
    {"ix_ICPurchase_Date", "ICPurchase", "FDate", false},
    {"ux_ICPurchaseEntry_Line", "ICPurchaseEntry", "FInterID, FEntryID", true},
    {"ix_ICPurchaseEntry_ItemInter", "ICPurchaseEntry", "FItemID, FInterID", false},
};

} // namespace

const char* schemaTablesSql() { return kTables; }

std::span<const SchemaIndex> schemaIndexes() { return kIndexes; }

std::string SchemaIndex::createSql() const
{
    return std::string(unique ? "CREATE UNIQUE INDEX IF NOT EXISTS " : "CREATE INDEX IF NOT EXISTS ") + name + " ON "
        + table + " (" + columns + ")";
}

void runSqliteScript(sqlite3* db, const char* sql, const QString& what)
{
    if (!db)
        throw com::ComError(com::E_FAIL_, QStringLiteral("hostdb.Schema"),
                            QStringLiteral("%1失败：数据库没有打开。").arg(what));
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString reason = QString::fromUtf8(message ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
        throw com::ComError(com::ADO_PROVIDER_ERROR, QStringLiteral("hostdb.Schema"),
                            QStringLiteral("%1失败：%2").arg(what, reason));
    }
}

void createTables(sqlite3* db) { runSqliteScript(db, kTables, QStringLiteral("创建数据表")); }
void createIndexes(sqlite3* db)
{
    for (const SchemaIndex& index : kIndexes)
        runSqliteScript(db, index.createSql().c_str(), QStringLiteral("创建索引"));
}

void createSchema(sqlite3* db)
{
    createTables(db);
    createIndexes(db);
}

} // namespace hostdb

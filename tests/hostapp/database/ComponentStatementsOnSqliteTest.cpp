// The statements the price-history component sends, written out as it builds them, run on a
// small host database with the rows they must return.
#include "hostapp/database/HostDatabase.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/hostapp/database/ResultLines.h"
#include "tests/hostapp/database/TempSqliteFile.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace hostdb {
namespace {

using testing::linesOf;

constexpr const char* hostSchema = R"sql(
CREATE TABLE t_Item (FItemID INTEGER PRIMARY KEY, FItemClassID INT, FNumber VARCHAR(80) COLLATE NOCASE,
    FName NVARCHAR(255) COLLATE NOCASE, FParentID INT, FDetail BIT, FDeleted BIT, FLevel INT,
    FShortNumber VARCHAR(80) COLLATE NOCASE, FRightUserID VARCHAR(255) COLLATE NOCASE);
CREATE TABLE t_ICItem (FItemID INTEGER PRIMARY KEY, FNumber VARCHAR(80) COLLATE NOCASE,
    FName NVARCHAR(255) COLLATE NOCASE, FFullName NVARCHAR(255) COLLATE NOCASE, FHelpCode VARCHAR(40) COLLATE NOCASE,
    FModel NVARCHAR(255) COLLATE NOCASE, FParentID INT, FDeleted BIT, FQtyDecimal INT, FPriceDecimal INT);
CREATE TABLE t_Organization (FItemID INTEGER PRIMARY KEY, FNumber VARCHAR(80) COLLATE NOCASE,
    FName NVARCHAR(255) COLLATE NOCASE, FFullName NVARCHAR(255) COLLATE NOCASE, FHelpCode VARCHAR(40) COLLATE NOCASE,
    FParentID INT, FDeleted BIT);
CREATE TABLE t_MeasureUnit (FItemID INTEGER PRIMARY KEY, FName NVARCHAR(80) COLLATE NOCASE);
CREATE TABLE t_AuxItem (FItemID INTEGER PRIMARY KEY, FNumber VARCHAR(80) COLLATE NOCASE, FName NVARCHAR(80) COLLATE NOCASE);
CREATE TABLE t_Currency (FCurrencyID INTEGER PRIMARY KEY, FName NVARCHAR(40) COLLATE NOCASE, FScale INT, FDeleted BIT);
CREATE TABLE ICSale (FInterID INTEGER PRIMARY KEY, FBillNo VARCHAR(40) COLLATE NOCASE, FDate DATETIME,
    FExchangeRate DECIMAL(18,6), FTranType INT, FCurrencyID INT, FCustID INT, FDeptID INT, FEmpID INT,
    FCancellation BIT, FBillerID INT);
CREATE TABLE ICSaleEntry (FInterID INT, FIndex INT, FItemID INT, FQty DECIMAL(18,4), FAuxQty DECIMAL(18,4),
    FAuxTaxPrice MONEY, FAuxPrice MONEY, FDiscountRate DECIMAL(18,4), FPriceDiscount MONEY, FAmount MONEY,
    FTaxAmount MONEY, FUnitID INT, FAuxPropID INT);
CREATE TABLE t_UserSetting (FUserID INT, FCategory VARCHAR(30) COLLATE NOCASE, FKey VARCHAR(100) COLLATE NOCASE,
    FValue TEXT COLLATE NOCASE);

-- materials: group 11 "1" with bolt 12 and nut 13; washer 14 directly under the root
INSERT INTO t_Item VALUES (11, 4, '1', '五金', 0, 0, 0, 1, '1', NULL);
INSERT INTO t_Item VALUES (12, 4, '1.01', '螺栓', 11, 1, 0, 2, '01', NULL);
INSERT INTO t_Item VALUES (13, 4, '1.02', '螺母', 11, 1, 0, 2, '02', NULL);
INSERT INTO t_Item VALUES (14, 4, '2.01', '垫圈', 0, 1, 0, 1, '2.01', NULL);
INSERT INTO t_ICItem VALUES (12, '1.01', '螺栓', '五金_螺栓', 'LS', 'M8', 11, 0, 0, 2);
INSERT INTO t_ICItem VALUES (13, '1.02', '螺母', '五金_螺母', NULL, NULL, 11, 0, 2, 3);
INSERT INTO t_ICItem VALUES (14, '2.01', '垫圈', '垫圈', NULL, '', 0, 0, 0, 2);
-- customers: group 6 "01" with customer 7 (rights of user 3) and 8 (rights of user 5)
INSERT INTO t_Item VALUES (6, 1, '01', '华东', 0, 0, 0, 1, '01', '3,5');
INSERT INTO t_Item VALUES (7, 1, '01.001', '东方贸易', 6, 1, 0, 2, '001', '3');
INSERT INTO t_Item VALUES (8, 1, '01.002', '南方商行', 6, 1, 0, 2, '002', '5');
INSERT INTO t_Organization VALUES (7, '01.001', '东方贸易', '华东_东方贸易', 'DF', 6, 0);
INSERT INTO t_Organization VALUES (8, '01.002', '南方商行', '华东_南方商行', NULL, 6, 0);
INSERT INTO t_Item VALUES (20, 2, 'D1', '销售部', 0, 1, 0, 1, 'D1', NULL);
INSERT INTO t_Item VALUES (30, 3, 'E1', '张三', 0, 1, 0, 1, 'E1', NULL);
INSERT INTO t_MeasureUnit VALUES (1, '个');
INSERT INTO t_AuxItem VALUES (0, '', '');
INSERT INTO t_Currency VALUES (1, '人民币', 2, 0);
INSERT INTO t_Currency VALUES (2, '日元', 0, 0);
-- three bills of the bolt, the newest cancelled
INSERT INTO ICSale VALUES (100, 'XS-100', '2008-01-05', 1, 80, 1, 7, 20, 30, 0, 3);
INSERT INTO ICSale VALUES (101, 'XS-101', '2008-02-01', 0.062, 81, 2, 8, NULL, NULL, 0, 4);
INSERT INTO ICSale VALUES (102, 'XS-102', '2008-03-01', 1, 80, 1, 7, NULL, NULL, 1, 3);
INSERT INTO ICSaleEntry VALUES (100, 1, 12, 1234.4, 1234.4, 11.7, 10, 100, 11.7, 1000, 170, 1, 0);
INSERT INTO ICSaleEntry VALUES (101, 1, 12, 20, 20, 58.5, 50, 90, 45, 900, 0, 1, 0);
INSERT INTO ICSaleEntry VALUES (101, 2, 12, 5, 5, 58.5, 50, 100, 50, 250, 0, 1, 0);
INSERT INTO ICSaleEntry VALUES (102, 1, 12, 1, 1, 1, 1, 100, 1, 1, 0, 1, 0);
INSERT INTO t_UserSetting VALUES (5, 'ZEL_APFC', 'RptFontSize', '10.5pt');
)sql";

// The sales history statement as the component builds it: TradeTimes n, discount decimals 2.
QString salesHistory(int n, const QString& where, bool filterMode = false)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("select top %1 t1.FNumber,t1.FName,c1.FModel,t3.FNumber as FAuxPropNumber,t3.FName as FAuxPropName,").arg(n) + crlf
        + "    t2.FName as FUnit,tm1.FName as FCompany,isnull(tm2.FName,'') as FDept ,isnull(tm3.FName,'') as FEmp ,u1.FCurrencyID,tm4.FName as FCurrencyName," + crlf
        + "    u1.FBillNo , u1.FDate, u1.FExchangeRate, round(u2.FAuxQty,c1.FQtyDecimal) as FQty," + crlf
        + "    case when u1.FTranType=80 then round(u2.FAuxTaxPrice,c1.FPriceDecimal) else round(u2.FAuxPrice,c1.FPriceDecimal) end as FPrice," + crlf
        + "    round(u2.FDiscountRate,2) as FDiscountRate, round(u2.FPriceDiscount,c1.FPriceDecimal) as FPriceDiscount , " + crlf
        + "    case when u1.FTranType=80 then u2.FAmount + u2.FTaxAmount else u2.FAmount end as  FAmtTotalFor," + crlf
        + "    c1.FPriceDecimal as FPriceDecimal,c1.FQtyDecimal as FQtyDecimal" + crlf
        + "    from ICSale u1 inner join ICSaleEntry u2 on u1.FInterID = u2.FInterID" + crlf
        + "    inner join t_ICItem c1 on (u2.FItemID = c1.FItemID )" + crlf
        + "    inner join t_Item t1 on (t1.FItemClassID = 4 and u2.FItemID=t1.FItemID)" + crlf
        + "    inner join t_MeasureUnit t2 on u2.FUnitID=t2.FItemID" + crlf
        + "    inner join t_AuxItem t3 on u2.FAuxPropID=t3.FItemID" + crlf
        + "    inner join t_Item tm1 on (tm1.FItemClassID = 1 and u1.FCustID = tm1.FItemID)" + crlf
        + "    left join t_Item tm2 on (tm2.FItemClassID = 2 and u1.FDeptID = tm2.FItemID)" + crlf
        + "    left join t_Item tm3 on (tm3.FItemClassID = 3 and u1.FEmpID = tm3.FItemID)" + crlf
        + "    inner join t_Currency tm4 on (tm4.FCurrencyID = u1.FCurrencyID)" + crlf
        + "Where 1=1 AND u1.FCancellation=0 " + where
        + (filterMode ? " Order By u1.FDate desc" + crlf : " order by u1.FDate desc,u2.FInterID desc,u2.FIndex desc " + crlf);
}

class ComponentStatements : public ::testing::Test {
protected:
    testing::TempSqliteFile file{hostSchema};
    std::shared_ptr<HostDatabase> db = file.open();

    QStringList rows(const QString& sql) { return linesOf(db->executeTable(sql)); }
};

TEST_F(ComponentStatements, HistoryOfAMaterialNewestFirst)
{
    const ResultTable table = db->executeTable(salesHistory(10, " AND t1.FItemID=12"));
    ASSERT_EQ(table.fields.size(), 21u);
    ASSERT_EQ(table.rows.size(), 3u);  // the cancelled bill is left out
    auto field = [&](int row, const char* name) {
        for (size_t c = 0; c < table.fields.size(); ++c) {
            if (table.fields[c].name == QLatin1String(name))
                return table.rows[row][c];
        }
        ADD_FAILURE() << "no field " << name;
        return QVariant();
    };
    EXPECT_EQ(field(0, "FBillNo").toString(), "XS-101");
    EXPECT_EQ(field(0, "FDate").toDateTime(), QDateTime(QDate(2008, 2, 1), QTime(0, 0)));
    EXPECT_EQ(field(0, "FDept").toString(), "");  // no department: empty text, not null
    EXPECT_EQ(field(0, "FPrice").toDouble(), 50.0);  // type 81 uses the plain price
    EXPECT_EQ(field(0, "FAmtTotalFor").toDouble(), 250.0);
    EXPECT_EQ(field(2, "FBillNo").toString(), "XS-100");
    EXPECT_EQ(field(2, "FQty").toDouble(), 1234.0);  // rounded to the material's 0 decimals
    EXPECT_EQ(field(2, "FPrice").toDouble(), 11.7);  // type 80 uses the price with tax
    EXPECT_EQ(field(2, "FAmtTotalFor").toDouble(), 1170.0);  // amount + tax, added
    EXPECT_EQ(field(2, "FDept").toString(), QString::fromUtf8("销售部"));
    EXPECT_EQ(field(2, "FCompany").toString(), QString::fromUtf8("东方贸易"));
}

TEST_F(ComponentStatements, HistoryRespectsTradeTimes)
{
    EXPECT_EQ(db->executeTable(salesHistory(2, " AND t1.FItemID=12")).rows.size(), 2u);
    const ResultTable none = db->executeTable(salesHistory(0, " AND t1.FItemID=12"));
    EXPECT_TRUE(none.returnsRows);
    EXPECT_TRUE(none.rows.empty());
}

TEST_F(ComponentStatements, HistoryOfAPartnerAndOfAClassWithBillerAndDataRight)
{
    const QString partner = " And tm1.FItemID = 7\r\n AND u1.FBillerID=3 And CharIndex('3',tm1.FRightUserID)>0 ";
    EXPECT_EQ(linesOf(db->executeTable(salesHistory(10, partner))).size(), 1);
    const QString itemClass = " AND t1.FNumber like (select FNumber+ '%' from t_Item where FItemID=11)\r\n";
    EXPECT_EQ(db->executeTable(salesHistory(10, itemClass)).rows.size(), 3u);
}

TEST_F(ComponentStatements, FilteredHistoryWithDigitsTouchingAnd)
{
    const QString where = QString::fromUtf8(" AND t1.FItemID=12AND t1.FName Like '%螺栓%' AND u2.FQty > 10 "
                                            "AND u1.FDate = '2008-01-05'\r\n");
    const ResultTable table = db->executeTable(salesHistory(10, where, true));
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0][11].toString(), "XS-100");
}

TEST_F(ComponentStatements, TreeStatements)
{
    const QString crlf = "\r\n";
    EXPECT_EQ(rows("SELECT t1.FItemID,t1.FName,t1.FNumber,t1.FParentID ,t1.FDetail ," + crlf
                   + "  c1.FModel FROM t_Item t1 left join t_ICItem c1 on ( t1.FItemID = c1.FItemID)" + crlf
                   + " WHERE t1.FDeleted=0 And t1.FItemClassID=4 AND (t1.FDetail=0 or t1.FParentID = 0)"
                   + " Order By t1.FLevel,t1.FShortNumber"),
              QStringList({QString::fromUtf8("11|五金|1|0|0|NULL"), QString::fromUtf8("14|垫圈|2.01|0|1|")}));
    EXPECT_EQ(rows("SELECT t1.FItemID,t1.FName,t1.FNumber,t1.FParentID ,t1.FDetail " + crlf + "  FROM t_Item t1" + crlf
                   + " WHERE t1.FDeleted=0 And t1.FItemClassID= 1 AND (t1.FDetail=0 or t1.FParentID = 0) " + crlf
                   + " And CharIndex('3',t1.FRightUserID)>0  Order By t1.FLevel,t1.FShortNumber"),
              QStringList({QString::fromUtf8("6|华东|01|0|0")}));
    // Children of a material group, and of a customer group under a data right.
    EXPECT_EQ(rows("SELECT t1.*,c.FModel FROM t_Item t1 inner join t_ICItem as c on (t1.FItemClassID =4 And "
                   "t1.FItemID = c.FItemID) " + crlf + "Where t1.FParentID=11" + crlf + " Order By t1.FNumber ")
                  .size(),
              2);
    EXPECT_EQ(rows("SELECT t1.FItemID FROM t_Item t1 " + crlf + "Where t1.FItemClassID = 1 And t1.FParentID=6" + crlf
                   + " AND Exists(select 1 from t_Organization ts1 " + crlf
                   + " where ts1.FNumber like t1.FNumber + '%' AND ts1.FHelpCode = 'DF')" + " Order by t1.FNumber "),
              QStringList({"7"}));
    EXPECT_EQ(rows("Select FParentID from t_item Where FItemID = 12"), QStringList({"11"}));
}

TEST_F(ComponentStatements, QuickSearchListsCurrencyScaleAndUserSetting)
{
    EXPECT_EQ(rows("select FItemID,FName,FFullName,isnull(FHelpCode,'') as FHelpCode,FNumber,isnull(FModel,'') as "
                   "FModel,FParentID from t_ICItem where FDeleted=0 order by FNumber"),
              QStringList({QString::fromUtf8("12|螺栓|五金_螺栓|LS|1.01|M8|11"),
                           QString::fromUtf8("13|螺母|五金_螺母||1.02||11"), QString::fromUtf8("14|垫圈|垫圈||2.01||0")}));
    EXPECT_EQ(rows("select FItemID,FName,FFullName,isnull(FHelpCode,'')as FHelpCode,FNumber,FParentID from "
                   "t_Organization where FDeleted=0 order by FNumber")
                  .size(),
              2);
    EXPECT_EQ(rows("SELECT FScale FROM t_Currency t1 WHERE t1.FDeleted=0  and t1.FCurrencyID= 2"), QStringList({"0"}));
    EXPECT_EQ(rows("Select FValue From t_UserSetting Where FUserID=5 And FCategory='ZEL_APFC' And FKey ='RptFontSize'"),
              QStringList({"10.5pt"}));
}

} // namespace
} // namespace hostdb

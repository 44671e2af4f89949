// The SQL Server constructs the component sends, run on a real SQLite file through the host
// database, with the rows they return checked.
#include "hostapp/database/HostDatabase.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/hostapp/database/TempSqliteFile.h"
#include "tests/testsupport/HostServicesFixture.h"

#include <QDate>
#include <gtest/gtest.h>

namespace hostdb {
namespace {

constexpr const char* schema = R"sql(
CREATE TABLE t_Item (FItemID INTEGER PRIMARY KEY, FItemClassID INT, FNumber VARCHAR(80) COLLATE NOCASE,
    FName NVARCHAR(255) COLLATE NOCASE, FParentID INT, FRightUserID VARCHAR(255) COLLATE NOCASE,
    FHelpCode VARCHAR(40) COLLATE NOCASE);
INSERT INTO t_Item VALUES (1, 4, '1', '五金', 0, NULL, NULL);
INSERT INTO t_Item VALUES (2, 4, '1.01', 'Bolt M8', 1, '3,5', 'LS');
INSERT INTO t_Item VALUES (3, 4, '1.02', '螺母', 1, '5', NULL);
INSERT INTO t_Item VALUES (4, 4, '2.01', 'Washer', 0, NULL, 'DQ');
INSERT INTO t_Item VALUES (5, 4, '10.01', 'Nut', 0, NULL, NULL);
CREATE TABLE ICSaleEntry (FInterID INT, FIndex INT, FItemID INT, FQty DECIMAL(18,4), FAmount MONEY,
    FTaxAmount MONEY, FNote VARCHAR(40) COLLATE NOCASE);
INSERT INTO ICSaleEntry VALUES (10, 1, 2, 4, 100, 17, 'a');
INSERT INTO ICSaleEntry VALUES (10, 2, 3, 2.5, 20.5, 3.25, NULL);
CREATE TABLE t_SystemProfile (FCategory VARCHAR(30) COLLATE NOCASE, FKey VARCHAR(100) COLLATE NOCASE,
    FValue TEXT COLLATE NOCASE);
INSERT INTO t_SystemProfile VALUES ('IC', 'ProviderAllowSelf', '0');
INSERT INTO t_SystemProfile VALUES ('IC', 'ProviderTradeTimes', '0');
INSERT INTO t_SystemProfile VALUES ('IC', 'ClientTradeTimes', '7');
)sql";

using hostsvc::testing::linesOf;

class DialectOnSqlite : public ::testing::Test {
protected:
    testing::TempSqliteFile file{schema};
    std::shared_ptr<HostDatabase> db = file.open();

    QStringList rows(const QString& sql) { return linesOf(db->execute(sql)); }
};

TEST_F(DialectOnSqlite, QueriesReturnTheRowsSqlServerWould)
{
    const struct {
        const char* sql;
        QStringList expected;
    } cases[] = {
        // TOP
        {"select top 2 FItemID from t_Item order by FItemID desc", {"5", "4"}},
        {"SELECT TOP (3) FItemID FROM t_Item ORDER BY FItemID", {"1", "2", "3"}},
        {"select distinct top 1 FItemClassID from t_Item", {"4"}},
        {"select FItemID from t_Item where FItemID in (select top 2 FItemID from t_Item order by FNumber desc) order by FItemID",
                {"4", "5"}},
        {"select top 1 FName from t_Item where FParentID = (select top 1 FItemID from t_Item where FParentID = 0 "
         "order by FItemID) order by FItemID desc",
                {"螺母"}},
        // isnull, CharIndex, len
        {"select isnull(FHelpCode,'') as FHelpCode from t_Item where FItemID in (2, 3) order by FItemID", {"LS", ""}},
        {"select FItemID, CharIndex('bolt', FName) from t_Item where CharIndex('BOLT',FName)>0", {"2|1"}},
        {"select CharIndex('zz', FName) from t_Item where FItemID=4", {"0"}},
        {"select CharIndex('3', FRightUserID) from t_Item where FItemID=1", {"NULL"}},
        {"select FItemID from t_Item t1 where 1=1 And CharIndex('5',t1.FRightUserID)>0 order by FItemID", {"2", "3"}},
        {"select len('abc  '), len(FName) from t_Item where FItemID=4", {"3|6"}},
        // "+" joins text and adds numbers, decided per "+"
        {"select t1.FNumber + '-' + t1.FName as Label, case when 1=1 then u2.FAmount + u2.FTaxAmount else "
         "u2.FAmount end as Total from ICSaleEntry u2 inner join t_Item t1 on u2.FItemID = t1.FItemID order by u2.FIndex",
                {"1.01-Bolt M8|117", "1.02-螺母|23.75"}},
        {"select FNumber + FName from t_Item where FItemID=5", {"10.01Nut"}},
        {"select FQty + 1, FQty * 2 + FAmount from ICSaleEntry where FIndex=1", {"5|108"}},
        {"select FQty + '1' from ICSaleEntry where FIndex=1", {"5"}},
        {"select '(' + FNumber + ')' + FName from t_Item where FItemID=2", {"(1.01)Bolt M8"}},
        {"select FNote + 'x' from ICSaleEntry where FIndex=2", {"NULL"}},
        {"select FItemID from t_Item t1 where 1=1 AND t1.FNumber like (select FNumber+ '%' from t_Item where "
         "FItemID=1)\r\n order by FItemID",
                {"1", "2", "3", "5"}},
        {"select t1.FItemID from t_Item t1 where t1.FItemID=1 AND Exists(select 1 from t_Item ts1 \r\n where "
         "ts1.FNumber like t1.FNumber + '%' AND ts1.FItemID = 3)",
                {"1"}},
        // Trailing blanks: ignored by "=" and "<>", kept by LIKE
        {"SELECT FValue FROM t_SystemProfile WHERE FCategory='ic' And (FKey ='provideraLLOWself   ' )", {"0"}},
        {"select FValue from t_SystemProfile where 'ClientTradeTimes ' = FKey", {"7"}},
        {"select FKey from t_SystemProfile where FKey <> 'ProviderAllowSelf ' and FKey<>'ClientTradeTimes '",
                {"ProviderTradeTimes"}},
        {"select FValue from t_SystemProfile where FKey in ('ClientTradeTimes  ', 'x') ", {"7"}},
        {"select FItemID from t_Item where FName like 'Nut '", {}},
        // Text that only looks like SQL stays as written
        {"select 'select top 5 a + b; isnull(x) [y] -- z' as T", {"select top 5 a + b; isnull(x) [y] -- z"}},
        {"select FItemID from t_Item where FName = N'螺母  '", {"3"}},
        {"select 1 where 'it''s ' = 'it''s'", {"1"}},
        {"select [FName] /* the /* nested */ name */ from [dbo].[t_Item] -- only one\n where [FItemID] = 2", {"Bolt M8"}},
        {"select FItemID from t_Item with (nolock) where FItemID = 3", {"3"}},
        {"select FItemID from t_Item t1 where t1.FItemID=2AND t1.FName Like '%m8%'", {"2"}},
        // Batches
        {"select 1 as A\r\nselect FItemID from t_Item where FItemID = 4 update t_Item set FHelpCode='x' where 1=0", {"4"}},
        {"IF EXISTS(select 1 from t_Item where FItemID=99) select 'yes' ELSE select 'no'", {"no"}},
        {"if not exists (select * from t_Item where FItemID = 99) begin select 'first' select 'second' end", {"second"}},
        // Writes, each followed by the read that shows its effect (these change the table: last)
        {"UPDATE t_SystemProfile SET FValue = 'a  ', FCategory='IC' WHERE FKey = 'ClientTradeTimes  ' select '[' + "
         "FValue + ']' from t_SystemProfile where FKey='ClientTradeTimes'",
                {"[a  ]"}},
        {"INSERT INTO t_SystemProfile(FCategory, FKey, FValue) SELECT 'X', FNumber, FName FROM t_Item WHERE "
         "FItemID = 2 UNION SELECT 'X', FNumber, FName FROM t_Item WHERE FItemID = 4 select FKey from t_SystemProfile where FCategory = 'X' order by FKey",
                {"1.01", "2.01"}},
        {"UPDATE t_Item SET FHelpCode = s.FNote FROM ICSaleEntry s WHERE s.FItemID = t_Item.FItemID AND s.FIndex = "
         "1 select FHelpCode from t_Item where FItemID = 2",
                {"a"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows(QString::fromUtf8(c.sql)), c.expected) << c.sql;
}

TEST_F(DialectOnSqlite, DefaultOptionsBatchInsertsOnlyWhatIsMissing)
{
    const QString batch = QStringLiteral(
        "IF NOT EXISTS(SELECT FKey FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey = 'ClientAllowSelf') \r\n"
        "       INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','ClientAllowSelf','0') \r\n"
        "IF NOT EXISTS(SELECT FKey FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey = 'ClientTradeTimes') \r\n"
        "       INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','ClientTradeTimes','0')");
    for (int run = 0; run < 2; ++run)
        EXPECT_EQ(db->executeTable(batch).rowsAffected, run == 0 ? 1 : 0);
    EXPECT_EQ(rows("select FKey, FValue from t_SystemProfile where FKey like 'Client%' order by FKey"),
              QStringList({"ClientAllowSelf|0", "ClientTradeTimes|7"}));
}

TEST_F(DialectOnSqlite, GetDateIsTodayInLocalTime)
{
    EXPECT_EQ(rows("select getdate()").value(0).left(10), QDate::currentDate().toString(Qt::ISODate));
}

} // namespace
} // namespace hostdb

// The table of the 18 history columns behind find, sort and filter: each column's field, type
// and statement field, and a new window starting from clean condition values. The titles are
// read where a person sees them, in the ledger's title row (BaseDetailTest).
#include "platform/com/ErrorCodes.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tradequery/history/FieldTable.h"

#include <gtest/gtest.h>

namespace {

TEST(FieldTable, ColumnsOfEitherFlavour)
{
    const char* const rows[tq::FieldCount][3] = {
        {"FNumber", "8", "t1.FNumber"},        {"FName", "8", "t1.FName"},         {"FModel", "8", "c1.FModel"},
        {"FAuxPropNumber", "8", "t3.FNumber"}, {"FAuxPropName", "8", "t3.FName"},  {"FCompany", "8", "tm1.FName"},
        {"FDept", "8", "tm2.FName"},           {"FEmp", "8", "tm3.FName"},         {"FDate", "7", "u1.FDate"},
        {"FBillNo", "8", "u1.FBillID"},        {"FQty", "5", "u2.FQty"},           {"FPrice", "5", "u2.FTaxPrice"},
        {"FDiscountRate", "5", "u2.FDiscountRate"}, {"FCurrencyName", "8", "tm4.FName"},
        {"FExchangeRate", "5", "u1.FExchangeRate"}, {"FUnit", "8", "t2.FName"},
        {"FPriceDiscount", "5", "u2.FPriceDiscount"}, {"FAmtTotalFor", "5", "u2.FAmtTotalFor"},
    };
    for (int32_t queryType : {1, 2}) {
        tq::InitFieldTable(queryType);
        for (int k = 1; k <= tq::FieldCount; ++k) {
            const tq::FieldDef& row = tq::FieldTable(k);
            EXPECT_EQ(row.Key, QString::fromLatin1(rows[k - 1][0])) << k;
            EXPECT_EQ(row.DataType, QByteArray(rows[k - 1][1]).toInt()) << k;
            EXPECT_EQ(row.SqlField, QString::fromLatin1(rows[k - 1][2])) << k;
            EXPECT_EQ(row.ColumnNo, k);
            EXPECT_EQ(row.SortChoice, -1) << k;
        }
    }
    for (int row : {0, -1, 19})
        EXPECT_EQ(fakehost::comErrorOf([&] { tq::FieldTable(row); })->number(), com::VB_SUBSCRIPT_OUT_OF_RANGE) << row;
}

TEST(FieldTable, ANewWindowResetsTheConditionDialogsValues)
{
    tq::InitFieldTable(1);
    tq::FieldDef& price = tq::FieldTable(12);
    price.SortChoice = 1;
    price.FindText = QStringLiteral("12.5");
    price.FilterCondition = 3;
    price.FilterValue = QStringLiteral("10");

    tq::InitFieldTable(0);
    EXPECT_EQ(price.SortChoice, -1);
    EXPECT_TRUE(price.FindText.isEmpty());
    EXPECT_EQ(price.FilterCondition, 0);
    EXPECT_TRUE(price.FilterValue.isEmpty());
}

} // namespace

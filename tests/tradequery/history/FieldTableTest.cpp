// The table of the 18 history columns: what a window's creation puts in it, per flavour.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "tests/tradequery/history/SqlTextPrinter.h"
#include "tradequery/history/FieldTable.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* key;
    const char* title;
    int32_t dataType;
    const char* sqlField;
};

// Row 6 (the partner) is checked per flavour below.
const Expected kRows[tq::FieldCount] = {
    {"FNumber", "物料代码", 8, "t1.FNumber"},
    {"FName", "物料名称", 8, "t1.FName"},
    {"FModel", "规格型号", 8, "c1.FModel"},
    {"FAuxPropNumber", "辅助属性代码", 8, "t3.FNumber"},
    {"FAuxPropName", "辅助属性", 8, "t3.FName"},
    {"FCompany", nullptr, 8, "tm1.FName"},
    {"FDept", "部门", 8, "tm2.FName"},
    {"FEmp", "业务员", 8, "tm3.FName"},
    {"FDate", "单据日期", 7, "u1.FDate"},
    {"FBillNo", "单据编号", 8, "u1.FBillID"},
    {"FQty", "数量", 5, "u2.FQty"},
    {"FPrice", "含税单价", 5, "u2.FTaxPrice"},
    {"FDiscountRate", "折扣率", 5, "u2.FDiscountRate"},
    {"FCurrencyName", "币别", 8, "tm4.FName"},
    {"FExchangeRate", "汇率", 5, "u1.FExchangeRate"},
    {"FUnit", "单位", 8, "t2.FName"},
    {"FPriceDiscount", "实际价格", 5, "u2.FPriceDiscount"},
    {"FAmtTotalFor", "价税合计", 5, "u2.FAmtTotalFor"},
};

TEST(FieldTable, FilledForAWindowOfEitherFlavour)
{
    for (int32_t queryType : {1, 2}) {
        tq::InitFieldTable(queryType);
        for (int k = 1; k <= tq::FieldCount; ++k) {
            const Expected& e = kRows[k - 1];
            const tq::FieldDef& row = tq::FieldTable(k);
            EXPECT_EQ(row.Key, QString::fromLatin1(e.key)) << k;
            if (e.title) {
                EXPECT_EQ(row.Title, QString::fromUtf8(e.title)) << k;
            }
            EXPECT_EQ(row.DataType, e.dataType) << k;
            EXPECT_EQ(row.ColumnNo, k);
            EXPECT_EQ(row.SqlField, QString::fromLatin1(e.sqlField)) << k;
            EXPECT_EQ(row.SortChoice, -1) << k;
        }
        EXPECT_EQ(tq::FieldTable(6).Title, queryType == 1 ? QStringLiteral("客户") : QStringLiteral("供应商"));
    }
}

TEST(FieldTable, NewWindowResetsTheConditionDialogsValues)
{
    tq::InitFieldTable(1);
    tq::FieldDef& price = tq::FieldTable(12);
    price.SortChoice = 1;
    price.FindText = QStringLiteral("12.5");
    price.FilterCondition = 3;
    price.FilterValue = QStringLiteral("10");

    tq::InitFieldTable(0);  // another window, purchase flavour
    EXPECT_EQ(price.SortChoice, -1);
    EXPECT_TRUE(price.FindText.isEmpty());
    EXPECT_EQ(price.FilterCondition, 0);
    EXPECT_TRUE(price.FilterValue.isEmpty());
    EXPECT_EQ(tq::FieldTable(6).Title, QStringLiteral("供应商"));
}

TEST(FieldTable, RowsOutsideOneToEighteenDoNotExist)
{
    for (int row : {0, -1, 19}) {
        try {
            tq::FieldTable(row);
            ADD_FAILURE() << row;
        } catch (const com::ComError& e) {
            EXPECT_EQ(e.number(), com::VB_SUBSCRIPT_OUT_OF_RANGE);
        }
    }
}

} // namespace

// The table of the 18 history columns behind find, sort and filter: a new window starts from
// clean condition values.
#include "tradequery/history/FieldTable.h"

#include <gtest/gtest.h>

TEST(FieldTable, ANewWindowResetsTheConditionDialogsValues)
{
    tq::InitFieldTable(1);
    tq::FieldDef& price = tq::FieldTable(12);
    price.SortChoice = 1;
    price.FindText = price.FilterValue = QStringLiteral("10");
    price.FilterCondition = 3;
    tq::InitFieldTable(0);
    EXPECT_EQ(price.SortChoice, -1);
    EXPECT_TRUE(price.FindText.isEmpty());
    EXPECT_EQ(price.FilterCondition, 0);
    EXPECT_TRUE(price.FilterValue.isEmpty());
}

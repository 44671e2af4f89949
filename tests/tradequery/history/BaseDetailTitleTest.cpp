// The title row: the column titles of the flavour, and the number columns marked right-aligned.
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/history/HistoryLedgerTestData.h"
#include "tradequery/history/BaseDetail.h"

#include <gtest/gtest.h>

using historytest::RecordingLedger;

namespace {

// A detail titled for the sales flavour over a recording grid.
class BaseDetailTitleTest : public ::testing::Test {
protected:
    BaseDetailTitleTest()
    {
        detail.setLdg(grid);
        detail.GetTitleInfo(1);
    }

    fakehost::FakeHost host;
    std::shared_ptr<RecordingLedger> grid = std::make_shared<RecordingLedger>();
    tq::BaseDetail detail;
};

const QString salesTitles = QStringLiteral(
    "物料代码|物料名称|规格型号|辅助属性代码|辅助属性|客户|部门|业务员|单据日期|单据编号|"
    "数量|含税单价|折扣率|币别|汇率|单位|实际价格|价税合计|");

TEST_F(BaseDetailTitleTest, TitlesTheEighteenColumnsForTheFlavour)
{
    EXPECT_EQ(grid->cols, 18);
    EXPECT_EQ(detail.TRowData(1), salesTitles);

    for (int32_t purchase : {0, 2, -1}) {
        detail.GetTitleInfo(purchase);
        QString expected = salesTitles;
        expected.replace(QStringLiteral("|客户|"), QStringLiteral("|供应商|"));
        EXPECT_EQ(detail.TRowData(1), expected) << "QueryType " << purchase;
    }
}

TEST_F(BaseDetailTitleTest, MarksExactlyTheNumberColumnsRightAligned)
{
    detail.TRowData(1);

    // 数量, 含税单价, 折扣率, 汇率, 实际价格, 价税合计.
    const QMap<long, long> expected{{11, 1}, {12, 1}, {13, 1}, {15, 1}, {17, 1}, {18, 1}};
    EXPECT_EQ(grid->numericAlign, expected);
}

TEST_F(BaseDetailTitleTest, ANumberColumnBeyondTheGridEndsTheTitleRow)
{
    grid->cols = 12;

    EXPECT_EQ(detail.TRowData(1), QStringLiteral(
        "物料代码|物料名称|规格型号|辅助属性代码|辅助属性|客户|部门|业务员|单据日期|单据编号|数量|含税单价|"));
    EXPECT_EQ(grid->numericAlign.keys(), (QList<long>{11, 12}));
}

TEST_F(BaseDetailTitleTest, OnlyRowOneHasTitles)
{
    for (long row : {0L, 2L, -1L})
        EXPECT_EQ(detail.TRowData(row), QString()) << row;
    EXPECT_TRUE(grid->numericAlign.isEmpty());
}

TEST_F(BaseDetailTitleTest, WithoutAGridTitlingRaisesButTheTitleRowIsAnswered)
{
    EXPECT_THROW(tq::BaseDetail().GetTitleInfo(1), com::ComError);

    detail.setLdg(com::ComObjectPtr());
    EXPECT_EQ(detail.TRowData(1), salesTitles);
}

} // namespace

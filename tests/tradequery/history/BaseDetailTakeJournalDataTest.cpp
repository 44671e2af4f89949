// Loading a history: the held recordset, the grid's row count, and what a failed query leaves.
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/history/HistoryLedgerTestData.h"
#include "tradequery/history/BaseDetail.h"

#include <gtest/gtest.h>

using historytest::HistoryLine;
using historytest::RecordingLedger;
using historytest::historyRows;

namespace {

const QString firstSql = QStringLiteral("select top 50 first");
const QString secondSql = QStringLiteral("select top 50 second");

class BaseDetailTakeJournalDataTest : public ::testing::Test {
protected:
    BaseDetailTakeJournalDataTest()
    {
        host.appCnnExt().sql().answer(firstSql, historyRows({HistoryLine{}, HistoryLine{}, HistoryLine{}}));
        detail = std::make_unique<tq::BaseDetail>();
        detail->setLdg(grid);
        detail->GetTitleInfo(1);
    }

    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    std::shared_ptr<RecordingLedger> grid = std::make_shared<RecordingLedger>();
    std::unique_ptr<tq::BaseDetail> detail;
};

TEST_F(BaseDetailTakeJournalDataTest, KeepsTheResultAndCountsATitleRowAndOneRowPerRecord)
{
    EXPECT_EQ(detail->recordset(), nullptr);
    host.log().clear();

    EXPECT_TRUE(detail->TakeJournalData(firstSql));

    const QList<fakehost::Call> executed = host.log().callsTo(QStringLiteral("AppCnnExt"), QStringLiteral("Execute"));
    ASSERT_EQ(executed.size(), 1);
    EXPECT_EQ(executed[0].args, (QVariantList{fakehost::FakeHost::kPropsString, firstSql}));
    ASSERT_NE(detail->recordset(), nullptr);
    EXPECT_EQ(detail->recordset()->RecordCount(), 3);
    // Emptied first, so the grid asks every row again even when the count is the same.
    EXPECT_EQ(grid->rowCountsSet, (QList<long>{1, 4}));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(BaseDetailTakeJournalDataTest, AnEmptyResultLeavesTheTitleRowOnly)
{
    ASSERT_TRUE(detail->TakeJournalData(firstSql));
    host.appCnnExt().sql().answer(secondSql, historyRows({}));

    EXPECT_TRUE(detail->TakeJournalData(secondSql));
    EXPECT_EQ(detail->recordset()->RecordCount(), 0);
    EXPECT_EQ(grid->rows, 1);
    EXPECT_EQ(grid->rowCountsSet.mid(2), (QList<long>{1, 1}));
}

TEST_F(BaseDetailTakeJournalDataTest, AFailedQueryIsReportedAndLeavesTheLedgerAsItWas)
{
    ASSERT_TRUE(detail->TakeJournalData(firstSql));
    const ado::RecordsetPtr shown = detail->recordset();
    grid->rowCountsSet.clear();

    struct Failure {
        const char* what;
        QString sql;
        QString expectedText;
    };
    host.appCnnExt().failures().fail(
        QStringLiteral("Execute"),
        com::ComError(com::ADO_PROVIDER_ERROR, QStringLiteral("HostDatabase"), QStringLiteral("no such column: u2.FQtyX")));
    const std::vector<Failure> failures = {
        {"the database rejects the statement", secondSql, QStringLiteral("查询数据库时出错。原因:no such column: u2.FQtyX")},
        {"the statement is blank", QStringLiteral("   "), QStringLiteral("查询数据库时出错。原因:无效的参数sSql")},
    };
    for (const Failure& failure : failures) {
        boxes.clear();
        EXPECT_FALSE(detail->TakeJournalData(failure.sql)) << failure.what;

        ASSERT_EQ(boxes.boxes().size(), 1) << failure.what;
        EXPECT_EQ(boxes.boxes()[0].text, failure.expectedText);
        EXPECT_EQ(boxes.boxes()[0].style, 64);
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("青禾提示"));
        EXPECT_EQ(detail->recordset(), shown) << failure.what;
        EXPECT_TRUE(grid->rowCountsSet.isEmpty()) << failure.what;
        EXPECT_EQ(grid->rows, 4);
    }
}

TEST_F(BaseDetailTakeJournalDataTest, WithoutAGridTheLoadIsReported)
{
    detail->setLdg(com::ComObjectPtr());
    EXPECT_FALSE(detail->TakeJournalData(firstSql));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith(QStringLiteral("查询数据库时出错。原因:对象变量或 With 块变量未设置")))
        << boxes.boxes()[0].text.toStdString();
}

} // namespace

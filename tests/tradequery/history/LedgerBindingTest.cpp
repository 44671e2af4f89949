// The history ledger behind a real Ledger50 grid, painted offscreen: what a person reads in
// the cells once a history is loaded.
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/history/HistoryLedgerTestData.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/CurrencyScale.h"
#include "tradequery/history/LedgerBinding.h"

#include "platform/controls/Ledger50.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using historytest::HistoryLine;
using historytest::historyRows;
using historytest::scaleRow;

namespace {

const QString historySql = QStringLiteral("select top 50 history of 01.001");

QString screenshotPath(const QString& name)
{
    QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots"));
    dir.mkpath(QStringLiteral("."));
    return dir.absoluteFilePath(name);
}

class LedgerBindingTest : public ::testing::Test {
protected:
    LedgerBindingTest()
    {
        host.systemProfile().setProfile(QStringLiteral("IC"), QStringLiteral("PrecisionOfDiscountRate"), 2);
        host.billDataAccess().sql().answer(tq::CurrencyScaleSql(1), scaleRow(2));
        host.billDataAccess().sql().answer(tq::CurrencyScaleSql(3), scaleRow(0));

        HistoryLine rmb;
        rmb.billNo = QStringLiteral("XS000102");
        rmb.date = QDate(2008, 3, 18);
        rmb.qty = 1200.0;
        rmb.price = 1234.5;
        rmb.discountRate = 5.0;
        rmb.priceDiscount = 1172.775;
        rmb.amount = 1407330.0;
        HistoryLine jpy;
        jpy.billNo = QStringLiteral("XS000087");
        jpy.company = QStringLiteral("大阪商事");
        jpy.dept = QVariant();
        jpy.currencyId = 3;
        jpy.currencyName = QStringLiteral("日元");
        jpy.exchangeRate = 0.0653;
        jpy.amount = 250000.4;
        host.appCnnExt().sql().answer(historySql, historyRows({rmb, jpy}));

        ledger.resize(1600, 200);
        // Created once the host is set up: it reads the discount precision when created.
        history = std::make_unique<tq::BaseDetail>();
        history->setLdg(&ledger);
        history->GetTitleInfo(1);
    }

    fakehost::FakeHost host;
    controls::Ledger50 ledger;
    std::unique_ptr<tq::BaseDetail> history;
    tq::BaseDetail& detail() { return *history; }
};

TEST_F(LedgerBindingTest, TheGridShowsTheFormattedHistory)
{
    tq::LedgerBinding binding(ledger, detail());
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    ledger.grab().toImage().save(screenshotPath(QStringLiteral("history_ledger.png")));

    ASSERT_EQ(ledger.Rows(), 3);
    EXPECT_EQ(ledger.LedgerCell(1, 6).Text(), QStringLiteral("客户"));
    EXPECT_EQ(ledger.LedgerCell(1, 18).Text(), QStringLiteral("价税合计"));

    const QStringList first{"01.001", "螺丝", "M6", "", "", "华东五金", "销售部", "王明", "2008-03-18",
                            "XS000102", "1200", "1,234.50", "5.00", "人民币", "1", "个", "1,172.78",
                            "1,407,330.00"};
    const QStringList second{"01.001", "螺丝", "M6", "", "", "大阪商事", "", "王明", "2008-01-05",
                             "XS000087", "10", "2.50", "0.00", "日元", "0.0653", "个", "2.50", "250,000"};
    for (long col = 1; col <= 18; ++col) {
        EXPECT_EQ(ledger.LedgerCell(2, col).Text(), first[col - 1]) << "row 2 column " << col;
        EXPECT_EQ(ledger.LedgerCell(3, col).Text(), second[col - 1]) << "row 3 column " << col;
    }

    for (long col = 1; col <= 18; ++col) {
        const bool number = QList<long>{11, 12, 13, 15, 17, 18}.contains(col);
        EXPECT_EQ(ledger.LedgerColumn(col).NumericAlign(), number ? 1 : 0) << "column " << col;
    }
}

TEST_F(LedgerBindingTest, ASortOfTheRecordsetShowsAfterTheGridIsRecounted)
{
    tq::LedgerBinding binding(ledger, detail());
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    ASSERT_EQ(ledger.LedgerCell(2, 10).Text(), QStringLiteral("XS000102"));

    // As the title double-click does it.
    detail().recordset()->SetSort(QStringLiteral("FBillNo ASC"));
    auto& grid = ledger.LedgerGrid();
    grid.setRowCount(grid.FixedRowCount());
    grid.setRowCount(grid.FixedRowCount() + detail().recordset()->RecordCount());
    grid.Redraw();

    EXPECT_EQ(ledger.LedgerCell(2, 10).Text(), QStringLiteral("XS000087"));
    EXPECT_EQ(ledger.LedgerCell(3, 10).Text(), QStringLiteral("XS000102"));
}

TEST_F(LedgerBindingTest, AnEmptyHistoryShowsTheTitlesOnly)
{
    tq::LedgerBinding binding(ledger, detail());
    host.appCnnExt().sql().answer(historySql, historyRows({}));
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    ledger.grab().toImage().save(screenshotPath(QStringLiteral("history_ledger_empty.png")));

    EXPECT_EQ(ledger.Rows(), 1);
    EXPECT_EQ(ledger.LedgerCell(1, 1).Text(), QStringLiteral("物料代码"));
}

TEST_F(LedgerBindingTest, AfterTheBindingEndsTheGridIsNoLongerAnswered)
{
    {
        tq::LedgerBinding binding(ledger, detail());
        ASSERT_TRUE(detail().TakeJournalData(historySql));
        ASSERT_EQ(ledger.LedgerCell(2, 1).Text(), QStringLiteral("01.001"));
    }
    ledger.LedgerGrid().Redraw();
    EXPECT_EQ(ledger.LedgerCell(2, 1).Text(), QString());
}

} // namespace

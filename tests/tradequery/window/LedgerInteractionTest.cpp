// The browse window answering its ledger grid, through a real Ledger50 painted offscreen: the
// formatted history in the cells, the "00.00" value format, the price of the current row in the
// status bar, the title sort and the price tooltip.
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/history/HistoryLedgerTestData.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/CurrencyScale.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/window/LedgerInteraction.h"

#include "platform/controls/Ledger50.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QTableView>
#include <QTest>
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

class LedgerInteractionTest : public ::testing::Test {
protected:
    LedgerInteractionTest()
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

        window->resize(1600, 400);
        // Created once the host is set up: it reads the discount precision when created.
        auto history = std::make_unique<tq::BaseDetail>();
        history->setLdg(&ledger());
        history->GetTitleInfo(1);
        window->setLedgerObject(std::move(history));
    }

    controls::Ledger50& ledger() { return window->ldgBase(); }
    tq::BaseDetail& detail() { return *window->ledgerObject(); }

    void showWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*window));
    }

    // A double-click on the title of a ledger column (1-based), as a person makes it.
    void doubleClickTitle(int column)
    {
        QHeaderView* titles = ledger().tableView()->horizontalHeader();
        QTest::mouseDClick(titles->viewport(), Qt::LeftButton, {},
                           QPoint(titles->sectionViewportPosition(column - 1) + 5, 5));
    }

    QStringList billColumn()
    {
        QStringList bills;
        for (long row = 2; row <= ledger().Rows(); ++row)
            bills << ledger().LedgerCell(row, 10).Text();
        return bills;
    }

    fakehost::FakeHost host;
    browsetest::TestWindow window{1};
};

TEST_F(LedgerInteractionTest, TheGridShowsTheFormattedHistory)
{
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    ledger().grab().toImage().save(screenshotPath(QStringLiteral("history_ledger.png")));

    ASSERT_EQ(ledger().Rows(), 3);
    EXPECT_EQ(ledger().LedgerCell(1, 6).Text(), QStringLiteral("客户"));
    EXPECT_EQ(ledger().LedgerCell(1, 18).Text(), QStringLiteral("价税合计"));

    const QStringList first{"01.001", "螺丝", "M6", "", "", "华东五金", "销售部", "王明", "2008-03-18",
                            "XS000102", "1200", "1,234.50", "5.00", "人民币", "1", "个", "1,172.78",
                            "1,407,330.00"};
    const QStringList second{"01.001", "螺丝", "M6", "", "", "大阪商事", "", "王明", "2008-01-05",
                             "XS000087", "10", "2.50", "0.00", "日元", "0.0653", "个", "2.50", "250,000"};
    for (long col = 1; col <= 18; ++col) {
        EXPECT_EQ(ledger().LedgerCell(2, col).Text(), first[col - 1]) << "row 2 column " << col;
        EXPECT_EQ(ledger().LedgerCell(3, col).Text(), second[col - 1]) << "row 3 column " << col;
    }
    for (long col = 1; col <= 18; ++col) {
        const bool number = QList<long>{11, 12, 13, 15, 17, 18}.contains(col);
        EXPECT_EQ(ledger().LedgerColumn(col).NumericAlign(), number ? 1 : 0) << "column " << col;
    }
}

TEST_F(LedgerInteractionTest, ValuesAreFormattedWithTwoIntegerDigits)
{
    for (const auto& [value, text] : {std::pair{QVariant(7.5), QStringLiteral("07.50")},
                                      std::pair{QVariant(5), QStringLiteral("05.00")},
                                      std::pair{QVariant(123.456), QStringLiteral("123.46")}}) {
        QString result;
        emit ledger().FormatRequest(value, QStringLiteral("#,##0.0000"), result);
        EXPECT_EQ(result, text) << value.toDouble();
    }
}

TEST_F(LedgerInteractionTest, TheCurrentRowsPriceGoesToTheStatusBar)
{
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    ledger().LedgerSelection().setCurrentRow(3);
    emit ledger().CurrentRowChanged();
    EXPECT_EQ(window->statusText(QStringLiteral("Info")), QStringLiteral("物料代码[01.001]价格:2.50"));

    // "SelChanged" names the row; other notifications are ignored.
    emit ledger().Notify(0, QStringLiteral("SelChanged"), 2, 2, QVariant());
    EXPECT_EQ(window->statusText(QStringLiteral("Info")), QStringLiteral("物料代码[01.001]价格:1,172.78"));
    window->setStatusText(QStringLiteral("Info"), QStringLiteral("before"));
    emit ledger().Notify(1, QStringLiteral("SelChanged"), 2, 3, QVariant());
    emit ledger().Notify(0, QStringLiteral("Scrolled"), 2, 3, QVariant());
    EXPECT_EQ(window->statusText(QStringLiteral("Info")), QStringLiteral("before"));

    // Without a data row (only the title row is left) nothing changes.
    host.appCnnExt().sql().answer(historySql, historyRows({}));
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    ASSERT_LE(ledger().LedgerSelection().CurrentRow(), 1);
    window->ShowCurrentRowPrice();
    EXPECT_EQ(window->statusText(QStringLiteral("Info")), QStringLiteral("before"));
}

TEST_F(LedgerInteractionTest, DoubleClickedTitlesSortAscendingThenDescending)
{
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    showWindow();
    fakehost::MsgBoxRecorder boxes;
    EXPECT_EQ(billColumn(), (QStringList{"XS000102", "XS000087"}));

    doubleClickTitle(10);
    EXPECT_EQ(detail().recordset()->Sort(), QStringLiteral("FBillNo ASC"));
    EXPECT_EQ(billColumn(), (QStringList{"XS000087", "XS000102"}));
    doubleClickTitle(10);
    EXPECT_EQ(detail().recordset()->Sort(), QStringLiteral("FBillNo DESC"));
    EXPECT_EQ(billColumn(), (QStringList{"XS000102", "XS000087"}));
    doubleClickTitle(10);
    EXPECT_EQ(detail().recordset()->Sort(), QStringLiteral("FBillNo ASC"));
    // Another column starts ascending, replacing the sort.
    doubleClickTitle(18);
    EXPECT_EQ(detail().recordset()->Sort(), QStringLiteral("FAmtTotalFor ASC"));
    EXPECT_EQ(billColumn(), (QStringList{"XS000087", "XS000102"}));
    EXPECT_EQ(ledger().Rows(), 3);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    // The dialog's sort is left alone.
    EXPECT_EQ(window->CurrentSort(), QString());
}

TEST_F(LedgerInteractionTest, NoSortOnADataRowNorOnAnEmptyLedger)
{
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    showWindow();
    fakehost::MsgBoxRecorder boxes;
    QTest::mouseDClick(ledger().tableView()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    ASSERT_GT(ledger().LedgerGrid().MouseRow(), 1);
    window->ledgerInteraction().ldgBase_TitleDblClick();
    EXPECT_EQ(detail().recordset()->Sort(), QString());

    // An empty history shows the titles only.
    host.appCnnExt().sql().answer(historySql, historyRows({}));
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    EXPECT_EQ(ledger().Rows(), 1);
    EXPECT_EQ(ledger().LedgerCell(1, 1).Text(), QStringLiteral("物料代码"));
    doubleClickTitle(10);
    EXPECT_EQ(detail().recordset()->Sort(), QString());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(LedgerInteractionTest, ASortThatFailsIsReported)
{
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    showWindow();
    fakehost::MsgBoxRecorder boxes;
    // The recordset was closed under the grid: reading its sort fails.
    detail().recordset()->Close();
    doubleClickTitle(10);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << "a closed recordset is not sorted";

    ASSERT_TRUE(detail().TakeJournalData(historySql));
    tq::FieldTable(10).Key = QStringLiteral("FNoSuchField");
    doubleClickTitle(10);
    tq::InitFieldTable(1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith(QStringLiteral("排序数据时出错。原因：")));
    EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("青禾提示"));
    EXPECT_EQ(billColumn(), (QStringList{"XS000102", "XS000087"}));
}

TEST_F(LedgerInteractionTest, RefreshAppliesTheDialogsSortAgain)
{
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    window->setCurrentSort(QStringLiteral("FBillNo ASC"));
    window->Refresh();
    EXPECT_EQ(detail().recordset()->Sort(), QStringLiteral("FBillNo ASC"));
    EXPECT_EQ(billColumn(), (QStringList{"XS000087", "XS000102"}));
}

TEST_F(LedgerInteractionTest, TheTooltipFollowsThePointer)
{
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    showWindow();
    QHeaderView* titles = ledger().tableView()->horizontalHeader();
    QTest::mouseMove(titles->viewport(), QPoint(10, 5));
    EXPECT_EQ(ledger().ToolTipText(),
              QStringLiteral("记住了吗?1.双击标题可相应排序查询结果; 2.将鼠标移动到相应的行上,就可快速地显示价格信息。"));
    QTest::mouseMove(ledger().tableView()->viewport(), QPoint(20, 5));
    ASSERT_EQ(ledger().LedgerGrid().MouseRow(), 2);
    EXPECT_EQ(ledger().ToolTipText(), QStringLiteral("01.001|螺丝|价格信息:1,172.78"));
}

TEST_F(LedgerInteractionTest, TheWindowDescribesWhatItShowsByName)
{
    ASSERT_TRUE(detail().TakeJournalData(historySql));
    window->setTitleClass(QStringLiteral("物料信息"));
    window->setTitleItem(QStringLiteral("[01.001(螺丝)]  的 客户信息--共计：2条记录"));
    window->setStatusText(QStringLiteral("Status"), QStringLiteral("就绪"));
    window->setStatusText(QStringLiteral("Passtime"), QStringLiteral("取数据时间: 3.00 毫秒"));

    QString described;
    ASSERT_TRUE(QMetaObject::invokeMethod(&*window, "describeForScreenshot", Qt::DirectConnection,
                                          Q_RETURN_ARG(QString, described)));
    const QStringList lines = described.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 3 + 1) << described.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("左标题: 物料信息"));
    EXPECT_EQ(lines[1], QStringLiteral("右标题: [01.001(螺丝)]  的 客户信息--共计：2条记录"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("表格: 物料代码\t物料名称\t")));
    EXPECT_EQ(lines[3].split(QLatin1Char('\t')).size(), 18);
    EXPECT_TRUE(lines[4].endsWith(QStringLiteral("\t2.50\t250,000")));
    EXPECT_EQ(lines[5], QStringLiteral("状态栏: 就绪 | 取数据时间: 3.00 毫秒 | "));
}

} // namespace

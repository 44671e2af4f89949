// The browse window answering its real, offscreen ledger grid: the "00.00" value format, the
// current row's price in the status bar and the title sort.
#include "platform/controls/Ledger50.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/testsupport/Screenshots.h"
#include "tests/tradequery/history/HistoryTestData.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/find/LedgerConditions.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/CurrencyScale.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/window/LedgerInteraction.h"

#include <QHeaderView>
#include <QLabel>
#include <QTextDocument>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using historytest::HistoryLine;
using historytest::historyRows;

namespace {

const QString kHistorySql = QStringLiteral("select top 50 history of 01.001");

// Two lines, newest first: XS000102 for 1,172.78 in a currency of 2 decimals, XS000087 for
// 2.50 in one without decimals.
class LedgerInteractionTest : public ::testing::Test {
protected:
    LedgerInteractionTest()
    {
        host.billDataAccess().sql().answer(tq::CurrencyScaleSql(1), historytest::scaleRow(2));
        host.billDataAccess().sql().answer(tq::CurrencyScaleSql(3), historytest::scaleRow(0));
        HistoryLine rmb, jpy;
        rmb.billNo = QStringLiteral("XS000102");
        rmb.priceDiscount = 1172.775;
        rmb.amount = 1407330.0;
        jpy.billNo = QStringLiteral("XS000087");
        jpy.currencyId = 3;
        jpy.amount = 250000.4;
        host.appCnnExt().sql().answer(kHistorySql, historyRows({rmb, jpy}));

        window->resize(1600, 400);
        auto history = std::make_unique<tq::BaseDetail>();
        history->setLdg(&ledger());
        history->GetTitleInfo(1);
        window->setLedgerObject(std::move(history));
        EXPECT_TRUE(detail().TakeJournalData(kHistorySql));
    }

    controls::Ledger50& ledger() { return window->ldgBase(); }
    tq::BaseDetail& detail() { return *window->ledgerObject(); }

    // A double-click on the title of a ledger column (1-based), as a person makes it.
    void doubleClickTitle(int column)
    {
        QHeaderView* titles = ledger().tableView()->horizontalHeader();
        QTest::mouseDClick(titles->viewport(), Qt::LeftButton, {}, QPoint(titles->sectionViewportPosition(column - 1) + 5, 5));
    }

    QStringList billColumn() { return {ledger().LedgerCell(2, 10).Text(), ledger().LedgerCell(3, 10).Text()}; }

    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    browsetest::TestWindow window{1};
};

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

}

TEST_F(LedgerInteractionTest, DoubleClickedTitlesSortAscendingThenDescending)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*window));
    testsupport::saveScreenshot(ledger(), QStringLiteral("history_ledger.png"));
    doubleClickTitle(10);
    EXPECT_EQ(billColumn(), (QStringList{"XS000087", "XS000102"}));
    doubleClickTitle(10);
    EXPECT_EQ(billColumn(), (QStringList{"XS000102", "XS000087"}));
    doubleClickTitle(18);  // another column starts ascending
    EXPECT_EQ(billColumn(), (QStringList{"XS000087", "XS000102"}));
    EXPECT_EQ(detail().recordset()->Sort(), QStringLiteral("FAmtTotalFor ASC"));
    EXPECT_EQ(window->conditions()->CurrentSort(), QString()) << "the sort dialog's sort is left alone";

    // A refresh applies the dialog's sort again.
    window->conditions()->frmF_SortNow(QStringLiteral("FBillNo DESC"));
    window->Refresh();
    EXPECT_EQ(billColumn(), (QStringList{"XS000102", "XS000087"}));
}

TEST_F(LedgerInteractionTest, NoSortOnADataRowAndAFailedSortIsReported)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*window));
    QTest::mouseDClick(ledger().tableView()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    window->ledgerInteraction().ldgBase_TitleDblClick();
    EXPECT_EQ(detail().recordset()->Sort(), QString());

    tq::FieldTable(10).Key = QStringLiteral("FNoSuchField");
    doubleClickTitle(10);
    tq::InitFieldTable(1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].text.startsWith(QStringLiteral("排序数据时出错。原因：")));
}

TEST_F(LedgerInteractionTest, MarkupInDataShowsAsTyped)
{
    const QString markup = QStringLiteral("<h1>客户</h1><img src=/etc/hostname>");
    window->setTitleItem(markup);
    window->setTitleClass(markup);
    window->setStatusText(QStringLiteral("Info"), markup);
    for (const char* name : {"SSPTitleItem", "SSPTitleClass", "Info"}) {
        const auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << name;
    }
    QTextDocument tip;
    tip.setHtml(controls::Ledger50::plainToolTip(markup));
    EXPECT_EQ(tip.toPlainText(), markup);
}

} // namespace

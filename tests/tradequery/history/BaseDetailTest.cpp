// The history ledger over a real ledger grid: the title row of each flavour, each cell formatted
// by the material's decimals and the currency's scale, rows that follow the held records, and
// what a load that fails leaves behind.
#include "platform/com/ErrorCodes.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/history/HistoryTestData.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/CurrencyScale.h"

#include <QDateTime>
#include <gtest/gtest.h>

using historytest::HistoryLine;
using historytest::historyRows;
using historytest::scaleRow;

namespace {

const QString kHistorySql = QStringLiteral("select top 50 history");
constexpr long WHITE = tq::BaseDetail::ROW_COLOR_WHITE;

// Currencies: 1 with 2 decimals, 3 with none, 4 with 4, 9 without a t_Currency row.
class BaseDetailTest : public ::testing::Test {
protected:
    BaseDetailTest()
    {
        host.systemProfile().setProfile(QStringLiteral("IC"), QStringLiteral("PrecisionOfDiscountRate"), 3);
        auto& scales = host.billDataAccess().sql();
        scales.answer(tq::CurrencyScaleSql(1), scaleRow(2));
        scales.answer(tq::CurrencyScaleSql(3), scaleRow(0));
        scales.answer(tq::CurrencyScaleSql(4), scaleRow(4));
        scales.answer(tq::CurrencyScaleSql(9), ado::Recordset::make({{"FScale", ado::FieldType::Integer}}, {}));
        detail = std::make_unique<tq::BaseDetail>();
        detail->setLdg(&grid);
        detail->GetTitleInfo(1);
    }

    void load(const std::vector<HistoryLine>& lines, const QString& sql = kHistorySql)
    {
        host.appCnnExt().sql().answer(sql, historyRows(lines));
        ASSERT_TRUE(detail->TakeJournalData(sql));
    }

    // Lines that differ only in their bill numbers.
    void loadBills(const QStringList& bills, const QString& sql = kHistorySql)
    {
        std::vector<HistoryLine> lines(bills.size());
        for (qsizetype i = 0; i < bills.size(); ++i)
            lines[i].billNo = bills[i];
        load(lines, sql);
    }

    // The 18 cells of a data row; every cell is followed by "|".
    QStringList cells(long row, long* color = nullptr)
    {
        long shownColor = -1;
        QStringList parts = detail->DRowData(row, shownColor).split(QLatin1Char('|'));
        EXPECT_EQ(parts.size(), 19);
        EXPECT_TRUE(parts.last().isEmpty());
        parts.removeLast();
        if (color)
            *color = shownColor;
        return parts;
    }

    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    controls::Ledger50 grid;
    std::unique_ptr<tq::BaseDetail> detail;
};

TEST_F(BaseDetailTest, TitleRowOfEachFlavour)
{
    const QString sales = QStringLiteral("物料代码|物料名称|规格型号|辅助属性代码|辅助属性|客户|部门|业务员|单据日期|单据编号|"
                                         "数量|含税单价|折扣率|币别|汇率|单位|实际价格|价税合计|");
    EXPECT_EQ(grid.LedgerGrid().ColCount(), 18);
    EXPECT_EQ(detail->TRowData(1), sales);
    for (int32_t purchase : {0, 2}) {
        detail->GetTitleInfo(purchase);
        EXPECT_EQ(detail->TRowData(1), QString(sales).replace(QStringLiteral("|客户|"), QStringLiteral("|供应商|"))) << purchase;
    }
}

TEST_F(BaseDetailTest, EachCellFollowsTheRuleOfItsColumn)
{
    struct CellCase {
        const char* what;
        std::function<void(HistoryLine&)> line;
        int column;  // 1-based ledger column
        QString expected;
    };
    const std::vector<CellCase> cases = {
        {"no quantity decimals round", [](HistoryLine& l) { l.qtyDecimal = 0; l.qty = 1234.4; }, 11, "1234"},
        {"null quantity decimals: none", [](HistoryLine& l) { l.qtyDecimal = QVariant(); l.qty = 12.6; }, 11, "13"},
        {"null price decimals: none", [](HistoryLine& l) { l.priceDecimal = QVariant(); l.price = 2.5; }, 12, "3"},
        {"actual price by the price decimals", [](HistoryLine& l) { l.priceDecimal = 0; l.priceDiscount = 1234567.891; }, 17, "1,234,568"},
        {"discount rate by the system's precision", [](HistoryLine& l) { l.discountRate = 12.34567; }, 13, "12.346"},
        {"amount in a currency without decimals", [](HistoryLine& l) { l.currencyId = 3; l.amount = 1234567.5; }, 18, "1,234,568"},
        {"amount in a currency with four decimals", [](HistoryLine& l) { l.currencyId = 4; l.amount = 1.23456; }, 18, "1.2346"},
        {"amount in a currency without a row", [](HistoryLine& l) { l.currencyId = 9; l.amount = 1500.0; }, 18, "1,500.00"},
        {"negative amount", [](HistoryLine& l) { l.amount = -1234.5; }, 18, "-1,234.50"},
        {"date without its time", [](HistoryLine& l) { l.date = QDateTime(QDate(2008, 2, 29), QTime(10, 30)); }, 9, "2008-02-29"},
        {"null department", [](HistoryLine& l) { l.dept = QVariant(); }, 7, ""},
        {"text trimmed of blanks", [](HistoryLine& l) { l.name = QStringLiteral("  螺丝 M6 "); }, 2, "螺丝 M6"},
        {"a numeric bill number stays text", [](HistoryLine& l) { l.billNo = QStringLiteral("0012345"); }, 10, "0012345"},
    };
    std::vector<HistoryLine> lines(1);  // row 2: an ordinary line, whole
    for (const CellCase& c : cases) {
        lines.emplace_back();
        c.line(lines.back());
    }
    load(lines);

    long color = 0;
    EXPECT_EQ(cells(2, &color).join(u'|'), QStringLiteral("01.001|螺丝|M6|||华东五金|销售部|王明|2008-01-05|XS000001|"
                                                          "10|2.50|0.000|人民币|1|个|2.50|25.00"));
    EXPECT_EQ(color, WHITE);
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(cells(static_cast<long>(i) + 3)[cases[i].column - 1], cases[i].expected) << cases[i].what;
}

TEST_F(BaseDetailTest, ACurrencyScaleThatCannotBeReadGivesTwoDecimals)
{
    const com::ComError failure(com::E_FAIL_, QStringLiteral("GetData"), QStringLiteral("连接已断开"));
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"the query fails", [&] { host.billDataAccess().failures().fail(QStringLiteral("ExecuteSql"), failure); }},
        {"a null scale", [&] { host.billDataAccess().sql().answer(tq::CurrencyScaleSql(3), scaleRow(QVariant())); }},
    };
    for (const auto& [what, arrange] : cases) {
        host.billDataAccess().failures().clear();
        host.billDataAccess().sql().answer(tq::CurrencyScaleSql(3), scaleRow(0));
        ASSERT_EQ(tq::CurrencyScale(3), 0);
        arrange();
        EXPECT_EQ(tq::CurrencyScale(3), 2) << what;
    }
}

// A screen of rows asks each currency's scale once; a scale changed meanwhile shows at the next load.
TEST_F(BaseDetailTest, EachLoadAsksACurrencysScaleOnce)
{
    std::vector<HistoryLine> lines(3);
    lines[0].currencyId = lines[1].currencyId = 3;
    for (HistoryLine& line : lines)
        line.amount = 2.5;
    const auto scaleQueries = [&] { return host.log().callsTo(QStringLiteral("BillDataAccess"), QStringLiteral("ExecuteSql")).size(); };
    for (const char* expected : {"3", "2.5"}) {
        load(lines);
        host.log().clear();
        for (int pass = 0; pass < 2; ++pass) {
            EXPECT_EQ(cells(2)[17], expected);
            EXPECT_EQ(cells(3)[17], expected);
            EXPECT_EQ(cells(4)[17], "2.50");
        }
        EXPECT_EQ(scaleQueries(), 2);
        host.billDataAccess().sql().answer(tq::CurrencyScaleSql(3), scaleRow(1));
    }
}

TEST_F(BaseDetailTest, RowsFollowTheHeldRecords)
{
    loadBills({"A", "B", "C"});
    EXPECT_EQ(grid.Rows(), 4);
    // In any order, as the grid paints; a sort of the recordset shows at the next request.
    EXPECT_EQ(cells(4)[9], "C");
    detail->recordset()->SetSort(QStringLiteral("FBillNo DESC"));
    EXPECT_EQ(cells(2)[9], "C");
    detail->recordset()->SetSort(QString());

    // A row beyond the grid's count shows the current record, uncoloured.
    long color = -1;
    EXPECT_EQ(cells(99, &color), cells(3));
    EXPECT_EQ(color, 0);

    // A filter left one record while the grid still counts three: the last one shows.
    detail->recordset()->SetFilter(QStringLiteral("FBillNo = 'B'"));
    EXPECT_EQ(cells(4, &color)[9], "B");
    EXPECT_EQ(color, WHITE);
}

TEST_F(BaseDetailTest, EachLoadReplacesTheRowsEvenWithTheSameCount)
{
    loadBills({"A", "B", "C"});
    loadBills({"X", "Y", "Z"}, QStringLiteral("select top 50 other"));
    EXPECT_EQ(cells(2)[9], "X");

    host.appCnnExt().sql().answer(kHistorySql, historyRows({}));
    ASSERT_TRUE(detail->TakeJournalData(kHistorySql));
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(BaseDetailTest, AFailedLoadIsReportedAndLeavesTheLedgerAsItWas)
{
    loadBills({"A", "B", "C"});
    const ado::RecordsetPtr shown = detail->recordset();
    host.appCnnExt().failures().fail(QStringLiteral("Execute"),
                                     com::ComError(com::ADO_PROVIDER_ERROR, "HostDatabase", "no such column: u2.FQtyX"));
    const std::pair<QString, QString> failures[] = {
        {QStringLiteral("select top 50 broken"), QStringLiteral("查询数据库时出错。原因:no such column: u2.FQtyX")},
        {QStringLiteral("   "), QStringLiteral("查询数据库时出错。原因:无效的参数sSql")},
    };
    for (const auto& [sql, message] : failures) {
        boxes.clear();
        EXPECT_FALSE(detail->TakeJournalData(sql));
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes()[0].text, message);
        EXPECT_EQ(boxes.boxes()[0].title, QStringLiteral("青禾提示"));
        EXPECT_EQ(detail->recordset(), shown);
        EXPECT_EQ(grid.Rows(), 4);
    }
}

} // namespace

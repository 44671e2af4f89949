// Data rows: each cell formatted for its column, the row colour, and rows that cannot be read
// in full still answered.
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/history/HistoryLedgerTestData.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/CurrencyScale.h"

#include <QDateTime>
#include <gtest/gtest.h>

using historytest::HistoryLine;
using historytest::RecordingLedger;
using historytest::historyRows;
using historytest::scaleRow;

namespace {

const QString historySql = QStringLiteral("select top 50 history");
constexpr long WHITE = tq::BaseDetail::ROW_COLOR_WHITE;

// Currencies: 1 RMB (2 decimals), 3 JPY (none), 4 with 4 decimals, 9 without a t_Currency row.
class BaseDetailRowTextTest : public ::testing::Test {
protected:
    BaseDetailRowTextTest()
    {
        host.systemProfile().setProfile(QStringLiteral("IC"), QStringLiteral("PrecisionOfDiscountRate"), 3);
        auto& scales = host.billDataAccess().sql();
        scales.answer(tq::CurrencyScaleSql(1), scaleRow(2));
        scales.answer(tq::CurrencyScaleSql(3), scaleRow(0));
        scales.answer(tq::CurrencyScaleSql(4), scaleRow(4));
        scales.answer(tq::CurrencyScaleSql(9), ado::Recordset::make({{"FScale", ado::FieldType::Integer}}, {}));
    }

    // A BaseDetail over a recording grid, loaded with the lines.
    std::unique_ptr<tq::BaseDetail> load(const std::vector<HistoryLine>& lines)
    {
        host.appCnnExt().sql().answer(historySql, historyRows(lines));
        auto detail = std::make_unique<tq::BaseDetail>();
        detail->setLdg(grid);
        detail->GetTitleInfo(1);
        EXPECT_TRUE(detail->TakeJournalData(historySql));
        return detail;
    }

    // Lines that differ only in their bill numbers.
    std::unique_ptr<tq::BaseDetail> loadBills(const QStringList& billNumbers)
    {
        std::vector<HistoryLine> lines(billNumbers.size());
        for (qsizetype i = 0; i < billNumbers.size(); ++i)
            lines[i].billNo = billNumbers[i];
        return load(lines);
    }

    static QStringList cells(const QString& rowText)
    {
        QStringList parts = rowText.split(QLatin1Char('|'));
        EXPECT_EQ(parts.size(), 19) << rowText.toStdString();  // 18 cells, each followed by "|"
        EXPECT_TRUE(parts.last().isEmpty());
        parts.removeLast();
        return parts;
    }

    fakehost::FakeHost host;
    std::shared_ptr<RecordingLedger> grid = std::make_shared<RecordingLedger>();
};

TEST_F(BaseDetailRowTextTest, AnOrdinaryLineReadsAsTheUserExpects)
{
    auto detail = load({HistoryLine{}});
    long color = -1;
    EXPECT_EQ(detail->DRowData(2, color),
              QStringLiteral("01.001|螺丝|M6|||华东五金|销售部|王明|2008-01-05|XS000001|"
                             "10|2.50|0.000|人民币|1|个|2.50|25.00|"));
    EXPECT_EQ(color, WHITE);
}

struct CellCase {
    const char* what;
    std::function<void(HistoryLine&)> line;
    int column;  // 1-based ledger column
    QString expected;
};

TEST_F(BaseDetailRowTextTest, EachColumnFollowsItsFormattingRule)
{
    const std::vector<CellCase> cases = {
        {"no quantity decimals round the quantity", [](HistoryLine& l) { l.qtyDecimal = 0; l.qty = 1234.4; }, 11, "1234"},
        {"three quantity decimals, no grouping", [](HistoryLine& l) { l.qtyDecimal = 3; l.qty = 12345.5; }, 11, "12345.500"},
        {"a null quantity precision means none", [](HistoryLine& l) { l.qtyDecimal = QVariant(); l.qty = 12.6; }, 11, "13"},
        {"price with two decimals and grouping", [](HistoryLine& l) { l.priceDecimal = 2; l.price = 1234.5; }, 12, "1,234.50"},
        {"price with three decimals", [](HistoryLine& l) { l.priceDecimal = 3; l.price = 1234567.891; }, 12, "1,234,567.891"},
        {"a null price precision means none", [](HistoryLine& l) { l.priceDecimal = QVariant(); l.price = 2.5; }, 12, "3"},
        {"actual price follows the price decimals", [](HistoryLine& l) { l.priceDecimal = 0; l.priceDiscount = 1234567.891; }, 17, "1,234,568"},
        {"discount rate with the system's precision", [](HistoryLine& l) { l.discountRate = 12.34567; }, 13, "12.346"},
        {"amount in a currency without decimals", [](HistoryLine& l) { l.currencyId = 3; l.amount = 1234567.5; }, 18, "1,234,568"},
        {"amount in a currency with four decimals", [](HistoryLine& l) { l.currencyId = 4; l.amount = 1.23456; }, 18, "1.2346"},
        {"amount in a currency without a row", [](HistoryLine& l) { l.currencyId = 9; l.amount = 1500.0; }, 18, "1,500.00"},
        {"negative amount", [](HistoryLine& l) { l.currencyId = 1; l.amount = -1234.5; }, 18, "-1,234.50"},
        {"exchange rate as stored", [](HistoryLine& l) { l.exchangeRate = 6.83125; }, 15, "6.83125"},
        {"date without its time", [](HistoryLine& l) { l.date = QDateTime(QDate(2008, 2, 29), QTime(10, 30)); }, 9, "2008-02-29"},
        {"null department", [](HistoryLine& l) { l.dept = QVariant(); }, 7, ""},
        {"text is trimmed of blanks", [](HistoryLine& l) { l.name = QStringLiteral("  螺丝 M6 "); }, 2, "螺丝 M6"},
        {"a bill number that looks like a number stays text", [](HistoryLine& l) { l.billNo = QStringLiteral("0012345"); }, 10, "0012345"},
        {"null quantity stays empty", [](HistoryLine& l) { l.qty = QVariant(); }, 11, ""},
    };
    std::vector<HistoryLine> lines;
    for (const CellCase& c : cases) {
        HistoryLine line;
        c.line(line);
        lines.push_back(line);
    }
    auto detail = load(lines);

    for (size_t i = 0; i < cases.size(); ++i) {
        long color = 0;
        const QStringList row = cells(detail->DRowData(static_cast<long>(i) + 2, color));
        ASSERT_EQ(row.size(), 18);
        EXPECT_EQ(row[cases[i].column - 1], cases[i].expected) << cases[i].what;
    }
}

TEST_F(BaseDetailRowTextTest, WithoutADiscountPrecisionTheRateShowsNoDecimals)
{
    host.systemProfile().clear();
    HistoryLine line;
    line.discountRate = 12.6;
    auto detail = load({line});
    long color = 0;
    EXPECT_EQ(cells(detail->DRowData(2, color))[12], "13");
}

TEST_F(BaseDetailRowTextTest, RowsFollowTheRecordsFromTheFirst)
{
    auto detail = loadBills({"A", "B", "C"});
    ASSERT_EQ(grid->rows, 4);

    long color = 0;
    // In any order, as the grid paints.
    EXPECT_EQ(cells(detail->DRowData(4, color))[9], "C");
    EXPECT_EQ(cells(detail->DRowData(2, color))[9], "A");
    EXPECT_EQ(cells(detail->DRowData(3, color))[9], "B");

    // A sort of the recordset shows at the next request: nothing is kept from before.
    detail->recordset()->SetSort(QStringLiteral("FBillNo DESC"));
    EXPECT_EQ(cells(detail->DRowData(2, color))[9], "C");
}

TEST_F(BaseDetailRowTextTest, ARowBeyondTheRowCountShowsTheCurrentRecordUncoloured)
{
    auto detail = loadBills({"A", "B"});

    long color = -1;
    const QString second = detail->DRowData(3, color);
    EXPECT_EQ(color, WHITE);

    color = -1;
    EXPECT_EQ(detail->DRowData(99, color), second);
    EXPECT_EQ(color, 0);
}

TEST_F(BaseDetailRowTextTest, ARowPastTheRecordsShowsTheLastOne)
{
    // The grid still counts three data rows while a filter has left one record.
    auto detail = loadBills({"A", "B", "C"});
    detail->recordset()->SetFilter(QStringLiteral("FBillNo = 'B'"));

    long color = 0;
    EXPECT_EQ(cells(detail->DRowData(4, color))[9], "B");
    EXPECT_EQ(color, WHITE);
}

TEST_F(BaseDetailRowTextTest, EachRowAsksTheHostForItsCurrencyScale)
{
    HistoryLine rmb, jpy;
    jpy.currencyId = 3;
    auto detail = load({rmb, jpy});
    host.log().clear();

    long color = 0;
    detail->DRowData(2, color);
    detail->DRowData(3, color);
    detail->DRowData(2, color);

    QStringList sent;
    for (const fakehost::Call& call : host.log().callsTo(QStringLiteral("BillDataAccess"), QStringLiteral("ExecuteSql"))) {
        EXPECT_EQ(call.args.value(0).toString(), fakehost::FakeHost::kPropsString);
        sent << call.args.value(1).toString();
    }
    EXPECT_EQ(sent, (QStringList{
        QStringLiteral("SELECT FScale FROM t_Currency t1 WHERE t1.FDeleted=0  and t1.FCurrencyID= 1"),
        QStringLiteral("SELECT FScale FROM t_Currency t1 WHERE t1.FDeleted=0  and t1.FCurrencyID= 3"),
        QStringLiteral("SELECT FScale FROM t_Currency t1 WHERE t1.FDeleted=0  and t1.FCurrencyID= 1"),
    }));
}

TEST_F(BaseDetailRowTextTest, AFailingCurrencyLookupGivesTwoDecimals)
{
    struct ScaleCase {
        const char* what;
        std::function<void(fakehost::FakeHost&)> arrange;
    };
    const com::ComError failure(com::E_FAIL_, QStringLiteral("GetData"), QStringLiteral("连接已断开"));
    const std::vector<ScaleCase> cases = {
        {"the query fails", [&](fakehost::FakeHost& h) { h.billDataAccess().failures().fail(QStringLiteral("ExecuteSql"), failure); }},
        {"the host cannot create its data access", [&](fakehost::FakeHost& h) { h.failCreation(QStringLiteral("ZELBillDataAccess.GetData"), failure); }},
        {"no recordset comes back", [](fakehost::FakeHost& h) { h.billDataAccess().sql().answer(tq::CurrencyScaleSql(3), nullptr); }},
        {"the scale is null", [](fakehost::FakeHost& h) { h.billDataAccess().sql().answer(tq::CurrencyScaleSql(3), scaleRow(QVariant())); }},
        {"the scale is not a number", [](fakehost::FakeHost& h) {
             h.billDataAccess().sql().answer(tq::CurrencyScaleSql(3),
                 ado::Recordset::make({{"FScale", ado::FieldType::Text}}, {{QStringLiteral("两位")}}));
         }},
    };
    for (const ScaleCase& c : cases) {
        fakehost::FakeHost caseHost;
        caseHost.billDataAccess().sql().answer(tq::CurrencyScaleSql(3), scaleRow(0));
        ASSERT_EQ(tq::CurrencyScale(3), 0);
        c.arrange(caseHost);
        EXPECT_EQ(tq::CurrencyScale(3), 2) << c.what;
    }
}

TEST_F(BaseDetailRowTextTest, ARowIsAnsweredWhateverCannotBeRead)
{
    // A statement without the decimals, the currency and most columns.
    host.appCnnExt().sql().answer(historySql, ado::Recordset::make(
        {{"FNumber", ado::FieldType::Text}, {"FQty", ado::FieldType::Double}, {"FAmtTotalFor", ado::FieldType::Double}},
        {{QStringLiteral("01.002"), 1234.4, 99.5}}));
    tq::BaseDetail detail;
    detail.setLdg(grid);
    detail.GetTitleInfo(1);
    ASSERT_TRUE(detail.TakeJournalData(historySql));

    long color = 0;
    const QStringList row = cells(detail.DRowData(2, color));
    EXPECT_EQ(row[0], "01.002");
    EXPECT_EQ(row[10], "1234");   // no quantity decimals known: none
    EXPECT_EQ(row[17], "99.5");   // no currency to look up: the amount as stored
    EXPECT_EQ(row[1], "");
    EXPECT_EQ(color, WHITE);
}

TEST_F(BaseDetailRowTextTest, BeforeAnyQueryTheRowIsEmptyCells)
{
    tq::BaseDetail detail;
    detail.setLdg(grid);
    detail.GetTitleInfo(1);
    grid->rows = 5;

    long color = 0;
    EXPECT_EQ(detail.DRowData(2, color), QString(18, QLatin1Char('|')));
}

TEST_F(BaseDetailRowTextTest, WithoutAGridTheCurrentRecordIsShownUncoloured)
{
    auto detail = loadBills({"A", "B"});
    detail->recordset()->MoveLast();
    detail->setLdg(com::ComObjectPtr());

    long color = -1;
    EXPECT_EQ(cells(detail->DRowData(2, color))[9], "B");
    EXPECT_EQ(color, 0);
}

} // namespace

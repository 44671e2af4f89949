// The price history from end to end on the small demo database, with the host's real services:
// the statement the component builds, run through the host connection, shown in a real ledger
// grid offscreen, and printed to PDF. Every cell checked here is compared with what a raw
// sqlite3 query over the same file says the person should read.
#include "hostapp/database/DemoData.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Printer.h"
#include "tests/hostapp/services/InstalledServices.h"
#include "tests/testsupport/DemoDatabaseFixture.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/history/HistoryEndToEndExpected.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/window/LedgerInteraction.h"
#include "tradequery/host/QueryOptionsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using namespace hostdb::demo;
using hostsvc::testing::InstalledServices;
using historye2e::DemoFile;
using historye2e::ExpectedLine;

constexpr int kSales = 1;
constexpr int kPurchase = 2;

QString screenshotPath(const QString& name)
{
    QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots"));
    dir.mkpath(QStringLiteral("."));
    return dir.absoluteFilePath(name);
}

// A window's history ledger: the grid, the history behind it and the binding between them.
// Created once the host services are installed (the history reads the discount precision).
struct LoadedLedger {
    controls::Ledger50 grid;
    std::unique_ptr<tq::BaseDetail> detail;
    QMetaObject::Connection binding;
    fakehost::MsgBoxRecorder boxes;

    explicit LoadedLedger(int queryType)
    {
        grid.resize(1800, 700);
        detail = std::make_unique<tq::BaseDetail>();
        detail->setLdg(&grid);
        detail->GetTitleInfo(queryType);
        binding = tq::ConnectRowTexts(grid, *detail);
    }
    ~LoadedLedger() { QObject::disconnect(binding); }

    // Builds the statement as a node click does and loads it; false (with the message a person
    // would have seen) when the history did not load.
    ::testing::AssertionResult load(int queryType, tq::QueryOptions& options, int itemId, int partnerId)
    {
        const QString key = itemId > 0 ? QString::number(itemId) : QStringLiteral("0");
        const QString sql = tq::GetHistorySQL(queryType, options, key, partnerId, tq::HistoryNormalMode, QString());
        if (!detail->TakeJournalData(sql))
            return ::testing::AssertionFailure()
                   << (boxes.boxes().isEmpty() ? std::string("no message") : boxes.boxes().front().text.toStdString());
        return ::testing::AssertionSuccess();
    }

    QStringList shownCells(long row) const
    {
        auto& ledger = const_cast<controls::Ledger50&>(grid);
        QStringList cells;
        for (long col : {historye2e::kMaterialColumn, historye2e::kPartnerColumn, historye2e::kDateColumn,
                         historye2e::kBillNoColumn, historye2e::kQtyColumn, historye2e::kPriceColumn,
                         historye2e::kAmountColumn})
            cells << ledger.LedgerCell(row, col).Text();
        return cells;
    }
};

// Every data row of the grid against the expected lines, in order.
void expectShows(const LoadedLedger& ledger, const QList<ExpectedLine>& expected)
{
    ASSERT_EQ(ledger.grid.Rows(), expected.size() + 1) << "the title row and one row per line";
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_EQ(ledger.shownCells(static_cast<long>(i) + 2), historye2e::cellsOf(expected[i]))
            << "ledger row " << i + 2;
}

QStringList billNumbers(const QList<ExpectedLine>& lines)
{
    QStringList numbers;
    for (const ExpectedLine& line : lines)
        numbers << line.billNo;
    return numbers;
}

struct HistoryCase {
    const char* name;
    int queryType;
    bool byPartner;  // the partner's history instead of the material's
};

class DemoHistory : public ::testing::Test {
protected:
    DemoFile demo{testsupport::smallDemoDatabase()};
    Samples sample = samples(hostdb::DemoSize::Small);

    int materialId() const { return demo.itemId(kClassMaterial, sample.itemNumber); }
    int partnerId(int queryType) const
    {
        return queryType == kSales ? demo.itemId(kClassCustomer, sample.customerNumber)
                                   : demo.itemId(kClassSupplier, sample.supplierNumber);
    }
};

class HistoryEndToEnd : public DemoHistory, public ::testing::WithParamInterface<HistoryCase> {};

TEST_P(HistoryEndToEnd, TheLedgerListsTheNewestLinesAsTheDatabaseHoldsThem)
{
    const HistoryCase c = GetParam();
    InstalledServices services(kClerkUserId);
    const int item = c.byPartner ? 0 : materialId();
    const int partner = c.byPartner ? partnerId(c.queryType) : 0;
    ASSERT_GT(item + partner, 0) << "the sample is in the demo database";

    tq::QueryOptions options;
    tq::ReadQueryOptions(c.queryType, options);
    ASSERT_EQ(options, (tq::QueryOptions{kAllowSelf, kTradeTimes}));

    LoadedLedger ledger(c.queryType);
    ASSERT_TRUE(ledger.load(c.queryType, options, item, partner));

    const QList<ExpectedLine> all = demo.allLines(c.queryType == kSales, item, partner);
    const QList<ExpectedLine> expected = historye2e::visibleLines(all, kTradeTimes);
    ASSERT_EQ(expected.size(), kTradeTimes) << "the sample has more lines than are listed";
    expectShows(ledger, expected);
    EXPECT_EQ(ledger.grid.LedgerCell(1, historye2e::kPartnerColumn).Text(),
              c.queryType == kSales ? QStringLiteral("客户") : QStringLiteral("供应商"));

    if (c.queryType == kSales && !c.byPartner) {
        ledger.grid.show();
        ledger.grid.grab().save(screenshotPath(QStringLiteral("history_end_to_end.png")));
    }
    EXPECT_TRUE(ledger.boxes.boxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(, HistoryEndToEnd,
                         ::testing::Values(HistoryCase{"SalesOfTheMaterial", kSales, false},
                                           HistoryCase{"SalesToTheCustomer", kSales, true},
                                           HistoryCase{"PurchasesOfTheMaterial", kPurchase, false},
                                           HistoryCase{"PurchasesFromTheSupplier", kPurchase, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DemoHistory, CancelledBillsAreLeftOut)
{
    InstalledServices services(kClerkUserId);
    for (int queryType : {kSales, kPurchase}) {
        SCOPED_TRACE(queryType == kSales ? "sales" : "purchases");
        const auto [item, cancelledBill] = demo.newestCancelledLine(queryType == kSales);
        ASSERT_GT(item, 0) << "the demo data has cancelled bills";
        const QList<ExpectedLine> all = demo.allLines(queryType == kSales, item, 0);
        const QList<ExpectedLine> expected = historye2e::visibleLines(all, kTradeTimes);
        ASSERT_FALSE(expected.isEmpty());
        // The cancelled bill is newer than the oldest listed line, so only its cancellation keeps it out.
        const auto cancelled = std::find_if(all.begin(), all.end(),
                                            [&](const ExpectedLine& line) { return line.billNo == cancelledBill; });
        ASSERT_NE(cancelled, all.end());
        ASSERT_GE(cancelled->date, expected.back().date);

        tq::QueryOptions options;
        tq::ReadQueryOptions(queryType, options);
        LoadedLedger ledger(queryType);
        ASSERT_TRUE(ledger.load(queryType, options, item, 0));
        expectShows(ledger, expected);
        for (long row = 2; row <= ledger.grid.Rows(); ++row)
            EXPECT_NE(ledger.grid.LedgerCell(row, historye2e::kBillNoColumn).Text(), cancelledBill) << "row " << row;
    }
}

class HistoryOptionsEndToEnd : public DemoHistory {
protected:
    QTemporaryDir folder;
};

TEST_F(HistoryOptionsEndToEnd, TradeTimesSavedInTheOptionsListsThatManyLines)
{
    InstalledServices services(kClerkUserId, testsupport::copySmallDemoDatabase(folder.path()));
    tq::QueryOptions changed{0, 5};
    ASSERT_TRUE(tq::SaveQueryOptions(kSales, changed));

    tq::QueryOptions sales;
    tq::ReadQueryOptions(kSales, sales);
    EXPECT_EQ(sales, changed);
    tq::QueryOptions purchases;
    tq::ReadQueryOptions(kPurchase, purchases);
    EXPECT_EQ(purchases.TradeTimes, kTradeTimes) << "the purchase flavour keeps its own count";

    LoadedLedger ledger(kSales);
    ASSERT_TRUE(ledger.load(kSales, sales, materialId(), 0));
    expectShows(ledger, historye2e::visibleLines(demo.allLines(true, materialId(), 0), 5));
}

TEST_F(HistoryOptionsEndToEnd, AllowSelfListsOnlyTheUsersOwnBills)
{
    InstalledServices services(kClerkUserId, testsupport::copySmallDemoDatabase(folder.path()));
    tq::QueryOptions ownOnly{1, kTradeTimes};
    ASSERT_TRUE(tq::SaveQueryOptions(kSales, ownOnly));
    tq::QueryOptions options;
    tq::ReadQueryOptions(kSales, options);
    ASSERT_EQ(options, ownOnly);

    const QList<ExpectedLine> all = demo.allLines(true, materialId(), 0);
    QSet<int> billersOfEveryone;
    for (const ExpectedLine& line : historye2e::visibleLines(all, kTradeTimes))
        billersOfEveryone << line.billerId;
    ASSERT_GT(billersOfEveryone.size(), 1) << "other users' bills are among the newest lines";

    LoadedLedger ledger(kSales);
    ASSERT_TRUE(ledger.load(kSales, options, materialId(), 0));
    const QList<ExpectedLine> own = historye2e::visibleLines(all, kTradeTimes, kClerkUserId);
    ASSERT_FALSE(own.isEmpty());
    expectShows(ledger, own);
}

TEST_F(DemoHistory, ARestrictedUserSeesOnlyThePartnersOfHisDataRight)
{
    InstalledServices services(kRestrictedUserId);
    for (int queryType : {kSales, kPurchase}) {
        SCOPED_TRACE(queryType == kSales ? "sales" : "purchases");
        const int rightId = demo.dataRightId(kRestrictedUserId, queryType == kSales ? kCustomerDataRight
                                                                                     : kSupplierDataRight);
        ASSERT_GT(rightId, 0);
        const QList<ExpectedLine> all = demo.allLines(queryType == kSales, materialId(), 0);
        const QList<ExpectedLine> visible = historye2e::visibleLines(all, kTradeTimes, 0, rightId);
        ASSERT_FALSE(visible.isEmpty());
        ASSERT_NE(billNumbers(visible), billNumbers(historye2e::visibleLines(all, kTradeTimes)))
            << "partners he may not see traded this material";

        tq::QueryOptions options;
        tq::ReadQueryOptions(queryType, options);
        LoadedLedger ledger(queryType);
        ASSERT_TRUE(ledger.load(queryType, options, materialId(), 0));
        expectShows(ledger, visible);
    }
}

// pdftotext's text of a PDF, pages separated by form feeds; empty when it could not run.
QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Text read back from a PDF as a person reads it. The CJK font draws some characters with the
// glyph it shares with a radical, and pdftotext names the radical: the Kangxi radicals fold back
// under NFKC, the two simplified ones our texts meet are mapped here. Blanks are dropped, as
// pdftotext keeps or loses them by glyph position.
QString asRead(const QString& text)
{
    QString folded = text.normalized(QString::NormalizationForm_KC);
    folded.replace(QChar(0x2EDA), QStringLiteral("页")).replace(QChar(0x2EA0), QStringLiteral("民"));
    folded.remove(u' ');
    return folded;
}

TEST_F(DemoHistory, APrintedLedgerCarriesItsHeaderFooterAndCells)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the PDF cannot be read back";
    InstalledServices services(kClerkUserId);
    tq::QueryOptions options;
    tq::ReadQueryOptions(kSales, options);
    LoadedLedger ledger(kSales);
    ASSERT_TRUE(ledger.load(kSales, options, materialId(), 0));
    // Tall rows spread the 50 lines over several pages; the bill numbers get room to show whole.
    ledger.grid.LedgerGrid().setRowHeight(600);
    ledger.grid.LedgerColumn(historye2e::kBillNoColumn).setWidth(1800);

    const QString node = QStringLiteral("[%1]").arg(sample.itemNumber);
    auto& printer = ledger.grid.LedgerPrinter();
    printer.setHeaderNumeric(0);
    printer.PageHeader(1).Font().setSize(18);
    printer.PageHeader(1).Font().setBold(true);
    printer.PageHeader(1).setText(QStringLiteral("|客户历史价格查询|"));
    printer.PageHeader(2).setText(QStringLiteral("|%1|").arg(node));
    printer.PageHeader(3).setText(QStringLiteral("打印日期:2026-12-06||第&[页]页 共&[总页]页"));
    printer.PageFooter(1).setText(QStringLiteral(" "));
    printer.PageFooter(2).setText(QStringLiteral("制表:张敏||第 &[页] 页"));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("history.pdf"));
    printer.setOutputFileName(pdf);
    const int pages = static_cast<int>(printer.PageLayout().pages().size());
    ASSERT_GE(pages, 2);
    printer.PrintOut();

    const QStringList text = pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(text.size(), pages) << "pdftotext read " << text.size() << " pages";
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(QStringLiteral("page %1 of %2").arg(page).arg(pages).toStdString());
        const QStringList lines = text[page - 1].split(u'\n', Qt::SkipEmptyParts);
        auto lineWith = [&](const QString& words) {
            for (const QString& line : lines)
                if (asRead(line).contains(words))
                    return asRead(line);
            return QString();
        };
        EXPECT_FALSE(lineWith(QStringLiteral("客户历史价格查询")).isEmpty());
        EXPECT_FALSE(lineWith(node).isEmpty());
        EXPECT_TRUE(lineWith(QStringLiteral("打印日期:2026-12-06")).contains(QStringLiteral("第%1页共%2页").arg(page).arg(pages)))
            << text[page - 1].toStdString();
        EXPECT_TRUE(lineWith(QStringLiteral("制表:张敏")).endsWith(QStringLiteral("第%1页").arg(page)))
            << text[page - 1].toStdString();
        EXPECT_FALSE(text[page - 1].contains(QStringLiteral("&["))) << "a placeholder was left unreplaced";
    }

    // The first line's cells open the first page, the last line's close the last page.
    const auto printedRow = [&](long row) {
        return asRead(ledger.grid.LedgerCell(row, historye2e::kDateColumn).Text()
                      + ledger.grid.LedgerCell(row, historye2e::kBillNoColumn).Text()
                      + ledger.grid.LedgerCell(row, historye2e::kQtyColumn).Text());
    };
    const QString firstAmount = ledger.grid.LedgerCell(2, historye2e::kAmountColumn).Text();
    const QString lastAmount = ledger.grid.LedgerCell(ledger.grid.Rows(), historye2e::kAmountColumn).Text();
    ASSERT_FALSE(firstAmount.isEmpty());
    EXPECT_TRUE(asRead(text.front()).contains(firstAmount)) << firstAmount.toStdString();
    EXPECT_TRUE(asRead(text.back()).contains(lastAmount)) << lastAmount.toStdString();
    EXPECT_TRUE(asRead(text.front()).contains(printedRow(2)));
    EXPECT_TRUE(asRead(text.back()).contains(printedRow(ledger.grid.Rows())));
}

} // namespace

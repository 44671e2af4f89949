// The price history end to end on the small demo database with the host's real services: the
// statement the component builds, run through the host connection and shown in a real ledger
// grid. Every cell checked is compared with what raw sqlite3 says a person should read
// (HistoryEndToEndExpected).
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Printer.h"
#include "tests/testsupport/PdfText.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/testsupport/HistoryEndToEndExpected.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/QueryOptionsStore.h"
#include "tradequery/window/LedgerInteraction.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace hostdb::demo;
using hostsvc::testing::InstalledServices;
using historye2e::ExpectedLine;
using historye2e::visibleLines;

constexpr int kSales = 1;
constexpr int kPurchase = 2;

// A history ledger as a window holds it, loaded as a node click loads it.
struct LoadedLedger {
    controls::Ledger50 grid;
    tq::BaseDetail detail;
    QMetaObject::Connection binding;
    fakehost::MsgBoxRecorder boxes;

    // With the query options stored for the flavour.
    LoadedLedger(int queryType, int itemId, int partnerId)
    {
        grid.resize(1800, 700);
        detail.setLdg(&grid);
        detail.GetTitleInfo(queryType);
        binding = tq::ConnectRowTexts(grid, detail);
        tq::QueryOptions options;
        tq::ReadQueryOptions(queryType, options);
        const QString key = itemId > 0 ? QString::number(itemId) : QStringLiteral("0");
        loaded = detail.TakeJournalData(
            tq::GetHistorySQL(queryType, options, key, partnerId, tq::HistoryNormalMode, QString()));
    }
    ~LoadedLedger() { QObject::disconnect(binding); }

    QStringList shownCells(long row)
    {
        QStringList cells;
        for (long col : historye2e::kColumns)
            cells << grid.LedgerCell(row, col).Text();
        return cells;
    }

    // Every data row against the expected lines, in order.
    void expectShows(const QList<ExpectedLine>& expected)
    {
        ASSERT_TRUE(loaded) << (boxes.boxes().isEmpty() ? "" : boxes.boxes().front().text.toStdString());
        ASSERT_EQ(grid.Rows(), expected.size() + 1) << "the title row and one row per line";
        for (qsizetype i = 0; i < expected.size(); ++i)
            EXPECT_EQ(shownCells(static_cast<long>(i) + 2), historye2e::cellsOf(expected[i])) << "row " << i + 2;
        EXPECT_TRUE(boxes.boxes().isEmpty());
    }

    bool loaded = false;
};

class DemoHistory : public ::testing::Test {
protected:
    historye2e::DemoFile demo{testsupport::smallDemoDatabase()};
    Samples sample = samples(hostdb::DemoSize::Small);

    int materialId() const { return demo.itemId(kClassMaterial, sample.itemNumber); }
    int partnerId(int queryType) const
    {
        return queryType == kSales ? demo.itemId(kClassCustomer, sample.customerNumber)
                                   : demo.itemId(kClassSupplier, sample.supplierNumber);
    }
};

TEST_F(DemoHistory, NewestLinesOfAMaterialOrAPartnerUpToTheTradeTimes)
{
    InstalledServices services(kClerkUserId);
    for (int queryType : {kSales, kPurchase}) {
        for (bool byPartner : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "query type " << queryType << (byPartner ? " by partner" : " by material"));
            const int item = byPartner ? 0 : materialId();
            const int partner = byPartner ? partnerId(queryType) : 0;
            ASSERT_GT(item + partner, 0);
            const QList<ExpectedLine> expected = visibleLines(demo.allLines(queryType == kSales, item, partner), kTradeTimes);
            ASSERT_EQ(expected.size(), kTradeTimes) << "the sample has more lines than are listed";

            LoadedLedger(queryType, item, partner).expectShows(expected);
        }
    }
}

TEST_F(DemoHistory, CancelledBillsAreLeftOut)
{
    InstalledServices services(kClerkUserId);
    for (int queryType : {kSales, kPurchase}) {
        const auto [item, cancelledBill] = demo.newestCancelledLine(queryType == kSales);
        ASSERT_GT(item, 0) << "the demo data has cancelled bills";
        const QList<ExpectedLine> all = demo.allLines(queryType == kSales, item, 0);
        const QList<ExpectedLine> expected = visibleLines(all, kTradeTimes);
        // The cancelled bill is newer than the oldest listed line: only its cancellation keeps it out.
        const auto cancelled = std::find_if(all.begin(), all.end(), [&](const auto& l) { return l.billNo == cancelledBill; });
        ASSERT_TRUE(cancelled != all.end() && !expected.isEmpty() && cancelled->date >= expected.back().date);

        LoadedLedger(queryType, item, 0).expectShows(expected);
    }
}

TEST_F(DemoHistory, ARestrictedUserSeesOnlyThePartnersOfHisDataRight)
{
    InstalledServices services(kRestrictedUserId);
    for (int queryType : {kSales, kPurchase}) {
        const int rightId =
            demo.dataRightId(kRestrictedUserId, queryType == kSales ? kCustomerDataRight : kSupplierDataRight);
        ASSERT_GT(rightId, 0);
        const QList<ExpectedLine> all = demo.allLines(queryType == kSales, materialId(), 0);
        const QList<ExpectedLine> visible = visibleLines(all, kTradeTimes, rightId);
        ASSERT_FALSE(visible.isEmpty());
        ASSERT_NE(historye2e::billNumbers(visible), historye2e::billNumbers(visibleLines(all, kTradeTimes)))
            << "partners he may not see traded this material";
        LoadedLedger(queryType, materialId(), 0).expectShows(visible);
    }
}

// The printed ledger as pdftotext reads it back: the header and footer on every page with its
// page numbers, the first line opening the first page and the last line closing the last.
TEST_F(DemoHistory, APrintedLedgerCarriesItsHeaderFooterAndCellsOnEveryPage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the PDF cannot be read back";
    const auto asRead = [](const QString& text) { return text.normalized(QString::NormalizationForm_KC).remove(u' '); };
    InstalledServices services(kClerkUserId);
    LoadedLedger ledger(kSales, materialId(), 0);
    ASSERT_TRUE(ledger.loaded);
    ledger.grid.LedgerGrid().setRowHeight(600);  // the lines over several pages
    ledger.grid.LedgerColumn(10).setWidth(1800);   // bill numbers printed whole
    auto& printer = ledger.grid.LedgerPrinter();
    printer.setHeaderNumeric(0);
    printer.PageHeader(1).setText(QStringLiteral("|客户历史价格查询|"));
    printer.PageFooter(2).setText(QStringLiteral("制表:张敏||第&[页]页 共&[总页]页"));
    QTemporaryDir folder;
    printer.setOutputFileName(folder.filePath(QStringLiteral("history.pdf")));
    const int pages = static_cast<int>(printer.PageLayout().pages().size());
    ASSERT_GE(pages, 2);
    printer.PrintOut();

    const QStringList text = testsupport::pdfPages(folder.filePath(QStringLiteral("history.pdf")));
    ASSERT_EQ(text.size(), pages);
    for (int page = 1; page <= pages; ++page) {
        const QString& read = text[page - 1];
        EXPECT_TRUE(read.contains(QStringLiteral("客户历史价格查询"))) << page;
        EXPECT_TRUE(read.contains(QStringLiteral("制表:张敏"))) << page;
        EXPECT_TRUE(read.contains(QStringLiteral("第%1页共%2页").arg(page).arg(pages))) << page;
    }
    const auto printedRow = [&](long row) { return asRead(ledger.shownCells(row).mid(2, 2).join(QString())); };
    EXPECT_TRUE(text.front().contains(printedRow(2)));
    EXPECT_TRUE(text.back().contains(printedRow(ledger.grid.Rows())));
}

} // namespace

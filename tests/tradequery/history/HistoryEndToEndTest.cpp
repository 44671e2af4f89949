// The price history end to end on the small demo database with the host's real services: the
// statement the component builds, run through the host connection, shown in a real ledger grid
// and printed to PDF. Every cell checked is compared with what raw sqlite3 says a person
// should read (HistoryEndToEndExpected).
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Printer.h"
#include "tests/testsupport/HostServicesFixture.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/testsupport/Screenshots.h"
#include "tests/tradequery/history/HistoryEndToEndExpected.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/QueryOptionsStore.h"
#include "tradequery/window/LedgerInteraction.h"

#include <QProcess>
#include <QSet>
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

            LoadedLedger ledger(queryType, item, partner);
            ledger.expectShows(expected);
            EXPECT_EQ(ledger.grid.LedgerCell(1, historye2e::kPartnerColumn).Text(),
                      queryType == kSales ? QStringLiteral("客户") : QStringLiteral("供应商"));
            if (queryType == kSales && !byPartner) {
                ledger.grid.show();
                testsupport::saveScreenshot(ledger.grid, QStringLiteral("history_end_to_end.png"));
            }
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
        ASSERT_NE(cancelled, all.end());
        ASSERT_FALSE(expected.isEmpty());
        ASSERT_GE(cancelled->date, expected.back().date);

        LoadedLedger(queryType, item, 0).expectShows(expected);
    }
}

TEST_F(DemoHistory, SavedOptionsCapTheLinesAndKeepOnlyTheUsersOwnBills)
{
    QTemporaryDir folder;
    InstalledServices services(kClerkUserId, testsupport::copySmallDemoDatabase(folder.path()));
    const QList<ExpectedLine> all = demo.allLines(true, materialId(), 0);

    tq::QueryOptions fewer{0, 5};
    ASSERT_TRUE(tq::SaveQueryOptions(kSales, fewer));
    LoadedLedger(kSales, materialId(), 0).expectShows(visibleLines(all, 5));
    tq::QueryOptions purchases;
    tq::ReadQueryOptions(kPurchase, purchases);
    EXPECT_EQ(purchases.TradeTimes, kTradeTimes) << "the purchase flavour keeps its own count";

    QSet<int> billers;
    for (const ExpectedLine& line : visibleLines(all, kTradeTimes))
        billers << line.billerId;
    ASSERT_GT(billers.size(), 1) << "other users' bills are among the newest lines";
    tq::QueryOptions ownOnly{1, kTradeTimes};
    ASSERT_TRUE(tq::SaveQueryOptions(kSales, ownOnly));
    const QList<ExpectedLine> own = visibleLines(all, kTradeTimes, kClerkUserId);
    ASSERT_FALSE(own.isEmpty());
    LoadedLedger(kSales, materialId(), 0).expectShows(own);
}

TEST_F(DemoHistory, ARestrictedUserSeesOnlyThePartnersOfHisDataRight)
{
    InstalledServices services(kRestrictedUserId);
    for (int queryType : {kSales, kPurchase}) {
        const int rightId =
            demo.dataRightId(kRestrictedUserId, queryType == kSales ? kCustomerDataRight : kSupplierDataRight);
        ASSERT_GT(rightId, 0);
        const QList<ExpectedLine> all = demo.allLines(queryType == kSales, materialId(), 0);
        const QList<ExpectedLine> visible = visibleLines(all, kTradeTimes, 0, rightId);
        ASSERT_FALSE(visible.isEmpty());
        ASSERT_NE(historye2e::billNumbers(visible), historye2e::billNumbers(visibleLines(all, kTradeTimes)))
            << "partners he may not see traded this material";
        LoadedLedger(queryType, materialId(), 0).expectShows(visible);
    }
}

// Text read back from a PDF as a person reads it: the CJK font draws some characters with the
// glyph of a radical, which pdftotext names; NFKC folds the Kangxi radicals back and the two
// simplified ones our texts meet are mapped here. Blanks are dropped, as pdftotext keeps or
// loses them by glyph position.
QString asRead(const QString& text)
{
    QString folded = text.normalized(QString::NormalizationForm_KC);
    folded.replace(QChar(0x2EDA), QStringLiteral("页")).replace(QChar(0x2EA0), QStringLiteral("民"));
    return folded.remove(u' ');
}

TEST_F(DemoHistory, APrintedLedgerCarriesItsHeaderFooterAndCellsOnEveryPage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the PDF cannot be read back";
    InstalledServices services(kClerkUserId);
    LoadedLedger ledger(kSales, materialId(), 0);
    ASSERT_TRUE(ledger.loaded);
    ledger.grid.LedgerGrid().setRowHeight(600);  // the 50 lines over several pages
    ledger.grid.LedgerColumn(historye2e::kBillNoColumn).setWidth(1800);

    auto& printer = ledger.grid.LedgerPrinter();
    printer.setHeaderNumeric(0);
    printer.PageHeader(1).setText(QStringLiteral("|客户历史价格查询|"));
    printer.PageHeader(3).setText(QStringLiteral("打印日期:2026-12-06||第&[页]页 共&[总页]页"));
    printer.PageFooter(2).setText(QStringLiteral("制表:张敏||第 &[页] 页"));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("history.pdf"));
    printer.setOutputFileName(pdf);
    const int pages = static_cast<int>(printer.PageLayout().pages().size());
    ASSERT_GE(pages, 2);
    printer.PrintOut();

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QStringList text = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(text.size(), pages);
    for (int page = 1; page <= pages; ++page) {
        const QString read = asRead(text[page - 1]);
        EXPECT_TRUE(read.contains(QStringLiteral("客户历史价格查询"))) << page;
        EXPECT_TRUE(read.contains(QStringLiteral("第%1页共%2页").arg(page).arg(pages))) << page;
        EXPECT_TRUE(read.contains(QStringLiteral("制表:张敏")));
        EXPECT_FALSE(read.contains(QStringLiteral("&["))) << "a placeholder was left unreplaced";
    }
    // The first line's cells open the first page, the last line's close the last page.
    const auto printedRow = [&](long row) {
        return asRead(ledger.grid.LedgerCell(row, historye2e::kDateColumn).Text()
                      + ledger.grid.LedgerCell(row, historye2e::kBillNoColumn).Text()
                      + ledger.grid.LedgerCell(row, historye2e::kQtyColumn).Text());
    };
    EXPECT_TRUE(asRead(text.front()).contains(printedRow(2)));
    EXPECT_TRUE(asRead(text.back()).contains(printedRow(ledger.grid.Rows())));
}

} // namespace

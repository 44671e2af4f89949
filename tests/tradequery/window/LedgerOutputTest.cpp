// The browse window's export and print: what the exporter writes (XLSX and CSV) is what the
// ledger shows, hidden columns left out; an empty ledger exports its titles; the printed PDF
// carries the page header and footer of the window's flavour and node.
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Printer.h"
#include "platform/exporter/HostExporter.h"
#include "platform/exporter/SavePathChooser.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/platform/exporter/XlsxReadBack.h"
#include "tests/testsupport/PdfText.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/history/HistoryTestData.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/CurrencyScale.h"
#include "tradequery/window/LedgerExport.h"
#include "tradequery/window/LedgerPrint.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The read-back helper of the exporter's own tests, compiled into this program too.
#include "tests/platform/exporter/XlsxReadBack.cpp"

namespace {

const QString kHistorySql = QStringLiteral("select top 50 history of 01.001");

// A CSV file's lines after its byte order mark (a file without one does not compare).
QStringList csvLines(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// A window listing two history lines of 01.001, with the host's exporter registered.
class LedgerOutputTest : public ::testing::Test {
protected:
    LedgerOutputTest()
    {
        host.billDataAccess().sql().answer(tq::CurrencyScaleSql(1), historytest::scaleRow(2));
        const historytest::HistoryLine first{.billNo = QStringLiteral("XS000102"), .priceDiscount = 1172.775, .amount = 1407330.0};
        host.appCnnExt().sql().answer(kHistorySql, historytest::historyRows({first, {.billNo = QStringLiteral("XS000087")}}));
        com::ObjectFactory::instance().registerClass(QString::fromLatin1(hostapi::progid::ExpImp80),
                                                      [] { return std::make_shared<exporter::HostExporter>(); });
        auto history = std::make_unique<tq::BaseDetail>();
        history->setLdg(&ledger());
        history->GetTitleInfo(window->QueryType());
        window->setLedgerObject(std::move(history));
        EXPECT_TRUE(window->ledgerObject()->TakeJournalData(kHistorySql));
        window.selectNode(QStringLiteral("gb7"));
    }
    ~LedgerOutputTest() override
    {
        com::ObjectFactory::instance().unregisterClass(QString::fromLatin1(hostapi::progid::ExpImp80));
        qunsetenv(exporter::exportPathVariable);
    }

    controls::Ledger50& ledger() { return window->ldgBase(); }

    // The grid's rows as CSV lines, hidden columns left out, a cell with a comma quoted.
    QStringList shownCsvLines()
    {
        QStringList lines;
        for (long row = 1; row <= ledger().Rows(); ++row) {
            QStringList cells;
            for (long col = 1; col <= ledger().LedgerGrid().ColCount(); ++col)
                if (!ledger().LedgerColumn(col).Hidden())
                    cells << ledger().LedgerCell(row, col).Text();
            lines << cells.replaceInStrings(QRegularExpression(QStringLiteral("^(.*,.*)$")), QStringLiteral("\"\\1\"")).join(u',');
        }
        return lines;
    }

    QString exportTo(const QString& name)
    {
        qputenv(exporter::exportPathVariable, folder.filePath(name).toUtf8());
        EXPECT_TRUE(tq::ExportLedger(*window)) << name.toStdString();
        return folder.filePath(name);
    }

    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    browsetest::TestWindow window{1};
    QTemporaryDir folder;
};

TEST_F(LedgerOutputTest, HiddenColumnsAreLeftOutAndEveryCellIsAsShownWhileAnEmptyLedgerExportsItsTitles)
{
    ledger().LedgerColumn(1).setHidden(true);
    ledger().LedgerColumn(4).setHidden(true);
    const QStringList shown = shownCsvLines();
    ASSERT_EQ(shown.size(), 3);
    ASSERT_EQ(shown[0].count(u','), ledger().LedgerGrid().ColCount() - 3);  // the titles have no commas
    EXPECT_EQ(csvLines(exportTo(QStringLiteral("ledger.csv"))), shown);
    // A workbook holds the same texts (the exporter's own tests read its cells), under the title.
    const exporttest::ReadSheet sheet = exporttest::readXlsx(exportTo(QStringLiteral("ledger.xlsx")));
    EXPECT_EQ(sheet.cells.value(QStringLiteral("A1")).text, QStringLiteral("客户历史销售价格查询结果")) << sheet.error.toStdString();
    EXPECT_TRUE(boxes.boxes().isEmpty());

    host.appCnnExt().sql().answer(kHistorySql, historytest::historyRows({}));
    ASSERT_TRUE(window->ledgerObject()->TakeJournalData(kHistorySql));
    EXPECT_EQ(csvLines(exportTo(QStringLiteral("empty.csv"))), shown.mid(0, 1));
}

TEST_F(LedgerOutputTest, ThePdfCarriesTheHeaderAndFooterWithoutARowNumberColumn)
{
    const QString pdf = folder.filePath(QStringLiteral("ledger.pdf"));
    ASSERT_TRUE(tq::PrintLedgerToPdf(*window, pdf));
    EXPECT_EQ(ledger().LedgerPrinter().HeaderNumeric(), 0);
    EXPECT_EQ(ledger().LedgerPrinter().PageFooter(2).Text(), QStringLiteral("第 &[页] 页        |共 &[总页] 页"));
    EXPECT_TRUE(ledger().LedgerPrinter().OutputFileName().isEmpty());  // printing goes back to the printer
    const QString text = testsupport::pdfPages(pdf).join(QString());
    for (const QString& part : {QStringLiteral("客户历史销售价格查询"), QStringLiteral("客户:gb7"), QStringLiteral("第1页"), QStringLiteral("共1页"),
                                QStringLiteral("XS000102"), QDate::currentDate().toString(QStringLiteral("打印日期:yyyy-MM-dd"))})
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << " in " << text.toStdString();
    EXPECT_FALSE(tq::PrintLedgerToPdf(*window, folder.filePath(QStringLiteral("no/such/folder/x.pdf"))));

    browsetest::TestWindow supplier(2);
    tq::PrepareLedgerPrint(*supplier);
    EXPECT_EQ(supplier->ldgBase().LedgerPrinter().PageHeader(1).Text(), QStringLiteral("供应商历史采购价格查询"));
}

} // namespace

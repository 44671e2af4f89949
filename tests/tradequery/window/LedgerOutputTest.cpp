// The browse window's export and print: what the exporter writes (XLSX and CSV) is what the
// ledger shows, hidden columns left out; an empty ledger exports its titles; the printed PDF
// carries the page header and footer of the window's flavour and node.
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Printer.h"
#include "platform/exporter/HostExporter.h"
#include "platform/exporter/SavePathChooser.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/platform/exporter/XlsxReadBack.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/MsgBoxRecorder.h"
#include "tests/tradequery/history/HistoryTestData.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tests/tradequery/window/GridFontTestSupport.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/CurrencyScale.h"
#include "tradequery/window/GridFont.h"
#include "tradequery/window/LedgerExport.h"
#include "tradequery/window/LedgerPrint.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The read-back helper of the exporter's own tests, compiled into this program too.
#include "tests/platform/exporter/XlsxReadBack.cpp"

using historytest::HistoryLine;

namespace {

const QString kHistorySql = QStringLiteral("select top 50 history of 01.001");

using Table = QList<QStringList>;

// A CSV file's lines after its BOM, as the grid's rows would be written (a cell with a comma
// quoted).
QStringList csvLines(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    return QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

QString csvLine(QStringList cells)
{
    for (QString& cell : cells)
        if (cell.contains(u','))
            cell = u'"' + cell + u'"';
    return cells.join(u',');
}

QString pdfText(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    tool.waitForFinished(30000);
    // The text extractor may give some ideographs as their radical look-alikes and drops
    // spaces between glyphs: compare in the plain forms, without spaces.
    return QString::fromUtf8(tool.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .replace(QChar(0x2EDA), QChar(0x9875))  // 页
        .remove(QLatin1Char(' '));
}

// A window listing two history lines of 01.001, with the host's exporter registered.
class LedgerOutputTest : public ::testing::Test {
protected:
    LedgerOutputTest()
    {
        host.billDataAccess().sql().answer(tq::CurrencyScaleSql(1), historytest::scaleRow(2));
        HistoryLine first;
        first.billNo = QStringLiteral("XS000102");
        first.priceDiscount = 1172.775;
        first.amount = 1407330.0;
        HistoryLine second;
        second.billNo = QStringLiteral("XS000087");
        second.date = QDate(2007, 12, 31);
        host.appCnnExt().sql().answer(kHistorySql, historytest::historyRows({first, second}));
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

    // What the grid shows, title row first, hidden columns left out.
    Table shownTable()
    {
        Table table;
        for (long row = 1; row <= ledger().Rows(); ++row) {
            QStringList cells;
            for (long col = 1; col <= ledger().LedgerGrid().ColCount(); ++col)
                if (!ledger().LedgerColumn(col).Hidden())
                    cells << ledger().LedgerCell(row, col).Text();
            table << cells;
        }
        return table;
    }

    bool exportTo(const QString& name)
    {
        qputenv(exporter::exportPathVariable, folder.filePath(name).toUtf8());
        return tq::ExportLedger(*window);
    }

    fakehost::FakeHost host;
    fakehost::MsgBoxRecorder boxes;
    browsetest::TestWindow window{1};
    QTemporaryDir folder;
};

// "A1" for column 0, row 0 (the ledger has fewer than 27 columns).
QString cellRef(int col, int row)
{
    return QChar(char16_t(u'A' + col)) + QString::number(row + 1);
}

// The cell's value in the form the grid shows it: dates as dates, numbers with six decimals
// (the grid's thousands separators taken out), texts as they are.
QString comparable(const exporttest::ReadCell& cell, QString shown)
{
    if (!cell.isNumber)
        return cell.text + u'=' + shown;
    if (cell.format.contains(QLatin1String("yy")))
        return QDate(1899, 12, 30).addDays(qint64(cell.number)).toString(Qt::ISODate) + u'=' + shown;
    return QString::number(cell.number, 'f', 6) + u'=' + QString::number(shown.remove(u',').toDouble(), 'f', 6);
}

TEST_F(LedgerOutputTest, HiddenColumnsAreLeftOutOfXlsxAndCsvAndEveryCellIsAsShown)
{
    ledger().LedgerColumn(1).setHidden(true);
    ledger().LedgerColumn(4).setHidden(true);
    const Table shown = shownTable();
    ASSERT_EQ(shown.size(), 3);
    ASSERT_EQ(shown[0].size(), ledger().LedgerGrid().ColCount() - 2);

    ASSERT_TRUE(exportTo(QStringLiteral("ledger.csv")));
    QStringList expected;
    for (const QStringList& row : shown)
        expected << csvLine(row);
    EXPECT_EQ(csvLines(folder.filePath(QStringLiteral("ledger.csv"))), expected);

    ASSERT_TRUE(exportTo(QStringLiteral("ledger.xlsx")));
    const exporttest::ReadSheet sheet = exporttest::readXlsx(folder.filePath(QStringLiteral("ledger.xlsx")));
    ASSERT_TRUE(sheet.error.isEmpty()) << sheet.error.toStdString();
    // The workbook's first row is the export title, the ledger follows from the second.
    EXPECT_EQ(sheet.cells.value(QStringLiteral("A1")).text, QStringLiteral("客户历史销售价格查询结果"));
    for (int row = 0; row < shown.size(); ++row)
        for (int col = 0; col < shown[row].size(); ++col) {
            const QString ref = cellRef(col, row + 1);
            const QString both = comparable(sheet.cells.value(ref), shown[row][col]);
            EXPECT_EQ(both.section(u'=', 0, 0), both.section(u'=', 1)) << ref.toStdString();
        }
    EXPECT_FALSE(sheet.cells.contains(cellRef(int(shown[0].size()), 1)));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(LedgerOutputTest, AnEmptyLedgerExportsItsTitlesOnly)
{
    host.appCnnExt().sql().answer(kHistorySql, historytest::historyRows({}));
    ASSERT_TRUE(window->ledgerObject()->TakeJournalData(kHistorySql));
    ASSERT_TRUE(exportTo(QStringLiteral("empty.csv")));
    EXPECT_EQ(csvLines(folder.filePath(QStringLiteral("empty.csv"))), QStringList{csvLine(shownTable()[0])});
}

TEST_F(LedgerOutputTest, ThePdfCarriesTheHeaderAndFooterWithoutARowNumberColumn)
{
    const QString pdf = folder.filePath(QStringLiteral("ledger.pdf"));
    ASSERT_TRUE(tq::PrintLedgerToPdf(*window, pdf));
    EXPECT_EQ(ledger().LedgerPrinter().HeaderNumeric(), 0);
    EXPECT_EQ(ledger().LedgerPrinter().PageFooter(2).Text(), QStringLiteral("第 &[页] 页        |共 &[总页] 页"));
    EXPECT_TRUE(ledger().LedgerPrinter().OutputFileName().isEmpty());  // printing goes back to the printer

    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("客户历史销售价格查询"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("客户:gb7"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("打印日期:") + QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("第1页")));
    EXPECT_TRUE(text.contains(QStringLiteral("共1页")));
    EXPECT_TRUE(text.contains(QStringLiteral("XS000102")));

    EXPECT_FALSE(tq::PrintLedgerToPdf(*window, folder.filePath(QStringLiteral("no/such/folder/x.pdf"))));

    browsetest::TestWindow supplier(2);
    tq::PrepareLedgerPrint(*supplier);
    EXPECT_EQ(supplier->ldgBase().LedgerPrinter().PageHeader(1).Text(), QStringLiteral("供应商历史采购价格查询"));
}

TEST_F(LedgerOutputTest, AFontChosenInThePreviewBecomesTheSavedGridFontAndTheTreesFont)
{
    QFont chosen = ledger().font();
    chosen.setPointSize(15);
    chosen.setItalic(true);
    {
        browsetest::FontDialogAnswer answer(chosen);
        tq::PrepareLedgerPrint(*window);
        tq::PreviewLedger(*window);
    }
    EXPECT_EQ(window->tvwBase().font().pointSizeF(), 15.0);
    EXPECT_TRUE(window->tvwBase().font().italic());
    EXPECT_EQ(browsetest::storedGridFont(host), tq::GridFontText(ledger().font()));
    EXPECT_TRUE(browsetest::storedGridFont(host).contains(QLatin1String("FontSize=15|FontBold=0|FontItalic=1|")));
}

} // namespace

// The ledger's print object: PDF output, printer errors, the preview with its font choice and
// the printer dialog, all answered by the process's scripted modal responder.
#include "platform/com/ComError.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Printer.h"
#include "platform/win/ModalDialog.h"
#include "tests/platform/controls/LedgerTestOwner.h"

#include <QAction>
#include <QFile>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using controls::Ledger50;
using controls::testing::LedgerTestOwner;

namespace {

const QStringList kTitles{QStringLiteral("物料代码"), QStringLiteral("物料名称"),
                          QStringLiteral("单据日期"), QStringLiteral("数量"),
                          QStringLiteral("含税单价"), QStringLiteral("价税合计")};

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF"))
        return -1;
    // Page objects, not the page tree ("/Type /Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

struct LedgerPrintTest : ::testing::Test {
    QTemporaryDir dir;
    Ledger50 ledger;
    LedgerTestOwner owner{ledger, kTitles};

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ledger.LedgerGrid().setColCount(kTitles.size());
        for (long col = 4; col <= 6; ++col)
            ledger.LedgerColumn(col).setNumericAlign(1);
        auto& printer = ledger.LedgerPrinter();
        printer.setHeaderNumeric(0);
        printer.PageHeader(1).Font().setSize(18);
        printer.PageHeader(1).Font().setBold(true);
        printer.PageHeader(1).setText(QStringLiteral("客户历史销售价格查询"));
        printer.PageHeader(2).setText(QStringLiteral(" "));
        printer.PageHeader(3).setText(QStringLiteral("全部物料:六角螺栓|打印日期:2024-05-06|"));
        printer.PageFooter(1).setText(QStringLiteral(" "));
        printer.PageFooter(2).setText(QStringLiteral("第 &[页] 页        |共 &[总页] 页"));
    }

    void TearDown() override { win::setModalResponder({}); }
};

} // namespace

TEST_F(LedgerPrintTest, PrintOutWritesEveryRowToPdfPages)
{
    ledger.setRows(201);
    const QString path = dir.filePath(QStringLiteral("ledger.pdf"));
    ledger.LedgerPrinter().setOutputFileName(path);
    const int expectedPages = static_cast<int>(ledger.LedgerPrinter().PageLayout().pages().size());
    ASSERT_GE(expectedPages, 3);

    owner.asked.clear();
    ledger.LedgerPrinter().PrintOut();
    EXPECT_EQ(pdfPageCount(path), expectedPages);
    QList<long> everyRow;
    for (long row = 1; row <= 201; ++row)
        everyRow.append(row);
    EXPECT_EQ(owner.distinctAsked(), everyRow);
    EXPECT_EQ(owner.asked.count(150), 1) << "each row is asked once per print-out";

    // Printing an empty grid still gives a page with the titles.
    ledger.setRows(1);
    const QString empty = dir.filePath(QStringLiteral("empty.pdf"));
    ledger.LedgerPrinter().setOutputFileName(empty);
    ledger.LedgerPrinter().PrintOut();
    EXPECT_EQ(pdfPageCount(empty), 1);
}

TEST_F(LedgerPrintTest, PageImageShowsHeaderGridAndFooter)
{
    owner.rowText = [](long row) {
        return QStringLiteral("01.%1|六角螺栓 M%2×40|2024-03-05|%3|1,2%4.50|%5.00|")
            .arg(1000 + row).arg(6 + row % 5).arg(row * 10).arg(row % 10).arg(row * 1234);
    };
    ledger.setRows(121);
    ledger.LedgerColumn(2).setWidth(2400);
    ledger.LedgerPrinter().setOutputFileName(dir.filePath(QStringLiteral("look.pdf")));
    const controls::LedgerPrintLayout layout = ledger.LedgerPrinter().PageLayout();
    const int pageCount = static_cast<int>(layout.pages().size());
    ASSERT_GE(pageCount, 2);
    owner.asked.clear();
    const QImage last = ledger.LedgerPrinter().PageImage(pageCount, 150);
    ASSERT_FALSE(last.isNull());
    ASSERT_TRUE(last.save(controls::testing::screenshotPath(QStringLiteral("ledger50_print_last_page.png"))));
    // Only the rows of that page (and the titles) were asked.
    QList<long> rowsOfLastPage{1};
    for (long row = layout.pages().last().firstRow; row <= 121; ++row)
        rowsOfLastPage.append(row);
    EXPECT_EQ(owner.distinctAsked(), rowsOfLastPage);
    ASSERT_TRUE(ledger.LedgerPrinter().PageImage(1, 150).save(
        controls::testing::screenshotPath(QStringLiteral("ledger50_print_first_page.png"))));
    EXPECT_THROW(ledger.LedgerPrinter().PageImage(pageCount + 1), com::ComError);
}

TEST_F(LedgerPrintTest, WideColumnsAreScaledToThePaperAndHiddenOnesLeftOut)
{
    ledger.setRows(30);
    auto& printer = ledger.LedgerPrinter();
    printer.setOutputFileName(dir.filePath(QStringLiteral("wide.pdf")));
    const QRectF paper = printer.printer().pageLayout().paintRect(QPageLayout::Inch);
    const long paperTwips = std::lround(paper.width() * 1440);

    // Six columns that together are just narrower than the paper.
    for (long col = 1; col <= 6; ++col)
        ledger.LedgerColumn(col).setWidth(paperTwips / 6 - 20);
    EXPECT_DOUBLE_EQ(printer.PageLayout().scale(), 1.0);
    // Row numbers take a column of their own and push the grid over the edge.
    printer.setHeaderNumeric(1);
    EXPECT_LT(printer.PageLayout().scale(), 1.0);
    printer.setHeaderNumeric(0);

    ledger.LedgerColumn(2).setWidth(paperTwips);
    const double scaled = printer.PageLayout().scale();
    EXPECT_NEAR(scaled, 1.0 / (2 - 1.0 / 6), 0.01);
    EXPECT_GT(printer.PageLayout().rowsPerPage(), 0);
    ledger.LedgerColumn(2).setHidden(true);
    EXPECT_DOUBLE_EQ(printer.PageLayout().scale(), 1.0);
}

TEST_F(LedgerPrintTest, PrinterThatCannotBeOpenedIsAClearError)
{
    ledger.setRows(5);
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/ledger.pdf"));
    ledger.LedgerPrinter().setOutputFileName(missing);
    try {
        ledger.LedgerPrinter().PrintOut();
        ADD_FAILURE() << "printing into a missing folder succeeded";
    } catch (const com::ComError& error) {
        EXPECT_TRUE(error.description().contains(dir.filePath(QStringLiteral("no/such/folder"))))
            << qPrintable(error.description());
    }
    EXPECT_FALSE(QFile::exists(missing));

    // A folder where the file should be: the file cannot be opened.
    ledger.LedgerPrinter().setOutputFileName(dir.path());
    EXPECT_THROW(ledger.LedgerPrinter().PrintOut(), com::ComError);

    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // Without a printer and without a file there is nowhere to print.
        ledger.LedgerPrinter().setOutputFileName(QString());
        EXPECT_THROW(ledger.LedgerPrinter().PrintOut(), com::ComError);
    }
}

TEST_F(LedgerPrintTest, HeaderAndFooterLinesOutsideTheirNumbersAreErrors)
{
    auto& printer = ledger.LedgerPrinter();
    for (long index : {0L, 4L})
        EXPECT_THROW(printer.PageHeader(index), com::ComError);
    for (long index : {0L, 3L})
        EXPECT_THROW(printer.PageFooter(index), com::ComError);
    EXPECT_THROW(printer.PageFooter(1).Font().setSize(0), com::ComError);
}

TEST_F(LedgerPrintTest, PreviewShowsThePagesAndOffersTheGridFont)
{
    ledger.setRows(121);
    ledger.LedgerPrinter().setOutputFileName(dir.filePath(QStringLiteral("preview.pdf")));
    const int expectedPages = static_cast<int>(ledger.LedgerPrinter().PageLayout().pages().size());
    // A family the font dialog lists (the default "Sans Serif" is only an alias).
    QFont chosen(QFontInfo(ledger.Font()).family(), 14);
    chosen.setBold(true);

    QStringList shown;
    int previewPages = -1;
    win::setModalResponder([&](QDialog& dialog) {
        if (auto* fonts = qobject_cast<QFontDialog*>(&dialog)) {
            shown << QStringLiteral("font");
            EXPECT_TRUE(fonts->testOption(QFontDialog::DontUseNativeDialog));
            fonts->setCurrentFont(chosen);
            return int(QDialog::Accepted);
        }
        if (qobject_cast<QPrintPreviewDialog*>(&dialog)) {
            shown << QStringLiteral("preview");
            auto* pages = dialog.findChild<QPrintPreviewWidget*>();
            previewPages = pages ? pages->pageCount() : -1;
            dialog.resize(900, 1100);
            pages->fitToWidth();
            dialog.show();
            dialog.grab().save(controls::testing::screenshotPath(QStringLiteral("ledger50_preview.png")));
            pages->setZoomFactor(2.5);
            dialog.grab().save(controls::testing::screenshotPath(QStringLiteral("ledger50_preview_zoomed.png")));
            dialog.hide();
            auto* fontAction = dialog.findChild<QAction*>(QStringLiteral("ledgerFontAction"));
            EXPECT_NE(fontAction, nullptr);
            if (fontAction)
                fontAction->trigger();
            return int(QDialog::Rejected);
        }
        shown << dialog.metaObject()->className();
        return int(QDialog::Rejected);
    });
    ledger.LedgerPrinter().Preview();

    EXPECT_EQ(shown, (QStringList{"preview", "font"}));
    EXPECT_EQ(previewPages, expectedPages);
    EXPECT_EQ(ledger.Font().family(), chosen.family());
    EXPECT_EQ(ledger.Font().pointSize(), 14);
    EXPECT_TRUE(ledger.Font().bold());
}

TEST_F(LedgerPrintTest, CancelledFontChoiceInThePreviewChangesNothing)
{
    ledger.setRows(3);
    const QFont before = ledger.Font();
    win::setModalResponder([&](QDialog& dialog) {
        if (auto* fonts = qobject_cast<QFontDialog*>(&dialog)) {
            QFont other = before;
            other.setPointSize(before.pointSize() + 6);
            fonts->setCurrentFont(other);
            return int(QDialog::Rejected);
        }
        if (auto* fontAction = dialog.findChild<QAction*>(QStringLiteral("ledgerFontAction")))
            fontAction->trigger();
        return int(QDialog::Rejected);
    });
    ledger.LedgerPrinter().Preview();
    EXPECT_EQ(ledger.Font(), before);
}

TEST_F(LedgerPrintTest, PrinterSetupShowsThePrinterDialog)
{
    for (int answer : {int(QDialog::Rejected), int(QDialog::Accepted)}) {
        QPrinter* seen = nullptr;
        win::setModalResponder([&](QDialog& dialog) {
            if (auto* printDialog = qobject_cast<QPrintDialog*>(&dialog))
                seen = printDialog->printer();
            return answer;
        });
        EXPECT_EQ(ledger.LedgerPrinter().PrinterSetup(), answer == QDialog::Accepted);
        EXPECT_EQ(seen, &ledger.LedgerPrinter().printer()) << "the dialog sets up the printer PrintOut uses";
    }
}

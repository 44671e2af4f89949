// The ledger's print object: PDF output, the rows it asks for, fitting the paper, printer
// errors, and the preview, font and printer dialogs answered by the modal responder.
#include "platform/com/ComError.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Printer.h"
#include "platform/win/ModalDialog.h"
#include "tests/platform/RaisedError.h"
#include "tests/platform/controls/LedgerTestOwner.h"

#include <QAction>
#include <QFile>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using controls::Ledger50;

namespace {

int pdfPageCount(const QString& path)
{
    QFile file(path);
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));  // not "/Pages"
    return file.open(QIODevice::ReadOnly) ? int(QString::fromLatin1(file.readAll()).count(page)) : -1;
}

struct LedgerPrintTest : ::testing::Test {
    QTemporaryDir dir;
    Ledger50 ledger;
    controls::testing::LedgerTestOwner owner{ledger, {"物料代码", "物料名称", "单据日期", "数量", "含税单价", "价税合计"}};
    controls::Ledger50Printer& printer = ledger.LedgerPrinter();

    LedgerPrintTest()
    {
        ledger.LedgerGrid().setColCount(6);
        printer.setHeaderNumeric(0);
        printer.PageHeader(1).setText(QStringLiteral("客户历史销售价格查询"));
        printer.PageFooter(2).setText(QStringLiteral("第 &[页] 页|共 &[总页] 页"));
        printer.setOutputFileName(dir.filePath(QStringLiteral("ledger.pdf")));
    }
    ~LedgerPrintTest() override { win::setModalResponder({}); }
    int pages() const { return int(printer.PageLayout().pages().size()); }
};

TEST_F(LedgerPrintTest, PrintOutAsksEveryRowOnceAndWritesThePagesOfTheLayout)
{
    ledger.setRows(201);
    const int expectedPages = pages();
    ASSERT_GE(expectedPages, 3);
    owner.asked.clear();
    printer.PrintOut();
    EXPECT_EQ(pdfPageCount(dir.filePath(QStringLiteral("ledger.pdf"))), expectedPages);
    EXPECT_EQ(owner.distinctAsked().size(), 201);
    EXPECT_EQ(owner.asked.count(150), 1) << "each row is asked once per print-out";

    ledger.setRows(1);  // an empty grid still gives a page with the titles
    printer.setOutputFileName(dir.filePath(QStringLiteral("empty.pdf")));
    printer.PrintOut();
    EXPECT_EQ(pdfPageCount(dir.filePath(QStringLiteral("empty.pdf"))), 1);
}

TEST_F(LedgerPrintTest, WideColumnsAreScaledToThePaperAndHiddenOnesLeftOut)
{
    ledger.setRows(30);
    const long paperTwips = std::lround(printer.printer().pageLayout().paintRect(QPageLayout::Inch).width() * 1440);
    for (long col = 1; col <= 6; ++col)  // together just narrower than the paper
        ledger.LedgerColumn(col).setWidth(paperTwips / 6 - 20);
    EXPECT_DOUBLE_EQ(printer.PageLayout().scale(), 1.0);
    ledger.LedgerColumn(2).setWidth(paperTwips);
    EXPECT_NEAR(printer.PageLayout().scale(), 1.0 / (2 - 1.0 / 6), 0.01);
    ledger.LedgerColumn(2).setHidden(true);
    EXPECT_DOUBLE_EQ(printer.PageLayout().scale(), 1.0);
}

TEST_F(LedgerPrintTest, UnwritableOutputAndLinesOutsideTheirNumbersAreClearErrors)
{
    ledger.setRows(5);
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/ledger.pdf"));
    printer.setOutputFileName(missing);
    EXPECT_TRUE(platformtest::raisedBy([&] { printer.PrintOut(); }).description.contains(QFileInfo(missing).path()));
    EXPECT_FALSE(QFile::exists(missing));
    const std::function<void()> refused[] = {[&] { printer.PageHeader(0); }, [&] { printer.PageHeader(4); },
                                             [&] { printer.PageFooter(3); }, [&] { printer.PageFooter(1).Font().setSize(0); }};
    for (const auto& call : refused)
        EXPECT_THROW(call(), com::ComError);
}

TEST_F(LedgerPrintTest, PreviewShowsThePagesItsFontChoiceBecomesTheGridFontAndSetupSetsUpThePrinterUsed)
{
    ledger.setRows(121);
    const int pagesBefore = pages();  // the chosen font makes more
    QFont chosen(QFontInfo(ledger.Font()).family(), 14);  // a family the dialog lists ("Sans Serif" is an alias)
    int previewPages = -1;
    QPrinter* setUp = nullptr;
    win::setModalResponder([&](QDialog& dialog) {
        if (auto* fonts = qobject_cast<QFontDialog*>(&dialog)) {
            fonts->setCurrentFont(chosen);
            return int(QDialog::Accepted);
        }
        if (auto* printDialog = qobject_cast<QPrintDialog*>(&dialog)) {
            setUp = printDialog->printer();
            return int(QDialog::Accepted);
        }
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        previewPages = preview ? preview->pageCount() : -1;
        if (auto* fontAction = dialog.findChild<QAction*>(QStringLiteral("ledgerFontAction")))
            fontAction->trigger();
        return int(QDialog::Rejected);
    });
    printer.Preview();
    EXPECT_EQ(previewPages, pagesBefore);
    EXPECT_EQ(ledger.Font().family(), chosen.family());
    EXPECT_EQ(ledger.Font().pointSize(), 14);
    EXPECT_TRUE(printer.PrinterSetup());
    EXPECT_EQ(setUp, &printer.printer());
}

} // namespace

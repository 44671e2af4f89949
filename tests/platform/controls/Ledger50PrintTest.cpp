// The ledger's print object: PDF output, the rows it asks for, fitting the paper, printer
// errors, and the preview, font and printer dialogs answered by the modal responder.
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
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using controls::Ledger50;
using controls::testing::LedgerTestOwner;

namespace {

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    // Page objects, not the page tree ("/Type /Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

struct LedgerPrintTest : ::testing::Test {
    QTemporaryDir dir;
    Ledger50 ledger;
    LedgerTestOwner owner{ledger, {"物料代码", "物料名称", "单据日期", "数量", "含税单价", "价税合计"}};
    controls::Ledger50Printer& printer = ledger.LedgerPrinter();

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ledger.LedgerGrid().setColCount(6);
        printer.setHeaderNumeric(0);
        printer.PageHeader(1).setText(QStringLiteral("客户历史销售价格查询"));
        printer.PageHeader(3).setText(QStringLiteral("全部物料:六角螺栓|打印日期:2024-05-06|"));
        printer.PageFooter(2).setText(QStringLiteral("第 &[页] 页        |共 &[总页] 页"));
        printer.setOutputFileName(dir.filePath(QStringLiteral("ledger.pdf")));
    }
    void TearDown() override { win::setModalResponder({}); }
};

} // namespace

TEST_F(LedgerPrintTest, PrintOutAsksEveryRowOnceAndWritesThePagesOfTheLayout)
{
    ledger.setRows(201);
    const int expectedPages = static_cast<int>(printer.PageLayout().pages().size());
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

TEST_F(LedgerPrintTest, APageImageAsksOnlyForTheRowsOfThatPage)
{
    ledger.setRows(121);
    const controls::LedgerPrintLayout layout = printer.PageLayout();
    const int pageCount = static_cast<int>(layout.pages().size());
    ASSERT_GE(pageCount, 3);
    owner.asked.clear();
    EXPECT_FALSE(printer.PageImage(pageCount, 150).isNull());
    // The image is laid out at its own resolution, so its page may start a row or two off the
    // printer's; it is still the titles and one page's run of rows up to the last.
    const QList<long> asked = owner.distinctAsked();
    ASSERT_GE(asked.size(), 2);
    EXPECT_EQ(asked.first(), 1);
    EXPECT_EQ(asked.last(), 121);
    EXPECT_EQ(asked.size() - 2, asked.last() - asked[1]) << "the rows are one run";
    EXPECT_LE(asked.size() - 1, layout.rowsPerPage());
    EXPECT_THROW(printer.PageImage(pageCount + 5), com::ComError);
}

TEST_F(LedgerPrintTest, WideColumnsAreScaledToThePaperAndHiddenOnesLeftOut)
{
    ledger.setRows(30);
    const long paperTwips = std::lround(printer.printer().pageLayout().paintRect(QPageLayout::Inch).width() * 1440);
    for (long col = 1; col <= 6; ++col)  // together just narrower than the paper
        ledger.LedgerColumn(col).setWidth(paperTwips / 6 - 20);
    EXPECT_DOUBLE_EQ(printer.PageLayout().scale(), 1.0);
    printer.setHeaderNumeric(1);  // row numbers take a column of their own and push it over
    EXPECT_LT(printer.PageLayout().scale(), 1.0);
    printer.setHeaderNumeric(0);
    ledger.LedgerColumn(2).setWidth(paperTwips);
    EXPECT_NEAR(printer.PageLayout().scale(), 1.0 / (2 - 1.0 / 6), 0.01);
    EXPECT_GT(printer.PageLayout().rowsPerPage(), 0);
    ledger.LedgerColumn(2).setHidden(true);
    EXPECT_DOUBLE_EQ(printer.PageLayout().scale(), 1.0);
}

TEST_F(LedgerPrintTest, UnwritableOutputAndLinesOutsideTheirNumbersAreClearErrors)
{
    ledger.setRows(5);
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/ledger.pdf"));
    printer.setOutputFileName(missing);
    try {
        printer.PrintOut();
        ADD_FAILURE() << "printing into a missing folder succeeded";
    } catch (const com::ComError& error) {
        EXPECT_TRUE(error.description().contains(dir.filePath(QStringLiteral("no/such/folder"))))
            << qPrintable(error.description());
    }
    EXPECT_FALSE(QFile::exists(missing));
    printer.setOutputFileName(dir.path());  // a folder where the file should be
    EXPECT_THROW(printer.PrintOut(), com::ComError);
    for (long index : {0L, 4L})
        EXPECT_THROW(printer.PageHeader(index), com::ComError) << index;
    for (long index : {0L, 3L})
        EXPECT_THROW(printer.PageFooter(index), com::ComError) << index;
    EXPECT_THROW(printer.PageFooter(1).Font().setSize(0), com::ComError);
}

TEST_F(LedgerPrintTest, PreviewShowsThePagesAndAnAcceptedFontChoiceBecomesTheGridFont)
{
    ledger.setRows(121);
    const int expectedPages = static_cast<int>(printer.PageLayout().pages().size());
    const QFont before = ledger.Font();
    // A family the font dialog lists (the default "Sans Serif" is only an alias).
    QFont chosen(QFontInfo(before).family(), 14);
    chosen.setBold(true);
    for (const int fontAnswer : {int(QDialog::Rejected), int(QDialog::Accepted)}) {
        QStringList shown;
        int previewPages = -1;
        win::setModalResponder([&](QDialog& dialog) {
            if (auto* fonts = qobject_cast<QFontDialog*>(&dialog)) {
                shown << QStringLiteral("font");
                EXPECT_TRUE(fonts->testOption(QFontDialog::DontUseNativeDialog));
                fonts->setCurrentFont(chosen);
                return fontAnswer;
            }
            if (qobject_cast<QPrintPreviewDialog*>(&dialog)) {
                shown << QStringLiteral("preview");
                auto* pages = dialog.findChild<QPrintPreviewWidget*>();
                previewPages = pages ? pages->pageCount() : -1;
                if (auto* fontAction = dialog.findChild<QAction*>(QStringLiteral("ledgerFontAction")))
                    fontAction->trigger();
            }
            return int(QDialog::Rejected);
        });
        printer.Preview();
        EXPECT_EQ(shown, (QStringList{"preview", "font"}));
        EXPECT_EQ(previewPages, expectedPages);
        const QFont expected = fontAnswer == QDialog::Accepted ? chosen : before;
        EXPECT_EQ(ledger.Font().family(), expected.family());
        EXPECT_EQ(ledger.Font().pointSize(), expected.pointSize());
        EXPECT_EQ(ledger.Font().bold(), expected.bold());
    }
}

TEST_F(LedgerPrintTest, PrinterSetupSetsUpThePrinterPrintOutUses)
{
    for (int answer : {int(QDialog::Rejected), int(QDialog::Accepted)}) {
        QPrinter* seen = nullptr;
        win::setModalResponder([&](QDialog& dialog) {
            if (auto* printDialog = qobject_cast<QPrintDialog*>(&dialog))
                seen = printDialog->printer();
            return answer;
        });
        EXPECT_EQ(printer.PrinterSetup(), answer == QDialog::Accepted);
        EXPECT_EQ(seen, &printer.printer());
    }
}

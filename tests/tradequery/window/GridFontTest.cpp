// The browse window's grid font: chosen in the font dialog or the print preview, it is stored and
// restored exactly; the report font size applies only inside 9..18, never over a chosen font.
#include "platform/controls/Ledger50.h"
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/history/HistoryTestData.h"  // prints QString in failures
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/window/GridFont.h"
#include "tradequery/window/LedgerPrint.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontDialog>
#include <gtest/gtest.h>

namespace {

void answerReportSize(fakehost::FakeHost& host, const QString& size)
{
    host.connection().sql().answer(QStringLiteral("Select FValue From t_UserSetting Where FUserID=5 And FCategory='ZEL_APFC' And FKey ='RptFontSize'"),
                                   fakehost::rows({{"FValue"}}, {{size}}));
}

QString storedGridFont(fakehost::FakeHost& host)
{
    for (const auto& [key, value] : host.userProfiles().section(QStringLiteral("ZELTradeQuery"), QStringLiteral("BrowseBase")))
        if (key == QLatin1String("GridFont"))
            return value.toString();
    return {};
}

// Answers the font dialog with `font`, or cancels it when none is given, while it lives; in a
// print preview it first asks for the dialog with the preview's font button.
struct FontDialogAnswer {
    explicit FontDialogAnswer(std::optional<QFont> font)
        : previous(win::setModalResponder([font](QDialog& dialog) {
              if (auto* fonts = qobject_cast<QFontDialog*>(&dialog); fonts && font) {
                  fonts->setCurrentFont(*font);
                  return int(QDialog::Accepted);
              }
              if (auto* action = dialog.findChild<QAction*>(QStringLiteral("ledgerFontAction")))
                  action->trigger();
              return int(QDialog::Rejected);
          })) {}
    ~FontDialogAnswer() { win::setModalResponder(std::move(previous)); }
    win::ModalResponder previous;
};

TEST(GridFont, AFontChosenInTheDialogOrThePreviewIsStoredExactlyAndRestoredByTheNextWindowWhileCancelChangesNothing)
{
    fakehost::FakeHost host;
    answerReportSize(host, QStringLiteral("10.5"));
    // Another installed family in bold, at the size the dialog shows (the report size).
    QFont chosen;
    for (const QString& family : QFontDatabase::families())
        if (family != QFont().family() && QFontDatabase::styles(family).contains(QLatin1String("Bold")))
            chosen.setFamily(family);
    chosen.setPointSizeF(10.5);
    chosen.setBold(true);
    const QString expected = QStringLiteral("FontName=%1|FontSize=10.5|FontBold=1|FontItalic=0|").arg(chosen.family());
    browsetest::TestWindow window;
    {
        FontDialogAnswer cancel(std::nullopt);
        EXPECT_FALSE(tq::ChooseGridFont(*window));
    }
    EXPECT_TRUE(storedGridFont(host).isEmpty());
    FontDialogAnswer answer(chosen);
    EXPECT_TRUE(tq::ChooseGridFont(*window));
    EXPECT_EQ(storedGridFont(host), expected);
    EXPECT_EQ(tq::GridFontText(window->tvwBase().font()), expected);
    browsetest::TestWindow next;
    EXPECT_EQ(tq::GridFontText(next->ldgBase().font()), expected);
    EXPECT_EQ(tq::GridFontText(next->tvwBase().font()), expected);
    // A size the person changes is taken as chosen.
    chosen.setPointSize(14);
    FontDialogAnswer larger(chosen);
    EXPECT_TRUE(tq::ChooseGridFont(*next));
    EXPECT_TRUE(storedGridFont(host).contains(QLatin1String("|FontSize=14|"))) << storedGridFont(host).toStdString();
    // The print preview's font button changes the grid font too.
    chosen.setPointSize(15);
    FontDialogAnswer inPreview(chosen);
    tq::PrepareLedgerPrint(*next);
    tq::PreviewLedger(*next);
    EXPECT_TRUE(storedGridFont(host).endsWith(QLatin1String("|FontSize=15|FontBold=1|FontItalic=0|"))) << storedGridFont(host).toStdString();
    EXPECT_EQ(tq::GridFontText(next->ldgBase().font()), storedGridFont(host));
    EXPECT_EQ(tq::GridFontText(next->tvwBase().font()), storedGridFont(host));
}

TEST(GridFont, ReportSizesInsideNineToEighteenApplyAtLoadAndOthersAreNotRemembered)
{
    const struct {
        const char* size;
        double applied;  // 0: nothing applied
    } cases[] = {{"12", 12}, {"20", 0}, {"8", 0}, {"18", 18}, {"10.5pt", 10.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        fakehost::FakeHost host;
        answerReportSize(host, QString::fromLatin1(c.size));
        browsetest::TestWindow window;
        EXPECT_EQ(window->AppliedFontSize(), c.applied);
        if (c.applied == 0)
            continue;
        EXPECT_EQ(window->ldgBase().font().pointSizeF(), c.applied);
        EXPECT_EQ(window->tvwBase().font().pointSizeF(), c.applied);
        EXPECT_GE(window->ldgBase().LedgerGrid().RowHeight(), 285);
    }
}

TEST(GridFont, ActivationFollowsTheReportSizeWithoutLoweringRowsAndAStoredFontWinsEvenAGarbageOne)
{
    fakehost::FakeHost host;
    answerReportSize(host, QStringLiteral("18"));
    browsetest::TestWindow window;
    const long tallRows = window->ldgBase().LedgerGrid().RowHeight();
    EXPECT_GT(tallRows, 285);  // 18 pt text is taller than the lowest row
    answerReportSize(host, QStringLiteral("9"));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&*window, &activate);
    EXPECT_EQ(window->ldgBase().font().pointSizeF(), 9.0);
    EXPECT_EQ(window->ldgBase().LedgerGrid().RowHeight(), tallRows);
    // Once a font is stored, the report size no longer reaches the grid.
    host.userProfiles().setSection(QStringLiteral("ZELTradeQuery"), QStringLiteral("BrowseBase"),
                                   {{QStringLiteral("GridFont"), QStringLiteral("FontName=x|FontSize=11|FontBold=0|FontItalic=0|")}});
    answerReportSize(host, QStringLiteral("14"));
    QCoreApplication::sendEvent(&*window, &activate);
    EXPECT_EQ(window->ldgBase().font().pointSizeF(), 9.0);
    browsetest::TestWindow stored;
    EXPECT_EQ(stored->ldgBase().font().pointSizeF(), 11.0);
    EXPECT_EQ(stored->AppliedFontSize(), 0);
    // A garbage or unknown stored font still leaves a usable one.
    host.userProfiles().setSection(QStringLiteral("ZELTradeQuery"), QStringLiteral("BrowseBase"),
                                   {{QStringLiteral("GridFont"), QStringLiteral("FontName=No Such Font 42|FontSize=1e9|FontBold=??|")}});
    const QFont font = browsetest::TestWindow()->ldgBase().font();
    EXPECT_TRUE(font.pointSizeF() > 0 && font.pointSizeF() <= 400) << font.pointSizeF();
    EXPECT_FALSE(font.bold());
    EXPECT_FALSE(QFontInfo(font).family().isEmpty());  // a real font stands in for the unknown name
}

} // namespace

// The grid font of the browse window: a font chosen in the font dialog is stored and comes back
// exactly in the next window; the host's report font size applies only inside 9..18, never over
// a chosen font, and never makes the rows lower.
#include "platform/controls/Ledger50.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/history/HistoryTestData.h"  // prints QString in failures
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tests/tradequery/window/GridFontTestSupport.h"
#include "tradequery/window/GridFont.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <gtest/gtest.h>

namespace {

const QString kReportSizeSql = QStringLiteral(
    "Select FValue From t_UserSetting Where FUserID=5 And FCategory='ZEL_APFC' And FKey ='RptFontSize'");

// An installed family other than the grid's that has a bold face.
QString otherBoldFamily(const QString& current)
{
    for (const QString& family : QFontDatabase::families())
        if (family != current && QFontDatabase::styles(family).contains(QLatin1String("Bold")))
            return family;
    return current;
}

using browsetest::FontDialogAnswer;
using browsetest::storedGridFont;

TEST(GridFont, AChosenFontIsStoredExactlyAndRestoredByTheNextWindowWhileCancelChangesNothing)
{
    fakehost::FakeHost host;
    // The grid shows the report size 10.5; the person picks another family in bold and leaves
    // the size as the dialog shows it.
    host.connection().sql().answer(kReportSizeSql, fakehost::rows({{"FValue"}}, {{QStringLiteral("10.5")}}));
    QFont chosen(otherBoldFamily(QFont().family()));
    chosen.setPointSizeF(10.5);
    chosen.setBold(true);
    {
        browsetest::TestWindow window;
        ASSERT_EQ(window->ldgBase().font().pointSizeF(), 10.5);
        const QFont before = window->ldgBase().font();
        {
            FontDialogAnswer cancel(std::nullopt);
            EXPECT_FALSE(tq::ChooseGridFont(*window));
        }
        EXPECT_EQ(window->ldgBase().font(), before);
        EXPECT_TRUE(storedGridFont(host).isEmpty());

        FontDialogAnswer answer(chosen);
        EXPECT_TRUE(tq::ChooseGridFont(*window));
        EXPECT_EQ(storedGridFont(host),
                  QStringLiteral("FontName=%1|FontSize=10.5|FontBold=1|FontItalic=0|").arg(chosen.family()));
        EXPECT_EQ(window->tvwBase().font().pointSizeF(), 10.5);
        EXPECT_TRUE(window->tvwBase().font().bold());
    }
    browsetest::TestWindow next;
    const QFont restored = next->ldgBase().font();
    EXPECT_EQ(restored.family(), chosen.family());
    EXPECT_EQ(restored.pointSizeF(), 10.5);
    EXPECT_TRUE(restored.bold());
    EXPECT_FALSE(restored.italic());
    EXPECT_EQ(next->tvwBase().font().family(), chosen.family());

    // A size the person changes is taken as chosen.
    QFont larger = chosen;
    larger.setPointSize(14);
    FontDialogAnswer answer(larger);
    EXPECT_TRUE(tq::ChooseGridFont(*next));
    EXPECT_TRUE(storedGridFont(host).contains(QLatin1String("|FontSize=14|"))) << storedGridFont(host).toStdString();
}

TEST(GridFont, ReportSizesInsideNineToEighteenApplyAtLoadAndOthersAreNotRemembered)
{
    struct Case {
        const char* size;
        double applied;  // 0: nothing applied
    };
    for (const Case& c : {Case{"12", 12}, Case{"20", 0}, Case{"8", 0}, Case{"18", 18}, Case{"10.5pt", 10.5}}) {
        fakehost::FakeHost host;
        host.connection().sql().answer(kReportSizeSql, fakehost::rows({{"FValue"}}, {{QString::fromLatin1(c.size)}}));
        browsetest::TestWindow window;
        EXPECT_EQ(window->AppliedFontSize(), c.applied) << c.size;
        if (c.applied == 0)
            continue;
        EXPECT_EQ(window->ldgBase().font().pointSizeF(), c.applied) << c.size;
        EXPECT_EQ(window->tvwBase().font().pointSizeF(), c.applied) << c.size;
        EXPECT_GE(window->ldgBase().LedgerGrid().RowHeight(), 285) << c.size;
    }
}

TEST(GridFont, ActivationFollowsTheReportSizeWithoutLoweringRowsAndAStoredFontWins)
{
    fakehost::FakeHost host;
    host.connection().sql().answer(kReportSizeSql, fakehost::rows({{"FValue"}}, {{"18"}}));
    browsetest::TestWindow window;
    const long tallRows = window->ldgBase().LedgerGrid().RowHeight();
    EXPECT_GT(tallRows, 285);  // 18 pt text is taller than the lowest row

    host.connection().sql().answer(kReportSizeSql, fakehost::rows({{"FValue"}}, {{"9"}}));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&*window, &activate);
    EXPECT_EQ(window->ldgBase().font().pointSizeF(), 9.0);
    EXPECT_EQ(window->ldgBase().LedgerGrid().RowHeight(), tallRows);

    // Once a font is stored, the report size no longer reaches the grid.
    host.userProfiles().setSection(QStringLiteral("ZELTradeQuery"), QStringLiteral("BrowseBase"),
                                   {{QStringLiteral("GridFont"), QStringLiteral("FontName=x|FontSize=11|FontBold=0|FontItalic=0|")}});
    host.connection().sql().answer(kReportSizeSql, fakehost::rows({{"FValue"}}, {{"14"}}));
    QCoreApplication::sendEvent(&*window, &activate);
    EXPECT_EQ(window->ldgBase().font().pointSizeF(), 9.0);

    browsetest::TestWindow stored;
    EXPECT_EQ(stored->ldgBase().font().pointSizeF(), 11.0);
    EXPECT_EQ(stored->AppliedFontSize(), 0);
}

TEST(GridFont, AGarbageOrUnknownStoredFontLeavesAUsableFont)
{
    fakehost::FakeHost host;
    host.userProfiles().setSection(QStringLiteral("ZELTradeQuery"), QStringLiteral("BrowseBase"),
                                   {{QStringLiteral("GridFont"), QStringLiteral("FontName=No Such Font 42|FontSize=1e9|FontBold=??|")}});
    browsetest::TestWindow window;
    const QFont font = window->ldgBase().font();
    EXPECT_GT(font.pointSizeF(), 0);
    EXPECT_LE(font.pointSizeF(), 400);
    EXPECT_FALSE(font.bold());
    EXPECT_FALSE(QFontInfo(font).family().isEmpty());  // a real font stands in for the unknown name
}

} // namespace

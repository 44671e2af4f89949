// The browse window's layout in twips: the splitter's limits, a window too low for its
// controls, hiding the bars, and the toolbar labels switched through the host.
#include "tests/testsupport/FakeHost.h"
#include "tests/testsupport/Screenshots.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "platform/win/Twips.h"
#include "tradequery/window/WindowLayout.h"

#include "platform/controls/Ledger50.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

using namespace win::twips;

class BrowseLayoutTest : public ::testing::Test {
protected:
    BrowseLayoutTest()
    {
        window->resize(900, 600);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&*window));
    }

    const tq::BrowseControls& c() const { return window->browseControls(); }
    long innerWidth() const { return toTwips(c().client->width()); }
    long innerHeight() const { return toTwips(c().client->height()); }

    // Where every control stands, to compare before and after.
    QList<QRect> places() const
    {
        return {c().tvwBase->geometry(), c().ldgBase->geometry(), c().SSPTitleClass->geometry(),
                c().SSPTitleItem->geometry(), c().imgSplitVer->geometry()};
    }

    fakehost::FakeHost host;
    browsetest::TestWindow window{1};
};

TEST_F(BrowseLayoutTest, SplitterDragStopsAt1680TwipsFromEitherEdge)
{
    tq::WindowLayout& layout = window->layout();
    const long outerWidth = toTwips(window->frameGeometry().width());
    struct Drag {
        long pointerX;  // from the handle's left edge, where it stands when the drag starts
        long expectedLeft;
    };
    for (const Drag& drag : {Drag{-100000, 1680}, Drag{100000, outerWidth - 1680}, Drag{0, 6000}}) {
        const long pointerX = drag.pointerX ? drag.pointerX : drag.expectedLeft - Left(c().imgSplitVer);
        layout.imgSplitVer_MouseDown();
        EXPECT_TRUE(layout.SplitterMoving());
        EXPECT_TRUE(c().picSplitVer->isVisible());
        EXPECT_EQ(Width(c().picSplitVer), Width(c().imgSplitVer) / 2);
        layout.imgSplitVer_MouseMove(pointerX);
        EXPECT_EQ(Left(c().picSplitVer), drag.expectedLeft) << drag.pointerX;
        layout.imgSplitVer_MouseUp();
        EXPECT_FALSE(layout.SplitterMoving());
        EXPECT_FALSE(c().picSplitVer->isVisible());
        EXPECT_EQ(Width(c().tvwBase), drag.expectedLeft) << drag.pointerX;
    }
    // Without a press the pointer moving over the handle moves nothing.
    const long before = Left(c().picSplitVer);
    layout.imgSplitVer_MouseMove(-100000);
    EXPECT_EQ(Left(c().picSplitVer), before);
}

TEST_F(BrowseLayoutTest, AWindowTooLowKeepsTheHeights)
{
    const long treeHeight = Height(c().tvwBase);
    const long ledgerHeight = Height(c().ldgBase);
    window->LayoutControls(innerWidth(), Top(c().tvwBase) + Height(c().sbStatusBar) + 30, 1);
    EXPECT_EQ(Height(c().tvwBase), treeHeight);
    EXPECT_EQ(Height(c().ldgBase), ledgerHeight);
    // A little more room than that is used.
    window->LayoutControls(innerWidth(), Top(c().tvwBase) + Height(c().sbStatusBar) + 30 + 150, 1);
    EXPECT_EQ(Height(c().tvwBase), 150);
}

TEST_F(BrowseLayoutTest, HidingTheBarsLeavesTheirRoom)
{
    testsupport::saveScreenshot(*window, QStringLiteral("browse_frame.png"));
    const QList<QRect> before = places();
    window->menuItem(QStringLiteral("mnuViewStatusBar"))->trigger();
    EXPECT_FALSE(window->menuItem(QStringLiteral("mnuViewStatusBar"))->isChecked());
    EXPECT_FALSE(c().sbStatusBar->isVisible());
    EXPECT_EQ(places(), before);

    window->menuItem(QStringLiteral("mnuViewToolbar"))->trigger();
    EXPECT_FALSE(c().tbToolBar->isVisible());
    EXPECT_EQ(places(), before);

    window->menuItem(QStringLiteral("mnuViewToolbar"))->trigger();
    window->menuItem(QStringLiteral("mnuViewStatusBar"))->trigger();
    EXPECT_TRUE(c().tbToolBar->isVisible());
    EXPECT_TRUE(c().sbStatusBar->isVisible());
    EXPECT_EQ(places(), before);
}

TEST_F(BrowseLayoutTest, ButtonLabelsGoThroughTheHostsToolbarOperation)
{
    host.log().clear();
    window->menuItem(QStringLiteral("mnuViewToolbarLable"))->trigger();
    EXPECT_FALSE(window->menuItem(QStringLiteral("mnuViewToolbarLable"))->isChecked());
    window->menuItem(QStringLiteral("mnuViewToolbarLable"))->trigger();
    const auto calls = host.log().callsTo(QStringLiteral("ValueConvert"), QStringLiteral("ShowToolbarLabels"));
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0].args.value(0), QVariant(false));
    EXPECT_EQ(calls[1].args.value(0), QVariant(true));
    EXPECT_TRUE(c().tbToolBar->isVisible());
}

} // namespace

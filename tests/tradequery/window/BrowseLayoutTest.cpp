// The browse window's layout in twips: the whole window after a resize, the splitter and its
// limits, a window too low for its controls, and hiding the bars.
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/window/BrowseWindowTestSupport.h"
#include "tradequery/window/LineShape.h"
#include "tradequery/window/Twips.h"
#include "tradequery/window/WindowLayout.h"

#include "platform/controls/Ledger50.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

using namespace tq::twips;

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

TEST_F(BrowseLayoutTest, FullLayoutFollowsTheToolbarAndTheStatusBar)
{
    QDir shots(QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots"));
    shots.mkpath(QStringLiteral("."));
    window->grab().save(shots.absoluteFilePath(QStringLiteral("browse_frame.png")));

    const long barBottom = Top(c().tbToolBar) + Height(c().tbToolBar);
    ASSERT_GT(barBottom, 0);
    EXPECT_EQ(c().horizontalLines[0]->Y1(), barBottom);
    EXPECT_EQ(c().horizontalLines[0]->Y2(), barBottom);
    EXPECT_EQ(c().horizontalLines[1]->Y1(), barBottom + 15);
    const long titleTop = barBottom + 15 + 30;
    EXPECT_EQ(Top(c().SSPTitleClass), titleTop);
    EXPECT_EQ(Top(c().SSPTitleItem), titleTop);
    const long treeTop = titleTop + Height(c().SSPTitleItem);
    EXPECT_EQ(Top(c().tvwBase), treeTop);
    EXPECT_EQ(Top(c().ldgBase), treeTop);
    const long statusHeight = Height(c().sbStatusBar);
    EXPECT_EQ(Height(c().tvwBase), innerHeight() - statusHeight - treeTop - 30);
    EXPECT_EQ(Height(c().ldgBase), innerHeight() - statusHeight - treeTop - 30);
    EXPECT_EQ(Width(c().ldgBase), innerWidth() - Left(c().ldgBase) - 30);
    EXPECT_EQ(Width(c().SSPTitleItem), Width(c().ldgBase));
    for (tq::LineShape* line : c().verticalLines)
        EXPECT_EQ(line->Y2(), treeTop + Height(c().tvwBase));
    EXPECT_EQ(Top(c().imgSplitVer) + Height(c().imgSplitVer), treeTop + Height(c().tvwBase));
    // The status bar lies along the bottom of the inner area, under the ledger.
    EXPECT_EQ(Top(c().sbStatusBar) + statusHeight, innerHeight());
}

TEST_F(BrowseLayoutTest, SplitterPlacesTreeHandleAndLedger)
{
    const long treeLeft = Left(c().tvwBase);
    window->LayoutControls(4500, 0, 3);
    EXPECT_EQ(Width(c().tvwBase), 4500);
    EXPECT_EQ(Width(c().SSPTitleClass), 4500);
    EXPECT_EQ(Left(c().imgSplitVer), treeLeft + 4500);
    EXPECT_EQ(Left(c().ldgBase), treeLeft + 4500 + Width(c().imgSplitVer));
    EXPECT_EQ(Width(c().ldgBase), innerWidth() - Left(c().ldgBase) - 30);
    EXPECT_EQ(Left(c().SSPTitleItem), Left(c().ldgBase));
    EXPECT_EQ(Width(c().SSPTitleItem), Width(c().ldgBase));
    EXPECT_EQ(c().verticalLines[0]->X1(), treeLeft + 4500 + 30);
    EXPECT_EQ(c().verticalLines[0]->X2(), treeLeft + 4500 + 30);
    EXPECT_EQ(c().verticalLines[1]->X1(), treeLeft + 4500 + 45);
}

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

TEST_F(BrowseLayoutTest, TheHandleFollowsTheMouse)
{
    QWidget* handle = c().imgSplitVer;
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(1, 10));
    EXPECT_TRUE(window->layout().SplitterMoving());
    QMouseEvent move(QEvent::MouseMove, QPointF(-40, 10), handle->mapToGlobal(QPointF(-40, 10)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &move);
    const long expected = std::max(1680L, Left(c().imgSplitVer) - 40 * 15);
    EXPECT_EQ(Left(c().picSplitVer), expected);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(-40, 10));
    EXPECT_FALSE(window->layout().SplitterMoving());
    EXPECT_EQ(Width(c().tvwBase), expected);
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

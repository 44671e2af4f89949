// Window handles: the numbers that name windows across host and component.
#include "platform/win/WindowHandles.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <set>

TEST(WindowHandles, StayStableAreNeverGivenOutAgainAndNameNoWidgetOnceItIsGone)
{
    QWidget a;
    const win::Handle ha = win::handleOf(&a);
    EXPECT_EQ(win::handleOf(&a), ha);
    EXPECT_EQ(win::fromHandle(ha), &a);
    EXPECT_TRUE(win::IsWindow(ha) && win::IsWindow(win::GetDesktopWindow()));
    std::set<win::Handle> seen{ha, win::GetDesktopWindow(), 0};
    for (int i = 0; i < 50; ++i) {
        auto widget = std::make_unique<QWidget>();  // made and destroyed in turn: often the same address
        const win::Handle handle = win::handleOf(widget.get());
        EXPECT_TRUE(seen.insert(handle).second) << "handle reused: " << handle;
        widget.reset();
        EXPECT_EQ(win::fromHandle(handle), nullptr);
        EXPECT_FALSE(win::IsWindow(handle));
    }
    for (win::Handle handle : {win::Handle(0), win::GetDesktopWindow(), win::Handle(0x7ffffff0)})
        EXPECT_EQ(win::fromHandle(handle), nullptr) << handle;
}

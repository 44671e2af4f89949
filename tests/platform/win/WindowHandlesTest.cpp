// Window handles and window properties: the numbers that name windows across host and component.
#include "platform/win/WindowHandles.h"
#include "platform/win/WindowProperties.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

TEST(WindowHandles, RoundTripStayStableAndAreNeverGivenOutAgain)
{
    QWidget a, b;
    const win::Handle ha = win::handleOf(&a);
    EXPECT_NE(ha, 0);
    EXPECT_NE(ha, win::handleOf(&b));
    EXPECT_NE(ha, win::GetDesktopWindow());
    EXPECT_EQ(win::handleOf(&a), ha);
    EXPECT_EQ(win::fromHandle(ha), &a);
    EXPECT_TRUE(win::IsWindow(ha));

    std::set<win::Handle> seen;
    for (int i = 0; i < 50; ++i) {
        // Widgets made and destroyed in turn often land on the same address.
        auto widget = std::make_unique<QWidget>();
        const win::Handle handle = win::handleOf(widget.get());
        EXPECT_TRUE(seen.insert(handle).second) << "handle reused: " << handle;
        widget.reset();
        EXPECT_EQ(win::fromHandle(handle), nullptr);
        EXPECT_FALSE(win::IsWindow(handle));
    }
}

TEST(WindowHandles, NullUnknownAndDesktopHaveNoWidget)
{
    EXPECT_EQ(win::handleOf(nullptr), 0);
    for (win::Handle handle : {win::Handle(0), win::GetDesktopWindow(), win::Handle(0x7ffffff0)})
        EXPECT_EQ(win::fromHandle(handle), nullptr) << handle;
    EXPECT_TRUE(win::IsWindow(win::GetDesktopWindow()));
    EXPECT_FALSE(win::IsWindow(0));
    EXPECT_FALSE(win::IsWindow(12345));
}

TEST(WindowProperties, SetGetReplaceRemoveIgnoringTheNamesCase)
{
    const win::Handle desktop = win::GetDesktopWindow();
    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("4242")), 0u);
    EXPECT_TRUE(win::SetProp(desktop, QStringLiteral("4242"), 42));
    EXPECT_TRUE(win::SetProp(desktop, QStringLiteral("Other"), 7));
    EXPECT_TRUE(win::SetProp(desktop, QStringLiteral("4242"), 99));
    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("4242")), 99u);
    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("OTHER")), 7u);
    EXPECT_EQ(win::RemoveProp(desktop, QStringLiteral("4242")), 99u);
    EXPECT_EQ(win::RemoveProp(desktop, QStringLiteral("4242")), 0u);
    EXPECT_EQ(win::RemoveProp(desktop, QStringLiteral("other")), 7u);
    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("Other")), 0u);
}

TEST(WindowProperties, BelongToTheirWindowDieWithItAndNeedAWindowAndAName)
{
    auto widget = std::make_unique<QWidget>();
    const win::Handle handle = win::handleOf(widget.get());
    EXPECT_TRUE(win::SetProp(handle, QStringLiteral("Other"), 11));
    EXPECT_EQ(win::GetProp(handle, QStringLiteral("Other")), 11u);
    EXPECT_EQ(win::GetProp(win::GetDesktopWindow(), QStringLiteral("Other")), 0u);
    widget.reset();
    EXPECT_EQ(win::GetProp(handle, QStringLiteral("Other")), 0u);
    EXPECT_FALSE(win::SetProp(handle, QStringLiteral("Other"), 12));
    EXPECT_FALSE(win::SetProp(0, QStringLiteral("Other"), 1));
    EXPECT_FALSE(win::SetProp(win::GetDesktopWindow(), QString(), 1));
}

} // namespace

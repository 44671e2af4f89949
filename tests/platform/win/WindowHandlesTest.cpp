// Window handles and window properties: the numbers that name windows across host and component.
#include "platform/win/WindowHandles.h"
#include "platform/win/WindowProperties.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace {

TEST(WindowHandles, RoundTripAndStayStable)
{
    QWidget a;
    QWidget b;
    const win::Handle ha = win::handleOf(&a);
    const win::Handle hb = win::handleOf(&b);
    EXPECT_NE(ha, 0);
    EXPECT_NE(ha, hb);
    EXPECT_NE(ha, win::GetDesktopWindow());
    EXPECT_EQ(win::handleOf(&a), ha);
    EXPECT_EQ(win::fromHandle(ha), &a);
    EXPECT_EQ(win::fromHandle(hb), &b);
    EXPECT_TRUE(win::IsWindow(ha));
}

TEST(WindowHandles, NullUnknownAndDesktopHaveNoWidget)
{
    EXPECT_EQ(win::handleOf(nullptr), 0);
    EXPECT_EQ(win::fromHandle(0), nullptr);
    EXPECT_EQ(win::fromHandle(win::GetDesktopWindow()), nullptr);
    EXPECT_EQ(win::fromHandle(0x7ffffff0), nullptr);
    EXPECT_TRUE(win::IsWindow(win::GetDesktopWindow()));
    EXPECT_FALSE(win::IsWindow(0));
    EXPECT_FALSE(win::IsWindow(12345));
    EXPECT_EQ(win::GetDesktopWindow(), win::GetDesktopWindow());
}

TEST(WindowHandles, AreDroppedWithTheirWidgetAndNeverGivenOutAgain)
{
    std::set<win::Handle> seen;
    win::Handle first = 0;
    for (int i = 0; i < 50; ++i) {
        // Widgets made and destroyed in turn often land on the same address.
        auto widget = std::make_unique<QWidget>();
        const win::Handle handle = win::handleOf(widget.get());
        if (i == 0)
            first = handle;
        EXPECT_TRUE(seen.insert(handle).second) << "handle reused: " << handle;
        widget.reset();
        EXPECT_EQ(win::fromHandle(handle), nullptr);
        EXPECT_FALSE(win::IsWindow(handle));
    }
    EXPECT_EQ(win::fromHandle(first), nullptr);
}

class WindowProperties : public ::testing::Test {
protected:
    void TearDown() override
    {
        win::RemoveProp(win::GetDesktopWindow(), QStringLiteral("4242"));
        win::RemoveProp(win::GetDesktopWindow(), QStringLiteral("Other"));
    }
};

TEST_F(WindowProperties, DesktopSetGetReplaceRemove)
{
    const win::Handle desktop = win::GetDesktopWindow();
    int object = 0;
    const auto address = reinterpret_cast<quintptr>(&object);

    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("4242")), 0u);
    EXPECT_TRUE(win::SetProp(desktop, QStringLiteral("4242"), address));
    EXPECT_EQ(reinterpret_cast<int*>(win::GetProp(desktop, QStringLiteral("4242"))), &object);
    EXPECT_TRUE(win::SetProp(desktop, QStringLiteral("Other"), 7));
    EXPECT_TRUE(win::SetProp(desktop, QStringLiteral("4242"), 99));
    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("4242")), 99u);
    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("Other")), 7u);

    EXPECT_EQ(win::RemoveProp(desktop, QStringLiteral("4242")), 99u);
    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("4242")), 0u);
    EXPECT_EQ(win::RemoveProp(desktop, QStringLiteral("4242")), 0u);
    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("Other")), 7u);
}

TEST_F(WindowProperties, NamesIgnoreCase)
{
    const win::Handle desktop = win::GetDesktopWindow();
    win::SetProp(desktop, QStringLiteral("Other"), 5);
    EXPECT_EQ(win::GetProp(desktop, QStringLiteral("OTHER")), 5u);
    EXPECT_EQ(win::RemoveProp(desktop, QStringLiteral("other")), 5u);
}

TEST_F(WindowProperties, BelongToTheirWindowAndDieWithIt)
{
    auto widget = std::make_unique<QWidget>();
    const win::Handle handle = win::handleOf(widget.get());
    EXPECT_TRUE(win::SetProp(handle, QStringLiteral("Other"), 11));
    EXPECT_EQ(win::GetProp(handle, QStringLiteral("Other")), 11u);
    EXPECT_EQ(win::GetProp(win::GetDesktopWindow(), QStringLiteral("Other")), 0u);
    widget.reset();
    EXPECT_EQ(win::GetProp(handle, QStringLiteral("Other")), 0u);
    EXPECT_FALSE(win::SetProp(handle, QStringLiteral("Other"), 12));
}

TEST_F(WindowProperties, RefusedOnNoWindowOrNoName)
{
    EXPECT_FALSE(win::SetProp(0, QStringLiteral("Other"), 1));
    EXPECT_FALSE(win::SetProp(0x7ffffff0, QStringLiteral("Other"), 1));
    EXPECT_FALSE(win::SetProp(win::GetDesktopWindow(), QString(), 1));
    EXPECT_EQ(win::GetProp(0, QStringLiteral("Other")), 0u);
}

} // namespace

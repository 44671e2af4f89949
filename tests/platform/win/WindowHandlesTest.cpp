// Window handles, window properties and the foreground window: the numbers that name windows
// across host and component, and which process a window belongs to.
#include "platform/win/Foreground.h"
#include "platform/win/WindowHandles.h"
#include "platform/win/WindowProperties.h"

#include <QApplication>
#include <QMainWindow>
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

class Foreground : public ::testing::Test {
protected:
    void TearDown() override { win::testing::clearForegroundOverride(); }
};

TEST_F(Foreground, OwnWindowsBelongToThisProcessAndUnknownOnesToNone)
{
    QMainWindow main;
    int32_t pid = -1;
    EXPECT_EQ(win::GetWindowThreadProcessId(win::handleOf(&main), &pid), win::GetCurrentProcessId());
    EXPECT_EQ(pid, QCoreApplication::applicationPid());
    EXPECT_EQ(win::GetWindowThreadProcessId(0x7ffffff0, &pid), 0);
    EXPECT_EQ(pid, 0);
}

TEST_F(Foreground, SwitchingBringsOurWindowInFrontOfAForeignOne)
{
    auto main = std::make_unique<QMainWindow>();
    auto other = std::make_unique<QMainWindow>();
    main->show();
    other->show();
    constexpr win::Handle foreign = 0x00E0F00C;
    win::testing::setForegroundOverride(foreign, 999999);
    EXPECT_EQ(win::GetForegroundWindow(), foreign);
    int32_t pid = 0;
    win::GetWindowThreadProcessId(foreign, &pid);
    EXPECT_EQ(pid, 999999);
    for (QMainWindow* window : {main.get(), other.get(), main.get()}) {
        win::SwitchToThisWindow(win::handleOf(window), true);
        EXPECT_EQ(win::GetForegroundWindow(), win::handleOf(window));
    }
    main.reset();
    other.reset();
    QApplication::processEvents();
    EXPECT_EQ(win::GetForegroundWindow(), 0) << "no window shown, no foreground";
}

} // namespace

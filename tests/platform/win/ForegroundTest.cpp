// The foreground window and the process it belongs to.
#include "platform/win/Foreground.h"
#include "platform/win/WindowHandles.h"

#include <QApplication>
#include <QMainWindow>
#include <gtest/gtest.h>

namespace {

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

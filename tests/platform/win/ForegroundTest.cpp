// The foreground window and the process it belongs to.
#include "platform/win/Foreground.h"
#include "platform/win/WindowHandles.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Foreground : public ::testing::Test {
protected:
    void TearDown() override { win::testing::clearForegroundOverride(); }
};

TEST_F(Foreground, OwnWindowsBelongToThisProcess)
{
    QMainWindow main;
    int32_t pid = -1;
    EXPECT_NE(win::GetWindowThreadProcessId(win::handleOf(&main), &pid), 0);
    EXPECT_EQ(pid, win::GetCurrentProcessId());
    EXPECT_EQ(pid, QCoreApplication::applicationPid());

    EXPECT_EQ(win::GetWindowThreadProcessId(0x7ffffff0, &pid), 0);
    EXPECT_EQ(pid, 0);
    EXPECT_EQ(win::GetWindowThreadProcessId(win::handleOf(&main), nullptr), win::GetCurrentProcessId());
}

TEST_F(Foreground, SwitchToThisWindowBringsItToTheFront)
{
    QMainWindow main;
    main.show();
    QMainWindow other;
    other.show();
    win::SwitchToThisWindow(win::handleOf(&main), true);
    EXPECT_EQ(win::GetForegroundWindow(), win::handleOf(&main));
    win::SwitchToThisWindow(win::handleOf(&other), true);
    EXPECT_EQ(win::GetForegroundWindow(), win::handleOf(&other));
}

TEST_F(Foreground, AForeignWindowInFrontUntilOneOfOursIsSwitchedTo)
{
    QMainWindow main;
    main.show();
    constexpr win::Handle foreign = 0x00E0F00C;
    constexpr int32_t foreignPid = 999999;
    win::testing::setForegroundOverride(foreign, foreignPid);

    EXPECT_EQ(win::GetForegroundWindow(), foreign);
    int32_t pid = 0;
    win::GetWindowThreadProcessId(foreign, &pid);
    EXPECT_EQ(pid, foreignPid);
    EXPECT_NE(pid, win::GetCurrentProcessId());

    win::SwitchToThisWindow(win::handleOf(&main), true);
    EXPECT_EQ(win::GetForegroundWindow(), win::handleOf(&main));
    win::GetWindowThreadProcessId(win::GetForegroundWindow(), &pid);
    EXPECT_EQ(pid, win::GetCurrentProcessId());
}

TEST_F(Foreground, NoWindowShownMeansNoForeground)
{
    QApplication::processEvents();
    {
        QMainWindow main;
        main.show();
        win::SwitchToThisWindow(win::handleOf(&main), true);
        main.hide();
        QApplication::processEvents();
    }
    EXPECT_EQ(win::GetForegroundWindow(), 0);
}

} // namespace

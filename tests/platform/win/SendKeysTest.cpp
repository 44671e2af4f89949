// Keystrokes sent as if typed: the refresh key reaches the window's shortcut after the sender
// returns, and notation it does not know sends nothing.
#include "platform/com/ComError.h"
#include "platform/win/Foreground.h"
#include "platform/win/SendKeys.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

TEST(SendKeys, F5ArrivesAfterTheSenderReturnsAndTriggersTheWindowsShortcut)
{
    QMainWindow window;
    int refreshed = 0;
    auto* refresh = new QAction(QStringLiteral("刷新(&R)"), &window);
    refresh->setShortcut(Qt::Key_F5);
    window.addAction(refresh);
    QObject::connect(refresh, &QAction::triggered, [&] { ++refreshed; });
    window.show();
    win::SwitchToThisWindow(win::handleOf(&window), true);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const char* bad : {"{F5", "{NOSUCH}", "(ab)", "{F5 3}", "+"})
        EXPECT_THROW(win::SendKeys(QString::fromLatin1(bad), true), com::ComError) << bad;
    win::SendKeys(QStringLiteral("{F5}"));
    EXPECT_EQ(refreshed, 0) << "posted, not sent";
    QApplication::processEvents();
    EXPECT_EQ(refreshed, 1);
}

// The application-wide mouse pointer.
#include "platform/com/ComError.h"
#include "platform/win/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(MousePointer, OneDefaultUndoesEverySetAndLeavesOtherCodesPointer)
{
    const auto shape = [] { return QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape() : Qt::BitmapCursor; };
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    // A handler sets the hourglass and calls another that sets and resets it: one reset ends it.
    win::Screen::setMousePointer(win::vbHourglass);
    EXPECT_EQ(shape(), Qt::WaitCursor);
    win::Screen::setMousePointer(win::vbHourglass);
    win::Screen::setMousePointer(win::vbArrowHourglass);
    EXPECT_EQ(shape(), Qt::BusyCursor);
    for (int bad : {-1, 16})
        EXPECT_THROW(win::Screen::setMousePointer(bad), com::ComError) << bad;
    win::Screen::setMousePointer(win::vbDefault);
    EXPECT_EQ(shape(), Qt::CrossCursor);
    win::Screen::setMousePointer(win::vbDefault);  // again: nothing of its own left to take away
    EXPECT_EQ(shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(shape(), Qt::BitmapCursor);
}

// The application-wide mouse pointer.
#include "platform/com/ComError.h"
#include "platform/win/Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

Qt::CursorShape currentOverride()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::BitmapCursor;  // BitmapCursor: no override
}

TEST(MousePointer, OneDefaultUndoesEverySetAndLeavesOtherCodesPointer)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    // A handler sets the hourglass and calls another that sets and resets it: one reset ends it.
    win::Screen::setMousePointer(win::vbHourglass);
    EXPECT_EQ(win::Screen::MousePointer(), win::vbHourglass);
    EXPECT_EQ(currentOverride(), Qt::WaitCursor);
    win::Screen::setMousePointer(win::vbHourglass);
    win::Screen::setMousePointer(win::vbArrowHourglass);
    EXPECT_EQ(currentOverride(), Qt::BusyCursor);
    for (int bad : {-1, 16, 99})
        EXPECT_THROW(win::Screen::setMousePointer(bad), com::ComError) << bad;
    win::Screen::setMousePointer(win::vbDefault);
    EXPECT_EQ(win::Screen::MousePointer(), win::vbDefault);
    EXPECT_EQ(currentOverride(), Qt::CrossCursor);
    win::Screen::setMousePointer(win::vbDefault);  // again: nothing of its own left to take away
    EXPECT_EQ(currentOverride(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace

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

class MousePointer : public ::testing::Test {
protected:
    void TearDown() override
    {
        win::Screen::setMousePointer(win::vbDefault);
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    }
};

TEST_F(MousePointer, HourglassThenDefault)
{
    EXPECT_EQ(win::Screen::MousePointer(), win::vbDefault);
    win::Screen::setMousePointer(win::vbHourglass);
    EXPECT_EQ(win::Screen::MousePointer(), win::vbHourglass);
    EXPECT_EQ(currentOverride(), Qt::WaitCursor);
    win::Screen::setMousePointer(win::vbDefault);
    EXPECT_EQ(win::Screen::MousePointer(), win::vbDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MousePointer, SetTwiceIsUndoneByOneDefault)
{
    // A handler sets the hourglass and calls another that sets and resets it: one reset ends it.
    win::Screen::setMousePointer(win::vbHourglass);
    win::Screen::setMousePointer(win::vbHourglass);
    win::Screen::setMousePointer(win::vbArrowHourglass);
    EXPECT_EQ(currentOverride(), Qt::BusyCursor);
    win::Screen::setMousePointer(win::vbDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    win::Screen::setMousePointer(win::vbDefault);  // again: nothing left to take away
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(MousePointer, DefaultLeavesOtherCodesPointerInPlace)
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::CrossCursor));
    win::Screen::setMousePointer(win::vbHourglass);
    EXPECT_EQ(currentOverride(), Qt::WaitCursor);
    win::Screen::setMousePointer(win::vbDefault);
    EXPECT_EQ(currentOverride(), Qt::CrossCursor);
}

TEST_F(MousePointer, UnknownNumbersAreRefused)
{
    for (int bad : {-1, 16, 99})
        EXPECT_THROW(win::Screen::setMousePointer(bad), com::ComError) << bad;
    EXPECT_EQ(win::Screen::MousePointer(), win::vbDefault);
}

} // namespace

#include "platform/win/Screen.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QCursor>
#include <QGuiApplication>

namespace win {

namespace {

struct PointerState {
    int value = vbDefault;
    int pushed = 0;  // override cursors this layer put on the application's stack
};

PointerState& state()
{
    static PointerState s;
    return s;
}

// The pointer shapes by their VB numbers.
Qt::CursorShape shapeOf(int pointer)
{
    static constexpr Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,        // 0 default (not used as an override)
        Qt::ArrowCursor,        // 1 arrow
        Qt::CrossCursor,        // 2 cross
        Qt::IBeamCursor,        // 3 I-beam
        Qt::ArrowCursor,        // 4 icon
        Qt::SizeAllCursor,      // 5 size
        Qt::SizeBDiagCursor,    // 6 size NE-SW
        Qt::SizeVerCursor,      // 7 size N-S
        Qt::SizeFDiagCursor,    // 8 size NW-SE
        Qt::SizeHorCursor,      // 9 size W-E
        Qt::UpArrowCursor,      // 10 up arrow
        Qt::WaitCursor,         // 11 hourglass
        Qt::ForbiddenCursor,    // 12 no drop
        Qt::BusyCursor,         // 13 arrow and hourglass
        Qt::WhatsThisCursor,    // 14 arrow and question mark
        Qt::SizeAllCursor,      // 15 size all
    };
    return shapes[pointer];
}

} // namespace

int Screen::MousePointer()
{
    return state().value;
}

void Screen::setMousePointer(int pointer)
{
    if (pointer < 0 || pointer > 15)
        throw com::ComError(com::vbError(380), QStringLiteral("Screen"),
                            QStringLiteral("无效属性值: 鼠标指针 %1").arg(pointer));
    auto& s = state();
    if (pointer == vbDefault) {
        for (; s.pushed > 0; --s.pushed)
            QGuiApplication::restoreOverrideCursor();
    } else if (s.pushed == 0) {
        QGuiApplication::setOverrideCursor(QCursor(shapeOf(pointer)));
        s.pushed = 1;
    } else {
        QGuiApplication::changeOverrideCursor(QCursor(shapeOf(pointer)));
    }
    s.value = pointer;
}

} // namespace win

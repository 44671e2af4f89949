#include "platform/win/WindowHandles.h"

#include "platform/win/WindowRegistry.h"

namespace win {

using detail::WindowRegistry;

Handle handleOf(QWidget* widget)
{
    return WindowRegistry::instance().handleOf(widget);
}

QWidget* fromHandle(Handle handle)
{
    return WindowRegistry::instance().widgetOf(handle);
}

bool IsWindow(Handle handle)
{
    return handle != 0 && WindowRegistry::instance().isLive(handle);
}

Handle GetDesktopWindow()
{
    return WindowRegistry::kDesktop;
}

} // namespace win

#include "platform/win/WindowRegistry.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QWidget>
#include <limits>

namespace win::detail {

namespace {
// Widget handles start above the desktop and step by 4, as the platform's handles do; the
// step keeps the low bits clear, so a handle never looks like a small count or index.
constexpr Handle kFirstWidgetHandle = 0x00020000;
constexpr Handle kStep = 4;
}

WindowRegistry& WindowRegistry::instance()
{
    // Never destroyed: widgets that outlive static destruction still report their end here.
    static WindowRegistry* registry = new WindowRegistry;
    return *registry;
}

WindowRegistry::WindowRegistry() : m_next(kFirstWidgetHandle)
{
    m_entries.insert(kDesktop, Entry{});
}

Handle WindowRegistry::handleOf(QWidget* widget)
{
    if (!widget)
        return 0;
    const auto known = m_handleOfWidget.constFind(widget);
    if (known != m_handleOfWidget.constEnd())
        return *known;
    if (m_next > std::numeric_limits<Handle>::max() - kStep)
        throw com::ComError(com::E_FAIL_, QStringLiteral("win.handleOf"),
                            QStringLiteral("窗口句柄已用完"));
    const Handle handle = m_next;
    m_next += kStep;
    m_entries.insert(handle, Entry{widget, {}});
    m_handleOfWidget.insert(widget, handle);
    // The handle and its properties die with the widget; the number is never handed out again.
    QObject::connect(widget, &QObject::destroyed, [this](QObject* gone) { forget(gone); });
    return handle;
}

void WindowRegistry::forget(QObject* widget)
{
    const auto it = m_handleOfWidget.find(widget);
    if (it == m_handleOfWidget.end())
        return;
    m_entries.remove(*it);
    m_handleOfWidget.erase(it);
}

QWidget* WindowRegistry::widgetOf(Handle handle) const
{
    const auto it = m_entries.constFind(handle);
    return it == m_entries.constEnd() ? nullptr : it->widget;
}

bool WindowRegistry::isLive(Handle handle) const
{
    return m_entries.contains(handle);
}

WindowRegistry::Properties* WindowRegistry::propertiesOf(Handle handle)
{
    const auto it = m_entries.find(handle);
    return it == m_entries.end() ? nullptr : &it->properties;
}

} // namespace win::detail

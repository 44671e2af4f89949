#include "platform/win/WindowProperties.h"

#include "platform/win/WindowRegistry.h"

namespace win {

using detail::WindowRegistry;

bool SetProp(Handle window, const QString& name, quintptr value)
{
    auto* properties = WindowRegistry::instance().propertiesOf(window);
    if (!properties || name.isEmpty())
        return false;
    properties->insert(name.toUpper(), value);
    return true;
}

quintptr GetProp(Handle window, const QString& name)
{
    const auto* properties = WindowRegistry::instance().propertiesOf(window);
    return properties ? properties->value(name.toUpper(), 0) : 0;
}

quintptr RemoveProp(Handle window, const QString& name)
{
    auto* properties = WindowRegistry::instance().propertiesOf(window);
    return properties ? properties->take(name.toUpper()) : 0;
}

} // namespace win

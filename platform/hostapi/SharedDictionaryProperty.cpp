#include "platform/hostapi/SharedDictionaryProperty.h"

#include "platform/win/Foreground.h"
#include "platform/win/WindowProperties.h"

namespace hostapi {

QString sharedDictionaryPropertyName()
{
    return QString::number(win::GetCurrentProcessId());
}

void publishSharedDictionary(SharedDictionary* dictionary)
{
    if (dictionary)
        win::SetProp(win::GetDesktopWindow(), sharedDictionaryPropertyName(),
                     reinterpret_cast<quintptr>(dictionary));
    else
        win::RemoveProp(win::GetDesktopWindow(), sharedDictionaryPropertyName());
}

SharedDictionary* publishedSharedDictionary()
{
    return reinterpret_cast<SharedDictionary*>(
        win::GetProp(win::GetDesktopWindow(), sharedDictionaryPropertyName()));
}

} // namespace hostapi

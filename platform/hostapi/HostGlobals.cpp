#include "platform/hostapi/HostGlobals.h"

namespace hostapi {

void HostGlobals::reset()
{
    m_settingsStore.reset();
    m_valueConvert.reset();
    m_foundation.reset();
}

HostGlobals& globals()
{
    static HostGlobals registry;
    return registry;
}

} // namespace hostapi

#pragma once
// The host's global objects, reached without a ProgID. The host sets them at start-up; tests
// set fakes. A getter answers null for an object the host did not set.
#include "platform/hostapi/Foundation.h"
#include "platform/hostapi/SettingsStore.h"
#include "platform/hostapi/ValueConvert.h"

#include <memory>

namespace hostapi {

class HostGlobals {
public:
    std::shared_ptr<SettingsStore> settingsStore() const { return m_settingsStore; }
    std::shared_ptr<ValueConvert> valueConvert() const { return m_valueConvert; }
    std::shared_ptr<Foundation> foundation() const { return m_foundation; }

    void setSettingsStore(std::shared_ptr<SettingsStore> store) { m_settingsStore = std::move(store); }
    void setValueConvert(std::shared_ptr<ValueConvert> convert) { m_valueConvert = std::move(convert); }
    void setFoundation(std::shared_ptr<Foundation> foundation) { m_foundation = std::move(foundation); }

    // Drops every object (tests, and the host at exit).
    void reset();

private:
    std::shared_ptr<SettingsStore> m_settingsStore;
    std::shared_ptr<ValueConvert> m_valueConvert;
    std::shared_ptr<Foundation> m_foundation;
};

// The one registry of the process, shared by the host and the components it loads.
HostGlobals& globals();

} // namespace hostapi

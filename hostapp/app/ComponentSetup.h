#pragma once
// Making the price-history component creatable, the way a host installs an in-process server:
// load the library, let it register itself, and let the object factory reach registered
// components.
#include <QString>

namespace zelhost {

// libZELTradeQuery.so in the given folder (the host's own folder).
QString tradeQueryLibraryPath(const QString& folder);

// Loads the library and calls its DllRegisterServer, which records it in the component
// registry (the user's, or the one $ZEL_COMPONENT_REGISTRY names; when that cannot be written,
// a registry in the temporary folder is used instead), then installs the in-process server
// fallback of the object factory. Raises com::ComError naming the library and the reason.
void registerTradeQueryComponent(const QString& libraryPath);

} // namespace zelhost

#pragma once
// The component registry: which library serves a ProgID, for classes that live in in-process
// server libraries rather than in the host. A library records its classes from its
// DllRegisterServer and removes them from DllUnregisterServer; InProcServer reads the entries
// when the object factory meets a ProgID it has no creator for.
//
// The entries are kept per user in an INI file, group [InProcServers], one line per ProgID:
//     ZELTradeQuery.TradeQuery=/opt/zel/lib/libZELTradeQuery.so
// ProgIDs compare without regard to case. A file that cannot be read as INI finds nothing; the
// next change sets it aside as "<file>.corrupt" and starts a fresh one. A link is followed;
// a registry name taken by anything but a regular file finds nothing and refuses changes.
#include <QString>
#include <QStringList>

namespace com {

// The environment variable that names another registry file (tests use it to keep the user's
// own registry untouched).
inline constexpr char kComponentRegistryVariable[] = "ZEL_COMPONENT_REGISTRY";

// $ZEL_COMPONENT_REGISTRY when set, else <user config folder>/zeltradequery/components.ini.
QString componentRegistryFile();

// Records (or replaces) the library serving progId; a relative path is made absolute.
// Raises ComError SELFREG_E_CLASS_ naming the file when the registry cannot be written, and
// VB_INVALID_PROC_CALL for an empty ProgID or path.
void registerInProcServer(const QString& progId, const QString& libraryPath);

// Removes the entry of progId; true when there was one. Raises SELFREG_E_CLASS_ when the
// registry cannot be written.
bool unregisterInProcServer(const QString& progId);

// The library recorded for progId, or an empty text when none is.
QString inProcServerPath(const QString& progId);

// Every registered ProgID, as it was recorded.
QStringList registeredInProcServers();

} // namespace com

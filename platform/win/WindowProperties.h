#pragma once
// Named values attached to a window, the desktop included. A value is pointer-sized: the host
// stores the address of its shared dictionary on the desktop under the decimal process id, and
// whoever reads it casts it back (host and component live in one process and share this
// library, so the address is valid for both).
#include "platform/win/WindowHandles.h"

#include <QString>
#include <QtGlobal>

namespace win {

// Sets (or replaces) the property; false when the handle is not a live window or the name is
// empty. Names compare without regard to case.
bool SetProp(Handle window, const QString& name, quintptr value);

// The value, or 0 when the window or the property does not exist.
quintptr GetProp(Handle window, const QString& name);

// Removes the property and returns the value it had (0 when there was none).
quintptr RemoveProp(Handle window, const QString& name);

} // namespace win

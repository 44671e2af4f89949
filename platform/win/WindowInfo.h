#pragma once
// A window's owner and class name, as the component reads them to tell the host's main
// window from a dialog in front of it.
#include "platform/win/WindowHandles.h"

namespace win {

// GetWindow's command for the owner window.
constexpr int GW_OWNER = 4;

// With GW_OWNER: the window that owns a top-level window (a window or dialog made with a
// parent widget answers its parent's window); 0 for a window without owner, for a child
// widget and for a handle that is not a widget. Other commands raise ComError 5.
Handle GetWindow(Handle window, int command);

// Copies the window's class name into buffer, cut to maxCount - 1 bytes and ended by NUL, and
// returns the number of bytes copied without the NUL; 0 for an unknown handle or no room. The
// class name is the widget's "windowClass" property when set, else its Qt class name.
int GetClassNameA(Handle window, char* buffer, int maxCount);

} // namespace win

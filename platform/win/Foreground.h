#pragma once
// Which window is in front, and which process it belongs to. The component asks this to decide
// whether its window can be shown modeless beside the host's main window.
#include "platform/win/WindowHandles.h"

#include <cstdint>

namespace win {

int32_t GetCurrentProcessId();

// The active window of this application; else the window last brought to the front with
// SwitchToThisWindow while it is still shown; else 0.
Handle GetForegroundWindow();

// Returns the id of the thread that made the window and writes its process id (when processId
// is not null). Windows of this process answer this process; an unknown handle answers 0.
int32_t GetWindowThreadProcessId(Handle window, int32_t* processId);

// Restores the window if minimized, raises and activates it, and remembers it as the
// foreground window. A handle that is not a live window is ignored.
void SwitchToThisWindow(Handle window, bool altTab);

namespace testing {
// Makes GetForegroundWindow answer `window`, owned by process `processId`, until cleared or
// until SwitchToThisWindow brings one of ours to the front: a foreign application in front.
void setForegroundOverride(Handle window, int32_t processId);
void clearForegroundOverride();
} // namespace testing

} // namespace win

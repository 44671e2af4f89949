#pragma once
// Whether the browse window opens modally or modeless beside the host's main window.

namespace tq {

// True (modal) when the host publishes no main window, or when the window in the foreground
// has an owner window whose class is not the host main window's ("ThunderMain", "RT6" aside).
// When another process's window is in front, the host's main window is brought to the front
// first and pending window messages are processed.
bool NeedModalShow();

} // namespace tq

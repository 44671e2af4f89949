#pragma once
// 32-bit window handles for widgets, so a window can be named by a number that travels
// through host objects (the shared dictionary's "MainFormWnd", for one). Handles come from
// one registry per process and are never given out twice, even after their widget is gone.
// Like the widgets themselves, they are used on the GUI thread only.
#include <cstdint>

class QWidget;

namespace win {

using Handle = int32_t;

// The handle of this widget, assigned on first use; 0 for a null widget.
Handle handleOf(QWidget* widget);

// The widget behind a handle; null for 0, for the desktop, for a handle whose widget has been
// destroyed and for a number that was never a handle.
QWidget* fromHandle(Handle handle);

// True for the desktop and for the handle of a live widget.
bool IsWindow(Handle handle);

// The process-wide desktop window. It is not a widget, but it carries properties (SetProp).
Handle GetDesktopWindow();

} // namespace win

#pragma once
// The browse window as designed: its controls with their names, the menus with their
// shortcuts and check marks, the toolbar's sixteen buttons with their keys and pictures, the
// status bar panels; and the captions and tooltips set when the window loads.
#include "tradequery/window/BrowseControls.h"

#include <cstdint>

namespace tq {

// Creates every control as a child of window (the menu bar) and of its inner area (the rest),
// at its design place. No caption is set yet.
void CreateControls(QWidget& window, BrowseControls& controls);

// Sets the captions and tooltips of the menus and buttons, through LangText, and the window
// title of the query type (1: customers, else suppliers). A failing caption is skipped.
void SetCaptions(QWidget& window, BrowseControls& controls, int32_t queryType);

// The menu items switched off in the design. They stay in their menus, greyed, so a user sees
// them and cannot choose them (nor their shortcut F9); the filter stays on the toolbar.
inline constexpr const char* kMenuItemsOff[] = {"mnuView_Filter", "mnuVHide", "mnuHelp"};

} // namespace tq

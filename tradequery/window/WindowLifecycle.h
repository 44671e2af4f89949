#pragma once
// The browse window's start-up after its properties are set, and its shut-down.

namespace tq {

class BrowseBase;

// Load: the captions, the start-up view of the tree side, the price-trend pane as the user
// left it, then the grid font of the user profile value "GridFont", or the host's report font
// size when none is stored. From the captions on, a failing step is skipped.
void LoadWindow(BrowseBase& window);

// Unload, in order, each step on its own: the column widths of the current view;
// AppliedFontSize 0; the layout values "tvwKey", "ShowViewBy", "blBatchSort" and "ByCompany"
// (and the price-trend pane's, when it changed); the ledger object and the tree builder
// released.
void UnloadWindow(BrowseBase& window);

} // namespace tq

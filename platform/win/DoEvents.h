#pragma once
// Lets pending window messages run in the middle of a handler.

namespace win {

// Processes the events waiting in the queue (paints, posted keys, timers) and returns.
void DoEvents();

} // namespace win

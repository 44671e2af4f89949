#pragma once
// A run with nobody in front of the screen (no display, or --screenshot): open what the
// command line asks for, save a screenshot of it, print what it shows, write the files from its
// ledger that --export and --print-pdf ask for, and end, instead of waiting in the event loop.
#include "hostapp/app/HostCommandLine.h"

namespace zelhost {

class HostMainWindow;

// Without --open the main window is captured; with it, the window the component opens (while
// it is up, when the component shows it modally). When the component opens no window (the
// user lacks the right: its message box printed itself) nothing is captured. Given only
// --export or --print-pdf, no screenshot is taken. Returns the exit code: 0 done, 1 the query,
// the screenshot or a requested file failed, 2 an unknown code.
int runCaptured(HostMainWindow& mainWindow, const HostOptions& options);

} // namespace zelhost

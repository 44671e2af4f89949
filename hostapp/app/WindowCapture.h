#pragma once
// Screenshots of what the host shows, for runs without a person in front of the screen.
#include <QString>

class QWidget;

namespace zelhost {

// Where a screenshot goes when no file is named: zelhost-screenshot.png in the current folder.
QString defaultScreenshotPath();

// The window the component opened: a visible top-level window (not a menu, tooltip or popup)
// other than the host's main window; the active one when there are several. Null when none.
QWidget* findComponentWindow(const QWidget* hostWindow);

// Lets pending events run so the window is laid out and painted, saves it as a PNG (making
// the folder when needed) and returns what a person reads: "截图: <absolute path>" and then
// describeWindow. Raises com::ComError when the file cannot be written.
QString captureWindow(QWidget& window, const QString& path);

} // namespace zelhost

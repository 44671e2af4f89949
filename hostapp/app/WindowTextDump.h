#pragma once
// What a person reads in a window, as text, for headless runs and scripts.
//
// A window tells what it shows through one method the host calls by name, so a window from a
// loaded component library can answer across the library boundary:
//
//     Q_INVOKABLE QString describeForScreenshot() const;
//
// It returns everything but the window title, one item per line, in this order: the title
// panel over the tree, the title panel over the ledger, the ledger (its title row first, then
// one line per row, cells separated by tabs), and the status bar panels. Each line may carry a
// short label ("状态栏: ...").
#include <QString>

class QWidget;

namespace zelhost {

inline constexpr char kDescribeMethod[] = "describeForScreenshot";

// "窗口标题: <title>", then the window's own description when it offers the method above;
// otherwise, for a main window, its menus (one line per menu, items separated by " | ") and
// its status bar.
QString describeWindow(QWidget& window);

// A caption as a person reads it: without the "&" of the shortcut letter and without a
// "(&X)" shortcut suffix.
QString readableCaption(const QString& caption);

} // namespace zelhost

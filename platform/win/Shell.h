#pragma once
// Starting other programs. Nothing here starts a process of its own: programs are launchers
// registered by name (the host registers "hh.exe" to open its bundled help), so what a command
// line does is decided by the application and can be watched by tests.
#include <QString>
#include <functional>

namespace win {

// Window styles of Shell.
constexpr int vbHide = 0;
constexpr int vbNormalFocus = 1;
constexpr int vbMinimizedFocus = 2;
constexpr int vbMaximizedFocus = 3;
constexpr int vbNormalNoFocus = 4;
constexpr int vbMinimizedNoFocus = 6;

// Gets the command line's arguments (the text after the program, leading blanks removed) and
// answers whether the program started.
using ShellHandler = std::function<bool(const QString& arguments)>;

// Registers (or replaces) the launcher of a program. The name is a file name without folder,
// such as "hh.exe"; names compare without regard to case. An empty handler removes it.
void registerShellHandler(const QString& programName, ShellHandler handler);
void unregisterShellHandler(const QString& programName);

// Runs a command line: its first word (in double quotes when it holds blanks), stripped of
// its folder, names the program; "hh" finds "hh.exe" too. Returns a task id above 0.
// An unregistered program raises ComError 53 "文件未找到: <name>"; an empty command line, an
// unknown window style or a launcher that answers false raises ComError 5.
double Shell(const QString& commandLine, int windowStyle = vbMinimizedFocus);

} // namespace win

#include "platform/win/Foreground.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <unistd.h>

namespace win {

namespace {

struct ForegroundState {
    QPointer<QWidget> lastSwitchedTo;
    Handle overrideWindow = 0;
    int32_t overrideProcess = 0;
};

ForegroundState& state()
{
    static ForegroundState s;
    return s;
}

} // namespace

int32_t GetCurrentProcessId()
{
    return static_cast<int32_t>(::getpid());
}

Handle GetForegroundWindow()
{
    auto& s = state();
    if (s.overrideWindow != 0)
        return s.overrideWindow;
    if (QWidget* active = QApplication::activeWindow())
        return handleOf(active);
    if (s.lastSwitchedTo && s.lastSwitchedTo->isVisible())
        return handleOf(s.lastSwitchedTo);
    return 0;
}

int32_t GetWindowThreadProcessId(Handle window, int32_t* processId)
{
    auto& s = state();
    int32_t process = 0;
    if (window != 0 && window == s.overrideWindow)
        process = s.overrideProcess;
    else if (IsWindow(window))
        process = GetCurrentProcessId();
    if (processId)
        *processId = process;
    // Widgets live on the GUI thread, the process's main thread, whose id on Linux is the
    // process id; the same holds for the simulated foreign window.
    return process;
}

void SwitchToThisWindow(Handle window, bool /*altTab*/)
{
    QWidget* widget = fromHandle(window);
    if (!widget)
        return;
    QWidget* top = widget->window();
    if (top->isMinimized())
        top->setWindowState(top->windowState() & ~Qt::WindowMinimized);
    top->raise();
    top->activateWindow();
    auto& s = state();
    s.lastSwitchedTo = top;
    s.overrideWindow = 0;
    s.overrideProcess = 0;
}

namespace testing {

void setForegroundOverride(Handle window, int32_t processId)
{
    state().overrideWindow = window;
    state().overrideProcess = processId;
}

void clearForegroundOverride()
{
    state().overrideWindow = 0;
    state().overrideProcess = 0;
}

} // namespace testing

} // namespace win

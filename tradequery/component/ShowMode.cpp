#include "tradequery/component/ShowMode.h"

#include "platform/vb/Strings.h"
#include "platform/win/DoEvents.h"
#include "platform/win/Foreground.h"
#include "platform/win/WindowInfo.h"
#include "tradequery/host/SharedValues.h"

namespace tq {

namespace {

// The owner's class name as the decision reads it: at most 255 bytes, cut at the first NUL,
// trimmed, without any "RT6" (so "ThunderRT6Main" reads as "ThunderMain").
QString ownerClassName(win::Handle owner)
{
    char buffer[256] = {};
    win::GetClassNameA(owner, buffer, 255);
    return vb::Trim(QString::fromUtf8(buffer)).remove(QStringLiteral("RT6"));
}

} // namespace

bool NeedModalShow()
{
    const win::Handle mainWindow = GetMainFormWnd();
    if (mainWindow == 0)
        return true;

    int32_t foregroundProcess = 0;
    win::GetWindowThreadProcessId(win::GetForegroundWindow(), &foregroundProcess);
    if (foregroundProcess != win::GetCurrentProcessId()) {
        win::SwitchToThisWindow(mainWindow, true);
        win::DoEvents();
    }

    const win::Handle owner = win::GetWindow(win::GetForegroundWindow(), win::GW_OWNER);
    const QString className = ownerClassName(owner);
    return !className.isEmpty() && className != QLatin1String("ThunderMain");
}

} // namespace tq

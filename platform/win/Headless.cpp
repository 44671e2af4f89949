#include "platform/win/Headless.h"

#include <QGuiApplication>

namespace win {

bool isHeadless()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

} // namespace win

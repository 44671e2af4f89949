#include "hostapp/app/HostMessages.h"

#include "platform/win/Headless.h"
#include "platform/win/MsgBox.h"

#include <cstdio>

namespace zelhost {

QString hostTitle()
{
    return QStringLiteral("ZEL 进销存");
}

int reportStartupError(const QString& message)
{
    if (win::isHeadless()) {
        const QByteArray line = (QStringLiteral("zelhost: ") + message + QLatin1Char('\n')).toUtf8();
        std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
        std::fflush(stderr);
    } else {
        win::MsgBox(message, win::vbOKOnly | win::vbCritical, hostTitle());
    }
    return 2;
}

void reportProblem(const QString& message)
{
    win::MsgBox(message, win::vbOKOnly | win::vbExclamation, hostTitle());
}

} // namespace zelhost

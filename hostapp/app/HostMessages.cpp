#include "hostapp/app/HostMessages.h"

#include "hostapp/app/ConsoleOutput.h"
#include "platform/win/Headless.h"
#include "platform/win/MsgBox.h"

namespace zelhost {

QString hostTitle()
{
    return QStringLiteral("ZEL 进销存");
}

int reportStartupError(const QString& message)
{
    if (win::isHeadless()) {
        printErr(QStringLiteral("zelhost: ") + message + QLatin1Char('\n'));
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

#include "tradequery/window/HelpTopic.h"

#include "platform/win/Shell.h"
#include "tradequery/host/Steps.h"

#include <QCoreApplication>

namespace tq {

QString HelpTopic(int32_t queryType)
{
    return queryType == 1 ? QStringLiteral("ZELV12.chm::/销售管理.htm") : QStringLiteral("ZELV12.chm::/采购管理.htm");
}

void ShowHelp(int32_t queryType)
{
    step([&] {
        win::Shell(QStringLiteral("hh.exe ") + QCoreApplication::applicationDirPath() + QLatin1Char('\\')
                       + HelpTopic(queryType),
                   win::vbNormalFocus);
    });
}

} // namespace tq

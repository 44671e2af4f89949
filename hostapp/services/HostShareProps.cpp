#include "hostapp/services/HostShareProps.h"

#include "hostapp/services/CurrentSession.h"
#include "hostapp/services/HostSharedDictionary.h"
#include "hostapp/services/PropsString.h"
#include "hostapp/services/ServiceErrors.h"
#include "platform/hostapi/ObjectValue.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/win/Foreground.h"

namespace hostsvc {

QVariant HostShareProps::GetProperty(int32_t& processId, const QString& name)
{
    const QString source = QString::fromLatin1(hostapi::progid::ShareProps);
    if (processId != win::GetCurrentProcessId())
        throw serviceError(source, QStringLiteral("进程 %1 没有共享属性：只能读取本进程（%2）的属性。")
                                       .arg(processId)
                                       .arg(win::GetCurrentProcessId()));
    const InstalledSession& session = currentSession(source);
    const QString wanted = name.trimmed();
    if (wanted.compare(QLatin1String("PropsString"), Qt::CaseInsensitive) == 0)
        return session.propsString;
    if (wanted.compare(QLatin1String("UserID"), Qt::CaseInsensitive) == 0)
        return session.login.userId;
    if (wanted.compare(QLatin1String("SharedDictionary"), Qt::CaseInsensitive) == 0)
        return hostapi::objectValue(processSharedDictionary());

    const PropsPairs pairs(session.propsString);
    if (!wanted.isEmpty() && pairs.contains(wanted))
        return pairs.value(wanted);
    throw serviceError(source, QStringLiteral("没有名为“%1”的共享属性。").arg(name));
}

} // namespace hostsvc

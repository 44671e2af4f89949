#include "hostapp/services/HostAppCnnExt.h"

#include "hostapp/services/PropsString.h"
#include "hostapp/services/SqlRunner.h"
#include "platform/hostapi/ProgIds.h"

namespace hostsvc {

ado::RecordsetPtr HostAppCnnExt::Execute(const QString& propsString, const QString& sql)
{
    const QString source = QString::fromLatin1(hostapi::progid::AppCnnExt);
    return runSql(connectStringOf(propsString, source), sql, source);
}

} // namespace hostsvc

#include "hostapp/services/HostConnection.h"

#include "hostapp/services/CurrentSession.h"
#include "hostapp/services/SqlRunner.h"
#include "platform/hostapi/ProgIds.h"

namespace hostsvc {

ado::RecordsetPtr HostConnection::Execute(const QString& sql)
{
    const QString source = QString::fromLatin1(hostapi::progid::Connection);
    return runSql(currentSession(source).login.connectString, sql, source);
}

} // namespace hostsvc

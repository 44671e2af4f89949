#include "hostapp/services/HostAppConnection.h"

#include "hostapp/services/SqlRunner.h"
#include "platform/hostapi/ProgIds.h"

namespace hostsvc {

ado::RecordsetPtr HostAppConnection::Execute(const QString& connectString, const QString& sql)
{
    return runSql(connectString, sql, QString::fromLatin1(hostapi::progid::AppConnection));
}

} // namespace hostsvc

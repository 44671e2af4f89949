#include "hostapp/services/HostBillDataAccess.h"

#include "hostapp/services/PropsString.h"
#include "hostapp/services/SqlRunner.h"
#include "platform/hostapi/ProgIds.h"

namespace hostsvc {

ado::RecordsetPtr HostBillDataAccess::ExecuteSql(const QString& propsString, const QString& sql)
{
    const QString source = QString::fromLatin1(hostapi::progid::BillDataAccess);
    ado::RecordsetPtr rows = runSql(connectStringOf(propsString, source), sql, source);
    if (rows->State() == ado::adStateClosed)
        return nullptr;
    return rows;
}

} // namespace hostsvc

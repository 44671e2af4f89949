#include "hostapp/services/HostSqlServices.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/CurrentSession.h"
#include "hostapp/services/PropsString.h"
#include "hostapp/services/ServiceErrors.h"
#include "platform/hostapi/ProgIds.h"

namespace hostsvc {

namespace {

// The rows of the last statement that returned rows, or a closed recordset.
ado::RecordsetPtr runSql(const QString& connectString, const QString& sql, const char* progId)
{
    if (sql.trimmed().isEmpty())
        throw serviceError(QString::fromLatin1(progId), QStringLiteral("没有要执行的 SQL 语句（语句为空）。"));
    return hostdb::HostDatabase::open(connectString)->execute(sql);
}

} // namespace

ado::RecordsetPtr HostConnection::Execute(const QString& sql)
{
    const char* progId = hostapi::progid::Connection;
    return runSql(currentSession(QString::fromLatin1(progId)).login.connectString, sql, progId);
}

ado::RecordsetPtr HostAppConnection::Execute(const QString& connectString, const QString& sql)
{
    return runSql(connectString, sql, hostapi::progid::AppConnection);
}

ado::RecordsetPtr HostAppCnnExt::Execute(const QString& propsString, const QString& sql)
{
    const char* progId = hostapi::progid::AppCnnExt;
    return runSql(connectStringOf(propsString, QString::fromLatin1(progId)), sql, progId);
}

ado::RecordsetPtr HostBillDataAccess::ExecuteSql(const QString& propsString, const QString& sql)
{
    const char* progId = hostapi::progid::BillDataAccess;
    ado::RecordsetPtr rows = runSql(connectStringOf(propsString, QString::fromLatin1(progId)), sql, progId);
    if (rows->State() == ado::adStateClosed)
        return nullptr;
    return rows;
}

} // namespace hostsvc

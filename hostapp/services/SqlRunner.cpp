#include "hostapp/services/SqlRunner.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/ServiceErrors.h"

namespace hostsvc {

ado::RecordsetPtr runSql(const QString& connectString, const QString& sql, const QString& source)
{
    if (sql.trimmed().isEmpty())
        throw serviceError(source, QStringLiteral("没有要执行的 SQL 语句（语句为空）。"));
    return hostdb::HostDatabase::open(connectString)->execute(sql);
}

} // namespace hostsvc

#include "hostapp/services/HostSystemProfile.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/PropsString.h"
#include "hostapp/services/SqlLiteral.h"
#include "platform/hostapi/ProgIds.h"

namespace hostsvc {

QVariant HostSystemProfile::GetProfile(const QString& propsString, const QString& category, const QString& key)
{
    const QString source = QString::fromLatin1(hostapi::progid::SystemProfile);
    const auto database = hostdb::HostDatabase::open(connectStringOf(propsString, source));
    const hostdb::ResultTable rows = database->executeTable(
        QStringLiteral("SELECT FValue FROM t_SystemProfile WHERE FCategory=%1 AND FKey=%2")
            .arg(sqlLiteral(category), sqlLiteral(key)));
    if (rows.rows.empty() || !rows.rows.front()[0].isValid() || rows.rows.front()[0].isNull())
        return QVariant();
    return rows.rows.front()[0].toString();
}

} // namespace hostsvc

#include "hostapp/services/HostItemInfo.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/PropsString.h"
#include "hostapp/services/ServiceErrors.h"
#include "platform/hostapi/ProgIds.h"

namespace hostsvc {

bool HostItemInfo::GetDataRight(const QString& propsString, int32_t& value, int16_t& partnerKind)
{
    const QString source = QString::fromLatin1(hostapi::progid::ItemInfo);
    if (partnerKind != 1 && partnerKind != 2)
        throw serviceError(source,
                           QStringLiteral("无效的往来单位类别：%1（1 为客户，2 为供应商）").arg(partnerKind));
    const int32_t userId = userIdOf(propsString, source);
    const auto database = hostdb::HostDatabase::open(connectStringOf(propsString, source));
    const hostdb::ResultTable rows = database->executeTable(
        QStringLiteral("SELECT FRightID FROM t_UserDataRight WHERE FUserID=%1 AND FKind=%2")
            .arg(userId)
            .arg(partnerKind));
    if (rows.rows.empty() || !rows.rows.front()[0].isValid())
        return false;
    value = static_cast<int32_t>(rows.rows.front()[0].toLongLong());
    return true;
}

} // namespace hostsvc

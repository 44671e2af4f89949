#include "hostapp/services/HostGLData.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/CurrentSession.h"
#include "platform/hostapi/ProgIds.h"

namespace hostsvc {

QVariant HostGLData::AccessCheck(int16_t functionId, int16_t objectId, int32_t right)
{
    const QString source = QString::fromLatin1(hostapi::progid::GLData);
    const int32_t userId = currentSession(source).login.userId;
    // Every user's row for the pair: whether the pair is controlled at all, and ours.
    const hostdb::ResultTable rows = currentDatabase(source)->executeTable(
        QStringLiteral("SELECT FUserID, FRights FROM t_UserFuncRight WHERE FFuncID=%1 AND FObjectID=%2")
            .arg(functionId)
            .arg(objectId));
    if (rows.rows.empty())
        return QVariant();

    const auto wanted = static_cast<uint32_t>(right);
    for (const auto& row : rows.rows) {
        if (row[0].toLongLong() != userId)
            continue;
        const auto held = static_cast<uint32_t>(row[1].toLongLong());
        return (held & wanted) == wanted ? -1 : 0;
    }
    return 0;
}

} // namespace hostsvc

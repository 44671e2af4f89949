#include "hostapp/services/CurrentSession.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/ServiceErrors.h"

#include <optional>

namespace hostsvc {

namespace {

// All on the user-interface thread, like every host call.
std::optional<InstalledSession>& installed()
{
    static std::optional<InstalledSession> session;
    return session;
}

} // namespace

void setCurrentSession(const InstalledSession& session)
{
    installed() = session;
}

void clearCurrentSession()
{
    installed().reset();
}

const InstalledSession& currentSession(const QString& source)
{
    if (!installed())
        throw serviceError(source, QStringLiteral("主程序还没有登录，没有当前用户和数据库。"));
    return *installed();
}

std::shared_ptr<hostdb::HostDatabase> currentDatabase(const QString& source)
{
    return hostdb::HostDatabase::open(currentSession(source).login.connectString);
}

} // namespace hostsvc

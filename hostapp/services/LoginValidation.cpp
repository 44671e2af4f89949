// validateLogin: the checks a login passes before the host installs its services.
#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/HostServices.h"
#include "hostapp/services/ServiceErrors.h"

#include <limits>

namespace hostsvc {

namespace {

const QString kSource = QStringLiteral("zelhost.Login");

} // namespace

void validateLogin(LoginSession& session)
{
    if (session.connectString.trimmed().isEmpty())
        throw serviceError(kSource, QStringLiteral("登录失败：没有指定数据库。"));
    // The component reads the user id as a 16-bit number in its SQL conditions.
    if (session.userId <= 0 || session.userId > std::numeric_limits<int16_t>::max())
        throw serviceError(kSource, QStringLiteral("登录失败：用户编号 %1 无效（应在 1 到 32767 之间）。")
                                        .arg(session.userId));

    std::shared_ptr<hostdb::HostDatabase> database;
    try {
        database = hostdb::HostDatabase::open(session.connectString);
    } catch (const com::ComError& error) {
        throw com::ComError(error.number(), error.source(), QStringLiteral("登录失败：") + error.description());
    }

    hostdb::ResultTable user;
    try {
        user = database->executeTable(
            QStringLiteral("SELECT FName FROM t_User WHERE FUserID=%1").arg(session.userId));
    } catch (const com::ComError& error) {
        throw com::ComError(error.number(), error.source(),
                            QStringLiteral("登录失败：读不出用户表 t_User，这不是本系统的数据库（%1）。")
                                .arg(error.description()));
    }
    if (user.rows.empty())
        throw serviceError(kSource, QStringLiteral("用户不存在: %1").arg(session.userId));
    session.userName = user.rows.front()[0].toString();
}

} // namespace hostsvc

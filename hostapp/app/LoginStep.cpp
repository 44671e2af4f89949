#include "hostapp/app/LoginStep.h"

#include "hostapp/database/DemoData.h"
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QFileInfo>

namespace zelhost {

QString resolveDatabase(const QString& databaseOption)
{
    if (databaseOption.isEmpty())
        return hostdb::ensureDemoDatabase();
    if (databaseOption.contains(QLatin1Char('=')) || databaseOption.contains(QLatin1String("://")))
        return databaseOption;  // DRIVER=…, Data Source=FILE or postgresql://…: the database layer reads it
    const QFileInfo file(databaseOption);
    if (!file.exists()) {
        throw com::ComError(com::E_FAIL_, QStringLiteral("zelhost"),
                            QStringLiteral("找不到数据库文件 %1。\n要生成一个演示数据库，请运行: zelhost db init %1")
                                .arg(databaseOption));
    }
    if (!file.isFile())
        throw com::ComError(com::E_FAIL_, QStringLiteral("zelhost"),
                            QStringLiteral("%1 不是一个数据库文件。").arg(databaseOption));
    return file.absoluteFilePath();
}

hostsvc::LoginSession resolveLogin(const HostOptions& options)
{
    hostsvc::LoginSession session;
    session.connectString = resolveDatabase(options.databaseFile);
    session.userId = options.userId.value_or(hostdb::demo::kAdminUserId);
    hostsvc::validateLogin(session);
    return session;
}

} // namespace zelhost

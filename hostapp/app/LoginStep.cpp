#include "hostapp/app/LoginStep.h"

#include "hostapp/database/DemoData.h"
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QFile>
#include <QFileInfo>

namespace zelhost {

namespace {

[[noreturn]] void refuse(const QString& description)
{
    throw com::ComError(com::E_FAIL_, QStringLiteral("zelhost"), description);
}

// An empty file (what an interrupted generation used to leave) or one that is no SQLite
// database at all: the person learns how to get a working database again.
void checkDatabaseFile(const QString& path, bool demo)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;  // the database layer names what is wrong
    const QByteArray header = file.read(16);
    QString problem;
    if (header.isEmpty())
        problem = QStringLiteral("数据库文件 %1 是空的（0 字节），多半是生成它的程序被中断了。").arg(path);
    else if (header != QByteArray("SQLite format 3", 16))
        problem = QStringLiteral("%1 不是 SQLite 数据库文件。").arg(path);
    else
        return;
    problem += QStringLiteral("\n要换成一个新的演示数据库（这会替换这个文件），请运行: zelhost db init --force %1").arg(path);
    if (demo)
        problem += QStringLiteral("\n或者删除这个文件，下次启动时会重新生成演示数据库。");
    refuse(problem);
}

} // namespace

QString resolveDatabase(const QString& databaseOption)
{
    if (databaseOption.isEmpty()) {
        const QString demo = hostdb::ensureDemoDatabase();
        checkDatabaseFile(demo, true);
        return demo;
    }
    if (databaseOption.contains(QLatin1Char('=')) || databaseOption.contains(QLatin1String("://")))
        return databaseOption;  // DRIVER=…, Data Source=FILE or postgresql://…: the database layer reads it
    const QFileInfo file(databaseOption);
    if (!file.exists())
        refuse(QStringLiteral("找不到数据库文件 %1。\n要生成一个演示数据库，请运行: zelhost db init %1").arg(databaseOption));
    if (!file.isFile())
        refuse(QStringLiteral("%1 不是一个数据库文件。").arg(databaseOption));
    checkDatabaseFile(file.absoluteFilePath(), false);
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

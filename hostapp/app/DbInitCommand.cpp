#include "hostapp/app/DbInitCommand.h"

#include "hostapp/app/ConsoleOutput.h"
#include "hostapp/database/ConnectionTarget.h"
#include "hostapp/database/DemoData.h"
#include "hostapp/database/PostgresDemoData.h"
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

namespace {

const char* const kUsage =
    "用法: zelhost db init [--size small|large] [--force] FILE\n"
    "       zelhost db init --server URI [--size small|large] [--force]\n"
    "  生成演示数据库 FILE。small（默认）约数百种物料、数十个客户和供应商、数千行发票；\n"
    "  large 有 50000 种物料、5000 个客户、2000 个供应商、销售和采购发票各 1000000 行。\n"
    "  --server URI  把同样的演示数据装进 PostgreSQL 数据库（postgresql://用户:密码@主机:端口/数据库，\n"
    "                或 Provider=PostgreSQL;Host=…;Port=…;Database=…;User ID=…;Password=…）。\n"
    "  --force  FILE 已存在（或数据库里已有主机数据表）时覆盖它。\n";

int usageError(const QString& problem)
{
    zelhost::printErr(QStringLiteral("zelhost db init: ") + problem + u'\n' + QString::fromUtf8(kUsage));
    return 2;
}

} // namespace

int runDbInit(const QStringList& args)
{
    hostdb::DemoSize size = hostdb::DemoSize::Small;
    hostdb::ExistingFile existing = hostdb::ExistingFile::Refuse;
    QString file;
    QString server;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            zelhost::printOut(QString::fromUtf8(kUsage));
            return 0;
        }
        if (arg == QLatin1String("--force")) {
            existing = hostdb::ExistingFile::Replace;
        } else if (arg == QLatin1String("--server") || arg.startsWith(QLatin1String("--server="))) {
            if (arg.contains(QLatin1Char('=')))
                server = arg.section(QLatin1Char('='), 1);
            else if (i + 1 < args.size())
                server = args[++i];
            if (server.trimmed().isEmpty())
                return usageError(QStringLiteral("--server 需要 PostgreSQL 数据库的连接（URI）。"));
        } else if (arg == QLatin1String("--size") || arg.startsWith(QLatin1String("--size="))) {
            QString value;
            if (arg.contains(QLatin1Char('=')))
                value = arg.section(QLatin1Char('='), 1);
            else if (i + 1 < args.size())
                value = args[++i];
            const auto parsed = hostdb::parseDemoSize(value);
            if (!parsed)
                return usageError(QStringLiteral("--size 只能是 small 或 large，而不是“%1”。").arg(value));
            size = *parsed;
        } else if (arg.startsWith(QLatin1Char('-'))) {
            return usageError(QStringLiteral("不认识的选项 %1。").arg(arg));
        } else if (!file.isEmpty()) {
            return usageError(QStringLiteral("只能给出一个数据库文件。"));
        } else {
            file = arg;
        }
    }
    if (!file.isEmpty() && !server.isEmpty())
        return usageError(QStringLiteral("数据库文件和 --server 只能给一个。"));
    if (file.isEmpty() && server.isEmpty())
        return usageError(QStringLiteral("缺少数据库文件名。"));

    const QString shown = server.isEmpty() ? file : hostdb::ConnectionTarget::withoutPassword(server);
    zelhost::printOut(QStringLiteral("正在生成 %1 演示数据库 %2 ...\n").arg(hostdb::demoSizeName(size), shown));
    hostdb::DemoReport report;
    try {
        report = server.isEmpty() ? hostdb::generateDemoDatabase(file, size, existing)
                                  : hostdb::loadDemoDatabaseOnServer(server, size, existing);
    } catch (const com::ComError& e) {
        QString message = QStringLiteral("zelhost db init: ") + e.description();
        if (existing == hostdb::ExistingFile::Refuse && e.description().contains(QStringLiteral("已存在")))
            message += QStringLiteral("（要覆盖它，请加 --force）");
        zelhost::printErr(message + u'\n');
        return e.number() == com::E_SHARING_VIOLATION_ ? 2 : 1;  // like any start refused for a database in use
    }
    const hostdb::DemoCounts& c = report.counts;
    zelhost::printOut(
        QStringLiteral("已生成演示数据库 %1（%2）\n").arg(report.path, hostdb::demoSizeName(size))
        + QStringLiteral("  物料      %1 种，分类 %2 个，%3 级\n").arg(c.materials).arg(c.materialGroups).arg(c.materialLevels)
        + QStringLiteral("  客户      %1 个，分组 %2 个\n").arg(c.customers).arg(c.customerGroups)
        + QStringLiteral("  供应商    %1 个，分组 %2 个\n").arg(c.suppliers).arg(c.supplierGroups)
        + QStringLiteral("  部门      %1 个，职员 %2 人，用户 %3 个\n").arg(c.departments).arg(c.employees).arg(c.users)
        + QStringLiteral("  销售发票  %1 张，%2 行\n").arg(report.salesBills).arg(c.salesLines)
        + QStringLiteral("  采购发票  %1 张，%2 行\n").arg(report.purchaseBills).arg(c.purchaseLines)
        + QStringLiteral("  用时      %1 秒\n").arg(report.seconds, 0, 'f', 2));
    return 0;
}

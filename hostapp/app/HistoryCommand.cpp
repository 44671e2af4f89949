#include "hostapp/app/HistoryCommand.h"

#include "hostapp/app/ComponentSetup.h"
#include "hostapp/app/ConsoleOutput.h"
#include "hostapp/app/HistoryOutput.h"
#include "hostapp/app/LoginStep.h"
#include "hostapp/app/QueryRequest.h"
#include "hostapp/app/TradeQueryLauncher.h"
#include "hostapp/database/HostDatabase.h"
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QCoreApplication>
#include <optional>

namespace zelhost {

namespace {

struct HistoryCommandLine {
    HostOptions options;  // as `--open` would take them
    HistoryFormat format = HistoryFormat::Table;
    QString error;
};

// The history's own words are taken here; --db, --user, --item and --partner are checked by
// the host's command line, with --open standing for --sales or --purchase.
HistoryCommandLine parse(const QStringList& args)
{
    HistoryCommandLine result;
    QStringList hostWords;
    QStringList kinds;
    std::optional<QString> format;
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        const QString option = word.section(u'=', 0, 0);
        if (word == QLatin1String("--sales") || word == QLatin1String("--purchase")) {
            kinds << word.mid(2);
        } else if (option == QLatin1String("--format")) {
            if (format) {
                result.error = QStringLiteral("--format 只能给一次。");
                return result;
            }
            format = word.contains(u'=') ? word.section(u'=', 1) : args.value(++i);
        } else if (QStringList{"--db", "--user", "--item", "--partner"}.contains(option) || !word.startsWith(u'-')) {
            hostWords << word;
        } else {
            result.error = QStringLiteral("不认识的选项 %1。").arg(option);
            return result;
        }
    }
    if (kinds.size() != 1) {
        result.error = QStringLiteral("请给 --sales（客户销售价格）或 --purchase（供应商采购价格）中的一个。");
        return result;
    }
    const QString name = format.value_or(QStringLiteral("table"));
    const QStringList formats{"table", "csv", "json"};
    if (!formats.contains(name)) {
        result.error = QStringLiteral("--format 只能是 table、csv 或 json，而不是“%1”。").arg(name);
        return result;
    }
    result.format = static_cast<HistoryFormat>(formats.indexOf(name));
    const ParsedCommandLine host = parseHostCommandLine(hostWords + QStringList{"--open", kinds.first()});
    if (!host.options) {
        result.error = host.error;
        return result;
    }
    result.options = *host.options;
    if (result.options.itemNumber.isEmpty() && result.options.partnerNumber.isEmpty())
        result.error = QStringLiteral("请用 --item 给出物料代码，或用 --partner 给出客户/供应商代码（或两者）。");
    return result;
}

int failed(const QString& message, int code)
{
    QString line = message;
    line.replace(u'\n', u' ');
    printErr(QStringLiteral("zelhost history: ") + line + u'\n');
    return code;
}

// Logs in and makes the component creatable; every failure here keeps the history from
// being listed at all.
QueryRequest prepare(const HostOptions& options)
{
    hostsvc::installHostServices(resolveLogin(options));
    registerTradeQueryComponent(tradeQueryLibraryPath(QCoreApplication::applicationDirPath()));
    return requestFromOptions(options, serviceConnection());
}

} // namespace

int runHistory(const QStringList& args)
{
    const HistoryCommandLine command = parse(args);
    if (!command.error.isEmpty()) {
        failed(command.error, 2);
        printErr(historyUsage());
        return 2;
    }
    int code = 0;
    try {
        const QueryRequest request = prepare(command.options);
        try {
            const QVariantMap history = tradeQueryHistory(request, command.format != HistoryFormat::Json);
            printOut(formatHistory(history, command.format));
        } catch (const com::ComError& e) {
            // A refused right is told like the refusals above; anything else is a failed query.
            code = failed(e.description(), e.number() == com::vbError(70) ? 2 : 1);
        }
    } catch (const com::ComError& e) {
        code = failed(e.description(), 2);
    }
    hostsvc::uninstallHostServices();
    hostdb::HostDatabase::closeAll();
    return code;
}

QString historyUsage()
{
    return QStringLiteral(
        "用法: zelhost history [--db FILE] --sales|--purchase [--item CODE] [--partner CODE]\n"
        "                      [--user ID] [--format table|csv|json]\n"
        "  列出价格查询窗口会显示的历史价格行（同样的查询设置和数据权限）；\n"
        "  --item 与 --partner 至少给一个，两个都给时只列这对物料与客户/供应商之间的行。\n"
        "  table、csv：与表格显示的文字相同；json：带类型的值（数字、ISO 日期、币别代码、汇率、本位币价格）。\n");
}

} // namespace zelhost

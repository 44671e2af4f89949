#include "hostapp/app/HostCommandLine.h"

#include "hostapp/database/DemoData.h"

#include <QFileInfo>
#include <QSet>

namespace zelhost {

namespace {

const QStringList kValueOptions = {
    QStringLiteral("--db"),   QStringLiteral("--user"), QStringLiteral("--open"),       QStringLiteral("--item"),
    QStringLiteral("--partner"), QStringLiteral("--view"), QStringLiteral("--screenshot"),
    QStringLiteral("--export"), QStringLiteral("--print-pdf"),
};

ParsedCommandLine failure(const QString& error)
{
    ParsedCommandLine result;
    result.error = error;
    return result;
}

std::optional<int32_t> parseUserId(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    // User ids are positive and fit the 16-bit range the component reads them in.
    if (!ok || value <= 0 || value > 32767)
        return std::nullopt;
    return value;
}

// Whether two names stand for the same file (links followed when both exist).
bool sameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

// Applies one option with its value; returns an error text or an empty one.
QString apply(HostOptions& options, const QString& option, const QString& value)
{
    if (value.trimmed().isEmpty())
        return QStringLiteral("%1 需要一个值。").arg(option);
    if (option == QLatin1String("--db")) {
        options.databaseFile = value;
    } else if (option == QLatin1String("--user")) {
        const auto id = parseUserId(value);
        if (!id)
            return QStringLiteral("--user 需要一个用户号（1 到 32767 的整数），而不是“%1”。").arg(value);
        options.userId = *id;
    } else if (option == QLatin1String("--open")) {
        if (value == QLatin1String("sales"))
            options.open = QueryKind::Sales;
        else if (value == QLatin1String("purchase"))
            options.open = QueryKind::Purchase;
        else
            return QStringLiteral("--open 只能是 sales（客户历史价格）或 purchase（供应商历史价格），而不是“%1”。").arg(value);
    } else if (option == QLatin1String("--item")) {
        options.itemNumber = value.trimmed();
    } else if (option == QLatin1String("--partner")) {
        options.partnerNumber = value.trimmed();
    } else if (option == QLatin1String("--view")) {
        if (value == QLatin1String("item"))
            options.view = StartView::Item;
        else if (value == QLatin1String("partner"))
            options.view = StartView::Partner;
        else
            return QStringLiteral("--view 只能是 item（按物料）或 partner（按客户/供应商），而不是“%1”。").arg(value);
    } else if (option == QLatin1String("--screenshot")) {
        options.screenshotFile = value;
        options.screenshotRequested = true;
    } else if (option == QLatin1String("--export")) {
        options.exportFile = value;
    } else if (option == QLatin1String("--print-pdf")) {
        options.printPdfFile = value;
    }
    return {};
}

} // namespace

ParsedCommandLine parseHostCommandLine(const QStringList& arguments)
{
    if (arguments.contains(QLatin1String("-h")) || arguments.contains(QLatin1String("--help"))) {
        ParsedCommandLine help;
        help.helpRequested = true;
        return help;
    }
    HostOptions options;
    QSet<QString> seen;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments[i];
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString option = equals < 0 ? word : word.left(equals);
        if (word == QLatin1String("--chart")) {
            if (options.chart)
                return failure(QStringLiteral("--chart 只能给一次。"));
            options.chart = true;
            seen.insert(word);
            continue;
        }
        if (!kValueOptions.contains(option)) {
            if (word.startsWith(QLatin1Char('-')))
                return failure(QStringLiteral("不认识的选项 %1。").arg(option));
            return failure(QStringLiteral("多余的参数“%1”（数据库文件请用 --db FILE 指定）。").arg(word));
        }
        if (seen.contains(option))
            return failure(QStringLiteral("%1 只能给一次。").arg(option));
        seen.insert(option);
        QString value;
        if (equals >= 0) {
            value = word.mid(equals + 1);
        } else if (i + 1 < arguments.size() && !kValueOptions.contains(arguments[i + 1])) {
            value = arguments[++i];
        }
        const QString error = apply(options, option, value);
        if (!error.isEmpty())
            return failure(error);
    }
    if (options.open == QueryKind::None) {
        for (const char* needsOpen : {"--item", "--partner", "--view", "--export", "--print-pdf", "--chart"}) {
            if (seen.contains(QLatin1String(needsOpen)))
                return failure(QStringLiteral("%1 只能和 --open sales|purchase 一起使用。").arg(QLatin1String(needsOpen)));
        }
    }
    // What the program writes must never replace the database it reads.
    const QString database = options.databaseFile.isEmpty() ? hostdb::demoDatabasePath() : options.databaseFile;
    const std::pair<const char*, QString> outputs[] = {
        {"--screenshot", options.screenshotFile}, {"--export", options.exportFile}, {"--print-pdf", options.printPdfFile}};
    for (const auto& [option, file] : outputs) {
        if (!file.isEmpty() && sameFile(file, database))
            return failure(QStringLiteral("%1 的文件 %2 就是数据库文件，不能用它保存输出。").arg(QLatin1String(option), file));
    }
    ParsedCommandLine result;
    result.options = options;
    return result;
}

QString hostUsage()
{
    return QStringLiteral(
        "用法: zelhost [--db FILE] [--user ID] [--open sales|purchase] [--item NUMBER]\n"
        "              [--partner NUMBER] [--view item|partner] [--screenshot FILE]\n"
        "              [--export FILE] [--print-pdf FILE] [--chart]\n"
        "       zelhost db init [--size small|large] [--force] FILE | --server URI\n"
        "       zelhost db sql FILE \"T-SQL\"\n"
        "       zelhost history [--db FILE] --sales|--purchase [--item CODE] [--partner CODE] [--user ID]\n"
        "                       [--format table|csv|json]\n"
        "  --db FILE          数据库文件或 PostgreSQL 连接 postgresql://…（默认：演示数据库，第一次使用时自动生成）\n"
        "  --user ID          登录的用户号（默认：1，系统管理员）\n"
        "  --open sales       启动后直接打开客户历史价格查询；purchase：供应商历史价格查询\n"
        "  --item NUMBER      从这个物料代码开始（需要 --open）\n"
        "  --partner NUMBER   从这个客户代码（sales）或供应商代码（purchase）开始（需要 --open）\n"
        "  --view item        以物料视图打开；partner：以客户/供应商视图打开（需要 --open）\n"
        "  --screenshot FILE  不等待操作：把打开的窗口存为 PNG，打印窗口上的文字后退出\n"
        "  --export FILE      不等待操作：把表格引出到 FILE（.xlsx 或 .csv）后退出（需要 --open）\n"
        "  --print-pdf FILE   不等待操作：把表格连同页眉页脚打印到 PDF 文件后退出（需要 --open）\n"
        "  --chart            截图时显示价格走势图和价格摘要（需要 --open）\n"
        "没有显示器时（或给了 --screenshot）程序在后台绘制窗口，截图默认存为 ./zelhost-screenshot.png。\n");
}

QString queryKindName(QueryKind kind)
{
    switch (kind) {
    case QueryKind::Sales: return QStringLiteral("sales");
    case QueryKind::Purchase: return QStringLiteral("purchase");
    case QueryKind::None: break;
    }
    return {};
}

} // namespace zelhost

#include "platform/win/Shell.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"

#include <QHash>

#include <algorithm>

namespace win {

namespace {

struct ShellState {
    QHash<QString, ShellHandler> handlers;  // keyed by the lower-cased program name
    int nextTaskId = 0x0E10;
};

ShellState& state()
{
    static ShellState s;
    return s;
}

struct CommandLine {
    QString program;    // without folder
    QString arguments;
};

CommandLine split(const QString& commandLine)
{
    const QString text = commandLine.trimmed();
    QString path;
    QString rest;
    if (text.startsWith(QLatin1Char('"'))) {
        const qsizetype close = text.indexOf(QLatin1Char('"'), 1);
        path = close < 0 ? text.mid(1) : text.mid(1, close - 1);
        rest = close < 0 ? QString() : text.mid(close + 1);
    } else {
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        path = blank < 0 ? text : text.left(blank);
        rest = blank < 0 ? QString() : text.mid(blank + 1);
    }
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    qsizetype start = 0;
    while (start < rest.size() && rest[start].isSpace())
        ++start;
    return {path.mid(slash + 1), rest.mid(start)};
}

com::ComError invalidCall(const QString& why)
{
    return com::ComError(com::VB_INVALID_PROC_CALL, QStringLiteral("Shell"),
                         QStringLiteral("无效的过程调用或参数: %1").arg(why));
}

} // namespace

void registerShellHandler(const QString& programName, ShellHandler handler)
{
    if (!handler) {
        unregisterShellHandler(programName);
        return;
    }
    state().handlers.insert(programName.toLower(), std::move(handler));
}

void unregisterShellHandler(const QString& programName)
{
    state().handlers.remove(programName.toLower());
}

double Shell(const QString& commandLine, int windowStyle)
{
    if (windowStyle < vbHide || windowStyle > vbMinimizedNoFocus || windowStyle == 5)
        throw invalidCall(QStringLiteral("窗口样式 %1").arg(windowStyle));
    const CommandLine parsed = split(commandLine);
    if (parsed.program.isEmpty())
        throw invalidCall(QStringLiteral("命令行为空"));
    auto& handlers = state().handlers;
    auto it = handlers.constFind(parsed.program.toLower());
    if (it == handlers.constEnd() && !parsed.program.contains(QLatin1Char('.')))
        it = handlers.constFind(parsed.program.toLower() + QStringLiteral(".exe"));
    if (it == handlers.constEnd())
        throw com::ComError(com::vbError(53), QStringLiteral("Shell"),
                            QStringLiteral("文件未找到: %1").arg(parsed.program));
    // Copied, so a launcher may register or remove launchers while it runs.
    const ShellHandler handler = *it;
    if (!handler(parsed.arguments))
        throw invalidCall(QStringLiteral("%1 未能启动").arg(parsed.program));
    return state().nextTaskId++;
}

} // namespace win

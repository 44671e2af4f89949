#pragma once
// `zelhost history`: the lines the price window would list, printed for scripts.
//   zelhost history [--db FILE] --sales|--purchase [--item CODE] [--partner CODE] [--user ID]
//                   [--format table|csv|json]
// At least one of --item and --partner; both narrow the history to the pair. The same user
// rights, data rights and query options apply as in the window.
#include <QStringList>

namespace zelhost {

// args: the words after "history"; a QCoreApplication exists. Returns the exit code: 0 printed,
// 1 the query failed, 2 a wrong command line or a history that may not or cannot be listed
// (missing database, unknown user or code, no right). Errors go to standard error in one line.
int runHistory(const QStringList& args);

// The usage text of the command.
QString historyUsage();

} // namespace zelhost

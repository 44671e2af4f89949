// zelhost: the host program. `zelhost db …` administers databases and `zelhost history …`
// prints a price history, both without a window; anything else starts the host application
// (see `zelhost --help`).
#include "hostapp/app/ConsoleOutput.h"
#include "hostapp/app/DbInitCommand.h"
#include "hostapp/app/DbSqlCommand.h"
#include "hostapp/app/HistoryCommand.h"
#include "hostapp/app/HostApplication.h"
#include "hostapp/database/HostDatabase.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstring>

namespace {

// `zelhost db ...`: administration without a window.
int runDbCommand(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QString command = args.value(2);
    if (command == QLatin1String("sql"))
        return runDbSql(args.mid(3));
    if (command == QLatin1String("init"))
        return runDbInit(args.mid(3));
    zelhost::printErr(QStringLiteral("usage: zelhost db init [--size small|large] [--force] FILE\n"
                                     "       zelhost db sql FILE \"T-SQL\"\n"));
    return 2;  // a wrong command line, as for every other command
}

// Without a display the host still runs: it draws offscreen and captures what it shows.
void drawOffscreenWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "db") == 0)
        return runDbCommand(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "history") == 0) {
        QCoreApplication app(argc, argv);
        return zelhost::runHistory(QCoreApplication::arguments().mid(2));
    }
    drawOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelhost"));
    const int code = zelhost::runHost(QCoreApplication::arguments().mid(1));
    // Closes the database files, letting go of their locks, while Qt is still up.
    hostdb::HostDatabase::closeAll();
    return code;
}

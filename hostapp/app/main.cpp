// zelhost: the host program. Its commands grow with the host.
#include "hostapp/app/DbInitCommand.h"
#include "hostapp/app/DbSqlCommand.h"

#include <QCoreApplication>
#include <cstdio>
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
    std::fputs("usage: zelhost db init [--size small|large] [--force] FILE\n"
               "       zelhost db sql FILE \"T-SQL\"\n", stderr);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "db") == 0)
        return runDbCommand(argc, argv);
    std::puts("zelhost: the host program of ZELTradeQuery");
    return 0;
}

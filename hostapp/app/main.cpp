// zelhost: the host program. Its commands grow with the host; for now it only names itself.
#include "hostapp/app/DbInitCommand.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "db") == 0 && std::strcmp(argv[2], "init") == 0) {
        QStringList args;
        for (int i = 3; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        return runDbInit(args);
    }
    std::puts("zelhost: the host program of ZELTradeQuery");
    return 0;
}

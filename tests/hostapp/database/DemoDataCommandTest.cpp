// `zelhost db init` as a person runs it: what it prints, its exit codes, and that it never
// overwrites a file unless told to.
#include "hostapp/database/DemoData.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CommandResult {
    int exitCode = -1;
    QString out;
    QString err;
};

QString zelhost() { return QCoreApplication::applicationDirPath() + QStringLiteral("/zelhost"); }

CommandResult runZelhost(const QStringList& args)
{
    QProcess process;
    process.start(zelhost(), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class DbInitCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QFileInfo(zelhost()).isExecutable())
            GTEST_SKIP() << "zelhost is not built next to the tests";
    }
};

TEST_F(DbInitCommand, WrongCommandLinesShowTheUsage)
{
    const QStringList wrong[] = {{"db", "init"},
                                 {"db", "init", "--size", "huge", "x.db"},
                                 {"db", "init", "--size"},
                                 {"db", "init", "--colour", "x.db"},
                                 {"db", "init", "a.db", "b.db"}};
    for (const QStringList& args : wrong) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CommandResult r = runZelhost(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(QStringLiteral("用法: zelhost db init"))) << r.err.toStdString();
    }
}

TEST_F(DbInitCommand, MakesADatabaseAndRefusesToOverwriteItWithoutForce)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("demo.db"));
    const hostdb::DemoCounts planned = hostdb::plannedDemoCounts(hostdb::DemoSize::Small);

    const CommandResult made = runZelhost({"db", "init", path});
    EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
    EXPECT_TRUE(made.out.contains(QStringLiteral("已生成演示数据库 %1（small）").arg(path))) << made.out.toStdString();
    EXPECT_TRUE(made.out.contains(QStringLiteral("%1 行").arg(planned.salesLines))) << made.out.toStdString();
    EXPECT_TRUE(made.out.contains(QStringLiteral("用时"))) << made.out.toStdString();
    const QByteArray first = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    EXPECT_FALSE(first.isEmpty());

    const CommandResult refused = runZelhost({"db", "init", "--size", "small", path});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("已存在"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("--force"))) << refused.err.toStdString();

    const CommandResult forced = runZelhost({"db", "init", "--force", "--size=small", path});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), first);  // the same content again
}

} // namespace

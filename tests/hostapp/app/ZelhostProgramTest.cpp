// The built zelhost as a person or a script runs it without a display: it captures what it
// opens, prints what the window shows, and explains why it cannot start.
#include "hostapp/database/DemoData.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/testsupport/DemoDatabaseFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

namespace demo = hostdb::demo;

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs zelhost offscreen in a scratch folder that is also its home: the demo database, the
// component registry and the settings all land there.
class ZelhostProgram : public ::testing::Test {
protected:
    QTemporaryDir home;
    QString database = testsupport::copySmallDemoDatabase(home.path());

    ProgramRun run(const QStringList& args)
    {
        ProgramRun result;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("ZEL_DEMO_DB"), home.filePath(QStringLiteral("demo/first.db")));
        env.remove(QStringLiteral("ZEL_COMPONENT_REGISTRY"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(home.path());
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zelhost"), args);
        if (!process.waitForFinished(60000)) {
            ADD_FAILURE() << "zelhost did not finish";
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }
};

TEST_F(ZelhostProgram, WithoutArgumentsMakesTheDemoDatabaseAndCapturesTheMainWindow)
{
    const ProgramRun r = run({});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("demo/first.db"))));
    const QString shot = home.filePath(QStringLiteral("zelhost-screenshot.png"));
    EXPECT_TRUE(r.out.contains(QStringLiteral("截图: %1\n").arg(shot))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("窗口标题: ZEL 进销存 — administrator\n")));
    EXPECT_TRUE(r.out.contains(QStringLiteral("菜单 采购: 供应商历史价格查询…\n")));
    EXPECT_FALSE(QImage(shot).isNull());
    // The component registered itself in this user's registry.
    QFile registry(home.filePath(QStringLiteral("config/zeltradequery/components.ini")));
    ASSERT_TRUE(registry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(registry.readAll().contains("libZELTradeQuery.so"));
}

TEST_F(ZelhostProgram, OpensTheQueryOfACodeAndPrintsItsWindow)
{
    const QString shot = home.filePath(QStringLiteral("x.png"));
    const ProgramRun r = run({QStringLiteral("--db"), database, QStringLiteral("--open"), QStringLiteral("sales"),
                              QStringLiteral("--partner"), hostdb::demo::samples(hostdb::DemoSize::Small).customerNumber,
                              QStringLiteral("--screenshot"), shot});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("截图: %1\n窗口标题: 客户历史价格查询\n").arg(shot))) << r.out.toStdString();
    EXPECT_FALSE(QImage(shot).isNull());
}

TEST_F(ZelhostProgram, AUserWithoutTheRightSeesTheRefusal)
{
    const ProgramRun r = run({QStringLiteral("--db"), database, QStringLiteral("--user"),
                              QString::number(demo::kNoRightUserId), QStringLiteral("--open"), QStringLiteral("purchase")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("[系统提示] 您没有供应商历史采购价格查询的权限!\n没有打开查询窗口。\n"));
}

TEST_F(ZelhostProgram, WhatStopsItFromStartingIsToldOnStandardError)
{
    QFile notADatabase(home.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(notADatabase.open(QIODevice::WriteOnly));
    notADatabase.write("this is not a database, just some text long enough to have a header page");
    notADatabase.close();
    const struct {
        QStringList args;
        QString mentions;
    } cases[] = {
        {{QStringLiteral("--db"), home.filePath(QStringLiteral("missing.db"))}, QStringLiteral("找不到数据库文件")},
        {{QStringLiteral("--db"), notADatabase.fileName()}, notADatabase.fileName()},
        {{QStringLiteral("--db"), database, QStringLiteral("--user"), QStringLiteral("99")}, QStringLiteral("99")},
        {{QStringLiteral("--db"), database, QStringLiteral("--open"), QStringLiteral("sales"), QStringLiteral("--item"),
          QStringLiteral("nonsense")},
         QStringLiteral("没有代码为“nonsense”的物料。")},
        {{QStringLiteral("--open"), QStringLiteral("everything")}, QStringLiteral("--open 只能是")},
    };
    for (const auto& c : cases) {
        const ProgramRun r = run(c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.mentions)) << c.args.join(' ').toStdString() << " -> " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
}

TEST_F(ZelhostProgram, ADatabaseLockedByAnotherProgramIsTold)
{
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(database).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; UPDATE t_User SET FName=FName;", nullptr, nullptr, nullptr), SQLITE_OK);
    const ProgramRun r = run({QStringLiteral("--db"), database});
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("占用"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(database)) << r.err.toStdString();
}

} // namespace

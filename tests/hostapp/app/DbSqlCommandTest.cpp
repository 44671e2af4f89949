// `zelhost db sql`, run as a person would run it: the built program on a real file.
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/hostapp/database/TempSqliteFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun zelhost(const QStringList& args)
{
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/zelhost");
    ProgramRun run;
    if (!QFileInfo(program).isExecutable()) {
        ADD_FAILURE() << "zelhost is not built next to the tests: " << program.toStdString();
        return run;
    }
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000)) {
        ADD_FAILURE() << "zelhost did not finish";
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

constexpr const char* items = R"sql(
CREATE TABLE t_Item (FNumber VARCHAR(20), FName NVARCHAR(40), FQty DECIMAL(18,4), FDate DATETIME);
INSERT INTO t_Item VALUES ('1.01', '螺栓', 12.5, '2008-01-05');
INSERT INTO t_Item VALUES ('1.02', 'Washer', 3, '2008-01-06 10:30:00');
INSERT INTO t_Item VALUES ('1.03', NULL, 1000, NULL);
)sql";

TEST(DbSqlCommand, PrintsRowsAsAnAlignedTable)
{
    hostdb::testing::TempSqliteFile file(items);
    const ProgramRun run = zelhost({"db", "sql", file.path(),
                             "select top 3 FNumber, FName, FQty, FDate from t_Item order by FNumber"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    // A Chinese character takes two places; numbers stand on the right.
    EXPECT_EQ(run.out, QString::fromUtf8("FNumber  FName   FQty  FDate\n"
                                         "-------  ------  ----  -------------------\n"
                                         "1.01     螺栓    12.5  2008-01-05\n"
                                         "1.02     Washer     3  2008-01-06 10:30:00\n"
                                         "1.03     NULL    1000  NULL\n"
                                         "(3 rows)\n"));
}

TEST(DbSqlCommand, ReportsChangedRowsOfStatementsWithoutRows)
{
    hostdb::testing::TempSqliteFile file(items);
    const ProgramRun run = zelhost({"db", "sql", "Data Source=" + file.path(),
                             "update t_Item set FQty = 0 where FNumber = '1.01 ' update t_Item set FQty = 1"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "(4 rows affected)\n");
}

TEST(DbSqlCommand, ErrorsGoToStandardErrorWithExitCodeOne)
{
    hostdb::testing::TempSqliteFile file(items);
    const ProgramRun rejected = zelhost({"db", "sql", file.path(), "select FNope from t_Item"});
    EXPECT_EQ(rejected.exitCode, 1);
    EXPECT_TRUE(rejected.out.isEmpty());
    EXPECT_EQ(rejected.err, "no such column: FNope\n");

    const ProgramRun missing = zelhost({"db", "sql", file.folder() + "/none.db", "select 1"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QString::fromUtf8("数据库文件不存在"))) << missing.err.toStdString();

    const ProgramRun usage = zelhost({"db", "sql", file.path()});
    EXPECT_EQ(usage.exitCode, 1);
    EXPECT_TRUE(usage.err.startsWith("usage:"));
}

} // namespace

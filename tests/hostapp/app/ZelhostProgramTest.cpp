// The built zelhost as a person or a script runs it without a display: what it prints, on which
// stream, and its exit codes, for the host itself and its `db init` and `db sql` commands. What
// the captured windows show and what export and print write are checked in-process.
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/hostapp/database/TempSqliteFile.h"
#include "tests/testsupport/DemoDatabaseFixture.h"
#include "tests/testsupport/HistoryEndToEndExpected.h"
#include "tests/testsupport/SpecialFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>

namespace {

namespace demo = hostdb::demo;

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The cells of one CSV line (quotes doubled inside quoted cells).
QStringList csvCells(const QString& line)
{
    QStringList cells{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"' && quoted && i + 1 < line.size() && line[i + 1] == u'"')
            cells.last() += line[++i];
        else if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u',' && !quoted)
            cells << QString();
        else
            cells.last() += line[i];
    }
    return cells;
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file under `folder` with its content, but the registry and settings a start writes.
QMap<QString, QByteArray> filesUnder(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(folder + QStringLiteral("/config/")))
            files.insert(path, contentOf(path));
    }
    return files;
}

// Runs zelhost offscreen in a scratch folder that is also its home: the demo database, the
// component registry and the settings all land there.
class ZelhostProgram : public ::testing::Test {
protected:
    QTemporaryDir home;
    QString database = testsupport::copySmallDemoDatabase(home.path());
    QString demoDatabase = home.filePath(QStringLiteral("demo/first.db"));
    ~ZelhostProgram() override { hostdb::HostDatabase::closeAll(); }

    std::unique_ptr<QProcess> start(const QStringList& args)
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("ZEL_DEMO_DB"), demoDatabase);
        env.remove(QStringLiteral("ZEL_COMPONENT_REGISTRY"));
        process->setProcessEnvironment(env);
        process->setWorkingDirectory(home.path());
        process->start(QCoreApplication::applicationDirPath() + QStringLiteral("/zelhost"), args);
        return process;
    }
    static ProgramRun finish(QProcess& process)
    {
        ProgramRun result;
        if (!process.waitForFinished(120000)) {
            ADD_FAILURE() << "zelhost did not finish: " << process.errorString().toStdString();
            process.kill();
            process.waitForFinished();
            return result;
        }
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }
    ProgramRun run(const QStringList& args) { return finish(*start(args)); }
};

TEST_F(ZelhostProgram, WithoutArgumentsMakesTheDemoDatabaseAndCapturesTheMainWindow)
{
    const ProgramRun r = run({});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(demoDatabase));
    const QString shot = home.filePath(QStringLiteral("zelhost-screenshot.png"));
    EXPECT_TRUE(r.out.contains(QStringLiteral("截图: %1\n").arg(shot))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("窗口标题: ZEL 进销存 — administrator\n")));
    EXPECT_FALSE(QImage(shot).isNull());
    // The component registered itself in this user's registry.
    EXPECT_TRUE(contentOf(home.filePath(QStringLiteral("config/zeltradequery/components.ini"))).contains("libZELTradeQuery.so"));
}

TEST_F(ZelhostProgram, OpensTheQueryOfACodeOrPrintsTheRefusal)
{
    const QString shot = home.filePath(QStringLiteral("x.png"));
    const ProgramRun opened = run({QStringLiteral("--db"), database, QStringLiteral("--open"), QStringLiteral("sales"),
                                   QStringLiteral("--partner"), demo::samples(hostdb::DemoSize::Small).customerNumber,
                                   QStringLiteral("--screenshot"), shot});
    EXPECT_EQ(opened.exitCode, 0) << opened.err.toStdString();
    EXPECT_TRUE(opened.out.startsWith(QStringLiteral("截图: %1\n窗口标题: 客户历史价格查询\n").arg(shot))) << opened.out.toStdString();
    EXPECT_FALSE(QImage(shot).isNull());
    const ProgramRun refused = run({QStringLiteral("--db"), database, QStringLiteral("--user"),
                                    QString::number(demo::kNoRightUserId), QStringLiteral("--open"), QStringLiteral("purchase")});
    EXPECT_EQ(refused.exitCode, 0) << refused.err.toStdString();
    EXPECT_EQ(refused.out, QStringLiteral("[系统提示] 您没有供应商历史采购价格查询的权限!\n没有打开查询窗口。\n"));
}

TEST_F(ZelhostProgram, WhatStopsItFromStartingIsToldOnStandardError)
{
    const QString notADatabase = home.filePath(QStringLiteral("notes.txt"));
    QFile notes(notADatabase);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly) && notes.write(QByteArray(200, 'x')) == 200);
    notes.close();
    QDir().mkpath(QFileInfo(demoDatabase).path());
    QFile(demoDatabase).open(QIODevice::WriteOnly);  // what an interrupted generation once left
    const QString recovery = QStringLiteral("zelhost db init --force ");
    const struct {
        QStringList args;
        QString mentions;
        bool locked;
    } cases[] = {
        {{"--db", home.filePath(QStringLiteral("missing.db"))}, QStringLiteral("找不到数据库文件"), false},
        {{"--db", notADatabase}, QStringLiteral("不是 SQLite 数据库文件。\n要换成一个新的演示数据库（这会替换这个文件），请运行: ") + recovery + notADatabase, false},
        {{}, QStringLiteral("是空的（0 字节）"), false},
        {{"--open", "sales"}, recovery + demoDatabase + QStringLiteral("\n或者删除这个文件"), false},
        {{"--db", database, "--export", database, "--open", "sales"}, QStringLiteral("就是数据库文件"), false},
        {{"--db", database, "--user", "5", "--open", "sales", "--partner", "03.0002"},
         QStringLiteral("用户 5 没有查看客户“03.0002”的数据权限。"), false},
        {{"--db", database}, QStringLiteral("占用"), true},  // another program holds the file
    };
    const auto before = filesUnder(home.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        sqlite3* other = nullptr;
        if (c.locked) {
            ASSERT_EQ(sqlite3_open(QFile::encodeName(database).constData(), &other), SQLITE_OK);
            ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE; UPDATE t_User SET FName=FName;", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        const ProgramRun r = run(c.args);
        sqlite3_close_v2(other);  // rolls back
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(c.mentions)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_EQ(filesUnder(home.path()), before);
    }
}

TEST_F(ZelhostProgram, ExportAndPrintPdfWriteTheOpenedLedgerOrEndWithCodeOneNamingTheFile)
{
    const QStringList open{"--db", database, "--open", "sales", "--view", "item", "--item", demo::samples(hostdb::DemoSize::Small).itemNumber};
    const QString csv = home.filePath(QStringLiteral("out.csv")), pdf = home.filePath(QStringLiteral("out.pdf"));
    const ProgramRun r = run(open + QStringList{"--export", "out.csv", "--print-pdf", pdf});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("已引出：%1\n已打印到：%2\n").arg(csv, pdf));  // printed only for a non-empty file; no screenshot
    EXPECT_GE(contentOf(csv).count('\n'), 2);  // the titles and the item's history
    for (const QString& option : {QStringLiteral("--export"), QStringLiteral("--print-pdf")}) {
        const QString target = home.filePath(QStringLiteral("missing/out.") + (option == "--export" ? "csv" : "pdf"));
        const ProgramRun failed = run(open + QStringList{option, target});
        EXPECT_EQ(failed.exitCode, 1) << option.toStdString();
        EXPECT_TRUE(failed.err.contains(target)) << failed.err.toStdString();
    }
}

// `zelhost db`'s bad inputs: each is told on standard error with its exit code, and no file changes.
TEST_F(ZelhostProgram, DbCommandsNameWhatIsWrongWithTheirInputAndChangeNoFile)
{
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("folder.db")));
    const QString device = testsupport::makeSpecialFile(home.path(), QStringLiteral("device.db"));
    ASSERT_FALSE(device.isEmpty());
    const struct {
        QStringList args;
        int exitCode;
        QString mentions;
    } cases[] = {
        {{"db"}, 2, "usage: zelhost db init"},
        {{"db", "init"}, 2, "缺少数据库文件名。"},
        {{"db", "init", "--size", "huge", "x.db"}, 2, "--size 只能是 small 或 large，而不是“huge”。"},
        {{"db", "init", "--fast", "x.db"}, 2, "不认识的选项 --fast。"},
        {{"db", "init", database}, 1, "已存在，没有覆盖它。（要覆盖它，请加 --force）"},
        {{"db", "init", "missing/x.db"}, 1, "不存在，无法创建数据库文件。"},
        {{"db", "init", "--force", "folder.db"}, 1, "不能替换 folder.db：这是一个文件夹。"},
        {{"db", "init", "--force", device}, 1, "这不是普通文件"},
        {{"db", "sql", database}, 2, "usage: zelhost db sql"},
        {{"db", "sql", "missing.db", "select 1"}, 1, "数据库文件不存在：missing.db"},
        {{"db", "sql", device, "select 1"}, 1, "不是数据库文件"},
        {{"db", "sql", database, "select FNope from t_User"}, 1, "no such column: FNope"},
        {{"db", "sql", "Data Source=" + database + ";Busy Timeout=x", "select 1"}, 1, "Busy Timeout"},
    };
    const auto before = filesUnder(home.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const ProgramRun r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(r.err.contains(c.mentions)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty() || r.out.startsWith(QStringLiteral("正在生成"))) << r.out.toStdString();
        EXPECT_EQ(filesUnder(home.path()), before);
    }
    EXPECT_TRUE(testsupport::isSpecialFile(device));
}

TEST_F(ZelhostProgram, DbSqlPrintsRowsOrChangesAndErrorsOnStandardError)
{
    const hostdb::testing::TempSqliteFile file(R"sql(
CREATE TABLE t_Item (FNumber VARCHAR(20), FName NVARCHAR(40), FQty DECIMAL(18,4), FDate DATETIME);
INSERT INTO t_Item VALUES ('1.01', '螺栓', 12.5, '2008-01-05');
INSERT INTO t_Item VALUES ('1.02', 'Washer', 3, '2008-01-06 10:30:00');
INSERT INTO t_Item VALUES ('1.03', NULL, 1000, NULL);
)sql");
    const ProgramRun rows = run({"db", "sql", file.path(), "select top 3 FNumber, FName, FQty, FDate from t_Item order by FNumber"});
    EXPECT_EQ(rows.exitCode, 0) << rows.err.toStdString();
    // A Chinese character takes two places; numbers stand on the right.
    EXPECT_EQ(rows.out, QString::fromUtf8("FNumber  FName   FQty  FDate\n"
                                          "-------  ------  ----  -------------------\n"
                                          "1.01     螺栓    12.5  2008-01-05\n"
                                          "1.02     Washer     3  2008-01-06 10:30:00\n"
                                          "1.03     NULL    1000  NULL\n"
                                          "(3 rows)\n"));
    const ProgramRun changed = run({"db", "sql", "Data Source=" + file.path(),
                                    "update t_Item set FQty = 0 where FNumber = '1.01 ' update t_Item set FQty = 1"});
    EXPECT_EQ(changed.exitCode, 0) << changed.err.toStdString();
    EXPECT_EQ(changed.out, "(1 rows affected)\n\n(3 rows affected)\n");
    // Every statement of a batch reports, in order; schema changes say what they did.
    const ProgramRun batch = run({"db", "sql", file.path(),
                                  "create table t_Note (FText varchar(10)) insert into t_Note values ('a') "
                                  "select count(*) as n from t_Note drop table if exists t_Nope drop table t_Note "
                                  "select FNumber from t_Item where FQty = 0"});
    EXPECT_EQ(batch.exitCode, 0) << batch.err.toStdString();
    EXPECT_EQ(batch.out, "(table t_Note created)\n\n(1 rows affected)\n\nn\n-\n1\n(1 rows)\n\n"
                         "(table t_Nope unchanged: it does not exist)\n\n(table t_Note dropped)\n\nFNumber\n-------\n(0 rows)\n");
    const ProgramRun failed = run({"db", "sql", file.path(), "select FNope from t_Item"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.out.isEmpty());
    EXPECT_TRUE(failed.err.contains("no such column: FNope\n")) << failed.err.toStdString();
}

TEST_F(ZelhostProgram, HistoryPrintsWhatTheWindowListsInThreeFormats)
{
    using historye2e::visibleLines;
    const historye2e::DemoFile raw(database);
    const auto samples = demo::samples(hostdb::DemoSize::Small);
    const int item = raw.itemId(4, samples.itemNumber);
    const QStringList sales{"history", "--db", database, "--sales", "--item", samples.itemNumber};
    const auto expected = visibleLines(raw.allLines(true, item, 0), demo::kTradeTimes);
    ASSERT_FALSE(expected.isEmpty());

    const ProgramRun csv = run(sales + QStringList{"--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err.toStdString();
    const QStringList csvLines = csv.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(csvLines.size(), expected.size() + 1);
    EXPECT_EQ(csvCells(csvLines[0]).value(9), QStringLiteral("单据编号"));
    const ProgramRun table = run(sales);
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    const QStringList tableLines = table.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(tableLines.size(), expected.size() + 3);  // titles, rule, rows, count
    EXPECT_EQ(tableLines.last(), QStringLiteral("(%1 rows)").arg(expected.size()));
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QStringList cells = csvCells(csvLines[i + 1]);
        QStringList shown;
        for (long col : historye2e::kColumns)
            shown << cells.value(col - 1);
        EXPECT_EQ(shown, historye2e::cellsOf(expected[i])) << i;
        for (const QString& cell : shown)
            EXPECT_TRUE(tableLines[i + 2].contains(cell)) << tableLines[i + 2].toStdString();
    }

    // Typed values: the partner side alone, of a restricted user, and then with fewer TradeTimes.
    const int supplier = raw.itemId(8, samples.supplierNumber);
    struct Case { QStringList args; QList<historye2e::ExpectedLine> lines; } cases[] = {
        {{"--purchase", "--partner", samples.supplierNumber},
         visibleLines(raw.allLines(false, 0, supplier), demo::kTradeTimes)},
        {{"--sales", "--item", samples.itemNumber, "--user", QString::number(demo::kRestrictedUserId)},
         visibleLines(raw.allLines(true, item, 0), demo::kTradeTimes, demo::kRestrictedCustomerRightId)},
        {{"--sales", "--item", samples.itemNumber}, expected.mid(0, 3)},
    };
    for (Case& c : cases) {
        if (&c == &cases[2]) {
            sqlite3* db = nullptr;
            ASSERT_EQ(sqlite3_open(QFile::encodeName(database).constData(), &db), SQLITE_OK);
            EXPECT_EQ(sqlite3_exec(db, "UPDATE t_SystemProfile SET FValue='3' WHERE FKey='ClientTradeTimes'", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        }
        const ProgramRun json = run(QStringList{"history", "--db", database, "--format=json"} + c.args);
        ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
        const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8()).object();
        EXPECT_EQ(document["baseCurrency"].toObject()["number"].toString(), QStringLiteral("RMB"));
        const QJsonArray lines = document["lines"].toArray();
        ASSERT_EQ(lines.size(), c.lines.size()) << c.args.join(' ').toStdString();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QJsonObject line = lines[i].toObject();
            const historye2e::ExpectedLine& want = c.lines[i];
            EXPECT_EQ(line["FBillNo"].toString(), want.billNo);
            EXPECT_EQ(line["FDate"].toString(), want.date);
            EXPECT_EQ(line["FCurrencyNumber"].toString(), want.currencyNumber);
            ASSERT_TRUE(line["FQty"].isDouble() && line["FExchangeRate"].isDouble() && line["FBasePrice"].isDouble());
            EXPECT_DOUBLE_EQ(line["FQty"].toDouble(), want.quantity);
            EXPECT_DOUBLE_EQ(line["FExchangeRate"].toDouble(), want.exchangeRate);
            EXPECT_NEAR(line["FBasePrice"].toDouble(), want.actualPrice * want.exchangeRate, 1e-9);
        }
    }
}

TEST_F(ZelhostProgram, HistoryRefusalsAndMistakesEndWithOneLineOnStandardError)
{
    const QStringList db{"history", "--db", database};
    const QString item = demo::samples(hostdb::DemoSize::Small).itemNumber;
    const struct { QStringList args; QString mentions; } cases[] = {
        {{"--item", item}, QStringLiteral("--sales")},
        {{"--sales", "--purchase", "--item", item}, QStringLiteral("--sales")},
        {{"--sales"}, QStringLiteral("--item")},
        {{"--sales", "--item", item, "--format", "xml"}, QStringLiteral("--format 只能是")},
        {{"--sales", "--item", item, "--view", "item"}, QStringLiteral("不认识的选项 --view")},
        {{"--sales", "--item", "nonsense"}, QStringLiteral("没有代码为“nonsense”的物料。")},
        {{"--purchase", "--item", item, "--user", QString::number(demo::kSalesClerkUserId)},
         QStringLiteral("您没有供应商历史采购价格查询的权限!")},
    };
    for (const auto& c : cases) {
        const ProgramRun r = run(db + c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("zelhost history: ")) && r.err.contains(c.mentions)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    const ProgramRun missing = run({"history", "--db", home.filePath(QStringLiteral("missing.db")), "--sales", "--item", item});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err.count(u'\n'), 1) << missing.err.toStdString();
}

} // namespace

namespace {

TEST_F(ZelhostProgram, StartsAtOnceOnAMissingDemoDatabaseAllOpenTheOneThatOfThemMade)
{
    std::vector<std::unique_ptr<QProcess>> starts;
    for (int i = 0; i < 4; ++i)
        starts.push_back(start({"--screenshot", QStringLiteral("shot%1.png").arg(i)}));
    for (auto& process : starts) {
        const ProgramRun r = finish(*process);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    EXPECT_EQ(testsupport::contentChecksum(demoDatabase), testsupport::contentChecksum(testsupport::smallDemoDatabase()));
    EXPECT_EQ(QDir(QFileInfo(demoDatabase).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"first.db"});
}

TEST_F(ZelhostProgram, DbInitForceRefusesADatabaseThatAnotherProcessHasOpen)
{
    const QByteArray old = contentOf(database);
    QFile(database + QStringLiteral("-journal")).open(QIODevice::WriteOnly);  // kept while the database is in use
    hostdb::HostDatabase::open(database);  // held open in the pool of this process
    const ProgramRun refused = run({"db", "init", "--force", database});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("数据库文件 %1 正被其他程序使用，没有替换它。").arg(database))) << refused.err.toStdString();
    EXPECT_EQ(contentOf(database), old);
    EXPECT_TRUE(QFileInfo::exists(database + QStringLiteral("-journal")));
    hostdb::HostDatabase::closeAll();  // the last holder removes the lock's file
    EXPECT_FALSE(QFileInfo::exists(database + QStringLiteral(".lock")));
}

} // namespace

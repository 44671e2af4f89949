// zelhost run by a script: --export and --print-pdf write the opened window's ledger to a file
// and end, with exit code 1 when the file could not be written; the options need --open.
#include "hostapp/app/HostCommandLine.h"
#include "hostapp/database/DemoData.h"
#include "tests/testsupport/DemoDatabaseFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

namespace demo = hostdb::demo;

struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class ZelhostLedgerOutput : public ::testing::Test {
protected:
    QTemporaryDir home;
    QString database = testsupport::copySmallDemoDatabase(home.path());
    QString item = demo::samples(hostdb::DemoSize::Small).itemNumber;

    ProcessRun zelhost(QStringList args)
    {
        args = QStringList{QStringLiteral("--db"), database, QStringLiteral("--open"), QStringLiteral("sales"),
                           QStringLiteral("--item"), item, QStringLiteral("--view"), QStringLiteral("item")}
               + args;
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.remove(QStringLiteral("ZEL_COMPONENT_REGISTRY"));
        env.remove(QStringLiteral("ZEL_EXPORT_PATH"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(home.path());
        process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zelhost"), args);
        ProcessRun run;
        if (!process.waitForFinished(60000)) {
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

    static QString pdfText(const QString& path)
    {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        tool.waitForFinished(30000);
        // The text extractor may give some ideographs as their radical look-alikes and drops
    // spaces between glyphs: compare in the plain forms, without spaces.
    return QString::fromUtf8(tool.readAllStandardOutput())
        .normalized(QString::NormalizationForm_KC)
        .replace(QChar(0x2EDA), QChar(0x9875))  // 页
        .remove(QLatin1Char(' '));
    }
};

TEST_F(ZelhostLedgerOutput, ExportsTheLedgerAndPrintsItToPdfInOneRun)
{
    const QString csv = home.filePath(QStringLiteral("out.csv"));
    const QString pdf = home.filePath(QStringLiteral("out.pdf"));
    const ProcessRun r = zelhost({QStringLiteral("--export"), QStringLiteral("out.csv"), QStringLiteral("--print-pdf"), pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString() << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("已引出：%1").arg(csv))) << r.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("zelhost-screenshot.png"))));

    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);  // the titles and the item's history
    EXPECT_TRUE(lines[0].contains(QStringLiteral("单据编号"))) << lines[0].toStdString();

    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("客户历史销售价格查询"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("第1页")));
}

TEST_F(ZelhostLedgerOutput, AFileThatCannotBeWrittenEndsWithCodeOne)
{
    for (const char* option : {"--export", "--print-pdf"}) {
        const QString target = home.filePath(QStringLiteral("missing/folder/out.") + (option[2] == 'e' ? "csv" : "pdf"));
        const ProcessRun r = zelhost({QString::fromLatin1(option), target});
        EXPECT_EQ(r.exitCode, 1) << option << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(target)) << option << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(target));
    }
}

TEST(HostCommandLineOutput, ExportAndPrintNeedOpen)
{
    for (const char* option : {"--export", "--print-pdf"})
        EXPECT_TRUE(zelhost::parseHostCommandLine({QString::fromLatin1(option), QStringLiteral("x")}).error.contains(QLatin1String(option)));
    const auto parsed = zelhost::parseHostCommandLine({QStringLiteral("--open"), QStringLiteral("sales"), QStringLiteral("--export=a.xlsx")});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->exportFile, QStringLiteral("a.xlsx"));
}

} // namespace

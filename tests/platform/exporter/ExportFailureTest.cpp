// Exports that cannot or should not finish: the person is told why, naming the file, or hears
// nothing after cancelling; no file is half-written and an existing one is never harmed.
#include "tests/platform/exporter/ExportFixture.h"

#include "platform/hostapi/HostGlobals.h"
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/FakeProfileServices.h"

#include <QApplication>
#include <QFileDialog>
#include <QProgressDialog>

namespace exporttest {
namespace {

const QStringList titles = {"物料名称", "数量"};
const Rows rows = {{"螺栓", "1"}, {"螺母", "2"}, {"垫圈", "3"}, {"弹簧", "4"}};

using ExportFailure = ExportFixture;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(ExportFailure, TargetsThatCannotBeWrittenAreNamedAndLeftAsTheyWere)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("目录.xlsx"));
    writeFile(path("只读.csv"), "old");
    QFile::setPermissions(path("只读.csv"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const QStringList before = folderEntries();

    struct Case {
        QString target;
        QString reason;
    };
    const Case cases[] = {
        {"/proc/价格.xlsx", "不能在文件夹"},  // a folder nobody may create files in
        {path("缺少/价格.xlsx"), "不存在"},
        {path("目录.xlsx"), "文件夹"},
        {path("只读.csv"), "只读"},
        {path("价格.txt"), ".xlsx 或 .csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        boxes.clear();
        EXPECT_FALSE(exportRows(c.target, titles, rows));
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_TRUE(boxes.boxes()[0].text.contains(c.target)) << boxes.boxes()[0].text.toStdString();
        EXPECT_TRUE(boxes.boxes()[0].text.contains(c.reason)) << boxes.boxes()[0].text.toStdString();
        EXPECT_EQ(folderEntries(), before);
        EXPECT_EQ(contents(path("只读.csv")), "old");
        EXPECT_FALSE(QFile::exists("/proc/价格.xlsx"));
    }
}

TEST_F(ExportFailure, AFullDiskLeavesNoFileAndTheOldTargetWhole)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    for (const QString name : {"价格.xlsx", "价格.csv"}) {
        SCOPED_TRACE(name.toStdString());
        boxes.clear();
        writeFile(path(name), "old");
        QString writtenTo;
        // The real writer of the format, on a device that is always full.
        exporter::HostExporter exporter([&](const QString& temporary, exporter::SheetFormat format) {
            writtenTo = temporary;
            return exporter::makeSheetWriter("/dev/full", format);
        });
        EXPECT_FALSE(exportRows(exporter, path(name), titles, rows));
        EXPECT_EQ(QFileInfo(writtenTo).absolutePath(), folder.path());  // beside the target, not on it
        EXPECT_NE(QFileInfo(writtenTo).fileName(), name);
        EXPECT_EQ(contents(path(name)), "old");
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_TRUE(boxes.boxes()[0].text.contains(path(name))) << boxes.boxes()[0].text.toStdString();
        EXPECT_TRUE(boxes.boxes()[0].text.contains("No space left on device")) << boxes.boxes()[0].text.toStdString();
    }
    EXPECT_EQ(folderEntries(), (QStringList{"价格.csv", "价格.xlsx"}));
}

TEST_F(ExportFailure, ARowThatCannotBeLoadedIsNamedAndNothingIsWritten)
{
    exporter::HostExporter exporter;
    QObject::connect(&exporter, &hostapi::ExpImp80::LoadData, [](int32_t n, hostapi::ExportColData& data) {
        data.setItem(n, "第三列不存在");  // row 3 asks for item 3 of two
    });
    EXPECT_FALSE(exportRows(exporter, path("价格.xlsx"), titles, rows));
    EXPECT_EQ(folderEntries(), QStringList());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].text.contains("第 3 行")) << boxes.boxes()[0].text.toStdString();
    EXPECT_TRUE(boxes.boxes()[0].text.contains("下标越界"));
}

TEST_F(ExportFailure, CancellingTheProgressStopsAtOnceWithoutAWord)
{
    exporter::HostExporter exporter;
    QObject::connect(&exporter, &hostapi::ExpImp80::LoadData, [](int32_t n, hostapi::ExportColData&) {
        if (n == 2)
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* progress = qobject_cast<QProgressDialog*>(window))
                    progress->cancel();
    });
    writeFile(path("价格.xlsx"), "old");
    EXPECT_FALSE(exportRows(exporter, path("价格.xlsx"), titles, rows));
    EXPECT_EQ(rowsAsked, 2);
    EXPECT_EQ(folderEntries(), QStringList{"价格.xlsx"});
    EXPECT_EQ(contents(path("价格.xlsx")), "old");
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ExportFailure, TheSaveDialogStartsInTheLastFolderAndCancellingItWritesNothing)
{
    auto settings = std::make_shared<fakehost::FakeSettingsStore>(std::make_shared<fakehost::CallLog>());
    settings->put("Exporter", "LastFolder", folder.path());
    hostapi::globals().setSettingsStore(settings);
    QString openedIn;
    QString answer;  // the file the person picks; empty: cancel
    win::setModalResponder([&](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        openedIn = files.directory().absolutePath();
        if (answer.isEmpty())
            return int(QDialog::Rejected);
        files.selectFile(answer);
        return int(QDialog::Accepted);
    });

    EXPECT_FALSE(exportRows(QString(), titles, rows));
    EXPECT_EQ(openedIn, folder.path());
    EXPECT_EQ(rowsAsked, 0);

    QTemporaryDir other;
    answer = other.filePath("价格.csv");
    EXPECT_TRUE(exportRows(QString(), titles, rows));
    EXPECT_TRUE(QFile::exists(answer));
    EXPECT_EQ(settings->stored("Exporter", "LastFolder").toString(), other.path());

    win::setModalResponder({});
    hostapi::globals().reset();
    EXPECT_EQ(folderEntries(), QStringList());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

} // namespace
} // namespace exporttest

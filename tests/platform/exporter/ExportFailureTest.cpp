// Exports that cannot or should not finish: the person is told why, naming the file, or hears
// nothing after cancelling; no file is half-written and an existing one is never harmed.
#include "tests/platform/exporter/ExportFixture.h"

#include "platform/hostapi/HostGlobals.h"
#include "platform/win/ModalDialog.h"
#include "tests/testsupport/FakeProfileServices.h"
#include "tests/testsupport/SpecialFile.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QProgressDialog>

namespace exporttest {
namespace {

const QStringList titles = {"物料名称", "数量"};
const Rows rows = {{"螺栓", "1"}, {"螺母", "2"}, {"垫圈", "3"}, {"弹簧", "4"}};

struct ExportFailure : ExportFixture {
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
};

TEST_F(ExportFailure, TargetsThatCannotBeWrittenAreNamedAndLeftAsTheyWereALinkIsFollowed)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("目录.xlsx"));
    write("只读.csv", "old");
    QFile::setPermissions(path("只读.csv"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    ASSERT_FALSE(testsupport::makeSpecialFile(folder.path(), "设备.csv").isEmpty());
    ASSERT_TRUE(QFile::link(path("设备.csv"), path("链接.csv")));
    const QStringList before = folderEntries();
    const std::pair<QString, QString> cases[] = {  // target, the reason given
        {"/proc/价格.xlsx", "不能在文件夹"}, {path("缺少/价格.xlsx"), "不存在"}, {path("目录.xlsx"), "文件夹"},
        {path("只读.csv"), "只读"}, {path("价格.txt"), ".xlsx 或 .csv"},
        {path("设备.csv"), "不是普通文件"}, {path("链接.csv"), "不是普通文件"},  // a save never replaces those
    };
    for (const auto& [target, reason] : cases) {
        boxes.clear();
        EXPECT_FALSE(exportRows(target, titles, rows));
        const QString box = onlyBox();
        EXPECT_TRUE(box.contains(target) && box.contains(reason)) << box.toStdString();
        EXPECT_EQ(folderEntries(), before);
        EXPECT_EQ(contents(path("只读.csv")), "old");
    }
    EXPECT_FALSE(QFile::exists("/proc/价格.xlsx"));
    EXPECT_TRUE(testsupport::isSpecialFile(path("设备.csv")));
    // A link to a regular file is followed: that file is replaced, the link stays.
    ASSERT_TRUE(QFile::remove(path("链接.csv")) && QFile::link(path("只读.csv"), path("链接.csv")));
    QFile::setPermissions(path("只读.csv"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(exportRows(path("链接.csv"), titles, rows));
    EXPECT_TRUE(QFileInfo(path("链接.csv")).isSymLink() && contents(path("只读.csv")).contains("螺栓"));
}

TEST_F(ExportFailure, AFullDiskLeavesNoFileAndTheOldTargetWhole)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    for (const QString name : {"价格.xlsx", "价格.csv"}) {
        boxes.clear();
        write(name, "old");
        QString writtenTo;
        // The real writer of the format, on a device that is always full.
        exporter::HostExporter exporter([&](const QString& temporary, exporter::SheetFormat format) {
            writtenTo = temporary;
            return exporter::makeSheetWriter("/dev/full", format);
        });
        EXPECT_FALSE(exportRows(exporter, path(name), titles, rows));
        EXPECT_EQ(QFileInfo(writtenTo).absolutePath(), folder.path()) << "beside the target, not on it";
        EXPECT_NE(QFileInfo(writtenTo).fileName(), name);
        EXPECT_EQ(contents(path(name)), "old");
        const QString box = onlyBox();
        EXPECT_TRUE(box.contains(path(name)) && box.contains("No space left on device")) << box.toStdString();
    }
    EXPECT_EQ(folderEntries(), (QStringList{"价格.csv", "价格.xlsx"}));
}

TEST_F(ExportFailure, ARowThatCannotBeLoadedIsNamedAndACancelledOneStopsSilentlyWritingNothing)
{
    exporter::HostExporter failing;
    QObject::connect(&failing, &hostapi::ExpImp80::LoadData, [](int32_t n, hostapi::ExportColData& data) {
        data.setItem(n, "第三列不存在");  // row 3 asks for item 3 of two
    });
    EXPECT_FALSE(exportRows(failing, path("价格.xlsx"), titles, rows));
    EXPECT_EQ(folderEntries(), QStringList());
    const QString box = onlyBox();
    EXPECT_TRUE(box.contains("第 3 行") && box.contains("下标越界")) << box.toStdString();

    boxes.clear();
    rowsAsked = 0;
    exporter::HostExporter cancelled;
    QString progressText;  // the file's name is shown as typed, not as markup
    QObject::connect(&cancelled, &hostapi::ExpImp80::LoadData, [&](int32_t n, hostapi::ExportColData&) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(window); progress && n == 2) {
                const auto* label = progress->findChild<QLabel*>();
                progressText = label->textFormat() == Qt::PlainText ? label->text() : QStringLiteral("rich text");
                progress->cancel();
            }
    });
    const QString name = QStringLiteral("<i>价格.xlsx");
    write(name, "old");
    EXPECT_FALSE(exportRows(cancelled, path(name), titles, rows));
    EXPECT_EQ(rowsAsked, 2);
    EXPECT_EQ(progressText, QStringLiteral("正在引出到 %1 ...").arg(name));
    EXPECT_EQ(folderEntries(), QStringList{name});
    EXPECT_EQ(contents(path(name)), "old");
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ExportFailure, TheSaveDialogStartsInTheLastFolderAndCancellingItWritesNothing)
{
    auto settings = std::make_shared<fakehost::FakeSettingsStore>(std::make_shared<fakehost::CallLog>());
    settings->put("Exporter", "LastFolder", folder.path());
    hostapi::globals().setSettingsStore(settings);
    QTemporaryDir other;
    QStringList openedIn;
    for (const QString answer : {QString(), other.filePath("价格.csv")}) {  // the file picked; none: cancel
        win::setModalResponder([&](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            openedIn << files.directory().absolutePath();
            files.selectFile(answer);
            return answer.isEmpty() ? int(QDialog::Rejected) : int(QDialog::Accepted);
        });
        EXPECT_EQ(exportRows(QString(), titles, rows), !answer.isEmpty());
        EXPECT_EQ(rowsAsked, answer.isEmpty() ? 0 : 4);
    }
    EXPECT_TRUE(QFile::exists(other.filePath("价格.csv")));
    EXPECT_EQ(openedIn, (QStringList{folder.path(), folder.path()}));
    EXPECT_EQ(settings->stored("Exporter", "LastFolder").toString(), other.path());
    win::setModalResponder({});
    hostapi::globals().reset();
    EXPECT_TRUE(folderEntries().isEmpty() && boxes.boxes().isEmpty());
}

} // namespace
} // namespace exporttest

// The settings store over an INI file: round trips, defaults, and files that cannot be
// written or read.
#include "hostapp/services/HostSettingsStore.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/testsupport/SpecialFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

namespace hostsvc {
namespace {

const QString kSection = QStringLiteral("ComTradeQuery");

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("zelhost/settings.ini"));  // folder made on save
};

TEST_F(SettingsStoreTest, SavedValuesComeBackAsTextInANewStoreAndMissingOnesAsTheDefault)
{
    const std::tuple<QString, QVariant, QString> values[] = {
        {QStringLiteral("ICItemCol3"), 1234.5f, QStringLiteral("1234.5")},
        {QStringLiteral("ShowViewBy"), true, QStringLiteral("True")},
        {QStringLiteral("名称"), QStringLiteral("青禾, 分号;等号="), QStringLiteral("青禾, 分号;等号=")}};
    {
        HostSettingsStore store(path);
        EXPECT_EQ(store.Get(kSection, QStringLiteral("ICItemCol1"), 1200).toInt(), 1200);  // no file yet
        for (const auto& [key, value, text] : values)
            store.Save(kSection, key, value);
        store.Save(kSection, QStringLiteral("ByCompany"), 2);
        store.Save(kSection, QStringLiteral("ByCompany"), QVariant());  // saving null removes the key
    }
    HostSettingsStore store(path);
    for (const auto& [key, value, text] : values)
        EXPECT_EQ(store.Get(kSection, key, QString()).toString(), text);
    EXPECT_EQ(store.Get(kSection, QStringLiteral("ByCompany"), 7).toInt(), 7);
    EXPECT_EQ(store.fileState(), HostSettingsStore::FileState::Ok);
}

TEST_F(SettingsStoreTest, AFileThatCannotBeWrittenRaisesAndChangesNothing)
{
    // Root may write read-only files, so the unwritable places are ones nobody can write:
    // a folder that is a file, and a file name taken by a folder.
    writeFile(folder.filePath(QStringLiteral("plain-file")), "x");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.ini")));
    // Nor is a name taken by a device, pipe or socket ever replaced (through a link neither).
    const QString device = testsupport::makeSpecialFile(folder.path(), QStringLiteral("device.ini"));
    ASSERT_FALSE(device.isEmpty());
    ASSERT_TRUE(QFile::link(device, folder.filePath(QStringLiteral("link.ini"))));
    for (const QString& place : {folder.filePath(QStringLiteral("plain-file/settings.ini")), folder.filePath(QStringLiteral("taken.ini")),
                                 device, folder.filePath(QStringLiteral("link.ini"))}) {
        HostSettingsStore store(place);
        const auto error = fakehost::comErrorOf([&] { store.Save(kSection, QStringLiteral("ByCompany"), 2); });
        ASSERT_TRUE(error) << place.toStdString();
        EXPECT_TRUE(error->description().contains(QStringLiteral("设置没有保存"))) << error->description().toStdString();
        // What the process reads is still what the disk holds.
        EXPECT_EQ(store.Get(kSection, QStringLiteral("ByCompany"), 1).toInt(), 1) << place.toStdString();
    }
    EXPECT_EQ(contentOf(folder.filePath(QStringLiteral("plain-file"))), QByteArray("x"));
    EXPECT_TRUE(testsupport::isSpecialFile(device));
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("link.ini"))).isSymLink());
}

TEST_F(SettingsStoreTest, ACorruptFileReadsAsDefaultsAndIsSetAsideOnSaveAndNoticedWhenDamagedInUse)
{
    const QString file = folder.filePath(QStringLiteral("settings.ini"));
    const QByteArray damaged = "[ComTradeQuery\nByCompany=2\n\x01\x02garbage";
    writeFile(file, damaged);
    HostSettingsStore store(file);
    EXPECT_EQ(store.fileState(), HostSettingsStore::FileState::Corrupt);
    EXPECT_TRUE(store.fileProblem().contains(QStringLiteral("已损坏")));
    EXPECT_EQ(store.Get(kSection, QStringLiteral("ByCompany"), 1).toInt(), 1);
    store.Save(kSection, QStringLiteral("blBatchSort"), 1);
    EXPECT_EQ(store.fileState(), HostSettingsStore::FileState::Ok);
    EXPECT_EQ(contentOf(file + QStringLiteral(".corrupt")), damaged);
    EXPECT_EQ(store.Get(kSection, QStringLiteral("blBatchSort"), 0).toInt(), 1);

    // Damaged again while in use: noticed at the next read.
    writeFile(file, "[ComTradeQuery\nByCompany=2 and some more text\n");
    EXPECT_EQ(store.Get(kSection, QStringLiteral("blBatchSort"), 0).toInt(), 0);
    EXPECT_EQ(store.fileState(), HostSettingsStore::FileState::Corrupt);
}

} // namespace
} // namespace hostsvc

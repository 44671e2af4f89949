// The per-user component registry: where it lives, entries recorded, found without regard to
// case, replaced and removed, and files it cannot write or read.
#include "platform/com/ComponentRegistry.h"
#include "platform/com/ErrorCodes.h"
#include "tests/platform/RaisedError.h"
#include "tests/testsupport/SpecialFile.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <gtest/gtest.h>

using platformtest::raisedBy;

const QString kProgId = QStringLiteral("ZELTradeQuery.TradeQuery");

TEST(ComponentRegistry, RecordsAbsolutePathsUnderProgIdsThatIgnoreCase)
{
    fakehost::TemporaryComponentRegistry registry;
    EXPECT_FALSE(com::unregisterInProcServer(kProgId)) << "no file yet";
    com::registerInProcServer(kProgId, QStringLiteral("lib/libZELTradeQuery.so"));
    const QString first = QDir::current().absoluteFilePath(QStringLiteral("lib/libZELTradeQuery.so"));
    EXPECT_EQ(com::inProcServerPath(QStringLiteral("zeltradequery.TRADEQUERY")), first);
    EXPECT_EQ(QSettings(registry.file(), QSettings::IniFormat).value("InProcServers/" + kProgId).toString(), first)
        << "what another program reading the file finds";
    com::registerInProcServer(QStringLiteral("Other.Class"), QStringLiteral("/opt/other.so"));
    com::registerInProcServer(QStringLiteral("zeltradequery.tradequery"), QStringLiteral("/opt/b/lib.so"));
    EXPECT_EQ(com::registeredInProcServers(), (QStringList{QStringLiteral("Other.Class"), QStringLiteral("zeltradequery.tradequery")}));
    EXPECT_EQ(com::inProcServerPath(kProgId), QStringLiteral("/opt/b/lib.so"));
    EXPECT_TRUE(com::unregisterInProcServer(QStringLiteral("ZELTRADEQUERY.TradeQuery")));
    EXPECT_TRUE(com::inProcServerPath(kProgId).isEmpty());
    EXPECT_EQ(com::inProcServerPath(QStringLiteral("Other.Class")), QStringLiteral("/opt/other.so"));

}

TEST(ComponentRegistry, RefusesEmptyEntriesAndNamesAFileItCannotWrite)
{
    fakehost::TemporaryComponentRegistry registry;
    EXPECT_EQ(raisedBy([] { com::registerInProcServer({}, QStringLiteral("/opt/a.so")); }).number, com::VB_INVALID_PROC_CALL);
    EXPECT_EQ(raisedBy([] { com::registerInProcServer(kProgId, QStringLiteral("  ")); }).number, com::VB_INVALID_PROC_CALL);
    EXPECT_TRUE(com::registeredInProcServers().isEmpty());

    QFile blocker(registry.folder() + QStringLiteral("/not-a-folder"));  // a plain file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    const QString target = blocker.fileName() + QStringLiteral("/components.ini");
    qputenv(com::kComponentRegistryVariable, QFile::encodeName(target));
    const auto raised = raisedBy([] { com::registerInProcServer(kProgId, QStringLiteral("/opt/lib.so")); });
    EXPECT_EQ(raised.number, com::SELFREG_E_CLASS_);
    EXPECT_TRUE(raised.description.contains(target)) << raised.description.toStdString();
}

TEST(ComponentRegistry, ADamagedFileFindsNothingAndIsSetAsideByTheNextChange)
{
    fakehost::TemporaryComponentRegistry registry;
    const QByteArray damaged("\xff\xfe\0\x01[InProcServers\n=\n\"ZELTradeQuery.TradeQuery\n\x80\x81", 49);
    for (const bool registering : {true, false}) {
        QFile file(registry.file());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
        file.close();
        EXPECT_TRUE(com::inProcServerPath(kProgId).isEmpty());
        if (registering)
            com::registerInProcServer(kProgId, QStringLiteral("/opt/lib.so"));
        else
            EXPECT_FALSE(com::unregisterInProcServer(kProgId));
        EXPECT_EQ(com::inProcServerPath(kProgId), registering ? QStringLiteral("/opt/lib.so") : QString());
        QFile aside(registry.file() + QStringLiteral(".corrupt"));
        ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
        EXPECT_EQ(aside.readAll(), damaged);
    }
}

// The registry's name may be taken by something a save must never replace (run as root with
// the registry at /dev/null, a rename would turn the device into a file): it finds nothing and
// refuses changes, naming the file.
TEST(ComponentRegistry, NeverReplacesAnythingButARegularFile)
{
    fakehost::TemporaryComponentRegistry registry;
    const QString device = testsupport::makeSpecialFile(registry.folder(), QStringLiteral("device.ini"));
    const QString linkToDevice = registry.folder() + QStringLiteral("/to-device.ini");
    ASSERT_FALSE(device.isEmpty());
    ASSERT_TRUE(QFile::link(device, linkToDevice));
    for (const QString& place : {device, linkToDevice}) {
        qputenv(com::kComponentRegistryVariable, QFile::encodeName(place));
        for (const bool registering : {true, false}) {
            const auto raised = raisedBy([registering] {
                registering ? com::registerInProcServer(kProgId, QStringLiteral("/opt/lib.so")) : void(com::unregisterInProcServer(kProgId));
            });
            EXPECT_EQ(raised.number, com::SELFREG_E_CLASS_);
            EXPECT_TRUE(raised.description.contains(place) && raised.description.contains(QStringLiteral("不是普通文件")))
                << raised.description.toStdString();
        }
        EXPECT_TRUE(com::inProcServerPath(kProgId).isEmpty());
        EXPECT_TRUE(testsupport::isSpecialFile(device));
    }
    EXPECT_TRUE(QFileInfo(linkToDevice).isSymLink());
}

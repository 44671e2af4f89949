// The per-user component registry: where it lives, and entries recorded, found without regard
// to case, replaced and removed.
#include "platform/com/ComError.h"
#include "platform/com/ComponentRegistry.h"
#include "platform/com/ErrorCodes.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

using fakehost::TemporaryComponentRegistry;

const QString kProgId = QStringLiteral("ZELTradeQuery.TradeQuery");

TEST(ComponentRegistry, LivesInTheUserConfigFolderUnlessTheEnvironmentNamesAnother)
{
    TemporaryComponentRegistry registry;
    EXPECT_EQ(com::componentRegistryFile(), registry.file());

    const QByteArray previousFile = qgetenv(com::kComponentRegistryVariable);
    const QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
    qunsetenv(com::kComponentRegistryVariable);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(registry.folder()));
    EXPECT_EQ(com::componentRegistryFile(), registry.folder() + QStringLiteral("/zeltradequery/components.ini"));
    if (previousConfig.isEmpty())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previousConfig);
    qputenv(com::kComponentRegistryVariable, previousFile);
}

TEST(ComponentRegistry, RecordsTheAbsoluteLibraryPathUnderTheProgId)
{
    TemporaryComponentRegistry registry;
    EXPECT_TRUE(com::inProcServerPath(kProgId).isEmpty());

    com::registerInProcServer(kProgId, QStringLiteral("lib/libZELTradeQuery.so"));
    const QString expected = QDir::current().absoluteFilePath(QStringLiteral("lib/libZELTradeQuery.so"));
    EXPECT_EQ(com::inProcServerPath(kProgId), expected);
    EXPECT_EQ(com::inProcServerPath(QStringLiteral("zeltradequery.TRADEQUERY")), expected);

    // What another program reading the file finds.
    QSettings file(registry.file(), QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("InProcServers/ZELTradeQuery.TradeQuery")).toString(), expected);
}

TEST(ComponentRegistry, RegisteringAgainInAnotherCaseReplacesTheEntry)
{
    TemporaryComponentRegistry registry;
    com::registerInProcServer(kProgId, QStringLiteral("/opt/a/libZELTradeQuery.so"));
    com::registerInProcServer(QStringLiteral("Other.Class"), QStringLiteral("/opt/other.so"));
    com::registerInProcServer(QStringLiteral("zeltradequery.tradequery"), QStringLiteral("/opt/b/libZELTradeQuery.so"));

    EXPECT_EQ(com::registeredInProcServers(),
              (QStringList{QStringLiteral("Other.Class"), QStringLiteral("zeltradequery.tradequery")}));
    EXPECT_EQ(com::inProcServerPath(kProgId), QStringLiteral("/opt/b/libZELTradeQuery.so"));
}

TEST(ComponentRegistry, UnregisteringRemovesOnlyThatEntry)
{
    TemporaryComponentRegistry registry;
    EXPECT_FALSE(com::unregisterInProcServer(kProgId));  // no file yet
    com::registerInProcServer(kProgId, QStringLiteral("/opt/libZELTradeQuery.so"));
    com::registerInProcServer(QStringLiteral("Other.Class"), QStringLiteral("/opt/other.so"));

    EXPECT_TRUE(com::unregisterInProcServer(QStringLiteral("ZELTRADEQUERY.TradeQuery")));
    EXPECT_TRUE(com::inProcServerPath(kProgId).isEmpty());
    EXPECT_EQ(com::inProcServerPath(QStringLiteral("Other.Class")), QStringLiteral("/opt/other.so"));
    EXPECT_FALSE(com::unregisterInProcServer(kProgId));
}

TEST(ComponentRegistry, AFileThatCannotBeWrittenIsAnErrorNamingIt)
{
    TemporaryComponentRegistry registry;
    // A plain file where the registry's folder should be.
    const QString blocker = registry.folder() + QStringLiteral("/not-a-folder");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString target = blocker + QStringLiteral("/components.ini");
    qputenv(com::kComponentRegistryVariable, QFile::encodeName(target));

    try {
        com::registerInProcServer(kProgId, QStringLiteral("/opt/libZELTradeQuery.so"));
        ADD_FAILURE() << "no error";
    } catch (const com::ComError& error) {
        EXPECT_EQ(error.number(), com::SELFREG_E_CLASS_);
        EXPECT_TRUE(error.description().contains(target)) << error.description().toStdString();
    }
}

TEST(ComponentRegistry, EmptyProgIdOrPathIsRefused)
{
    TemporaryComponentRegistry registry;
    for (const auto& [progId, path] : {std::pair{QString(), QStringLiteral("/opt/a.so")},
                                       std::pair{kProgId, QStringLiteral("  ")}}) {
        EXPECT_THROW(com::registerInProcServer(progId, path), com::ComError);
    }
    EXPECT_TRUE(com::registeredInProcServers().isEmpty());
}

} // namespace

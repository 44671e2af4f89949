// Installing the component as the host does: the library beside the program registers itself
// and the object factory then creates TradeQuery through it.
#include "hostapp/app/ComponentSetup.h"
#include "platform/com/ComError.h"
#include "platform/com/ComponentRegistry.h"
#include "platform/com/ObjectFactory.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <gtest/gtest.h>

namespace {

QString builtLibrary()
{
    return zelhost::tradeQueryLibraryPath(QCoreApplication::applicationDirPath());
}

TEST(ComponentSetup, TheLibraryBesideTheProgramRegistersItselfAndCreatesTradeQuery)
{
    fakehost::TemporaryComponentRegistry registry;
    zelhost::registerTradeQueryComponent(builtLibrary());
    EXPECT_EQ(com::inProcServerPath(QString::fromLatin1(hostapi::progid::TradeQuery)), builtLibrary());

    const com::ComObjectPtr object =
        com::ObjectFactory::instance().create(QString::fromLatin1(hostapi::progid::TradeQuery));
    auto* query = dynamic_cast<QObject*>(object.get());
    ASSERT_NE(query, nullptr);
    EXPECT_TRUE(query->setProperty("QueryType", 2));
    EXPECT_GE(query->metaObject()->indexOfMethod("Show()"), 0);
    com::ObjectFactory::instance().setFallback({});
}

TEST(ComponentSetup, AMissingLibraryIsNamedWithWhereItShouldBe)
{
    fakehost::TemporaryComponentRegistry registry;
    const QString missing = registry.folder() + QStringLiteral("/libZELTradeQuery.so");
    try {
        zelhost::registerTradeQueryComponent(missing);
        ADD_FAILURE() << "no error";
    } catch (const com::ComError& e) {
        EXPECT_TRUE(e.description().contains(missing)) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QStringLiteral("和 zelhost 在同一个文件夹里")));
    }
}

TEST(ComponentSetup, AFileThatIsNoLibraryIsRefusedWithTheLoadersReason)
{
    fakehost::TemporaryComponentRegistry registry;
    QFile fake(registry.folder() + QStringLiteral("/libZELTradeQuery.so"));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("not a library");
    fake.close();
    try {
        zelhost::registerTradeQueryComponent(fake.fileName());
        ADD_FAILURE() << "no error";
    } catch (const com::ComError& e) {
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("无法安装价格查询组件 ") + fake.fileName()))
            << e.description().toStdString();
    }
    EXPECT_TRUE(com::registeredInProcServers().isEmpty());
}

} // namespace

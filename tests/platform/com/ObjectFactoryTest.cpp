// Creating objects by ProgID: lookup without regard to case, the fallback for unregistered
// ProgIDs (in-process server libraries plug in there), and the errors that name the ProgID.
#include "platform/com/ComponentRegistry.h"
#include "platform/com/ErrorCodes.h"
#include "platform/com/InProcServer.h"
#include "platform/com/ObjectFactory.h"
#include "tests/platform/RaisedError.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <QFileInfo>
#include <dlfcn.h>
#include <gtest/gtest.h>

using platformtest::raisedBy;

namespace {

struct Greeter : com::ComObject {};
struct Counter : com::ComObject {};

// Registers under ProgIDs of its own and leaves the process-wide factory as it found it.
struct ObjectFactoryTest : testing::Test {
    com::ObjectFactory& factory = com::ObjectFactory::instance();
    QStringList fellBack;
    ObjectFactoryTest()
    {
        factory.registerClass(QStringLiteral("ZELTest.Counter"), [] { return std::make_shared<Counter>(); });
        factory.registerClass(QStringLiteral("ZELTest.Empty"), [] { return com::ComObjectPtr(); });
        factory.setFallback([this](const QString& progId) -> com::ComObjectPtr {
            fellBack << progId;
            return progId == QStringLiteral("ZELTest.Greeter") ? std::make_shared<Greeter>() : nullptr;
        });
    }
    ~ObjectFactoryTest() override
    {
        factory.unregisterClass(QStringLiteral("ZELTest.Counter"));
        factory.unregisterClass(QStringLiteral("ZELTest.Empty"));
        factory.setFallback({});
    }
};

TEST_F(ObjectFactoryTest, FindsProgIdsWithoutRegardToCaseAndAsksTheFallbackOnlyForUnregisteredOnes)
{
    EXPECT_NE(factory.create(QStringLiteral("zeltest.counter")), factory.create(QStringLiteral("ZELTest.Counter")));
    EXPECT_NE(factory.createAs<Greeter>(QStringLiteral("ZELTest.Greeter")), nullptr);
    EXPECT_EQ(fellBack, QStringList{QStringLiteral("ZELTest.Greeter")});
    const std::pair<QString, std::function<void()>> failing[] = {
        {"ZELTest.Missing", [&] { factory.create(QStringLiteral("ZELTest.Missing")); }},  // the fallback has none either
        {"ZELTest.Counter", [&] { factory.createAs<Greeter>(QStringLiteral("ZELTest.Counter")); }},  // no Greeter
        {"ZELTest.Empty", [&] { factory.create(QStringLiteral("ZELTest.Empty")); }},  // the creator gave nothing
    };
    for (const auto& [progId, create] : failing) {
        const auto raised = raisedBy(create);
        EXPECT_EQ(raised.number, com::VB_CANT_CREATE_OBJECT) << progId.toStdString();
        EXPECT_EQ(raised.source, progId);
        EXPECT_TRUE(raised.description.contains(progId)) << raised.description.toStdString();
    }
}

TEST_F(ObjectFactoryTest, InProcServerFallbackNamesTheLibraryItCouldNotUse)
{
    fakehost::TemporaryComponentRegistry registry;
    com::installInProcServerFallback();
    Dl_info info{};  // the platform library itself is loaded and exports no DllGetClassObject
    ASSERT_NE(::dladdr(reinterpret_cast<const void*>(&com::componentRegistryFile), &info), 0);
    const QString noServer = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
    const QString missing = registry.folder() + QStringLiteral("/gone/libServer.so");
    const QString progId = QStringLiteral("ZELTest.Server");
    EXPECT_EQ(com::createFromInProcServer(progId), nullptr) << "unregistered: left to the factory";
    for (const auto& [library, named] : {std::pair{missing, missing}, {noServer, QStringLiteral("DllGetClassObject")}}) {
        com::registerInProcServer(progId, library);
        const auto raised = raisedBy([&] { factory.create(progId); });
        EXPECT_EQ(raised.number, com::VB_CANT_CREATE_OBJECT);
        for (const QString& part : {progId, library, named})
            EXPECT_TRUE(raised.description.contains(part)) << raised.description.toStdString();
    }
}

} // namespace

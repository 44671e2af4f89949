// Creating objects by ProgID: lookup without regard to case, the fallback for unregistered
// ProgIDs (in-process server libraries plug in there), and the errors that name the ProgID.
#include "platform/com/ComponentRegistry.h"
#include "platform/com/ErrorCodes.h"
#include "platform/com/InProcServer.h"
#include "platform/com/ObjectFactory.h"
#include "tests/platform/RaisedError.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <QFileInfo>
#include <QStringList>
#include <dlfcn.h>
#include <gtest/gtest.h>

using platformtest::raisedBy;

namespace {

class Greeter : public com::ComObject {
public:
    virtual QString greet() const { return QStringLiteral("hello"); }
};

class Counter : public com::ComObject {};

// Registers under ProgIDs of its own and leaves the process-wide registry as it found it.
class ObjectFactoryTest : public testing::Test {
protected:
    com::ObjectFactory& factory = com::ObjectFactory::instance();

    void TearDown() override
    {
        factory.unregisterClass(QStringLiteral("ZELTest.Greeter"));
        factory.unregisterClass(QStringLiteral("ZELTest.Counter"));
        factory.setFallback({});
    }
};

TEST_F(ObjectFactoryTest, FindsProgIdsWithoutRegardToCaseAndMakesANewObjectEachTime)
{
    factory.registerClass(QStringLiteral("ZELTest.Greeter"), [] { return std::make_shared<Greeter>(); });
    EXPECT_TRUE(factory.isRegistered(QStringLiteral("ZELTEST.GREETER")));
    EXPECT_EQ(factory.createAs<Greeter>(QStringLiteral("zelTEST.greeter"))->greet(), "hello");
    EXPECT_NE(factory.create(QStringLiteral("ZELTest.Greeter")), factory.create(QStringLiteral("ZELTest.Greeter")));
    factory.unregisterClass(QStringLiteral("ZELTEST.greeter"));
    EXPECT_FALSE(factory.isRegistered(QStringLiteral("ZELTest.Greeter")));
}

TEST_F(ObjectFactoryTest, WhatCannotBeCreatedRaisesCantCreateNamingTheProgId)
{
    factory.registerClass(QStringLiteral("ZELTest.Counter"), [] { return std::make_shared<Counter>(); });
    factory.registerClass(QStringLiteral("ZELTest.Greeter"), [] { return com::ComObjectPtr(); });
    const std::pair<QString, std::function<void()>> cases[] = {
        {"ZELTest.Missing", [&] { factory.create(QStringLiteral("ZELTest.Missing")); }},
        {"ZELTest.Counter", [&] { factory.createAs<Greeter>(QStringLiteral("ZELTest.Counter")); }},  // no Greeter
        {"ZELTest.Greeter", [&] { factory.create(QStringLiteral("ZELTest.Greeter")); }},  // creator gave nothing
    };
    for (const auto& [progId, create] : cases) {
        const auto raised = raisedBy(create);
        EXPECT_EQ(raised.number, com::VB_CANT_CREATE_OBJECT) << progId.toStdString();
        EXPECT_EQ(raised.source, progId);
        EXPECT_TRUE(raised.description.contains(progId)) << raised.description.toStdString();
    }
}

TEST_F(ObjectFactoryTest, FallbackIsAskedOnlyWhenNoCreatorIsRegistered)
{
    QStringList asked;
    factory.setFallback([&](const QString& progId) -> com::ComObjectPtr {
        asked << progId;
        return progId == QStringLiteral("ZELTest.Greeter") ? std::make_shared<Greeter>() : nullptr;
    });
    factory.registerClass(QStringLiteral("ZELTest.Counter"), [] { return std::make_shared<Counter>(); });
    EXPECT_NE(factory.create(QStringLiteral("zeltest.counter")), nullptr);
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(factory.createAs<Greeter>(QStringLiteral("ZELTest.Greeter"))->greet(), "hello");
    EXPECT_EQ(raisedBy([&] { factory.create(QStringLiteral("ZELTest.Nobody")); }).number, com::VB_CANT_CREATE_OBJECT);
    EXPECT_EQ(asked, (QStringList{QStringLiteral("ZELTest.Greeter"), QStringLiteral("ZELTest.Nobody")}));
}

TEST_F(ObjectFactoryTest, InProcServerFallbackNamesTheLibraryItCouldNotUse)
{
    fakehost::TemporaryComponentRegistry registry;
    com::installInProcServerFallback();
    // The platform library itself is loaded and exports no DllGetClassObject.
    Dl_info info{};
    ASSERT_NE(::dladdr(reinterpret_cast<const void*>(&com::componentRegistryFile), &info), 0);
    const QString noServer = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
    const QString missing = registry.folder() + QStringLiteral("/gone/libServer.so");
    const QString progId = QStringLiteral("ZELTest.Server");

    EXPECT_EQ(com::createFromInProcServer(progId), nullptr) << "unregistered: left to the factory";
    EXPECT_EQ(raisedBy([&] { factory.create(progId); }).number, com::VB_CANT_CREATE_OBJECT);
    const std::pair<QString, QString> cases[] = {{missing, missing}, {noServer, QStringLiteral("DllGetClassObject")}};
    for (const auto& [library, named] : cases) {
        com::registerInProcServer(progId, library);
        const auto raised = raisedBy([&] { factory.create(progId); });
        EXPECT_EQ(raised.number, com::VB_CANT_CREATE_OBJECT);
        EXPECT_EQ(raised.source, progId);
        for (const QString& part : {progId, library, named})
            EXPECT_TRUE(raised.description.contains(part)) << raised.description.toStdString();
    }
}

} // namespace

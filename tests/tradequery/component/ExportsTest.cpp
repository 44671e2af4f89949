// The built libZELTradeQuery.so as a host meets it: only its four entry points exported,
// self-registration, creation through the object factory's in-process server fallback, and
// DllCanUnloadNow following the objects and windows it has alive.
#include "platform/com/ClassFactoryAbi.h"
#include "platform/com/ComponentRegistry.h"
#include "platform/com/ErrorCodes.h"
#include "platform/com/InProcServer.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"
#include "tests/tradequery/component/ShowTestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <dlfcn.h>

namespace {

using showtest::deleteReleasedWindows;
using showtest::openBrowseWindows;

const QString kLibrary = QStringLiteral(ZEL_TRADEQUERY_LIBRARY);
const QString kProgId = QStringLiteral("ZELTradeQuery.TradeQuery");

// The library's entry points, looked up as a host looks them up. The library stays loaded:
// objects it made may outlive this handle.
struct Exports {
    Exports()
    {
        handle = ::dlopen(QFile::encodeName(kLibrary).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return;
        getClassObject = reinterpret_cast<ZelDllGetClassObjectFn>(::dlsym(handle, ZEL_DLL_GET_CLASS_OBJECT));
        canUnloadNow = reinterpret_cast<ZelDllCanUnloadNowFn>(::dlsym(handle, ZEL_DLL_CAN_UNLOAD_NOW));
        registerServer = reinterpret_cast<ZelDllRegisterServerFn>(::dlsym(handle, ZEL_DLL_REGISTER_SERVER));
        unregisterServer = reinterpret_cast<ZelDllUnregisterServerFn>(::dlsym(handle, ZEL_DLL_UNREGISTER_SERVER));
    }
    bool complete() const { return handle && getClassObject && canUnloadNow && registerServer && unregisterServer; }

    void* handle = nullptr;
    ZelDllGetClassObjectFn getClassObject = nullptr;
    ZelDllCanUnloadNowFn canUnloadNow = nullptr;
    ZelDllRegisterServerFn registerServer = nullptr;
    ZelDllUnregisterServerFn unregisterServer = nullptr;
};

class ComponentLibrary : public showtest::ShowTest {
protected:
    void SetUp() override
    {
        ShowTest::SetUp();
        ASSERT_TRUE(exports.complete()) << kLibrary.toStdString() << ": " << ::dlerror();
        com::installInProcServerFallback();
    }
    void TearDown() override
    {
        com::ObjectFactory::instance().setFallback({});
        ShowTest::TearDown();
    }

    fakehost::TemporaryComponentRegistry registry;
    Exports exports;
};

TEST(ComponentLibraryFile, ExportsExactlyTheFourEntryPoints)
{
    QProcess nm;
    nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"), kLibrary});
    ASSERT_TRUE(nm.waitForFinished(30000)) << "nm did not run";
    ASSERT_EQ(nm.exitCode(), 0) << nm.readAllStandardError().toStdString();
    QStringList symbols;
    for (const QByteArray& line : nm.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() >= 3)
            symbols << QString::fromLatin1(parts.last());
    }
    symbols.sort();
    EXPECT_EQ(symbols, (QStringList{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer", "DllUnregisterServer"}));
}

TEST_F(ComponentLibrary, RegisteredItIsCreatedByProgIdAndHeldUntilReleased)
{
    ASSERT_EQ(exports.registerServer(), com::S_OK_);
    EXPECT_EQ(com::inProcServerPath(kProgId), QFileInfo(kLibrary).absoluteFilePath());

    ASSERT_EQ(exports.canUnloadNow(), com::S_OK_);
    com::ComObjectPtr object = com::ObjectFactory::instance().create(QStringLiteral("zeltradequery.tradequery"));
    ASSERT_TRUE(object);
    EXPECT_EQ(exports.canUnloadNow(), com::S_FALSE_);
    object.reset();
    EXPECT_EQ(exports.canUnloadNow(), com::S_OK_);

    ASSERT_EQ(exports.unregisterServer(), com::S_OK_);
    EXPECT_EQ(fakehost::comErrorOf([] { com::ObjectFactory::instance().create(kProgId); })->number(), com::VB_CANT_CREATE_OBJECT);
}

TEST_F(ComponentLibrary, AnOpenWindowAndAFactoryLockKeepTheLibraryInUse)
{
    ASSERT_EQ(exports.registerServer(), com::S_OK_);
    hostWithMainWindow(mainWindow.get());  // modeless
    com::ComObjectPtr object = com::ObjectFactory::instance().create(kProgId);
    auto* automation = dynamic_cast<QObject*>(object.get());
    ASSERT_TRUE(automation);
    ASSERT_TRUE(automation->setProperty("QueryType", 1));
    ASSERT_TRUE(automation->setProperty("ItemID", 123));
    ASSERT_TRUE(QMetaObject::invokeMethod(automation, "Show"));
    object.reset();

    ASSERT_EQ(openBrowseWindows().size(), 1);
    EXPECT_EQ(exports.canUnloadNow(), com::S_FALSE_);
    openBrowseWindows()[0]->close();
    deleteReleasedWindows();
    EXPECT_EQ(exports.canUnloadNow(), com::S_OK_);

    ZelClassFactory* factory = nullptr;
    ASSERT_EQ(exports.getClassObject("ZELTradeQuery.TradeQuery", &factory), com::S_OK_);
    ASSERT_TRUE(factory);
    EXPECT_EQ(factory->abiVersion, ZEL_CLASS_FACTORY_ABI_VERSION);
    factory->LockServer(factory, 1);
    EXPECT_EQ(exports.canUnloadNow(), com::S_FALSE_);
    factory->LockServer(factory, 0);
    EXPECT_EQ(exports.canUnloadNow(), com::S_OK_);
}

} // namespace

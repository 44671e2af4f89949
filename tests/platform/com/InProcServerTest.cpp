// Loading in-process servers through the object factory's fallback: what happens when the
// registry has no entry, names a missing file, or names a library that is no server. (Loading
// the real component is tested with it, in the component's tests.)
#include "platform/com/ComError.h"
#include "platform/com/ComponentRegistry.h"
#include "platform/com/ErrorCodes.h"
#include "platform/com/InProcServer.h"
#include "tests/testsupport/TemporaryComponentRegistry.h"

#include <QFileInfo>
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

const QString kProgId = QStringLiteral("ZELTest.Server");

class InProcServerTest : public testing::Test {
protected:
    void SetUp() override { com::installInProcServerFallback(); }
    void TearDown() override { com::ObjectFactory::instance().setFallback({}); }

    static com::ComError createError(const QString& progId)
    {
        try {
            com::ObjectFactory::instance().create(progId);
        } catch (const com::ComError& error) {
            return error;
        }
        ADD_FAILURE() << "created " << progId.toStdString();
        return com::ComError(0, QString(), QString());
    }

    fakehost::TemporaryComponentRegistry registry;
};

TEST_F(InProcServerTest, AnUnregisteredProgIdIsLeftToTheFactory)
{
    EXPECT_EQ(com::createFromInProcServer(kProgId), nullptr);
    const com::ComError error = createError(kProgId);
    EXPECT_EQ(error.number(), com::VB_CANT_CREATE_OBJECT);
    EXPECT_TRUE(error.description().contains(kProgId));
}

TEST_F(InProcServerTest, AMissingLibraryIsAnErrorNamingProgIdAndPath)
{
    const QString library = registry.folder() + QStringLiteral("/gone/libServer.so");
    com::registerInProcServer(kProgId, library);
    const com::ComError error = createError(kProgId);
    EXPECT_EQ(error.number(), com::VB_CANT_CREATE_OBJECT);
    EXPECT_EQ(error.source(), kProgId);
    EXPECT_TRUE(error.description().contains(kProgId));
    EXPECT_TRUE(error.description().contains(library)) << error.description().toStdString();
}

TEST_F(InProcServerTest, ALibraryWithoutTheClassFactoryEntryIsAnError)
{
    // The platform library itself is loaded and exports no DllGetClassObject.
    Dl_info info{};
    ASSERT_NE(::dladdr(reinterpret_cast<const void*>(&com::componentRegistryFile), &info), 0);
    const QString library = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
    com::registerInProcServer(kProgId, library);

    const com::ComError error = createError(kProgId);
    EXPECT_EQ(error.number(), com::VB_CANT_CREATE_OBJECT);
    EXPECT_TRUE(error.description().contains(library));
    EXPECT_TRUE(error.description().contains(QStringLiteral("DllGetClassObject")))
        << error.description().toStdString();
}

} // namespace

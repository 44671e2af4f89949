// Host service components created by ProgID, the host's global objects and the shared
// dictionary found through the desktop window: how a component reaches each of them.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/GLData.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/ObjectValue.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/ShareProps.h"
#include "platform/hostapi/SharedDictionaryProperty.h"
#include "platform/hostapi/StandardFoundation.h"
#include "platform/hostapi/StandardValueConvert.h"
#include "platform/hostapi/SystemProfile.h"
#include "platform/win/Foreground.h"
#include "platform/win/WindowProperties.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

class FakeGLData : public hostapi::GLData {
public:
    QVariant answer;
    QList<std::tuple<int16_t, int16_t, int32_t>> calls;
    QVariant AccessCheck(int16_t functionId, int16_t objectId, int32_t right) override
    {
        calls.append({functionId, objectId, right});
        return answer;
    }
};

class FakeShareProps : public hostapi::ShareProps {
public:
    QHash<QString, QVariant> properties;
    QVariant GetProperty(int32_t& processId, const QString& name) override
    {
        return processId == win::GetCurrentProcessId() ? properties.value(name) : QVariant();
    }
};

class FakeSharedDictionary : public hostapi::SharedDictionary {
public:
    QHash<QString, QVariant> values;
    bool Lookup(const QString& key) override { return values.contains(key); }
    QVariant Item(const QString& key) override { return values.value(key); }
};

class HostObjects : public ::testing::Test {
protected:
    void TearDown() override
    {
        com::ObjectFactory::instance().unregisterClass(QString::fromLatin1(hostapi::progid::GLData));
        com::ObjectFactory::instance().unregisterClass(QString::fromLatin1(hostapi::progid::ShareProps));
    }
};

TEST_F(HostObjects, FakeRegisteredUnderTheHostProgIdIsCreatedAsItsInterface)
{
    auto fake = std::make_shared<FakeGLData>();
    fake->answer = -1;
    com::ObjectFactory::instance().registerClass(hostapi::progid::GLData, [fake] { return fake; });

    auto security = com::ObjectFactory::instance().createAs<hostapi::GLData>(
        QStringLiteral("zelebcglview.gldata"));  // ProgIDs ignore case
    ASSERT_EQ(security, fake);
    EXPECT_EQ(security->AccessCheck(1099, 26, 0x200000).toInt(), -1);
    ASSERT_EQ(fake->calls.size(), 1);
    EXPECT_EQ(fake->calls[0], std::make_tuple(int16_t(1099), int16_t(26), int32_t(0x200000)));
}

TEST_F(HostObjects, WrongInterfaceOrUnknownProgIdCannotBeCreated)
{
    com::ObjectFactory::instance().registerClass(hostapi::progid::GLData,
                                                 [] { return std::make_shared<FakeGLData>(); });
    for (const char* progId : {hostapi::progid::GLData, hostapi::progid::SystemProfile}) {
        try {
            com::ObjectFactory::instance().createAs<hostapi::SystemProfile>(progId);
            ADD_FAILURE() << progId;
        } catch (const com::ComError& e) {
            EXPECT_EQ(e.number(), com::VB_CANT_CREATE_OBJECT);
            EXPECT_TRUE(e.description().contains(QString::fromLatin1(progId))) << progId;
        }
    }
}

TEST_F(HostObjects, SharedPropertyCanHoldAnObject)
{
    auto props = std::make_shared<FakeShareProps>();
    auto security = std::make_shared<FakeGLData>();
    props->properties.insert(QStringLiteral("PropsString"), QStringLiteral("UserID=5;"));
    props->properties.insert(QStringLiteral("Security"), hostapi::objectValue(security));
    com::ObjectFactory::instance().registerClass(hostapi::progid::ShareProps, [props] { return props; });

    auto shared = com::ObjectFactory::instance().createAs<hostapi::ShareProps>(hostapi::progid::ShareProps);
    int32_t pid = win::GetCurrentProcessId();
    const QVariant text = shared->GetProperty(pid, QStringLiteral("PropsString"));
    EXPECT_FALSE(hostapi::holdsObject(text));
    EXPECT_EQ(hostapi::objectOf(text), nullptr);
    EXPECT_EQ(text.toString(), QStringLiteral("UserID=5;"));

    const QVariant object = shared->GetProperty(pid, QStringLiteral("Security"));
    EXPECT_TRUE(hostapi::holdsObject(object));
    EXPECT_EQ(hostapi::objectOf(object), security);
    EXPECT_EQ(hostapi::objectAs<hostapi::GLData>(object), security);
    EXPECT_EQ(hostapi::objectAs<hostapi::ShareProps>(object), nullptr);
}

TEST(HostGlobals, NullUntilSetAndAfterReset)
{
    auto& g = hostapi::globals();
    g.reset();
    EXPECT_EQ(g.settingsStore(), nullptr);
    EXPECT_EQ(g.valueConvert(), nullptr);
    EXPECT_EQ(g.foundation(), nullptr);

    auto foundation = std::make_shared<hostapi::StandardFoundation>();
    auto convert = std::make_shared<hostapi::StandardValueConvert>();
    g.setFoundation(foundation);
    g.setValueConvert(convert);
    EXPECT_EQ(hostapi::globals().foundation(), foundation);
    EXPECT_EQ(hostapi::globals().valueConvert(), convert);
    EXPECT_EQ(hostapi::globals().foundation()->Format(QStringLiteral("%1!"), {42}), QStringLiteral("42!"));
    g.reset();
    EXPECT_EQ(g.foundation(), nullptr);
    EXPECT_EQ(g.valueConvert(), nullptr);
}

TEST(SharedDictionaryProperty, PublishedOnTheDesktopUnderTheProcessId)
{
    FakeSharedDictionary dictionary;
    dictionary.values.insert(QStringLiteral("MainFormWnd"), 0x20004);

    EXPECT_EQ(hostapi::publishedSharedDictionary(), nullptr);
    hostapi::publishSharedDictionary(&dictionary);
    const QString name = QString::number(win::GetCurrentProcessId());
    EXPECT_EQ(hostapi::sharedDictionaryPropertyName(), name);

    // What a component does by hand: read the desktop property and cast the address back.
    const quintptr address = win::GetProp(win::GetDesktopWindow(), name);
    ASSERT_NE(address, 0u);
    auto* found = reinterpret_cast<hostapi::SharedDictionary*>(address);
    EXPECT_EQ(found, &dictionary);
    EXPECT_TRUE(found->Lookup(QStringLiteral("MainFormWnd")));
    EXPECT_EQ(found->Item(QStringLiteral("MainFormWnd")).toInt(), 0x20004);
    EXPECT_EQ(hostapi::publishedSharedDictionary(), &dictionary);

    hostapi::publishSharedDictionary(nullptr);
    EXPECT_EQ(hostapi::publishedSharedDictionary(), nullptr);
    EXPECT_EQ(win::GetProp(win::GetDesktopWindow(), name), 0u);
}

} // namespace

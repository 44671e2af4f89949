// How a component reaches what its host shares: objects carried in property values, and the
// shared dictionary found through a desktop-window property named by the process id.
#include "platform/hostapi/GLData.h"
#include "platform/hostapi/ObjectValue.h"
#include "platform/hostapi/ShareProps.h"
#include "platform/hostapi/SharedDictionaryProperty.h"
#include "platform/win/Foreground.h"
#include "platform/win/WindowProperties.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

class FakeGLData : public hostapi::GLData {
public:
    QVariant AccessCheck(int16_t, int16_t, int32_t) override { return -1; }
};

class FakeSharedDictionary : public hostapi::SharedDictionary {
public:
    QHash<QString, QVariant> values;
    bool Lookup(const QString& key) override { return values.contains(key); }
    QVariant Item(const QString& key) override { return values.value(key); }
};

TEST(ObjectValue, CarriesAnObjectAndGivesItOnlyAsAnInterfaceItHas)
{
    auto security = std::make_shared<FakeGLData>();
    const QVariant object = hostapi::objectValue(security);
    EXPECT_TRUE(hostapi::holdsObject(object));
    EXPECT_EQ(hostapi::objectOf(object), security);
    EXPECT_EQ(hostapi::objectAs<hostapi::GLData>(object), security);
    EXPECT_EQ(hostapi::objectAs<hostapi::ShareProps>(object), nullptr);

    const QVariant text(QStringLiteral("UserID=5;"));
    EXPECT_FALSE(hostapi::holdsObject(text));
    EXPECT_EQ(hostapi::objectOf(text), nullptr);
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
    auto* found = reinterpret_cast<hostapi::SharedDictionary*>(win::GetProp(win::GetDesktopWindow(), name));
    ASSERT_EQ(found, &dictionary);
    EXPECT_EQ(found->Item(QStringLiteral("MainFormWnd")).toInt(), 0x20004);
    EXPECT_EQ(hostapi::publishedSharedDictionary(), &dictionary);

    hostapi::publishSharedDictionary(nullptr);
    EXPECT_EQ(hostapi::publishedSharedDictionary(), nullptr);
    EXPECT_EQ(win::GetProp(win::GetDesktopWindow(), name), 0u);
}

} // namespace

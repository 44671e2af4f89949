// How a component finds its host's shared dictionary: through a desktop-window property named
// by the process id.
#include "platform/hostapi/SharedDictionaryProperty.h"
#include "platform/win/Foreground.h"
#include "platform/win/WindowProperties.h"

#include <QHash>
#include <gtest/gtest.h>

namespace {

class FakeSharedDictionary : public hostapi::SharedDictionary {
public:
    QHash<QString, QVariant> values;
    bool Lookup(const QString& key) override { return values.contains(key); }
    QVariant Item(const QString& key) override { return values.value(key); }
};

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

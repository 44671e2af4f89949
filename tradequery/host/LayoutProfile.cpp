#include "tradequery/host/LayoutProfile.h"

#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/UserProfile.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

#include <optional>

namespace tq {

namespace {

const QString kSection = QString::fromLatin1(kLayoutSection);

std::shared_ptr<hostapi::UserProfile> newUserProfile()
{
    return com::ObjectFactory::instance().createAs<hostapi::UserProfile>(
        QString::fromLatin1(hostapi::progid::UserProfile));
}

// VB's CBool of a stored value: Booleans as they are, numbers and numeric texts true when not
// zero, the texts "True"/"False" in any case; nothing for anything else.
std::optional<bool> booleanOf(const QVariant& value)
{
    if (!value.isValid())
        return false;  // an empty value is False
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (value.typeId() == QMetaType::QString) {
        const QString text = vb::Trim(value.toString());
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    try {
        return vb::CDbl(value) != 0.0;
    } catch (const com::ComError&) {
        return std::nullopt;
    }
}

} // namespace

QVariant GetLayoutSetting(const QString& key, const QVariant& defaultValue)
{
    auto store = hostapi::globals().settingsStore();
    if (!store)
        return defaultValue;
    return store->Get(kSection, key, defaultValue);
}

void SaveLayoutSetting(const QString& key, const QVariant& value)
{
    auto store = hostapi::globals().settingsStore();
    if (!store)
        throw com::ComError(com::VB_OBJECT_REQUIRED, QStringLiteral("SettingsStore"),
                            QStringLiteral("缺少对象: 宿主没有提供设置存储 (SettingsStore)"));
    store->Save(kSection, key, value);
}

QVariant GetUserProfileValue(const QString& application, const QString& section, const QString& key,
                             const QVariant& defaultValue)
{
    std::shared_ptr<hostapi::UserProfile> profile;
    try {
        profile = newUserProfile();
    } catch (const com::ComError&) {
        return {};
    }
    try {
        profile->Load(application, section);
    } catch (const com::ComError&) {
        // An unreadable section still answers from the empty dictionary: the default.
    }
    QVariant answer;
    try {
        auto dictionary = profile->Dictionary();
        if (!dictionary)
            return {};
        answer = dictionary->GetValue(key, defaultValue);
    } catch (const com::ComError&) {
        return {};
    }
    if (defaultValue.typeId() == QMetaType::Bool) {
        const std::optional<bool> flag = booleanOf(answer);
        return flag ? QVariant(*flag) : QVariant();
    }
    return vb::toText(answer);
}

bool SaveUserProfileValue(const QString& application, const QString& section, const QString& key,
                          const QVariant& value)
{
    auto profile = newUserProfile();
    profile->Load(application, section);
    auto dictionary = profile->Dictionary();
    if (!dictionary)
        throw com::ComError(com::vbError(91), QString::fromLatin1(hostapi::progid::UserProfile),
                            QStringLiteral("对象变量或 With 块变量未设置: 用户配置没有 Dictionary"));
    dictionary->SetValue(key, value);
    profile->save(application, section);
    return true;
}

} // namespace tq

#pragma once
// Fakes of the host's stored settings: the system profile, the per-user profile and the
// settings store, all kept in memory.
#include "platform/hostapi/SettingsStore.h"
#include "platform/hostapi/SystemProfile.h"
#include "platform/hostapi/UserProfile.h"
#include "tests/testsupport/CallLog.h"

#include <QHash>
#include <QList>
#include <algorithm>
#include <utility>

namespace fakehost {

// An ordered key/value section, as a profile keeps it.
using Section = QList<std::pair<QString, QVariant>>;

inline QString joinedKey(const QString& a, const QString& b)
{
    return a + u'/' + b;
}

// "ZELEBSBase.SystemProfile": GetProfile answers the value set for category and key (any
// login), or no value.
class FakeSystemProfile : public hostapi::SystemProfile, public FakeObject {
public:
    explicit FakeSystemProfile(CallLogPtr log) : FakeObject(QStringLiteral("SystemProfile"), std::move(log)) {}
    void setProfile(const QString& category, const QString& key, const QVariant& value)
    {
        m_values.insert(joinedKey(category, key), value);
    }
    QVariant GetProfile(const QString& propsString, const QString& category, const QString& key) override
    {
        enter(QStringLiteral("GetProfile"), {propsString, category, key});
        return m_values.value(joinedKey(category, key));
    }

private:
    QHash<QString, QVariant> m_values;
};

// The sections every "ZELEBCBASE.UserProfile" object of one host reads and writes: each
// created profile is a new object over this store, as each host object reads the database.
class UserProfileStore {
public:
    // The section as last saved (empty when never saved).
    Section section(const QString& application, const QString& name) const
    {
        return m_sections.value(joinedKey(application, name));
    }
    void setSection(const QString& application, const QString& name, Section values)
    {
        m_sections.insert(joinedKey(application, name), std::move(values));
    }

private:
    QHash<QString, Section> m_sections;
};

// The dictionary of one loaded profile section; keys compare without regard to case.
class FakeProfileDictionary : public hostapi::ProfileDictionary, public FakeObject {
public:
    FakeProfileDictionary(CallLogPtr log, std::shared_ptr<Section> values)
        : FakeObject(QStringLiteral("ProfileDictionary"), std::move(log)), m_values(std::move(values)) {}
    QVariant GetValue(const QString& key, const QVariant& defaultValue) override
    {
        enter(QStringLiteral("GetValue"), {key, defaultValue});
        const auto found = find(key);
        return found == m_values->end() ? defaultValue : found->second;
    }
    void SetValue(const QString& key, const QVariant& value) override
    {
        enter(QStringLiteral("SetValue"), {key, value});
        if (const auto found = find(key); found != m_values->end())
            found->second = value;
        else
            m_values->append({key, value});
    }

private:
    Section::iterator find(const QString& key)
    {
        return std::find_if(m_values->begin(), m_values->end(),
                            [&](const auto& pair) { return pair.first.compare(key, Qt::CaseInsensitive) == 0; });
    }
    std::shared_ptr<Section> m_values;  // shared with its profile
};

// One "ZELEBCBASE.UserProfile" object: Load copies a section out of the store, save writes the
// whole dictionary back.
class FakeUserProfile : public hostapi::UserProfile, public FakeObject {
public:
    FakeUserProfile(CallLogPtr log, std::shared_ptr<UserProfileStore> store)
        : FakeObject(QStringLiteral("UserProfile"), log), m_store(std::move(store)),
          m_values(std::make_shared<Section>()), m_dictionary(std::make_shared<FakeProfileDictionary>(log, m_values)) {}
    void Load(const QString& application, const QString& section) override
    {
        enter(QStringLiteral("Load"), {application, section});
        *m_values = m_store->section(application, section);
    }
    std::shared_ptr<hostapi::ProfileDictionary> Dictionary() override
    {
        enter(QStringLiteral("Dictionary"), {});
        return m_dictionary;
    }
    void save(const QString& application, const QString& section) override
    {
        enter(QStringLiteral("save"), {application, section});
        m_store->setSection(application, section, *m_values);
    }

private:
    std::shared_ptr<UserProfileStore> m_store;
    std::shared_ptr<Section> m_values;
    std::shared_ptr<FakeProfileDictionary> m_dictionary;
};

// The host's settings store (a global object): values by section and key, in memory.
class FakeSettingsStore : public hostapi::SettingsStore, public FakeObject {
public:
    explicit FakeSettingsStore(CallLogPtr log) : FakeObject(QStringLiteral("SettingsStore"), std::move(log)) {}
    // What is stored (invalid when nothing is), read and written without a trace in the log.
    QVariant stored(const QString& section, const QString& key) const { return m_values.value(joinedKey(section, key)); }
    void put(const QString& section, const QString& key, const QVariant& value) { m_values.insert(joinedKey(section, key), value); }

    QVariant Get(const QString& section, const QString& key, const QVariant& defaultValue) override
    {
        enter(QStringLiteral("Get"), {section, key, defaultValue});
        return m_values.value(joinedKey(section, key), defaultValue);
    }
    void Save(const QString& section, const QString& key, const QVariant& value) override
    {
        enter(QStringLiteral("Save"), {section, key, value});
        put(section, key, value);
    }

private:
    QHash<QString, QVariant> m_values;  // "section/key"
};

} // namespace fakehost

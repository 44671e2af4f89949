#pragma once
// Fakes of the host's stored settings: the system profile, the per-user profile and the
// settings store, all kept in memory.
#include "platform/hostapi/SettingsStore.h"
#include "platform/hostapi/SystemProfile.h"
#include "platform/hostapi/UserProfile.h"
#include "tests/testsupport/CallLog.h"

#include <QHash>
#include <QList>
#include <utility>

namespace fakehost {

// An ordered key/value section, as a profile keeps it.
using Section = QList<std::pair<QString, QVariant>>;

// "ZELEBSBase.SystemProfile": GetProfile answers the value set for category and key (any
// login), or no value.
class FakeSystemProfile : public hostapi::SystemProfile, public FakeObject {
public:
    explicit FakeSystemProfile(CallLogPtr log) : FakeObject(QStringLiteral("SystemProfile"), std::move(log)) {}
    void setProfile(const QString& category, const QString& key, const QVariant& value);

    QVariant GetProfile(const QString& propsString, const QString& category, const QString& key) override;

private:
    QHash<QString, QVariant> m_values;  // "category/key"
};

// The sections every "ZELEBCBASE.UserProfile" object of one host reads and writes: each
// created profile is a new object over this store, as each host object reads the database.
class UserProfileStore {
public:
    // The section as last saved (empty when never saved).
    Section section(const QString& application, const QString& sectionName) const;
    void setSection(const QString& application, const QString& sectionName, Section values);

private:
    QHash<QString, Section> m_sections;  // "application/section"
};

// The dictionary of one loaded profile section.
class FakeProfileDictionary : public hostapi::ProfileDictionary, public FakeObject {
public:
    FakeProfileDictionary(CallLogPtr log, std::shared_ptr<Section> values)
        : FakeObject(QStringLiteral("ProfileDictionary"), std::move(log)), m_values(std::move(values)) {}
    QVariant GetValue(const QString& key, const QVariant& defaultValue) override;
    void SetValue(const QString& key, const QVariant& value) override;

private:
    std::shared_ptr<Section> m_values;  // shared with its profile
};

// One "ZELEBCBASE.UserProfile" object: Load copies a section out of the store, save writes the
// whole dictionary back.
class FakeUserProfile : public hostapi::UserProfile, public FakeObject {
public:
    FakeUserProfile(CallLogPtr log, std::shared_ptr<UserProfileStore> store);
    void Load(const QString& application, const QString& section) override;
    std::shared_ptr<hostapi::ProfileDictionary> Dictionary() override;
    void save(const QString& application, const QString& section) override;

private:
    std::shared_ptr<UserProfileStore> m_store;
    std::shared_ptr<Section> m_values;
    std::shared_ptr<FakeProfileDictionary> m_dictionary;
};

// The host's settings store (a global object): values by section and key, in memory.
class FakeSettingsStore : public hostapi::SettingsStore, public FakeObject {
public:
    explicit FakeSettingsStore(CallLogPtr log) : FakeObject(QStringLiteral("SettingsStore"), std::move(log)) {}
    // What is stored, read without leaving a trace in the log.
    QVariant stored(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    void put(const QString& section, const QString& key, const QVariant& value);

    QVariant Get(const QString& section, const QString& key, const QVariant& defaultValue) override;
    void Save(const QString& section, const QString& key, const QVariant& value) override;

private:
    QHash<QString, QVariant> m_values;  // "section/key"
};

} // namespace fakehost

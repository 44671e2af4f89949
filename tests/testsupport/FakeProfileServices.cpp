#include "tests/testsupport/FakeProfileServices.h"

#include <algorithm>

namespace fakehost {

namespace {

QString joined(const QString& a, const QString& b)
{
    return a + QLatin1Char('/') + b;
}

Section::iterator findKey(Section& values, const QString& key)
{
    return std::find_if(values.begin(), values.end(),
                        [&](const auto& pair) { return pair.first.compare(key, Qt::CaseInsensitive) == 0; });
}

} // namespace

void FakeSystemProfile::setProfile(const QString& category, const QString& key, const QVariant& value)
{
    m_values.insert(joined(category, key), value);
}

QVariant FakeSystemProfile::GetProfile(const QString& propsString, const QString& category, const QString& key)
{
    enter(QStringLiteral("GetProfile"), {propsString, category, key});
    return m_values.value(joined(category, key));
}

Section UserProfileStore::section(const QString& application, const QString& sectionName) const
{
    return m_sections.value(joined(application, sectionName));
}

void UserProfileStore::setSection(const QString& application, const QString& sectionName, Section values)
{
    m_sections.insert(joined(application, sectionName), std::move(values));
}

QVariant FakeProfileDictionary::GetValue(const QString& key, const QVariant& defaultValue)
{
    enter(QStringLiteral("GetValue"), {key, defaultValue});
    const auto found = findKey(*m_values, key);
    return found == m_values->end() ? defaultValue : found->second;
}

void FakeProfileDictionary::SetValue(const QString& key, const QVariant& value)
{
    enter(QStringLiteral("SetValue"), {key, value});
    const auto found = findKey(*m_values, key);
    if (found == m_values->end())
        m_values->append({key, value});
    else
        found->second = value;
}

FakeUserProfile::FakeUserProfile(CallLogPtr log, std::shared_ptr<UserProfileStore> store)
    : FakeObject(QStringLiteral("UserProfile"), log), m_store(std::move(store)),
      m_values(std::make_shared<Section>()),
      m_dictionary(std::make_shared<FakeProfileDictionary>(log, m_values))
{
}

void FakeUserProfile::Load(const QString& application, const QString& section)
{
    enter(QStringLiteral("Load"), {application, section});
    *m_values = m_store->section(application, section);
}

std::shared_ptr<hostapi::ProfileDictionary> FakeUserProfile::Dictionary()
{
    enter(QStringLiteral("Dictionary"), {});
    return m_dictionary;
}

void FakeUserProfile::save(const QString& application, const QString& section)
{
    enter(QStringLiteral("save"), {application, section});
    m_store->setSection(application, section, *m_values);
}

QVariant FakeSettingsStore::stored(const QString& section, const QString& key) const
{
    return m_values.value(joined(section, key));
}

bool FakeSettingsStore::contains(const QString& section, const QString& key) const
{
    return m_values.contains(joined(section, key));
}

void FakeSettingsStore::put(const QString& section, const QString& key, const QVariant& value)
{
    m_values.insert(joined(section, key), value);
}

QVariant FakeSettingsStore::Get(const QString& section, const QString& key, const QVariant& defaultValue)
{
    enter(QStringLiteral("Get"), {section, key, defaultValue});
    const auto found = m_values.constFind(joined(section, key));
    return found == m_values.constEnd() ? defaultValue : *found;
}

void FakeSettingsStore::Save(const QString& section, const QString& key, const QVariant& value)
{
    enter(QStringLiteral("Save"), {section, key, value});
    m_values.insert(joined(section, key), value);
}

} // namespace fakehost

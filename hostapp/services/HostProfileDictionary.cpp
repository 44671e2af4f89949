#include "hostapp/services/HostProfileDictionary.h"

namespace hostsvc {

namespace {

QString folded(const QString& key)
{
    return key.toCaseFolded();
}

} // namespace

QVariant HostProfileDictionary::GetValue(const QString& key, const QVariant& defaultValue)
{
    const QVariant stored = value(key);
    return stored.isValid() && !stored.isNull() ? stored : defaultValue;
}

void HostProfileDictionary::SetValue(const QString& key, const QVariant& value)
{
    const QString fold = folded(key);
    if (!m_values.contains(fold))
        m_keys.append(key);
    m_values.insert(fold, value);
}

void HostProfileDictionary::clear()
{
    m_keys.clear();
    m_values.clear();
}

QStringList HostProfileDictionary::keys() const
{
    return m_keys;
}

QVariant HostProfileDictionary::value(const QString& key) const
{
    return m_values.value(folded(key));
}

} // namespace hostsvc

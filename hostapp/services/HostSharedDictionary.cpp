#include "hostapp/services/HostSharedDictionary.h"

namespace hostsvc {

bool HostSharedDictionary::Lookup(const QString& key)
{
    return m_values.contains(key);
}

QVariant HostSharedDictionary::Item(const QString& key)
{
    return m_values.value(key);
}

void HostSharedDictionary::setValue(const QString& key, const QVariant& value)
{
    m_values.insert(key, value);
}

void HostSharedDictionary::clear()
{
    m_values.clear();
}

const std::shared_ptr<HostSharedDictionary>& processSharedDictionary()
{
    static const auto dictionary = std::make_shared<HostSharedDictionary>();
    return dictionary;
}

} // namespace hostsvc

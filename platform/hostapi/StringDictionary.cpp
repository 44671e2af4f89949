#include "platform/hostapi/StringDictionary.h"

namespace hostapi {

QVariant StringDictionary::Value(const QString& key) const
{
    return m_values.value(key);
}

void StringDictionary::SetValue(const QString& key, const QVariant& value)
{
    auto it = m_values.find(key);
    if (it == m_values.end()) {
        m_values.insert(key, value);
        m_order.append(key);
    } else {
        *it = value;
    }
}

bool StringDictionary::Exists(const QString& key) const
{
    return m_values.contains(key);
}

bool StringDictionary::Remove(const QString& key)
{
    if (!m_values.remove(key))
        return false;
    m_order.removeOne(key);
    return true;
}

void StringDictionary::Clear()
{
    m_values.clear();
    m_order.clear();
}

int StringDictionary::Count() const
{
    return static_cast<int>(m_order.size());
}

QStringList StringDictionary::Keys() const
{
    return m_order;
}

} // namespace hostapi

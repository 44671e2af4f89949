#pragma once
// The foundation library's string-keyed dictionary: values under text keys, kept in the order
// they were first added. Keys compare exactly (case matters).
#include "platform/com/ObjectFactory.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace hostapi {

class StringDictionary : public com::ComObject {
public:
    // The value under key; no value (an invalid QVariant) when the key is absent.
    QVariant Value(const QString& key) const;
    // Adds the key or replaces its value (it keeps its place).
    void SetValue(const QString& key, const QVariant& value);
    bool Exists(const QString& key) const;
    // Removes the key; false when it was absent.
    bool Remove(const QString& key);
    void Clear();
    int Count() const;
    QStringList Keys() const;  // in the order of addition

private:
    QStringList m_order;
    QHash<QString, QVariant> m_values;
};

} // namespace hostapi

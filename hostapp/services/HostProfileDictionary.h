#pragma once
// The values of one user-profile section, as HostUserProfile loads and saves them. Keys
// compare without regard to case, as the database's key column does, and keep the spelling
// and the place they were first added with.
#include "platform/hostapi/ProfileDictionary.h"

#include <QHash>
#include <QStringList>

namespace hostsvc {

class HostProfileDictionary : public hostapi::ProfileDictionary {
public:
    // The value under key; defaultValue when the key is absent or its value is null.
    QVariant GetValue(const QString& key, const QVariant& defaultValue) override;
    void SetValue(const QString& key, const QVariant& value) override;

    void clear();
    QStringList keys() const;  // in the order of addition, as first spelled
    QVariant value(const QString& key) const;

private:
    QStringList m_keys;
    QHash<QString, QVariant> m_values;  // by folded key
};

} // namespace hostsvc

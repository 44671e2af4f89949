#pragma once
// The host's settings store (a host global object): one value per section and key.
#include "platform/com/ObjectFactory.h"

#include <QString>
#include <QVariant>

namespace hostapi {

class SettingsStore : public com::ComObject {
public:
    // The stored value, or defaultValue when the key has none.
    virtual QVariant Get(const QString& section, const QString& key, const QVariant& defaultValue) = 0;
    // Stores the value; a store that cannot be written raises ComError.
    virtual void Save(const QString& section, const QString& key, const QVariant& value) = 0;
};

} // namespace hostapi

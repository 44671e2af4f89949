#pragma once
// The key/value section of a host user profile (UserProfile::Dictionary).
#include "platform/com/ObjectFactory.h"

#include <QString>
#include <QVariant>

namespace hostapi {

class ProfileDictionary : public com::ComObject {
public:
    // The value under key, or defaultValue when the section has none.
    virtual QVariant GetValue(const QString& key, const QVariant& defaultValue) = 0;
    // Adds or replaces the value; it is kept when the profile is saved.
    virtual void SetValue(const QString& key, const QVariant& value) = 0;
};

} // namespace hostapi

#pragma once
// The host's system-wide settings, by category and key.
#include "platform/com/ObjectFactory.h"

#include <QString>
#include <QVariant>

namespace hostapi {

class SystemProfile : public com::ComObject {
public:
    // The value stored under category and key for the login the property string describes, or
    // no value (an invalid QVariant) when none is set.
    virtual QVariant GetProfile(const QString& propsString, const QString& category,
                                const QString& key) = 0;
};

} // namespace hostapi

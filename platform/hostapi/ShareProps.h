#pragma once
// Properties the host shares with the components of a process ("PropsString", "UserID").
#include "platform/com/ObjectFactory.h"

#include <QString>
#include <QVariant>
#include <cstdint>

namespace hostapi {

class ShareProps : public com::ComObject {
public:
    // The property of process `processId` (passed by reference, as callers pass it). A property
    // that holds an object answers a QVariant made with hostapi::objectValue (ObjectValue.h);
    // a property the host does not have, or another process's id, answers no value (an
    // invalid QVariant) or raises ComError, as the host chooses: callers handle both.
    virtual QVariant GetProperty(int32_t& processId, const QString& name) = 0;
};

} // namespace hostapi

#pragma once
// The host's security object: whether the current user holds a right.
#include "platform/com/ObjectFactory.h"

#include <QVariant>
#include <cstdint>

namespace hostapi {

class GLData : public com::ComObject {
public:
    // -1 (true) when the user holds `right` on object `objectId` of function `functionId`,
    // 0 when not; a host may also answer with no value (an invalid QVariant).
    virtual QVariant AccessCheck(int16_t functionId, int16_t objectId, int32_t right) = 0;
};

} // namespace hostapi

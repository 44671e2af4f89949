#pragma once
// The host's data rights over trading partners.
#include "platform/com/ObjectFactory.h"

#include <QString>
#include <cstdint>

namespace hostapi {

class ItemInfo : public com::ComObject {
public:
    // True when data rights restrict which partners of `partnerKind` (1 customers, 2 suppliers)
    // the user may see; the host then writes into `value` the number that must occur in a
    // partner's FRightUserID text. Both numbers are passed by reference, as callers pass them;
    // a host reads the kind and leaves it unchanged.
    virtual bool GetDataRight(const QString& propsString, int32_t& value, int16_t& partnerKind) = 0;
};

} // namespace hostapi

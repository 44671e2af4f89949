#pragma once
// "ZELEBSGLItem.ItemInfo": the data rights over trading partners, from t_UserDataRight (one
// row per user and partner kind, holding the right id that a visible partner's FRightUserID
// list contains).
#include "platform/hostapi/ItemInfo.h"

namespace hostsvc {

class HostItemInfo : public hostapi::ItemInfo {
public:
    // True, with the user's right id written into value, when the user of the login has a
    // row for the partner kind; false, value untouched, when partners of that kind are not
    // restricted for him. A kind other than 1 (customers) or 2 (suppliers) raises ComError.
    bool GetDataRight(const QString& propsString, int32_t& value, int16_t& partnerKind) override;
};

} // namespace hostsvc

#pragma once
// "ZELPropsMgr.ShareProps": the properties of the current login, shared with the components
// of this process only.
//
//   "PropsString"       the login property string (text)
//   "UserID"            the user id (32-bit integer)
//   "SharedDictionary"  the host's SharedDictionary (an object value, ObjectValue.h)
//   any other name      the value of that pair of the property string ("UserName",
//                       "ConnectString", "AcctName", "DBName", "Language"), as text
// Names compare without regard to case. Another process's id, a name the login does not have,
// or no login at all raise ComError.
#include "platform/hostapi/ShareProps.h"

namespace hostsvc {

class HostShareProps : public hostapi::ShareProps {
public:
    QVariant GetProperty(int32_t& processId, const QString& name) override;
};

} // namespace hostsvc

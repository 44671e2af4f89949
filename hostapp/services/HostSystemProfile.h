#pragma once
// "ZELEBSBase.SystemProfile": the database-wide settings of t_SystemProfile.
#include "platform/hostapi/SystemProfile.h"

namespace hostsvc {

class HostSystemProfile : public hostapi::SystemProfile {
public:
    // FValue of the row of category and key, as text, in the database of the login the
    // property string describes; no value when there is no row or FValue is null. Callers
    // convert ("2" for a number of decimals).
    QVariant GetProfile(const QString& propsString, const QString& category, const QString& key) override;
};

} // namespace hostsvc

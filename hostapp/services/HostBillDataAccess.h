#pragma once
// "ZELBillDataAccess.GetData": queries for the login a property string describes.
#include "platform/hostapi/BillDataAccess.h"

namespace hostsvc {

class HostBillDataAccess : public hostapi::BillDataAccess {
public:
    // The rows of a query; null for a statement that returns none. Errors as AppCnnExt's.
    ado::RecordsetPtr ExecuteSql(const QString& propsString, const QString& sql) override;
};

} // namespace hostsvc

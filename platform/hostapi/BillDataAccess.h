#pragma once
// The host's bill data access: queries for the login the property string describes.
#include "platform/ado/Recordset.h"

#include <QString>

namespace hostapi {

class BillDataAccess : public com::ComObject {
public:
    // The rows of the query, or null when the host has no recordset to give.
    virtual ado::RecordsetPtr ExecuteSql(const QString& propsString, const QString& sql) = 0;
};

} // namespace hostapi

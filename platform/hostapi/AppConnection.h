#pragma once
// A host connection chosen by connection string.
#include "platform/ado/Recordset.h"

#include <QString>

namespace hostapi {

class AppConnection : public com::ComObject {
public:
    // Runs the SQL on the database the connection string names: the rows of a query; a
    // statement that returns no rows answers a closed recordset (or null), which callers ignore.
    virtual ado::RecordsetPtr Execute(const QString& connectString, const QString& sql) = 0;
};

} // namespace hostapi

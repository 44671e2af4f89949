#pragma once
// The host connection of the current login, needing no arguments besides the SQL.
#include "platform/ado/Recordset.h"

#include <QString>

namespace hostapi {

class Connection : public com::ComObject {
public:
    virtual ado::RecordsetPtr Execute(const QString& sql) = 0;
};

} // namespace hostapi

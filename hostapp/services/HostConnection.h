#pragma once
// "ZELConnection.AppConnection": runs SQL on the database of the current login.
#include "platform/hostapi/Connection.h"

namespace hostsvc {

class HostConnection : public hostapi::Connection {
public:
    // The rows of a query; a closed recordset for a statement. No login, a blank text and
    // database errors raise ComError.
    ado::RecordsetPtr Execute(const QString& sql) override;
};

} // namespace hostsvc

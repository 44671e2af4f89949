#pragma once
// "ZELMAppConnection.AppConnection": runs SQL on the database a connection string names.
#include "platform/hostapi/AppConnection.h"

namespace hostsvc {

class HostAppConnection : public hostapi::AppConnection {
public:
    // The rows of a query; a closed recordset for a statement. A connection string that
    // names no database, a blank text and database errors raise ComError.
    ado::RecordsetPtr Execute(const QString& connectString, const QString& sql) override;
};

} // namespace hostsvc

#pragma once
// "ZELMAppConnection.AppCnnExt": runs SQL on the database of the login a property string
// describes (its ConnectString).
#include "platform/hostapi/AppCnnExt.h"

namespace hostsvc {

class HostAppCnnExt : public hostapi::AppCnnExt {
public:
    // The rows of a query; a closed recordset for a statement. A property string without a
    // connection, a blank text and database errors raise ComError.
    ado::RecordsetPtr Execute(const QString& propsString, const QString& sql) override;
};

} // namespace hostsvc

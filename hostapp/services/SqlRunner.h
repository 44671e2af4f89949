#pragma once
// How every SQL-running service runs a text: on the pooled database of the connection string,
// after refusing a text with nothing to run.
#include "platform/ado/Recordset.h"

#include <QString>

namespace hostsvc {

// The rows of the last statement that returned rows, or a closed recordset. A blank text
// raises ComError naming `source`; database errors pass through with the database's message.
ado::RecordsetPtr runSql(const QString& connectString, const QString& sql, const QString& source);

} // namespace hostsvc

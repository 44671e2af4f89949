#pragma once
// The demo data on a PostgreSQL server: the same rows the SQLite demo file holds, generated
// into a temporary file and copied over with COPY, then indexed and analysed.
#include "hostapp/database/DemoData.h"

namespace hostdb {

// Creates the host tables in the database `connectionString` names (a PostgreSQL server) and
// fills them with the demo data of `size`, all in one transaction. A database that already
// holds the host tables is refused (ComError) unless `existing` is Replace, which drops them
// first. The report's path is the server as a person may see it (no password).
DemoReport loadDemoDatabaseOnServer(const QString& connectionString, DemoSize size = DemoSize::Small,
                                    ExistingFile existing = ExistingFile::Refuse);

} // namespace hostdb

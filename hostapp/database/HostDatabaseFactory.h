#pragma once
// Picks the kind of host database a connection target names and opens it: the only place that
// knows the SQLite, ODBC and PostgreSQL connections. HostDatabase::open pools what this makes.
#include "hostapp/database/HostDatabase.h"

#include <memory>

namespace hostdb {

// A new connection to the target; failures raise the ComErrors HostDatabase::open describes.
std::shared_ptr<HostDatabase> openHostDatabase(const ConnectionTarget& target);

} // namespace hostdb

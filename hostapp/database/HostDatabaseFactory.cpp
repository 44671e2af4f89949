#include "hostapp/database/HostDatabaseFactory.h"

#include "hostapp/database/OdbcDatabase.h"
#include "hostapp/database/PostgresDatabase.h"
#include "hostapp/database/SqliteDatabase.h"

namespace hostdb {

std::shared_ptr<HostDatabase> openHostDatabase(const ConnectionTarget& target)
{
    if (target.kind == ConnectionTarget::Kind::Odbc)
        return OdbcDatabase::open(target);
    if (target.kind == ConnectionTarget::Kind::Postgres)
        return PostgresDatabase::open(target);
    return SqliteDatabase::open(target);
}

} // namespace hostdb

#include "hostapp/database/SqliteStatementCache.h"

#include <sqlite3.h>

namespace hostdb {

void SqliteStatementCache::insert(const QString& sql, sqlite3_stmt* statement)
{
    if (m_statements.size() >= capacity)
        clear();  // rare: a host runs few distinct statements over and over
    m_statements.insert(sql, statement);
}

void SqliteStatementCache::clear()
{
    for (sqlite3_stmt* statement : std::as_const(m_statements))
        sqlite3_finalize(statement);
    m_statements.clear();
}

} // namespace hostdb

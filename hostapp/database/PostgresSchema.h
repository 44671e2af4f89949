#pragma once
// The host tables and indexes on a PostgreSQL server, made from the same definitions as the
// SQLite file's: text declared COLLATE NOCASE becomes citext (compared without regard to
// case, by "=", LIKE and ORDER BY alike), REAL and MONEY become numeric (so ROUND(x, n)
// rounds decimally, half away from zero), DATETIME becomes timestamp.
#include <QString>

namespace hostdb {

class PostgresDatabase;

// SQLite table and index definitions rewritten for PostgreSQL; other statements pass as written.
QString postgresDdl(const QString& sqliteDdl);

// The citext extension in the database; a clear ComError when the server lacks it or the
// user may not enable it.
void enableCitext(PostgresDatabase& db);
// The citext extension and every host table (without indexes); raises ComError on failure.
void createPostgresTables(PostgresDatabase& db);
// The indexes of the SQLite schema, then fresh statistics for the planner.
void createPostgresIndexes(PostgresDatabase& db);

} // namespace hostdb

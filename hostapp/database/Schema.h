#pragma once
// The host database's tables and indexes, as SQLite text. Text columns are declared
// COLLATE NOCASE so comparisons ignore case as the server's default collation does; dates
// are ISO text ('yyyy-MM-dd') in DATETIME columns; money and quantities are REAL.
#include <QString>

struct sqlite3;

namespace hostdb {

// CREATE TABLE statements of every host table, without indexes.
const char* schemaTablesSql();
// CREATE INDEX statements that turn the history, tree and lookup statements into index
// searches. Kept apart so bulk loads can create them after the rows are in.
const char* schemaIndexesSql();

// Tables, then indexes. Raises ComError carrying SQLite's message on failure.
void createSchema(sqlite3* db);
void createTables(sqlite3* db);
void createIndexes(sqlite3* db);

// Runs a script of statements; `what` names the step in the error description.
void runSqliteScript(sqlite3* db, const char* sql, const QString& what);

} // namespace hostdb

#pragma once
// The host database's tables and indexes, as SQLite text. Text columns are declared
// COLLATE NOCASE so comparisons ignore case as the server's default collation does; dates
// are ISO text ('yyyy-MM-dd') in DATETIME columns; money and quantities are REAL.
#include <QString>

#include <span>
#include <string>

struct sqlite3;

namespace hostdb {

// CREATE TABLE statements of every host table, without indexes.
const char* schemaTablesSql();
// An index that turns history, tree or lookup statements into index searches, with the table
// it belongs to. Its statement says IF NOT EXISTS.
struct SchemaIndex {
    const char* name;
    const char* table;
    const char* columns;  // "FCustID, FDate"
    bool unique;
    std::string createSql() const;
};
// Every index of the schema. Kept apart from the tables so bulk loads can create them after
// the rows are in, and so an existing file can be given the ones it lacks.
std::span<const SchemaIndex> schemaIndexes();

// Tables, then indexes. Raises ComError carrying SQLite's message on failure.
void createSchema(sqlite3* db);
void createTables(sqlite3* db);
void createIndexes(sqlite3* db);

// Runs a script of statements; `what` names the step in the error description.
void runSqliteScript(sqlite3* db, const char* sql, const QString& what);

} // namespace hostdb

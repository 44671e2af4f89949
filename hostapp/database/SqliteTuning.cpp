#include "hostapp/database/SqliteTuning.h"

#include "hostapp/database/Schema.h"

#include <sqlite3.h>

#include <set>
#include <string>

namespace hostdb {

namespace {

// Names of the schema objects of one type ('table', 'index') the file has.
std::set<std::string> objectNames(sqlite3* db, const char* type)
{
    std::set<std::string> names;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type = ?", -1, &stmt, nullptr) != SQLITE_OK)
        return names;
    sqlite3_bind_text(stmt, 1, type, -1, SQLITE_STATIC);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        names.insert(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return names;
}

bool run(sqlite3* db, const std::string& sql)
{
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Waiting for another program's lock would hold up the opening; the upgrade is only tried.
class NoBusyWait {
public:
    explicit NoBusyWait(sqlite3* db) : m_db(db)
    {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA busy_timeout", -1, &stmt, nullptr) == SQLITE_OK
            && sqlite3_step(stmt) == SQLITE_ROW)
            m_timeoutMs = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
        sqlite3_busy_timeout(db, 0);
    }
    ~NoBusyWait() { sqlite3_busy_timeout(m_db, m_timeoutMs); }
    NoBusyWait(const NoBusyWait&) = delete;
    NoBusyWait& operator=(const NoBusyWait&) = delete;

private:
    sqlite3* m_db;
    int m_timeoutMs = 0;
};

} // namespace

void applyReadSettings(sqlite3* db)
{
    run(db, "PRAGMA cache_size=-65536; PRAGMA mmap_size=1073741824; PRAGMA temp_store=MEMORY;");
}

bool addMissingIndexesAndStatistics(sqlite3* db)
{
    if (sqlite3_db_readonly(db, "main") != 0)
        return false;
    const std::set<std::string> tables = objectNames(db, "table");
    const std::set<std::string> indexes = objectNames(db, "index");
    bool anyOfOurs = false;
    bool missing = false;
    for (const SchemaIndex& index : schemaIndexes()) {
        anyOfOurs = anyOfOurs || indexes.count(index.name);
        missing = missing || (tables.count(index.table) && !indexes.count(index.name));
    }
    const bool noStatistics = !tables.count("sqlite_stat1");
    if (!missing && !(anyOfOurs && noStatistics))
        return false;

    NoBusyWait noWait(db);
    if (!run(db, "BEGIN IMMEDIATE"))
        return false;
    bool created = false;
    for (const SchemaIndex& index : schemaIndexes()) {
        if (!tables.count(index.table) || indexes.count(index.name))
            continue;
        // An index the table's columns or data refuse is skipped, the others still made.
        run(db, "SAVEPOINT schema_index");
        const bool made = run(db, index.createSql());
        run(db, made ? "RELEASE schema_index" : "ROLLBACK TO schema_index; RELEASE schema_index");
        created = created || made;
    }
    // A thousand rows of each index tell the planner enough, and take a moment on a large file.
    const bool analyze = created || (anyOfOurs && noStatistics);
    if (analyze)
        run(db, "PRAGMA analysis_limit=1000; ANALYZE;");
    if (!run(db, "COMMIT")) {
        run(db, "ROLLBACK");
        return false;
    }
    return analyze;
}

} // namespace hostdb

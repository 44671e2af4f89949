#pragma once
// Prepared statements kept per SQL text, so a statement the component repeats (the currency
// scale of every painted row, the history of every clicked node) is compiled once.
#include <QHash>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace hostdb {

class SqliteStatementCache {
public:
    explicit SqliteStatementCache(sqlite3* db) : m_db(db) {}
    ~SqliteStatementCache() { clear(); }
    SqliteStatementCache(const SqliteStatementCache&) = delete;
    SqliteStatementCache& operator=(const SqliteStatementCache&) = delete;

    sqlite3_stmt* find(const QString& sql) const { return m_statements.value(sql, nullptr); }
    // Takes the statement over; it stays prepared until the cache is full or cleared.
    void insert(const QString& sql, sqlite3_stmt* statement);
    void clear();

private:
    static constexpr int capacity = 64;
    sqlite3* m_db;
    QHash<QString, sqlite3_stmt*> m_statements;
};

} // namespace hostdb

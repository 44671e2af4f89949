#pragma once
// The small demo database, generated once per test program into a temporary folder that lives
// as long as the program. Tests that only read share it; tests that write take a copy.
// DemoFile reads any SQLite file with plain sqlite3, not through the host's code, so that it
// can serve as the oracle of what the host reads; SQL errors fail the running test.
#include <QString>

#include <string>
#include <vector>

struct sqlite3;

namespace testsupport {

// Path of the shared small demo database (generated on first call).
const QString& smallDemoDatabase();

// A copy of the small demo database in `folder` (named demo.db), for tests that write to it.
QString copySmallDemoDatabase(const QString& folder);

// A read-only sqlite3 connection to a database file.
class DemoFile {
public:
    explicit DemoFile(const QString& path = smallDemoDatabase());
    ~DemoFile();
    DemoFile(const DemoFile&) = delete;
    DemoFile& operator=(const DemoFile&) = delete;

    long long integer(const std::string& sql) const;
    std::string text(const std::string& sql) const;
    // Every row as texts, null as "<null>".
    std::vector<std::vector<std::string>> rows(const std::string& sql) const;

private:
    sqlite3* m_db = nullptr;
};

// A hash over every row of every table of the database, in a fixed order.
std::string contentChecksum(const QString& path);

} // namespace testsupport

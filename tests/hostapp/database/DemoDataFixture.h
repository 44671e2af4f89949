#pragma once
// A small demo database generated once per test program, and a read-only connection to ask
// it single values and rows. SQL errors fail the running test.
#include <QString>

#include <string>
#include <vector>

struct sqlite3;

namespace demotest {

// Path of the small demo database in a temporary folder that lives as long as the program.
const QString& smallDemoPath();

class DemoDb {
public:
    explicit DemoDb(const QString& path);
    ~DemoDb();
    DemoDb(const DemoDb&) = delete;
    DemoDb& operator=(const DemoDb&) = delete;

    sqlite3* handle() const { return m_db; }
    long long integer(const std::string& sql) const;
    double real(const std::string& sql) const;
    std::string text(const std::string& sql) const;
    std::vector<std::vector<std::string>> rows(const std::string& sql) const;

private:
    sqlite3* m_db = nullptr;
};

// A hash over every row of every table of the database, in a fixed order.
std::string contentChecksum(const QString& path);

} // namespace demotest

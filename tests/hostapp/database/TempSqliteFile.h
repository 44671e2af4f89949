#pragma once
// A SQLite file in a temporary folder, filled by plain sqlite3 (not by the code under test),
// and closed again with every pooled host connection when the test ends.
#include "hostapp/database/HostDatabase.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

namespace hostdb::testing {

class TempSqliteFile {
public:
    explicit TempSqliteFile(const char* setupSql = nullptr, const QString& fileName = QStringLiteral("host.db"))
        : m_path(m_dir.filePath(fileName))
    {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(m_path.toUtf8().constData(), &db), SQLITE_OK);
        if (setupSql) {
            // One transaction: one write to disk instead of one per statement.
            char* error = nullptr;
            const std::string script = std::string("BEGIN;\n") + setupSql + "\nCOMMIT;";
            EXPECT_EQ(sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error), SQLITE_OK)
                << (error ? error : "");
            sqlite3_free(error);
        } else {
            EXPECT_EQ(sqlite3_exec(db, "PRAGMA user_version = 1", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        sqlite3_close(db);
    }
    ~TempSqliteFile() { HostDatabase::closeAll(); }

    const QString& path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    std::shared_ptr<HostDatabase> open() const { return HostDatabase::open(m_path); }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace hostdb::testing

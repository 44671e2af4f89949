#pragma once
// A SQLite file in a temporary folder, filled by plain sqlite3 (not by the code under test),
// and closed again with every pooled host connection when the test ends.
#include "hostapp/database/HostDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

namespace hostdb::testing {

class TempSqliteFile {
public:
    // One transaction: one write to disk instead of one per statement.
    explicit TempSqliteFile(const char* setupSql = "PRAGMA user_version = 1;") : m_path(m_dir.filePath(QStringLiteral("host.db")))
    {
        run(m_path, std::string("BEGIN;\n") + setupSql + "\nCOMMIT;");
    }
    ~TempSqliteFile() { HostDatabase::closeAll(); }

    // Runs a script on the file as another program would.
    static void run(const QString& path, const std::string& script)
    {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(db);
    }

    const QString& path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    std::shared_ptr<HostDatabase> open() const { return HostDatabase::open(m_path); }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace hostdb::testing

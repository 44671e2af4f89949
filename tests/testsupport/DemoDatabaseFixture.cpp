#include "tests/testsupport/DemoDatabaseFixture.h"

#include "hostapp/database/DemoData.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>

namespace testsupport {

const QString& smallDemoDatabase()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("small-demo.db"));
        hostdb::generateDemoDatabase(file, hostdb::DemoSize::Small);
        return file;
    }();
    return path;
}

QString copySmallDemoDatabase(const QString& folder)
{
    const QString copy = QDir(folder).filePath(QStringLiteral("demo.db"));
    QFile::remove(copy);
    if (!QFile::copy(smallDemoDatabase(), copy))
        ADD_FAILURE() << "cannot copy the demo database to " << copy.toStdString();
    return copy;
}

DemoFile::DemoFile(const QString& path)
{
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        ADD_FAILURE() << "cannot open " << path.toStdString() << ": " << sqlite3_errmsg(m_db);
}

DemoFile::~DemoFile() { sqlite3_close(m_db); }

std::vector<std::vector<std::string>> DemoFile::rows(const std::string& sql) const
{
    std::vector<std::vector<std::string>> out;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(m_db) << "\n" << sql;
        return out;
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        std::vector<std::string> row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            const unsigned char* value = sqlite3_column_text(stmt, i);
            row.emplace_back(value ? reinterpret_cast<const char*>(value) : "<null>");
        }
        out.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        ADD_FAILURE() << sqlite3_errmsg(m_db) << "\n" << sql;
    sqlite3_finalize(stmt);
    return out;
}

std::string DemoFile::text(const std::string& sql) const
{
    const auto result = rows(sql);
    if (result.empty() || result.front().empty()) {
        ADD_FAILURE() << "no value from " << sql;
        return {};
    }
    return result.front().front();
}

long long DemoFile::integer(const std::string& sql) const { return std::stoll(text(sql)); }

std::string contentChecksum(const QString& path)
{
    const DemoFile db(path);
    uint64_t hash = 1469598103934665603ull;  // FNV-1a
    auto mix = [&hash](const std::string& s) {
        for (unsigned char c : s) {
            hash ^= c;
            hash *= 1099511628211ull;
        }
        hash ^= 0xFF;
        hash *= 1099511628211ull;
    };
    for (const auto& table : db.rows("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name")) {
        mix(table[0]);
        for (const auto& row : db.rows("SELECT * FROM \"" + table[0] + "\" ORDER BY rowid"))
            for (const std::string& value : row)
                mix(value);
    }
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

} // namespace testsupport

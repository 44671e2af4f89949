// The schema's tables with the declared types and collation the adapter and the users rely on.
#include "hostapp/database/Schema.h"
#include "platform/com/ComError.h"
#include "tests/testsupport/ComErrorMatchers.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <set>
#include <string>
#include <vector>

namespace {

class MemoryDb {
public:
    MemoryDb() { sqlite3_open(":memory:", &m_db); }
    ~MemoryDb() { sqlite3_close(m_db); }
    sqlite3* handle() const { return m_db; }
    std::vector<std::string> column(const std::string& sql, int index = 0) const
    {
        std::vector<std::string> values;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            ADD_FAILURE() << sqlite3_errmsg(m_db) << " in " << sql;
        while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
            const unsigned char* text = sqlite3_column_text(stmt, index);
            values.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
        }
        sqlite3_finalize(stmt);
        return values;
    }

private:
    sqlite3* m_db = nullptr;
};

TEST(Schema, ColumnsHaveTheTypesTheAdapterMapsAndTextIgnoresCase)
{
    MemoryDb db;
    hostdb::createSchema(db.handle());
    const std::set<std::string> knownTypes = {"INTEGER", "REAL", "TEXT", "DATETIME"};
    for (const std::string& table : db.column("SELECT name FROM sqlite_master WHERE type='table'")) {
        for (const std::string& column : db.column("PRAGMA table_info(" + table + ")", 1)) {
            SCOPED_TRACE(table + "." + column);
            const char* type = nullptr;
            const char* collation = nullptr;
            ASSERT_EQ(sqlite3_table_column_metadata(db.handle(), "main", table.c_str(), column.c_str(), &type,
                                                    &collation, nullptr, nullptr, nullptr),
                      SQLITE_OK);
            EXPECT_TRUE(knownTypes.count(type)) << type;
            if (std::string(type) == "TEXT") {
                EXPECT_STREQ(collation, "NOCASE");
            }
        }
    }
}

TEST(Schema, FailuresRaiseComErrorsWithTheDatabaseMessage)
{
    MemoryDb db;
    hostdb::createTables(db.handle());
    const auto twice = fakehost::comErrorOf([&] { hostdb::createTables(db.handle()); });
    EXPECT_TRUE(twice && twice->description().startsWith(QStringLiteral("创建数据表失败")) && twice->description().contains("already exists"));
    EXPECT_THROW(hostdb::createSchema(nullptr), com::ComError);
}

} // namespace

#pragma once
// A database of its own for one test on the test PostgreSQL server, whose URI scripts/test
// passes in ZEL_TEST_PG_URI: created empty (or with the small demo data), dropped with every
// pooled host connection when the test ends. Tests that need the server skip without it.
#include "hostapp/database/ConnectionTarget.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>

#define ZEL_REQUIRE_POSTGRES()                                                       \
    if (qEnvironmentVariableIsEmpty("ZEL_TEST_PG_URI"))                             \
    GTEST_SKIP() << "no test PostgreSQL server: scripts/test starts one (ZEL_TEST_PG_URI)"

namespace testsupport {

class PostgresTestDatabase {
public:
    // A connection string for the test server with `change` applied to its settings.
    static QString serverConnection(const std::function<void(hostdb::PostgresServer&)>& change);

    enum class Content { Empty, SmallDemo };
    explicit PostgresTestDatabase(Content content = Content::Empty);
    ~PostgresTestDatabase();
    PostgresTestDatabase(const PostgresTestDatabase&) = delete;
    PostgresTestDatabase& operator=(const PostgresTestDatabase&) = delete;

    const QString& connection() const { return m_connection; }

private:
    QString m_name;
    QString m_connection;
};

} // namespace testsupport

// What a connection string names: a SQLite file, or an ODBC data source.
#include "hostapp/database/HostDatabase.h"
#include "platform/com/ComError.h"
#include "tests/hostapp/database/QtPrinters.h"

#include <gtest/gtest.h>

namespace hostdb {
namespace {

using Kind = ConnectionTarget::Kind;

struct TargetCase {
    const char* text;
    Kind kind;
    const char* sqlitePath;
    int busyTimeoutMs;
};

class ConnectionTargets : public ::testing::TestWithParam<TargetCase> {};

TEST_P(ConnectionTargets, AreRead)
{
    const TargetCase& c = GetParam();
    const ConnectionTarget target = ConnectionTarget::parse(QString::fromUtf8(c.text));
    EXPECT_EQ(target.kind, c.kind);
    EXPECT_EQ(target.busyTimeoutMs, c.busyTimeoutMs);
    if (c.kind == Kind::Sqlite) {
        EXPECT_EQ(target.sqlitePath, QString::fromUtf8(c.sqlitePath));
    } else {
        EXPECT_EQ(target.odbcText, QString::fromUtf8(c.text));  // passed on exactly as given
        EXPECT_TRUE(target.sqlitePath.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConnectionTargets,
    ::testing::Values(TargetCase{"/data/host.db", Kind::Sqlite, "/data/host.db", 2000},
                      TargetCase{"  数据/主机.db ", Kind::Sqlite, "数据/主机.db", 2000},
                      TargetCase{"Data Source=/data/host.db", Kind::Sqlite, "/data/host.db", 2000},
                      TargetCase{"database = /data/host.db ; Busy Timeout=150;", Kind::Sqlite, "/data/host.db", 150},
                      TargetCase{"Data Source={/data/a;b.db};Mode=x", Kind::Sqlite, "/data/a;b.db", 2000},
                      TargetCase{"Data Source=\"/data/a b.db\"", Kind::Sqlite, "/data/a b.db", 2000},
                      TargetCase{"DRIVER={FreeTDS};SERVER=h;PORT=1433;DATABASE=ais", Kind::Odbc, "", 2000},
                      TargetCase{"Provider=MSDASQL;dsn=HostDb;UID=sa;PWD={a;b}", Kind::Odbc, "", 2000}));

TEST(ConnectionTarget, TextNamingNoDatabaseIsRefused)
{
    for (const char* text : {"", "   ", "UID=sa;PWD=secret"}) {
        try {
            ConnectionTarget::parse(QString::fromUtf8(text));
            ADD_FAILURE() << "accepted: " << text;
        } catch (const com::ComError& error) {
            EXPECT_FALSE(error.description().isEmpty());
        }
    }
}

} // namespace
} // namespace hostdb

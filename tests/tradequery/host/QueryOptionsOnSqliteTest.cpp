// The query options against a real SQLite host database: the defaults batch with its
// IF NOT EXISTS steps runs, and the UPDATE whose first key literal ends in a blank still finds
// the stored key.
#include "hostapp/database/HostDatabase.h"
#include "platform/hostapi/AppConnection.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/hostapp/database/TempSqliteFile.h"
#include "tests/testsupport/FakeHost.h"
#include "tradequery/host/QueryOptionsStore.h"

#include <gtest/gtest.h>

namespace {

// "ZELMAppConnection.AppConnection" as the host runs it: the connection string picks the
// database, the text goes through the SQL Server dialect adapter.
class DatabaseAppConnection : public hostapi::AppConnection {
public:
    ado::RecordsetPtr Execute(const QString& connectString, const QString& sql) override
    {
        return hostdb::HostDatabase::open(connectString)->execute(sql);
    }
};

QStringList storedOptions(hostdb::HostDatabase& db)
{
    QStringList rows;
    auto stored = db.execute("SELECT FCategory, FKey, FValue FROM t_SystemProfile ORDER BY FCategory, FKey");
    for (; !stored->Eof(); stored->MoveNext())
        rows << stored->value("FCategory").toString() + "/" + stored->value("FKey").toString() + "="
                    + stored->value("FValue").toString();
    return rows;
}

TEST(QueryOptionsOnSqlite, FirstUseThenSaveAndReadBack)
{
    hostdb::testing::TempSqliteFile file(
        "CREATE TABLE t_SystemProfile (FCategory VARCHAR(30) COLLATE NOCASE, FKey VARCHAR(100) COLLATE NOCASE,"
        " FValue TEXT COLLATE NOCASE);"
        "INSERT INTO t_SystemProfile VALUES ('GL', 'ClientTradeTimes', '99');");
    fakehost::FakeHost host;
    host.setPropsString("UserID=5;ConnectString={" + file.path() + "};");
    com::ObjectFactory::instance().registerClass(hostapi::progid::AppConnection,
                                                 [] { return std::make_shared<DatabaseAppConnection>(); });
    auto db = file.open();

    tq::QueryOptions options{1, 25};
    tq::ReadQueryOptions(1, options);
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));  // the defaults are created, not read
    EXPECT_EQ(storedOptions(*db), (QStringList{"GL/ClientTradeTimes=99", "IC/ClientAllowSelf=0", "IC/ClientTradeTimes=0"}));

    tq::ReadQueryOptions(1, options);
    EXPECT_EQ(options, (tq::QueryOptions{0, 0}));

    tq::QueryOptions changed{1, 30};
    EXPECT_TRUE(tq::SaveQueryOptions(1, changed));
    tq::QueryOptions reread;
    tq::ReadQueryOptions(1, reread);
    EXPECT_EQ(reread, changed);

    // The purchase flavour keeps its own keys; its first read creates them.
    tq::QueryOptions purchase{0, 7};
    tq::ReadQueryOptions(2, purchase);
    tq::ReadQueryOptions(2, purchase);
    EXPECT_EQ(purchase, (tq::QueryOptions{0, 0}));
    EXPECT_EQ(storedOptions(*db), (QStringList{"GL/ClientTradeTimes=99", "IC/ClientAllowSelf=1", "IC/ClientTradeTimes=30",
                                               "IC/ProviderAllowSelf=0", "IC/ProviderTradeTimes=0"}));
}

TEST(QueryOptionsOnSqlite, ADatabaseWithoutTheTableKeepsTheRecordAndRefusesTheSave)
{
    hostdb::testing::TempSqliteFile file;
    fakehost::FakeHost host;
    host.setPropsString("UserID=5;ConnectString={" + file.path() + "};");
    com::ObjectFactory::instance().registerClass(hostapi::progid::AppConnection,
                                                 [] { return std::make_shared<DatabaseAppConnection>(); });
    tq::QueryOptions options{1, 25};
    tq::ReadQueryOptions(1, options);
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
    EXPECT_FALSE(tq::SaveQueryOptions(1, options));
}

} // namespace

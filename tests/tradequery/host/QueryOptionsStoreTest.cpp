// The query options in the host's system profile table: the statements sent, first use,
// values read back, and what a failing host leaves of the window's record.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "tests/testsupport/FakeHost.h"
#include "tradequery/host/QueryOptionsStore.h"

#include <gtest/gtest.h>

namespace {

QString selectSql(const QString& p)
{
    return "SELECT FKey,FCategory,FValue FROM t_SystemProfile WHERE FCategory='IC' And (FKey ='" + p
           + "AllowSelf' or FKey ='" + p + "AllowDept' or  FKey ='" + p + "AllowEmp' or FKey ='" + p
           + "AllowStock' or FKey ='" + p + "TradeTimes' ) ";
}

QString defaultsSql(const QString& p)
{
    const QString ifMissing = "IF NOT EXISTS(SELECT FKey,FCategory,FValue FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey = '";
    const QString insert = "       INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','";
    return ifMissing + p + "AllowSelf') \r\n" + insert + p + "AllowSelf','0') \r\n" + ifMissing + p
           + "TradeTimes') \r\n" + insert + p + "TradeTimes','0')";
}

QString saveSql(const QString& p, const QString& allowSelf, const QString& tradeTimes)
{
    return "UPDATE t_SystemProfile SET FValue='" + allowSelf + "' WHERE FCategory='IC' AND FKey='" + p
           + "AllowSelf ' \r\nUPDATE t_SystemProfile SET FValue='" + tradeTimes
           + "' WHERE FCategory='IC' AND FKey='" + p + "TradeTimes' ";
}

ado::RecordsetPtr optionRows(std::vector<std::vector<QVariant>> values)
{
    return fakehost::rows({{"FKey", ado::FieldType::Text}, {"FCategory", ado::FieldType::Text},
                           {"FValue", ado::FieldType::Text}},
                          std::move(values));
}

class QueryOptionsStore : public ::testing::Test {
protected:
    fakehost::FakeHost host;
    tq::QueryOptions options{1, 25};
};

TEST_F(QueryOptionsStore, FirstUseCreatesTheDefaultsOfTheFlavourAndKeepsTheRecord)
{
    for (const auto& [queryType, prefix] : {std::pair{1, "Client"}, std::pair{2, "Provider"}, std::pair{-5, "Provider"}}) {
        host.log().clear();
        tq::ReadQueryOptions(queryType, options);
        EXPECT_EQ(host.sqlSent(), (QStringList{selectSql(prefix), defaultsSql(prefix)}));
        EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
        EXPECT_EQ(host.log().callsTo("AppConnection", "Execute")[0].args.first().toString(),
                  QStringLiteral("DRIVER=SQLite;DATABASE=demo.db"));
    }
}

TEST_F(QueryOptionsStore, StoredValuesReplaceTheRecordAndOnesThatCannotBeReadAreSkipped)
{
    struct Case {
        const char* name;
        std::vector<std::vector<QVariant>> rows;
        tq::QueryOptions expected;
    };
    const Case cases[] = {
        {"both stored, other keys ignored",
         {{"ClientAllowDept", "IC", "1"}, {"ClientTradeTimes", "IC", "30"}, {"ClientAllowSelf", "IC", "0"}}, {0, 30}},
        {"switch not a number", {{"ClientAllowSelf", "IC", "ja"}, {"ClientTradeTimes", "IC", "8"}}, {1, 8}},
        {"count beyond 32 bits", {{"ClientAllowSelf", "IC", "1"}, {"ClientTradeTimes", "IC", "3000000000"}}, {1, 25}},
        {"rounded", {{"ClientAllowSelf", "IC", " 0 "}, {"ClientTradeTimes", "IC", "8.5"}}, {0, 8}},
    };
    for (const Case& c : cases) {
        host.appConnection().sql().answer(selectSql("Client"), optionRows(c.rows));
        tq::QueryOptions read{1, 25};
        host.log().clear();
        tq::ReadQueryOptions(1, read);
        EXPECT_EQ(read, c.expected) << c.name;
        EXPECT_EQ(host.sqlSent(), QStringList{selectSql("Client")}) << c.name;  // stored rows: no defaults
    }
}

TEST(QueryOptionsStoreFailures, AHostThatFailsLeavesTheRecord)
{
    using fakehost::FakeHost;
    const com::ComError refused(com::ADO_PROVIDER_ERROR, "db", "query rejected");
    const std::pair<const char*, std::function<void(FakeHost&)>> failures[] = {
        {"the query fails", [&](FakeHost& h) { h.appConnection().failures().fail("Execute", refused); }},
        {"no connection string", [](FakeHost& h) { h.setPropsString("UserID=5;"); }},
    };
    for (const auto& [what, fail] : failures) {
        FakeHost host;
        host.appConnection().sql().answer(selectSql("Client"), optionRows({{"ClientTradeTimes", "IC", "8"}}));
        fail(host);
        tq::QueryOptions options{1, 25};
        tq::ReadQueryOptions(1, options);
        EXPECT_EQ(options, (tq::QueryOptions{1, 25})) << what;
    }
}

TEST_F(QueryOptionsStore, SaveSendsBothValuesOfTheFlavourAndAnswersFalseOnFailure)
{
    EXPECT_TRUE(tq::SaveQueryOptions(1, options));
    tq::QueryOptions other{0, 2147483647};
    EXPECT_TRUE(tq::SaveQueryOptions(2, other));
    EXPECT_EQ(host.sqlSent(), (QStringList{saveSql("Client", "1", "25"), saveSql("Provider", "0", "2147483647")}));

    host.setPropsString("UserID=5;");  // no connection string
    EXPECT_FALSE(tq::SaveQueryOptions(1, options));
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
}

} // namespace

// The query options in the host's system profile table: the statements sent, first use,
// values read back, and what a failing host does to the record.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/history/SqlTextPrinter.h"
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
    return "IF NOT EXISTS(SELECT FKey,FCategory,FValue FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey = '" + p
           + "AllowSelf') \r\n"
             "       INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','"
           + p
           + "AllowSelf','0') \r\n"
             "IF NOT EXISTS(SELECT FKey,FCategory,FValue FROM t_SystemProfile WHERE FCategory = 'IC' AND FKey = '"
           + p
           + "TradeTimes') \r\n"
             "       INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','"
           + p + "TradeTimes','0')";
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

const QString kConnectString = QStringLiteral("DRIVER=SQLite;DATABASE=demo.db");

class QueryOptionsStore : public ::testing::Test {
protected:
    fakehost::FakeHost host;
    tq::QueryOptions options{1, 25};
};

TEST_F(QueryOptionsStore, FirstUseCreatesTheDefaultsAndKeepsTheRecord)
{
    tq::ReadQueryOptions(1, options);
    EXPECT_EQ(host.sqlSent(), (QStringList{selectSql("Client"), defaultsSql("Client")}));
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
    for (const fakehost::Call& call : host.log().callsTo("AppConnection", "Execute"))
        EXPECT_EQ(call.args.first().toString(), kConnectString);
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
        {"only the count stored", {{"ClientTradeTimes", "IC", "8"}}, {1, 8}},
        {"switch not a number", {{"ClientAllowSelf", "IC", "ja"}, {"ClientTradeTimes", "IC", "8"}}, {1, 8}},
        {"switch null", {{"ClientAllowSelf", "IC", QVariant()}, {"ClientTradeTimes", "IC", "8"}}, {1, 8}},
        {"count beyond 32 bits", {{"ClientAllowSelf", "IC", "1"}, {"ClientTradeTimes", "IC", "3000000000"}}, {1, 25}},
        {"another category", {{"ClientAllowSelf", "GL", "0"}, {"ClientTradeTimes", "IC", "8"}}, {1, 8}},
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

TEST_F(QueryOptionsStore, EachFlavourUsesItsOwnKeys)
{
    host.appConnection().sql().answer(selectSql("Provider"),
                                      optionRows({{"ProviderAllowSelf", "IC", "1"}, {"ProviderTradeTimes", "IC", "12"}}));
    host.appConnection().sql().answer(selectSql("Client"),
                                      optionRows({{"ClientAllowSelf", "IC", "0"}, {"ClientTradeTimes", "IC", "40"}}));
    for (int32_t purchase : {2, 0, -5}) {
        tq::QueryOptions read;
        tq::ReadQueryOptions(purchase, read);
        EXPECT_EQ(read, (tq::QueryOptions{1, 12})) << purchase;
    }
    tq::QueryOptions sales;
    tq::ReadQueryOptions(1, sales);
    EXPECT_EQ(sales, (tq::QueryOptions{0, 40}));

    host.appConnection().sql().clear();
    host.log().clear();
    tq::QueryOptions read;
    tq::ReadQueryOptions(3, read);
    EXPECT_EQ(host.sqlSent(), (QStringList{selectSql("Provider"), defaultsSql("Provider")}));
}

TEST_F(QueryOptionsStore, AFailureBeforeTheValuesLeavesTheRecord)
{
    const com::ComError refused(com::ADO_PROVIDER_ERROR, "db", "query rejected");
    host.appConnection().sql().answer(selectSql("Client"), optionRows({{"ClientTradeTimes", "IC", "8"}}));

    host.appConnection().failures().fail("Execute", refused);
    tq::ReadQueryOptions(1, options);
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
    host.appConnection().failures().clear();

    host.failCreation(hostapi::progid::AppConnection, refused);
    tq::ReadQueryOptions(1, options);
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
    host.allowCreation(hostapi::progid::AppConnection);

    host.setPropsString("UserID=5;");  // no connection string
    tq::ReadQueryOptions(1, options);
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
    EXPECT_EQ(host.log().callsTo("AppConnection", "Execute").size(), 1);  // only the one that failed

    // A statement that answers no open recordset is no answer either.
    host.setPropsString(fakehost::FakeHost::kPropsString);
    host.appConnection().sql().answer(selectSql("Client"), nullptr);
    tq::ReadQueryOptions(1, options);
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
}

TEST_F(QueryOptionsStore, FailingToCreateTheDefaultsStillKeepsTheRecord)
{
    host.appConnection().sql().setFallback([](const QString& sql) -> ado::RecordsetPtr {
        if (sql.startsWith("IF NOT EXISTS"))
            throw com::ComError(com::ADO_PROVIDER_ERROR, "db", "read-only database");
        return optionRows({});
    });
    tq::ReadQueryOptions(1, options);
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
    EXPECT_EQ(host.sqlSent(), (QStringList{selectSql("Client"), defaultsSql("Client")}));
}

TEST_F(QueryOptionsStore, SaveSendsBothValuesOfTheFlavour)
{
    EXPECT_TRUE(tq::SaveQueryOptions(1, options));
    tq::QueryOptions other{0, 2147483647};
    EXPECT_TRUE(tq::SaveQueryOptions(2, other));
    tq::QueryOptions negative{-1, -7};
    EXPECT_TRUE(tq::SaveQueryOptions(0, negative));
    EXPECT_EQ(host.sqlSent(), (QStringList{saveSql("Client", "1", "25"), saveSql("Provider", "0", "2147483647"),
                                           saveSql("Provider", "-1", "-7")}));
    const auto calls = host.log().callsTo("AppConnection", "Execute");
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(calls[0].args.first().toString(), kConnectString);
}

TEST_F(QueryOptionsStore, SaveFailureAnswersFalse)
{
    host.appConnection().failures().fail("Execute", com::ComError(com::ADO_PROVIDER_ERROR, "db", "deadlock"));
    EXPECT_FALSE(tq::SaveQueryOptions(1, options));
    host.appConnection().failures().clear();

    host.setPropsString("UserID=5;");  // no connection string
    EXPECT_FALSE(tq::SaveQueryOptions(1, options));
    host.failCreation(hostapi::progid::ShareProps, com::ComError(com::VB_CANT_CREATE_OBJECT, "x", "gone"));
    EXPECT_FALSE(tq::SaveQueryOptions(1, options));
    EXPECT_EQ(options, (tq::QueryOptions{1, 25}));
}

} // namespace

// Materials and partners by the code a person knows, read from the small demo database.
#include "hostapp/app/MasterData.h"
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/testsupport/DemoDatabaseFixture.h"
#include "tests/hostapp/database/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

using zelhost::QueryKind;

class MasterDataTest : public ::testing::Test {
protected:
    zelhost::SqlRunner run = [](const QString& sql) {
        return hostdb::HostDatabase::open(testsupport::smallDemoDatabase())->execute(sql);
    };
    testsupport::DemoFile db;
    hostdb::demo::Samples samples = hostdb::demo::samples(hostdb::DemoSize::Small);
    int idOf(const char* table, const QString& number) const
    {
        return static_cast<int>(db.integer(std::string("select FItemID from ") + table + " where FNumber='"
                                           + number.toStdString() + "'"));
    }
};

TEST_F(MasterDataTest, CodesWithOrWithoutBlanksBecomeTheIdsOfTheirOwnTable)
{
    EXPECT_EQ(zelhost::partnerIdByNumber(run, QueryKind::Sales, samples.customerNumber),
              idOf("t_Organization", samples.customerNumber));
    EXPECT_EQ(zelhost::partnerIdByNumber(run, QueryKind::Purchase, samples.supplierNumber),
              idOf("t_Supplier", samples.supplierNumber));
    EXPECT_EQ(zelhost::materialIdByNumber(run, QStringLiteral("  ") + samples.itemNumber + QStringLiteral(" ")),
              idOf("t_ICItem", samples.itemNumber));
    // Customers and suppliers are numbered alike: the query kind decides which one is meant.
    EXPECT_NE(zelhost::partnerIdByNumber(run, QueryKind::Sales, QStringLiteral("01.0001")),
              zelhost::partnerIdByNumber(run, QueryKind::Purchase, QStringLiteral("01.0001")));
}

TEST_F(MasterDataTest, AnUnknownCodeIsToldByNameAndKind)
{
    const std::pair<std::function<int()>, QString> cases[] = {
        {[&] { return zelhost::materialIdByNumber(run, QStringLiteral("99.99.999")); }, QStringLiteral("“99.99.999”的物料")},
        {[&] { return zelhost::partnerIdByNumber(run, QueryKind::Purchase, QStringLiteral("O'Brien")); }, QStringLiteral("“O'Brien”的供应商")},
        {[&] { return zelhost::partnerIdByNumber(run, QueryKind::Sales, samples.itemNumber); }, QStringLiteral("的客户")}};
    for (const auto& [lookup, told] : cases) {
        const auto error = fakehost::comErrorOf([&] { lookup(); });
        EXPECT_TRUE(error && error->description().contains(told)) << told.toStdString();
    }
}

TEST_F(MasterDataTest, ListsHoldEveryLiveEntryByCode)
{
    const auto materials = zelhost::listMaterials(run);
    EXPECT_EQ(materials.size(), db.integer("select count(*) from t_ICItem where FDeleted=0"));
    EXPECT_FALSE(materials.front().model.isEmpty());
    for (qsizetype i = 1; i < materials.size(); ++i)
        ASSERT_LT(materials[i - 1].number.compare(materials[i].number, Qt::CaseInsensitive), 0);
    EXPECT_EQ(zelhost::listPartners(run, QueryKind::Sales).size(), db.integer("select count(*) from t_Organization where FDeleted=0"));
    EXPECT_EQ(zelhost::listPartners(run, QueryKind::Purchase).size(), db.integer("select count(*) from t_Supplier where FDeleted=0"));
}

} // namespace

// execute hands the rows over as a recordset.
#include "hostapp/database/HostDatabase.h"
#include "tests/hostapp/database/QtPrinters.h"
#include "tests/hostapp/database/TempSqliteFile.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace hostdb {
namespace {

constexpr const char* schema = R"sql(
CREATE TABLE ICSale (FBillNo VARCHAR(20), FDate DATETIME, FAmount MONEY, FDeptID INT);
INSERT INTO ICSale VALUES ('XS-1', '2008-01-05', 12.5, NULL);
INSERT INTO ICSale VALUES ('XS-2', '2008-01-06', 3, 7);
)sql";

TEST(HostDatabaseRecordset, RowsBecomeAnOpenRecordsetWithTypedFields)
{
    testing::TempSqliteFile file(schema);
    const ado::RecordsetPtr rs =
        file.open()->execute("select top 5 FBillNo, FDate, FAmount, FDeptID from ICSale order by FDate desc");
    ASSERT_EQ(rs->State(), ado::adStateOpen);
    EXPECT_EQ(rs->RecordCount(), 2);
    EXPECT_EQ(rs->Fields().Item("FDate").Type(), ado::FieldType::Date);
    EXPECT_EQ(rs->Fields().Item("FAmount").Type(), ado::FieldType::Double);
    EXPECT_EQ(rs->value("FBillNo").toString(), "XS-2");
    EXPECT_EQ(rs->value("FDate").toDateTime().date(), QDate(2008, 1, 6));
    rs->MoveNext();
    EXPECT_FALSE(rs->value("FDeptID").isValid());
}

TEST(HostDatabaseRecordset, NoRowsGiveAClosedOrAnEmptyOpenRecordset)
{
    testing::TempSqliteFile file(schema);
    const auto db = file.open();
    const ado::RecordsetPtr changed = db->execute("update ICSale set FDeptID = 1");
    ASSERT_NE(changed, nullptr);
    EXPECT_EQ(changed->State(), ado::adStateClosed);
    const ado::RecordsetPtr none = db->execute("select FBillNo from ICSale where 1 = 0");
    EXPECT_EQ(none->State(), ado::adStateOpen);
    EXPECT_EQ(none->RecordCount(), 0);
    EXPECT_TRUE(none->Eof());
}

} // namespace
} // namespace hostdb

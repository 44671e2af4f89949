// The history statement, byte for byte: the select part of each flavour, the node and option
// conditions, filter mode, the data-right clause, and the host answers it depends on.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/history/SqlTextPrinter.h"
#include "tradequery/history/HistoryStatement.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString crlfLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

// The select part of the sales flavour, as the database is asked for it.
QString salesSelect(const QString& top, const QString& discountDecimals)
{
    return crlfLines({
        "select top " + top + " t1.FNumber,t1.FName,c1.FModel,t3.FNumber as FAuxPropNumber,t3.FName as FAuxPropName,",
        "    t2.FName as FUnit,tm1.FName as FCompany,isnull(tm2.FName,'') as FDept ,isnull(tm3.FName,'') as FEmp ,u1.FCurrencyID,tm4.FName as FCurrencyName,",
        "    u1.FBillNo , u1.FDate, u1.FExchangeRate, round(u2.FAuxQty,c1.FQtyDecimal) as FQty,",
        "    case when u1.FTranType=80 then round(u2.FAuxTaxPrice,c1.FPriceDecimal) else round(u2.FAuxPrice,c1.FPriceDecimal) end as FPrice,",
        "    round(u2.FDiscountRate," + discountDecimals + ") as FDiscountRate, round(u2.FPriceDiscount,c1.FPriceDecimal) as FPriceDiscount , ",
        "    case when u1.FTranType=80 then u2.FAmount + u2.FTaxAmount else u2.FAmount end as  FAmtTotalFor,",
        "    c1.FPriceDecimal as FPriceDecimal,c1.FQtyDecimal as FQtyDecimal",
        "    from ICSale u1 inner join ICSaleEntry u2 on u1.FInterID = u2.FInterID",
        "    inner join t_ICItem c1 on (u2.FItemID = c1.FItemID )",
        "    inner join t_Item t1 on (t1.FItemClassID = 4 and u2.FItemID=t1.FItemID)",
        "    inner join t_MeasureUnit t2 on u2.FUnitID=t2.FItemID",
        "    inner join t_AuxItem t3 on u2.FAuxPropID=t3.FItemID",
        "    inner join t_Item tm1 on (tm1.FItemClassID = 1 and u1.FCustID = tm1.FItemID)",
        "    left join t_Item tm2 on (tm2.FItemClassID = 2 and u1.FDeptID = tm2.FItemID)",
        "    left join t_Item tm3 on (tm3.FItemClassID = 3 and u1.FEmpID = tm3.FItemID)",
        "    inner join t_Currency tm4 on (tm4.FCurrencyID = u1.FCurrencyID)",
    });
}

// The purchase flavour: other tables, type 75, suppliers, and its own blanks on lines 3 to 5.
QString purchaseSelect(const QString& top, const QString& discountDecimals)
{
    return crlfLines({
        "select top " + top + " t1.FNumber,t1.FName,c1.FModel,t3.FNumber as FAuxPropNumber,t3.FName as FAuxPropName,",
        "    t2.FName as FUnit,tm1.FName as FCompany,isnull(tm2.FName,'') as FDept ,isnull(tm3.FName,'') as FEmp ,u1.FCurrencyID,tm4.FName as FCurrencyName,",
        "    u1.FBillNo , u1.FDate, u1.FExchangeRate, round(u2.FAuxQty,c1.FQtyDecimal) as FQty, ",
        "     case when u1.FTranType=75 then round(u2.FAuxTaxPrice,c1.FPriceDecimal) else round(u2.FAuxPrice,c1.FPriceDecimal) end as FPrice,",
        "    round(u2.FDiscountRate ," + discountDecimals + ") as FDiscountRate, round(u2.FPriceDiscount,c1.FPriceDecimal) as FPriceDiscount, ",
        "    case when u1.FTranType=75 then u2.FAmount + u2.FTaxAmount else u2.FAmount end as  FAmtTotalFor,",
        "    c1.FPriceDecimal as FPriceDecimal,c1.FQtyDecimal as FQtyDecimal",
        "    from ICPurchase u1 inner join ICPurchaseEntry u2 on u1.FInterID = u2.FInterID",
        "    inner join t_ICItem c1 on (u2.FItemID = c1.FItemID )",
        "    inner join t_Item t1 on (t1.FItemClassID = 4 and u2.FItemID=t1.FItemID)",
        "    inner join t_MeasureUnit t2 on u2.FUnitID=t2.FItemID",
        "    inner join t_AuxItem t3 on u2.FAuxPropID=t3.FItemID",
        "    inner join t_Item tm1 on (tm1.FItemClassID = 8 and u1.FSupplyID = tm1.FItemID)",
        "    left join t_Item tm2 on (tm2.FItemClassID = 2 and u1.FDeptID = tm2.FItemID)",
        "    left join t_Item tm3 on (tm3.FItemClassID = 3 and u1.FEmpID = tm3.FItemID)",
        "    inner join t_Currency tm4 on (tm4.FCurrencyID = u1.FCurrencyID)",
    });
}

const QString kWhere = QStringLiteral("Where 1=1 AND u1.FCancellation=0 ");
const QString kOrder = QStringLiteral(" order by u1.FDate desc,u2.FInterID desc,u2.FIndex desc \r\n");
const QString kFilterOrder = QStringLiteral(" Order By u1.FDate desc\r\n");

// What follows the select part: the where part and the ordering.
QString afterSelect(const QString& sql)
{
    const qsizetype where = sql.indexOf(QStringLiteral("\r\nWhere "));
    return where < 0 ? sql : sql.mid(where + 2);
}

void expectError(int32_t number, const std::function<void()>& call)
{
    try {
        call();
        ADD_FAILURE() << "no error raised";
    } catch (const com::ComError& e) {
        EXPECT_EQ(e.number(), number) << e.description().toStdString();
    }
}

class HistoryStatement : public ::testing::Test {
protected:
    QString sql(int32_t queryType, const QString& key, int32_t partner, int32_t mode = tq::HistoryNormalMode,
                const QString& condition = QString())
    {
        return tq::GetHistorySQL(queryType, options, key, partner, mode, condition);
    }

    fakehost::FakeHost host;
    tq::QueryOptions options{0, 20};
};

TEST_F(HistoryStatement, SalesOfOneMaterialWholeText)
{
    host.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", 2);
    EXPECT_EQ(sql(1, "123", 0), salesSelect("20", "2") + kWhere + " AND t1.FItemID=123" + kOrder);
}

TEST_F(HistoryStatement, PurchasesOfOneMaterialWholeText)
{
    host.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", 4);
    EXPECT_EQ(sql(2, "123", 0), purchaseSelect("20", "4") + kWhere + " AND t1.FItemID=123" + kOrder);
    // Only 1 is the sales flavour.
    EXPECT_EQ(sql(0, "123", 0), sql(2, "123", 0));
    EXPECT_EQ(sql(-1, "123", 0), sql(2, "123", 0));
}

TEST_F(HistoryStatement, TopCountIsTradeTimes)
{
    for (int32_t count : {0, 1, 2147483647}) {
        options.TradeTimes = count;
        EXPECT_TRUE(sql(1, "5", 0).startsWith("select top " + QString::number(count) + " t1.FNumber,"));
    }
}

TEST_F(HistoryStatement, DiscountDecimalsFromTheSystemProfile)
{
    struct Case {
        QVariant answer;
        const char* decimals;
    };
    const Case cases[] = {
        {QVariant(), "0"},                       // not set
        {QVariant(QMetaType::fromType<int>()), "0"},  // null
        {3, "3"},
        {QStringLiteral("5"), "5"},
        {2.5, "2"},  // rounded half to even
    };
    for (const Case& c : cases) {
        host.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", c.answer);
        EXPECT_EQ(sql(1, "1", 0), salesSelect("20", c.decimals) + kWhere + " AND t1.FItemID=1" + kOrder)
            << c.decimals;
    }
    const auto calls = host.log().callsTo("SystemProfile", "GetProfile");
    ASSERT_FALSE(calls.isEmpty());
    EXPECT_EQ(calls.last().args,
              (QVariantList{fakehost::FakeHost::kPropsString, QStringLiteral("IC"), QStringLiteral("PrecisionOfDiscountRate")}));
}

TEST_F(HistoryStatement, DiscountDecimalsThatAreNotANumberReachTheCaller)
{
    host.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", QStringLiteral("x"));
    expectError(com::VB_TYPE_MISMATCH, [&] { sql(1, "1", 0); });
    host.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", QStringLiteral("3000000000"));
    expectError(com::VB_OVERFLOW, [&] { sql(1, "1", 0); });
}

TEST_F(HistoryStatement, NodeAndPartnerConditions)
{
    struct Case {
        const char* name;
        const char* key;
        int32_t partner;
        QString conditions;
    };
    const Case cases[] = {
        {"material", "12", 0, " AND t1.FItemID=12"},
        {"material of a partner", "12", 7, " AND t1.FItemID=12 And tm1.FItemID = 7\r\n"},
        {"partner view", "0", 7, " And tm1.FItemID = 7\r\n"},
        {"class, partner ignored", "gi25", 7,
         " AND t1.FNumber like (select FNumber+ '%' from t_Item where FItemID=25)\r\n"},
        {"root", "gc0", 7, ""},
        {"no key", "", 7, ""},
        {"nothing selected", "0", 0, ""},
        {"leading number of the key", "12abc", 0, " AND t1.FItemID=12abc"},
        {"no material, a partner", "-3", 7, " And tm1.FItemID = 7\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(afterSelect(sql(1, c.key, c.partner)), kWhere + c.conditions + kOrder) << c.name;
}

TEST_F(HistoryStatement, OnlyOwnBillsFollowTheNodeCondition)
{
    options.AllowSelf = 1;
    host.setPropsString("UserID=3;ConnectString={x};");
    EXPECT_EQ(afterSelect(sql(1, "12", 0)), kWhere + " AND t1.FItemID=12 AND u1.FBillerID=3" + kOrder);
    EXPECT_EQ(afterSelect(sql(1, "0", 7)), kWhere + " And tm1.FItemID = 7\r\n AND u1.FBillerID=3" + kOrder);
    options.AllowSelf = -1;  // any non-zero value
    EXPECT_EQ(afterSelect(sql(1, "gc0", 0)), kWhere + " AND u1.FBillerID=3" + kOrder);
}

TEST_F(HistoryStatement, OnlyOwnBillsNeedAUserIdThatFitsSixteenBits)
{
    options.AllowSelf = 1;
    host.setPropsString("ConnectString={x};");
    expectError(com::VB_INVALID_PROC_CALL, [&] { sql(1, "12", 0); });
    host.setPropsString("UserID=40000;");
    expectError(com::VB_OVERFLOW, [&] { sql(1, "12", 0); });
    // Without the option the user id is never read.
    options.AllowSelf = 0;
    EXPECT_EQ(afterSelect(sql(1, "12", 0)), kWhere + " AND t1.FItemID=12" + kOrder);
}

TEST_F(HistoryStatement, LoginPropertiesAreParsedOnEveryCall)
{
    // A property string that does not parse fails the statement even without AllowSelf.
    host.setPropsString("UserID=3;UserID=4;");
    expectError(com::VB_KEY_ALREADY_EXISTS, [&] { sql(1, "12", 0); });
}

TEST_F(HistoryStatement, FilterModeJoinsTheConditionAndOrdersByDate)
{
    EXPECT_EQ(afterSelect(sql(1, "12", 0, tq::HistoryFilterMode, "u2.FQty > 5")),
              kWhere + " AND t1.FItemID=12AND u2.FQty > 5\r\n" + kFilterOrder);
    EXPECT_EQ(afterSelect(sql(1, "0", 7, tq::HistoryFilterMode, "u2.FQty > 5")),
              kWhere + " And tm1.FItemID = 7\r\nAND u2.FQty > 5\r\n" + kFilterOrder);
    EXPECT_EQ(afterSelect(sql(1, "12", 0, tq::HistoryFilterMode, "")), kWhere + " AND t1.FItemID=12" + kFilterOrder);
    // Any other mode is the normal listing, which ignores the condition.
    for (int32_t mode : {-1, 0, 1, 3})
        EXPECT_EQ(afterSelect(sql(1, "12", 0, mode, "u2.FQty > 5")), kWhere + " AND t1.FItemID=12" + kOrder) << mode;
}

TEST_F(HistoryStatement, DataRightIsTheLastCondition)
{
    host.itemInfo().restrict(1, 17);
    options.AllowSelf = 1;
    EXPECT_EQ(afterSelect(sql(1, "12", 0, tq::HistoryFilterMode, "u2.FQty > 5")),
              kWhere + " AND t1.FItemID=12 AND u1.FBillerID=5AND u2.FQty > 5\r\n"
                  + " And CharIndex('17',tm1.FRightUserID)>0 " + kFilterOrder);
    EXPECT_EQ(afterSelect(sql(1, "0", 7)),
              kWhere + " And tm1.FItemID = 7\r\n AND u1.FBillerID=5 And CharIndex('17',tm1.FRightUserID)>0 " + kOrder);
}

TEST_F(HistoryStatement, DataRightIsAskedForTheFlavoursPartners)
{
    host.itemInfo().restrict(2, 9);  // suppliers only
    EXPECT_EQ(afterSelect(sql(1, "12", 0)), kWhere + " AND t1.FItemID=12" + kOrder);
    EXPECT_EQ(afterSelect(sql(2, "12", 0)), kWhere + " AND t1.FItemID=12 And CharIndex('9',tm1.FRightUserID)>0 " + kOrder);

    const auto calls = host.log().callsTo("ItemInfo", "GetDataRight");
    ASSERT_EQ(calls.size(), 2);
    EXPECT_EQ(calls[0].args, (QVariantList{fakehost::FakeHost::kPropsString, 0, 1}));
    EXPECT_EQ(calls[1].args, (QVariantList{fakehost::FakeHost::kPropsString, 0, 2}));
}

TEST_F(HistoryStatement, HostObjectsThatCannotBeCreatedReachTheCaller)
{
    for (const char* progId : {hostapi::progid::SystemProfile, hostapi::progid::ItemInfo, hostapi::progid::ShareProps}) {
        host.failCreation(progId, com::ComError(com::VB_CANT_CREATE_OBJECT, "test", "cannot create"));
        expectError(com::VB_CANT_CREATE_OBJECT, [&] { sql(1, "12", 0); });
        host.allowCreation(progId);
    }
}

TEST_F(HistoryStatement, IdentifiersBeyondThirtyTwoBitsOverflow)
{
    expectError(com::VB_OVERFLOW, [&] { sql(1, "2147483648", 0); });
    expectError(com::VB_OVERFLOW, [&] { tq::BuildHistoryFilter(options, "12", "9999999999"); });
}

} // namespace

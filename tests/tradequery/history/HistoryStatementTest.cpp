// The history statement: its whole text once per flavour, then the conditions the node, the
// query options, the filter and the data right add after "Where", and the host answers that
// make it fail.
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/ProgIds.h"
#include "tests/testsupport/ComErrorMatchers.h"
#include "tests/testsupport/FakeHost.h"
#include "tests/tradequery/history/HistoryTestData.h"
#include "tradequery/history/HistoryStatement.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QString crlfLines(const QStringList& lines)
{
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

const QString kSalesSelect = crlfLines({
    "select top 20 t1.FNumber,t1.FName,c1.FModel,t3.FNumber as FAuxPropNumber,t3.FName as FAuxPropName,",
    "    t2.FName as FUnit,tm1.FName as FCompany,isnull(tm2.FName,'') as FDept ,isnull(tm3.FName,'') as FEmp ,u1.FCurrencyID,tm4.FName as FCurrencyName,",
    "    u1.FBillNo , u1.FDate, u1.FExchangeRate, round(u2.FAuxQty,c1.FQtyDecimal) as FQty,",
    "    case when u1.FTranType=80 then round(u2.FAuxTaxPrice,c1.FPriceDecimal) else round(u2.FAuxPrice,c1.FPriceDecimal) end as FPrice,",
    "    round(u2.FDiscountRate,2) as FDiscountRate, round(u2.FPriceDiscount,c1.FPriceDecimal) as FPriceDiscount , ",
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

const QString kWhere = QStringLiteral("Where 1=1 AND u1.FCancellation=0 ");
const QString kOrder = QStringLiteral(" order by u1.FDate desc,u2.FInterID desc,u2.FIndex desc \r\n");
const QString kFilterOrder = QStringLiteral(" Order By u1.FDate desc\r\n");

// What follows the select part: the where part and the ordering.
QString afterSelect(const QString& sql)
{
    const qsizetype where = sql.indexOf(QStringLiteral("\r\nWhere "));
    return where < 0 ? sql : sql.mid(where + 2);
}

class HistoryStatement : public ::testing::Test {
protected:
    HistoryStatement() { host.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", 2); }

    QString sql(int32_t queryType, const QString& key, int32_t partner, int32_t mode = tq::HistoryNormalMode,
                const QString& condition = QString())
    {
        return tq::GetHistorySQL(queryType, options, key, partner, mode, condition);
    }

    fakehost::FakeHost host;
    tq::QueryOptions options{0, 20};
};

TEST_F(HistoryStatement, WholeTextOfTheSalesFlavourAndThePurchaseTables)
{
    EXPECT_EQ(sql(1, "123", 0), kSalesSelect + kWhere + " AND t1.FItemID=123" + kOrder);
    // Every query type but 1 is the purchase flavour: its tables, VAT type 75 and suppliers.
    for (int32_t purchase : {2, 0}) {
        const QString text = sql(purchase, "123", 0);
        for (const char* part : {"case when u1.FTranType=75 then round(u2.FAuxTaxPrice,", "from ICPurchase u1 inner join ICPurchaseEntry u2",
                                 "(tm1.FItemClassID = 8 and u1.FSupplyID = tm1.FItemID)", "u2.FAmount + u2.FTaxAmount"})
            EXPECT_TRUE(text.contains(QLatin1String(part))) << purchase << part;
        EXPECT_TRUE(text.endsWith(kWhere + " AND t1.FItemID=123" + kOrder));
    }
}

TEST_F(HistoryStatement, TopCountAndDiscountDecimals)
{
    for (int32_t count : {0, 2147483647}) {
        options.TradeTimes = count;
        EXPECT_TRUE(sql(1, "5", 0).startsWith("select top " + QString::number(count) + " t1.FNumber,"));
    }
    const std::pair<QVariant, const char*> decimals[] = {
        {QVariant(), "0"}, {QVariant(QMetaType::fromType<int>()), "0"}, {QStringLiteral("5"), "5"}, {2.5, "2"}};
    for (const auto& [stored, expected] : decimals) {
        host.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", stored);
        EXPECT_TRUE(sql(1, "1", 0).contains(QStringLiteral("round(u2.FDiscountRate,%1) as").arg(expected))) << expected;
    }
}

TEST_F(HistoryStatement, ConditionsAfterWhere)
{
    struct Case {
        const char* name;
        int32_t queryType;
        const char* key;
        int32_t partner;
        int32_t allowSelf;
        int32_t mode;
        int16_t restrictedKind;  // partner kind with a data right of 17 in force; 0 none
        QString conditions;      // between kWhere and the ordering
        bool filterOrder;
    };
    const QString right = QStringLiteral(" And CharIndex('17',tm1.FRightUserID)>0 ");
    const QString partner7 = QStringLiteral(" And tm1.FItemID = 7\r\n");
    const Case cases[] = {
        {"material", 1, "12", 0, 0, tq::HistoryNormalMode, 0, " AND t1.FItemID=12", false},
        {"material of a partner", 1, "12", 7, 0, tq::HistoryNormalMode, 0, " AND t1.FItemID=12" + partner7, false},
        {"partner view", 1, "0", 7, 0, tq::HistoryNormalMode, 0, partner7, false},
        {"class, partner ignored", 1, "gi25", 7, 0, tq::HistoryNormalMode, 0,
         " AND t1.FNumber like (select FNumber+ '%' from t_Item where FItemID=25)\r\n", false},
        {"root", 1, "gc0", 7, 0, tq::HistoryNormalMode, 0, "", false},
        {"nothing selected", 1, "0", 0, 0, tq::HistoryNormalMode, 0, "", false},
        {"own bills after the node", 1, "12", 0, 1, tq::HistoryNormalMode, 0, " AND t1.FItemID=12 AND u1.FBillerID=5", false},
        {"filter joins its condition", 1, "12", 0, 0, tq::HistoryFilterMode, 0, " AND t1.FItemID=12AND u2.FQty > 5\r\n", true},
        {"filter in the partner view", 1, "0", 7, 0, tq::HistoryFilterMode, 0, partner7 + "AND u2.FQty > 5\r\n", true},
        {"other modes ignore the condition", 1, "12", 0, 0, 3, 0, " AND t1.FItemID=12", false},
        {"data right last, after filter", 1, "12", 0, 1, tq::HistoryFilterMode, 1,
         " AND t1.FItemID=12 AND u1.FBillerID=5AND u2.FQty > 5\r\n" + right, true},
        {"data right last, partner view", 1, "0", 7, 1, tq::HistoryNormalMode, 1, partner7 + " AND u1.FBillerID=5" + right, false},
        {"supplier right does not touch sales", 1, "12", 0, 0, tq::HistoryNormalMode, 2, " AND t1.FItemID=12", false},
        {"supplier right on purchases", 2, "12", 0, 0, tq::HistoryNormalMode, 2, " AND t1.FItemID=12" + right, false},
    };
    for (const Case& c : cases) {
        options.AllowSelf = c.allowSelf;
        host.itemInfo().clear();
        if (c.restrictedKind)
            host.itemInfo().restrict(c.restrictedKind, 17);
        EXPECT_EQ(afterSelect(sql(c.queryType, c.key, c.partner, c.mode, "u2.FQty > 5")),
                  kWhere + c.conditions + (c.filterOrder ? kFilterOrder : kOrder))
            << c.name;
    }
}

TEST(HistoryStatementErrors, HostAnswersThatFailTheStatement)
{
    using fakehost::FakeHost;
    const com::ComError cannotCreate(com::VB_CANT_CREATE_OBJECT, "test", "cannot create");
    const std::tuple<const char*, std::function<void(FakeHost&, tq::QueryOptions&)>, int32_t> cases[] = {
        {"discount decimals not a number",
         [](FakeHost& h, auto&) { h.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", "x"); }, com::VB_TYPE_MISMATCH},
        {"discount decimals beyond 32 bits",
         [](FakeHost& h, auto&) { h.systemProfile().setProfile("IC", "PrecisionOfDiscountRate", QStringLiteral("3000000000")); }, com::VB_OVERFLOW},
        {"own bills without a user id",
         [](FakeHost& h, auto& o) { o.AllowSelf = 1; h.setPropsString("ConnectString={x};"); }, com::VB_INVALID_PROC_CALL},
        {"own bills, user id beyond 16 bits",
         [](FakeHost& h, auto& o) { o.AllowSelf = 1; h.setPropsString("UserID=40000;"); }, com::VB_OVERFLOW},
        {"login properties that do not parse",
         [](FakeHost& h, auto&) { h.setPropsString("UserID=3;UserID=4;"); }, com::VB_KEY_ALREADY_EXISTS},
        {"no system profile", [&](FakeHost& h, auto&) { h.failCreation(hostapi::progid::SystemProfile, cannotCreate); },
         com::VB_CANT_CREATE_OBJECT},
    };
    for (const auto& [name, arrange, number] : cases) {
        FakeHost host;
        tq::QueryOptions options{0, 20};
        arrange(host, options);
        const auto error = fakehost::comErrorOf([&] { tq::GetHistorySQL(1, options, "12", 0, tq::HistoryNormalMode, {}); });
        EXPECT_EQ(error ? error->number() : 0, number) << name;
    }
    fakehost::FakeHost host;
    tq::QueryOptions options{0, 20};
    EXPECT_EQ(fakehost::comErrorOf([&] { tq::GetHistorySQL(1, options, "2147483648", 0, 0, {}); })->number(), com::VB_OVERFLOW);
    EXPECT_EQ(fakehost::comErrorOf([&] { tq::BuildHistoryFilter(options, "12", "9999999999"); })->number(), com::VB_OVERFLOW);
}

} // namespace

#include "tradequery/history/HistorySelectPart.h"

#include <QStringList>

namespace tq {

namespace {

// What differs between the flavours; the blanks are part of the statement text.
struct Flavour {
    const char* qtyLineEnd;        // after "as FQty,"
    const char* priceLineIndent;   // before "case when" on the price line
    const char* tranType;          // the transaction type priced with tax
    const char* discountOpen;      // "round(u2.FDiscountRate" + this + P
    const char* priceDiscountEnd;  // after "as FPriceDiscount"
    const char* invoice;           // header table
    const char* invoiceEntry;      // line table
    const char* partnerJoin;       // partner class and the bill's partner field
};

constexpr Flavour kSales{"", "    ", "80", ",", " , ", "ICSale", "ICSaleEntry",
                         "tm1.FItemClassID = 1 and u1.FCustID = tm1.FItemID"};
constexpr Flavour kPurchase{" ", "     ", "75", " ,", ", ", "ICPurchase", "ICPurchaseEntry",
                            "tm1.FItemClassID = 8 and u1.FSupplyID = tm1.FItemID"};

} // namespace

QString HistorySelectPart(int32_t queryType, int32_t topCount, int discountDecimals)
{
    const Flavour& f = queryType == 1 ? kSales : kPurchase;
    const QString tranType = QString::fromLatin1(f.tranType);

    const QStringList lines{
        QStringLiteral("select top ") + QString::number(topCount)
            + QStringLiteral(" t1.FNumber,t1.FName,c1.FModel,t3.FNumber as FAuxPropNumber,t3.FName as FAuxPropName,"),
        QStringLiteral("    t2.FName as FUnit,tm1.FName as FCompany,isnull(tm2.FName,'') as FDept ,"
                       "isnull(tm3.FName,'') as FEmp ,u1.FCurrencyID,tm4.FName as FCurrencyName,"),
        QStringLiteral("    u1.FBillNo , u1.FDate, u1.FExchangeRate, round(u2.FAuxQty,c1.FQtyDecimal) as FQty,")
            + QString::fromLatin1(f.qtyLineEnd),
        QString::fromLatin1(f.priceLineIndent) + QStringLiteral("case when u1.FTranType=") + tranType
            + QStringLiteral(" then round(u2.FAuxTaxPrice,c1.FPriceDecimal) "
                             "else round(u2.FAuxPrice,c1.FPriceDecimal) end as FPrice,"),
        QStringLiteral("    round(u2.FDiscountRate") + QString::fromLatin1(f.discountOpen)
            + QString::number(discountDecimals)
            + QStringLiteral(") as FDiscountRate, round(u2.FPriceDiscount,c1.FPriceDecimal) as FPriceDiscount")
            + QString::fromLatin1(f.priceDiscountEnd),
        QStringLiteral("    case when u1.FTranType=") + tranType
            + QStringLiteral(" then u2.FAmount + u2.FTaxAmount else u2.FAmount end as  FAmtTotalFor,"),
        QStringLiteral("    c1.FPriceDecimal as FPriceDecimal,c1.FQtyDecimal as FQtyDecimal"),
        QStringLiteral("    from ") + QString::fromLatin1(f.invoice) + QStringLiteral(" u1 inner join ")
            + QString::fromLatin1(f.invoiceEntry) + QStringLiteral(" u2 on u1.FInterID = u2.FInterID"),
        QStringLiteral("    inner join t_ICItem c1 on (u2.FItemID = c1.FItemID )"),
        QStringLiteral("    inner join t_Item t1 on (t1.FItemClassID = 4 and u2.FItemID=t1.FItemID)"),
        QStringLiteral("    inner join t_MeasureUnit t2 on u2.FUnitID=t2.FItemID"),
        QStringLiteral("    inner join t_AuxItem t3 on u2.FAuxPropID=t3.FItemID"),
        QStringLiteral("    inner join t_Item tm1 on (") + QString::fromLatin1(f.partnerJoin) + QStringLiteral(")"),
        QStringLiteral("    left join t_Item tm2 on (tm2.FItemClassID = 2 and u1.FDeptID = tm2.FItemID)"),
        QStringLiteral("    left join t_Item tm3 on (tm3.FItemClassID = 3 and u1.FEmpID = tm3.FItemID)"),
        QStringLiteral("    inner join t_Currency tm4 on (tm4.FCurrencyID = u1.FCurrencyID)"),
    };

    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace tq

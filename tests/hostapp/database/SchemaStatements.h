#pragma once
// The statements the price-history component sends to the host database, written by hand
// in SQLite's dialect as the host's adapter passes them on: LIMIT for TOP, ifnull for
// isnull, instr(lower(b), lower(a)) for CharIndex(a, b), || for + between strings.
#include <string>
#include <vector>

namespace schematest {

// The history statement of one flavour with `where` appended to its where part, newest first.
inline std::string historySql(bool sales, const std::string& where, int limit = 50)
{
    const std::string type = sales ? "80" : "75";
    return "select t1.FNumber,t1.FName,c1.FModel,t3.FNumber as FAuxPropNumber,t3.FName as FAuxPropName,\r\n"
           "    t2.FName as FUnit,tm1.FName as FCompany,ifnull(tm2.FName,'') as FDept ,ifnull(tm3.FName,'') as FEmp ,"
           "u1.FCurrencyID,tm4.FName as FCurrencyName,\r\n"
           "    u1.FBillNo , u1.FDate, u1.FExchangeRate, round(u2.FAuxQty,c1.FQtyDecimal) as FQty,\r\n"
           "    case when u1.FTranType=" + type + " then round(u2.FAuxTaxPrice,c1.FPriceDecimal) else "
           "round(u2.FAuxPrice,c1.FPriceDecimal) end as FPrice,\r\n"
           "    round(u2.FDiscountRate,2) as FDiscountRate, round(u2.FPriceDiscount,c1.FPriceDecimal) as FPriceDiscount , \r\n"
           "    case when u1.FTranType=" + type + " then u2.FAmount + u2.FTaxAmount else u2.FAmount end as  FAmtTotalFor,\r\n"
           "    c1.FPriceDecimal as FPriceDecimal,c1.FQtyDecimal as FQtyDecimal\r\n" +
           (sales ? "    from ICSale u1 inner join ICSaleEntry u2 on u1.FInterID = u2.FInterID\r\n"
                  : "    from ICPurchase u1 inner join ICPurchaseEntry u2 on u1.FInterID = u2.FInterID\r\n") +
           "    inner join t_ICItem c1 on (u2.FItemID = c1.FItemID )\r\n"
           "    inner join t_Item t1 on (t1.FItemClassID = 4 and u2.FItemID=t1.FItemID)\r\n"
           "    inner join t_MeasureUnit t2 on u2.FUnitID=t2.FItemID\r\n"
           "    inner join t_AuxItem t3 on u2.FAuxPropID=t3.FItemID\r\n" +
           (sales ? "    inner join t_Item tm1 on (tm1.FItemClassID = 1 and u1.FCustID = tm1.FItemID)\r\n"
                  : "    inner join t_Item tm1 on (tm1.FItemClassID = 8 and u1.FSupplyID = tm1.FItemID)\r\n") +
           "    left join t_Item tm2 on (tm2.FItemClassID = 2 and u1.FDeptID = tm2.FItemID)\r\n"
           "    left join t_Item tm3 on (tm3.FItemClassID = 3 and u1.FEmpID = tm3.FItemID)\r\n"
           "    inner join t_Currency tm4 on (tm4.FCurrencyID = u1.FCurrencyID)\r\n"
           "Where 1=1 AND u1.FCancellation=0 " + where +
           " order by u1.FDate desc,u2.FInterID desc,u2.FIndex desc \r\n limit " + std::to_string(limit);
}

inline std::string rightsClause(const char* alias, int rightId)
{
    return std::string(" And instr(lower(") + alias + ".FRightUserID), lower('" + std::to_string(rightId) + "'))>0 ";
}

inline std::string itemTreeSql()
{
    return "SELECT t1.FItemID,t1.FName,t1.FNumber,t1.FParentID ,t1.FDetail ,\r\n"
           "  c1.FModel FROM t_Item t1 left join t_ICItem c1 on ( t1.FItemID = c1.FItemID)\r\n"
           " WHERE t1.FDeleted=0 And t1.FItemClassID=4 AND (t1.FDetail=0 or t1.FParentID = 0) Order By t1.FLevel,t1.FShortNumber";
}

inline std::string partnerTreeSql(int itemClass, const std::string& rights)
{
    return "SELECT t1.FItemID,t1.FName,t1.FNumber,t1.FParentID ,t1.FDetail \r\n  FROM t_Item t1\r\n"
           " WHERE t1.FDeleted=0 And t1.FItemClassID= " + std::to_string(itemClass) +
           " AND (t1.FDetail=0 or t1.FParentID = 0) \r\n" + rights + " Order By t1.FLevel,t1.FShortNumber";
}

inline std::string itemChildrenSql(int parentId, bool withRights = false)
{
    return "SELECT t1.*,c.FModel FROM t_Item t1 inner join t_ICItem as c on (t1.FItemClassID =4 And t1.FItemID = c.FItemID) \r\n"
           "Where t1.FParentID=" + std::to_string(parentId) + "\r\n" +
           (withRights ? " AND Exists(select 1 from t_ICItem ts1 \r\n where ts1.FNumber like t1.FNumber || '%' AND 1=1)" : "") +
           " Order By t1.FNumber ";
}

inline std::string partnerChildrenSql(bool sales, int parentId, bool withRights = false)
{
    return std::string("SELECT t1.* FROM t_Item t1 \r\nWhere t1.FItemClassID = ") + (sales ? "1" : "8") +
           " And t1.FParentID=" + std::to_string(parentId) + "\r\n" +
           (withRights ? std::string(" AND Exists(select 1 from ") + (sales ? "t_Organization" : "t_Supplier") +
                             " ts1 \r\n where ts1.FNumber like t1.FNumber || '%' AND 1=1)"
                       : std::string()) +
           " Order by t1.FNumber ";
}

struct NamedStatement {
    std::string name;
    std::string sql;
};

// Every kind of statement the component and the host's services run, with sample values.
inline std::vector<NamedStatement> systemStatements()
{
    const std::string everyFilterField =
        "\r\nAND t1.FNumber Like '%01%' AND t1.FName Like '%螺栓%' AND c1.FModel = 'M8' AND t3.FNumber <> '' AND "
        "t3.FName = '红色' AND tm1.FName Like '%公司%' AND tm2.FName = '销售一部' AND tm3.FName = '王伟' AND "
        "u1.FDate = '2025-01-05' AND u1.FBillID Like '%12%' AND u2.FQty > 10 AND u2.FTaxPrice < 5 AND "
        "u2.FDiscountRate < 5 AND tm4.FName = '人民币' AND u1.FExchangeRate > 0 AND t2.FName = '个' AND "
        "u2.FPriceDiscount > 0 AND u2.FAmtTotalFor > 1\r\n";
    return {
        {"sales history of a material", historySql(true, " AND t1.FItemID=12")},
        {"purchase history of a material", historySql(false, " AND t1.FItemID=12")},
        {"sales history of a customer, own bills, data right",
         historySql(true, " And tm1.FItemID = 7\r\n AND u1.FBillerID=3" + rightsClause("tm1", 21))},
        {"purchase history of a supplier, own bills, data right",
         historySql(false, " And tm1.FItemID = 7\r\n AND u1.FBillerID=3" + rightsClause("tm1", 31))},
        {"sales history of a class",
         historySql(true, " AND t1.FNumber like (select FNumber|| '%' from t_Item where FItemID=2)\r\n")},
        {"filtered history on every field", historySql(true, " AND t1.FItemID=12" + everyFilterField)},
        {"item tree", itemTreeSql()},
        {"customer tree with data right", partnerTreeSql(1, rightsClause("t1", 21))},
        {"supplier tree", partnerTreeSql(8, "")},
        {"material children", itemChildrenSql(2)},
        {"material children with data right", itemChildrenSql(2, true)},
        {"customer children with data right", partnerChildrenSql(true, 2, true)},
        {"supplier children", partnerChildrenSql(false, 2)},
        {"parent lookup", "Select FParentID from t_item Where FItemID = 5"},
        {"material search list",
         "select FItemID,FName,FFullName,ifnull(FHelpCode,'') as FHelpCode,FNumber,ifnull(FModel,'') as FModel,"
         "FParentID from t_ICItem where FDeleted=0 order by FNumber"},
        {"customer search list",
         "select FItemID,FName,FFullName,ifnull(FHelpCode,'') as FHelpCode,FNumber,FParentID from t_Organization "
         "where FDeleted=0 order by FNumber"},
        {"supplier search list",
         "select FItemID,FName,FFullName,ifnull(FHelpCode,'')as FHelpCode,FNumber,FParentID from t_Supplier "
         "where FDeleted=0 order by FNumber"},
        {"query options",
         "SELECT FKey,FCategory,FValue FROM t_SystemProfile WHERE FCategory='IC' And (FKey ='ClientAllowSelf' or "
         "FKey ='ClientAllowDept' or  FKey ='ClientAllowEmp' or FKey ='ClientAllowStock' or FKey ='ClientTradeTimes' ) "},
        {"option default",
         "INSERT INTO t_SystemProfile(FCategory,FKey,FValue) VALUES('IC','ProviderAllowSelf','0') "},
        {"option save", "UPDATE t_SystemProfile SET FValue='1' WHERE FCategory='IC' AND FKey='ClientAllowSelf' "},
        {"currency scale", "SELECT FScale FROM t_Currency t1 WHERE t1.FDeleted=0  and t1.FCurrencyID= 1"},
        {"report font size",
         "Select FValue From t_UserSetting Where FUserID=2 And FCategory='ZEL_APFC' And FKey ='RptFontSize'"},
        {"function right",
         "SELECT FRights FROM t_UserFuncRight WHERE FUserID=2 AND FFuncID=1099 AND FObjectID=26"},
        {"data right", "SELECT FRightID FROM t_UserDataRight WHERE FUserID=5 AND FKind=1"},
        {"user", "SELECT FUserID, FName, FDescription FROM t_User WHERE FUserID=1"},
        {"user profile",
         "SELECT FKey, FValue FROM t_UserProfile WHERE FUserID=1 AND FApplication='ZELTradeQuery' AND "
         "FSection='BrowseBase'"},
    };
}

} // namespace schematest

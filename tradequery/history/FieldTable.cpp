#include "tradequery/history/FieldTable.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "tradequery/host/Messages.h"

#include <array>

namespace tq {

namespace {

std::array<FieldDef, FieldCount>& rows()
{
    static std::array<FieldDef, FieldCount> table;
    return table;
}

struct Column {
    const char* key;
    const char* title;  // UTF-8
    int32_t dataType;
    const char* sqlField;
};

// In ledger column order; the title of the partner column depends on the flavour.
constexpr Column kColumns[FieldCount] = {
    {"FNumber", "物料代码", FieldTypeText, "t1.FNumber"},
    {"FName", "物料名称", FieldTypeText, "t1.FName"},
    {"FModel", "规格型号", FieldTypeText, "c1.FModel"},
    {"FAuxPropNumber", "辅助属性代码", FieldTypeText, "t3.FNumber"},
    {"FAuxPropName", "辅助属性", FieldTypeText, "t3.FName"},
    {"FCompany", nullptr, FieldTypeText, "tm1.FName"},
    {"FDept", "部门", FieldTypeText, "tm2.FName"},
    {"FEmp", "业务员", FieldTypeText, "tm3.FName"},
    {"FDate", "单据日期", FieldTypeDate, "u1.FDate"},
    {"FBillNo", "单据编号", FieldTypeText, "u1.FBillID"},
    {"FQty", "数量", FieldTypeNumber, "u2.FQty"},
    {"FPrice", "含税单价", FieldTypeNumber, "u2.FTaxPrice"},
    {"FDiscountRate", "折扣率", FieldTypeNumber, "u2.FDiscountRate"},
    {"FCurrencyName", "币别", FieldTypeText, "tm4.FName"},
    {"FExchangeRate", "汇率", FieldTypeNumber, "u1.FExchangeRate"},
    {"FUnit", "单位", FieldTypeText, "t2.FName"},
    {"FPriceDiscount", "实际价格", FieldTypeNumber, "u2.FPriceDiscount"},
    {"FAmtTotalFor", "价税合计", FieldTypeNumber, "u2.FAmtTotalFor"},
};

} // namespace

FieldDef& FieldTable(int row)
{
    if (row < 1 || row > FieldCount)
        throw com::ComError(com::VB_SUBSCRIPT_OUT_OF_RANGE, QStringLiteral("ZELTradeQuery"),
                            QStringLiteral("下标越界"));
    return rows()[static_cast<size_t>(row - 1)];
}

std::array<FieldDef, FieldCount> HistoryColumns(int32_t queryType)
{
    const char* partnerTitle = queryType == 1 ? "客户" : "供应商";
    std::array<FieldDef, FieldCount> columns;
    for (int k = 1; k <= FieldCount; ++k) {
        const Column& column = kColumns[k - 1];
        FieldDef& def = columns[static_cast<size_t>(k - 1)];
        def.Key = QString::fromLatin1(column.key);
        def.Title = LangText(QString::fromUtf8(column.title ? column.title : partnerTitle));
        def.DataType = column.dataType;
        def.ColumnNo = k;
        def.SortChoice = -1;
        def.SqlField = QString::fromLatin1(column.sqlField);
    }
    return columns;
}

void InitFieldTable(int32_t queryType)
{
    rows() = HistoryColumns(queryType);
}

} // namespace tq

#include "tradequery/find/ConditionCells.h"

namespace tq {

namespace {

using controls::SpreadCellType;

// Prices and quantities carry up to 8 decimals in the ledger's data.
constexpr int kFineDecimals = 8;

bool isFineNumber(const QString& key)
{
    return key == QLatin1String("FQty") || key == QLatin1String("FPrice") || key == QLatin1String("FPriceDiscount")
           || key == QLatin1String("FExchangeRate");
}

} // namespace

std::optional<ConditionCell> ConditionCellFor(const FieldDef& entry, ConditionUse use, int32_t amountDecimals,
                                              int32_t discountDecimals)
{
    // The currency and unit columns are searched by name, whatever their data type.
    if (entry.Title == QLatin1String("币别") || entry.Title == QLatin1String("单位"))
        return ConditionCell{SpreadCellType::Text};
    switch (entry.DataType) {
    case FieldTypeText:
        return ConditionCell{SpreadCellType::Text};
    case FieldTypeDate:
        return ConditionCell{SpreadCellType::Date};
    case FieldTypeInteger:
        return ConditionCell{SpreadCellType::Integer};
    case FieldTypeNumber:
        if (use == ConditionUse::Find) {
            if (isFineNumber(entry.Key))
                return ConditionCell{SpreadCellType::Decimal, kFineDecimals};
            if (entry.Key == QLatin1String("FAmtTotalFor"))
                return ConditionCell{SpreadCellType::Decimal, std::max(amountDecimals, 0)};
            if (entry.Key == QLatin1String("FDiscountRate"))
                return ConditionCell{SpreadCellType::Decimal, std::max(discountDecimals, 0)};
        }
        return ConditionCell{SpreadCellType::NumericText};
    default:
        return std::nullopt;
    }
}

} // namespace tq

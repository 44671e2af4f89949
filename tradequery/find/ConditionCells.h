#pragma once
// Which input cell the condition dialog gives a history column: a plain text cell for texts
// (and for the currency and unit columns whatever their type), a date cell for dates, and for
// numbers a decimal cell with the places the column shows when finding, or a cell of numeric
// text when filtering (the value goes into SQL as it is typed).
#include "platform/controls/SpreadCell.h"
#include "tradequery/history/FieldTable.h"

#include <optional>

namespace tq {

enum class ConditionUse { Find, Filter };

// Integer columns; no history column has this type today.
constexpr int32_t FieldTypeInteger = 2;

struct ConditionCell {
    controls::SpreadCellType type = controls::SpreadCellType::Text;
    int decimals = 0;  // Decimal cells only
};

// The input cell of the entry, or none when its data type is none the dialog knows (the cell
// is then left as it is).
std::optional<ConditionCell> ConditionCellFor(const FieldDef& entry, ConditionUse use, int32_t amountDecimals,
                                              int32_t discountDecimals);

} // namespace tq

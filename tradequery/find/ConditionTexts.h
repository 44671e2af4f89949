#pragma once
// What one history column adds to the texts the condition dialog hands over: its key of a
// sort order ("FDate DESC,") and its term of a filter ("u2.FQty > 10"). The dialog
// joins them in table order.
#include "tradequery/history/FieldTable.h"

#include <QString>

namespace tq {

// Sort choices and filter conditions as indexes of their drop-down lists.
namespace choice {
constexpr int32_t None = 0;  // "(无)"
constexpr int32_t Ascending = 1;
constexpr int32_t Descending = 2;
constexpr int32_t Equal = 1;
constexpr int32_t NotEqual = 2;
constexpr int32_t Less = 3;
constexpr int32_t Greater = 4;
constexpr int32_t Contains = 5;
} // namespace choice

// Key + " ASC," or Key + " DESC," by SortChoice; empty for any other choice.
QString SortKeyOf(const FieldDef& entry);

// The filter term of the entry's FilterCondition and FilterValue on its SqlField, or empty when
// the value is empty or the condition chooses nothing. Text and date values stand between
// apostrophes, numbers bare; "包含" is always a quoted Like '%value%'. Quotes inside the value
// are dropped, so a value can never end its literal early.
QString FilterTermOf(const FieldDef& entry);

} // namespace tq

#pragma once
// The price history for a script: the lines a browse window would list for a material, a
// partner or the pair, for the logged-in user, with the window's statement, query options and
// data rights. Automation clients reach it as TradeQuery's History method.
#include <QVariantMap>
#include <cstdint>

namespace tq {

// An item id or partner id of 0 leaves that side open. The answer:
//   "titles"       the 18 ledger column titles (QStringList);
//   "numeric"      for each column whether it holds numbers (QVariantList of bool);
//   "baseCurrency" {"number", "name"} of the base currency;
//   "lines"        one map per line, newest first: "values" maps every field of the history
//                  statement to its typed value (text, number, date), plus "FCurrencyNumber"
//                  (the currency's code) and "FBasePrice" (the actual price in the base
//                  currency); with withTexts, "texts" holds the 18 cells as the ledger shows them.
// Errors of the host and the database reach the caller.
QVariantMap ListHistory(int32_t queryType, int32_t itemId, int32_t partnerId, bool withTexts);

} // namespace tq

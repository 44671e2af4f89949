#pragma once
// The select part of the history statement: the 18 history columns (plus the currency id and
// the material's decimals) from the invoice tables of one flavour, each line ending in CR LF.
#include <QString>
#include <cstdint>

namespace tq {

// queryType 1 reads the sales invoices (ICSale, type 80 priced with tax, customers); any other
// value the purchase invoices (ICPurchase, type 75, suppliers). topCount is the N of
// "select top N", discountDecimals the decimals the discount rate is rounded to.
QString HistorySelectPart(int32_t queryType, int32_t topCount, int discountDecimals);

} // namespace tq

#pragma once
// The invoice lines a price-trend chart draws, read from the ledger's records: when, at what
// price (in the base currency and as billed), how many, on which bill, with whom, of what.
#include "platform/ado/Recordset.h"

#include <QList>
#include <QString>

namespace tq {

struct TrendLine {
    qint64 time = 0;       // FDate, in milliseconds since 1970 (local time), read once
    double basePrice = 0;  // the actual price in the base currency
    double price = 0;      // the actual price in the bill's currency (FPriceDiscount)
    double qty = 0;        // FQty
    int priceDecimals = 0; // FPriceDecimal, the decimals the material's prices show
    QString currency;      // FCurrencyName
    QString billNo;        // FBillNo
    QString partner;       // FCompany, the customer or supplier
    QString material;      // FNumber and FName, as "code name"
};

// The first `count` records of `records` in the order they stand (its sort and filter),
// read through a clone so that the ledger's own cursor stays where it is. Fewer when there
// are fewer records; none for a closed or missing recordset.
QList<TrendLine> ReadTrendLines(const ado::RecordsetPtr& records, long count);

} // namespace tq

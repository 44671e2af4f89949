#pragma once
// The host's currencies (t_Currency) by FCurrencyID: code, name and scale, and the base
// currency in which lines of different currencies are compared. The base currency is the one
// whose standard rate is 1 (the lowest id when several are). A line's price in the base
// currency is its actual price times the exchange rate of its bill.
#include "platform/ado/Recordset.h"

#include <QHash>
#include <QString>
#include <cstdint>

namespace tq {

struct CurrencyInfo {
    QString number;  // the code, e.g. "USD"
    QString name;
    int32_t scale = 2;
};

class CurrencyTable {
public:
    // Reads every currency that is not deleted through the host connection. When the host
    // fails or has none, the table is empty and the base currency is called "本位币".
    static CurrencyTable Read();

    // The currency of this id, or null when the table has none.
    const CurrencyInfo* find(int32_t currencyId) const;
    const CurrencyInfo& base() const { return m_base; }

private:
    QHash<int32_t, CurrencyInfo> m_rows;
    CurrencyInfo m_base;
};

// The actual price (FPriceDiscount) of the record `line` stands on, times its FExchangeRate.
// A missing value counts as 0.
double BaseCurrencyPrice(const ado::Recordset& line);

} // namespace tq

#pragma once
// How many decimals the amounts of a currency show: FScale of its t_Currency row, asked from
// the host's bill data access ("ZELBillDataAccess.GetData").
#include <QString>
#include <cstdint>

namespace tq {

// The statement that reads the scale of one currency.
QString CurrencyScaleSql(int32_t currencyId);

// The scale of the currency; 2 when the host gives no recordset, the currency has no row
// (or is deleted), the value cannot be read as an integer, or the host call fails. Each call
// asks the host afresh: a currency's scale may change while a window is open.
int32_t CurrencyScale(int32_t currencyId);

} // namespace tq

#pragma once
// How the history ledger shows one cell: the number pattern each column takes and the rule
// that picks it. Quantities show the material's quantity decimals, prices its price
// decimals, the discount rate the system's discount precision, amounts the currency's scale;
// the exchange rate shows as stored, other numbers with 2 decimals, dates as yyyy-mm-dd.
#include <QString>
#include <cstdint>
#include <functional>

namespace tq {

// Data types of the ledger's columns.
constexpr int16_t LEDGER_TYPE_TEXT = 0;
constexpr int16_t LEDGER_TYPE_NUMBER = 5;
constexpr int16_t LEDGER_TYPE_DATE = 7;

// The types that hold numbers: 5, and the other numeric types a column may carry (3, 4, 6, 131).
bool IsNumericLedgerType(int16_t dataType);

// "###0" for no decimals, else "###0." and one "0" per decimal. Negative decimals raise 5.
QString QuantityPattern(int32_t decimals);
// "##,#0" for no decimals, else "##,#0." and one "0" per decimal. Negative decimals raise 5.
QString PricePattern(int32_t decimals);
// The decimals a record states as text: empty text is 0, anything else must be an integer
// (a text that is not a number raises 13).
int32_t DecimalsOf(const QString& text);

// What a row offers for formatting its cells. The amount's scale is a function because it is
// a host lookup, made only when the amount is formatted.
struct LedgerRowFormat {
    QString qtyDecimal;         // FQtyDecimal of the record, as text
    QString priceDecimal;       // FPriceDecimal of the record, as text
    int32_t discountPrecision = 0;
    std::function<int32_t()> amountScale;
};

// The cell text of a column (by its key and type) for a value already turned into trimmed
// text. Empty text stays empty; a text that is not a number (or date) comes back as it is.
QString FormatLedgerCell(const QString& key, int16_t dataType, const QString& text,
                         const LedgerRowFormat& row);

} // namespace tq

#include "tradequery/history/LedgerCellFormat.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"

namespace tq {

namespace {

QString withDecimals(const QString& integerPart, int32_t decimals)
{
    if (decimals < 0)
        throw com::ComError(com::VB_INVALID_PROC_CALL, QStringLiteral("BaseDetail"),
                            QStringLiteral("无效的过程调用或参数：小数位数不能为负数（%1）").arg(decimals));
    if (decimals == 0)
        return integerPart;
    return integerPart + QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
}

} // namespace

bool IsNumericLedgerType(int16_t dataType)
{
    switch (dataType) {
    case 3:
    case 4:
    case LEDGER_TYPE_NUMBER:
    case 6:
    case 131:
        return true;
    default:
        return false;
    }
}

QString QuantityPattern(int32_t decimals)
{
    return withDecimals(QStringLiteral("###0"), decimals);
}

QString PricePattern(int32_t decimals)
{
    return withDecimals(QStringLiteral("##,#0"), decimals);
}

int32_t DecimalsOf(const QString& text)
{
    return text.isEmpty() ? 0 : vb::CLng(text);
}

QString FormatLedgerCell(const QString& key, int16_t dataType, const QString& text,
                         const LedgerRowFormat& row)
{
    if (key == QLatin1String("FQty"))
        return vb::Format(text, QuantityPattern(DecimalsOf(row.qtyDecimal)));
    if (key == QLatin1String("FPrice") || key == QLatin1String("FPriceDiscount"))
        return vb::Format(text, PricePattern(DecimalsOf(row.priceDecimal)));
    if (key == QLatin1String("FDiscountRate"))
        return vb::Format(text, PricePattern(row.discountPrecision));
    if (key == QLatin1String("FAmtTotalFor"))
        return vb::Format(text, PricePattern(row.amountScale ? row.amountScale() : 2));
    if (key == QLatin1String("FExchangeRate"))
        return text;  // shown as the bill states it, with all its decimals
    if (IsNumericLedgerType(dataType))
        return vb::Format(text, QStringLiteral("##,#0.00"));
    if (dataType == LEDGER_TYPE_DATE)
        return vb::Format(text, QStringLiteral("yyyy-mm-dd"));
    return text;
}

} // namespace tq

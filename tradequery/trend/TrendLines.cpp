#include "tradequery/trend/TrendLines.h"

#include "tradequery/history/CurrencyTable.h"

#include <QDateTime>

namespace tq {

QList<TrendLine> ReadTrendLines(const ado::RecordsetPtr& records, long count)
{
    QList<TrendLine> lines;
    if (!records || records->State() != ado::adStateOpen || count <= 0)
        return lines;
    const ado::RecordsetPtr rows = records->Clone();
    rows->SetSort(records->Sort());
    rows->SetFilter(records->Filter());
    if (rows->RecordCount() == 0)
        return lines;
    const auto field = [&rows](const char* name) { return rows->fieldIndex(QLatin1String(name)); };
    const int date = field("FDate"), price = field("FPriceDiscount"), qty = field("FQty"),
              currency = field("FCurrencyName"), bill = field("FBillNo"), partner = field("FCompany"),
              number = field("FNumber"), name = field("FName"), decimals = field("FPriceDecimal");
    lines.reserve(std::min<long>(count, rows->RecordCount()));
    for (rows->MoveFirst(); !rows->Eof() && lines.size() < count; rows->MoveNext()) {
        TrendLine line;
        line.time = rows->value(date).toDateTime().toMSecsSinceEpoch();
        line.basePrice = BaseCurrencyPrice(*rows);
        line.price = rows->value(price).toDouble();
        line.qty = rows->value(qty).toDouble();
        line.priceDecimals = decimals < 0 ? 0 : rows->value(decimals).toInt();
        line.currency = rows->value(currency).toString();
        line.billNo = rows->value(bill).toString();
        line.partner = rows->value(partner).toString();
        line.material = rows->value(number).toString() + QLatin1Char(' ') + rows->value(name).toString();
        lines.append(line);
    }
    return lines;
}

} // namespace tq

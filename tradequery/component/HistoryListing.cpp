#include "tradequery/component/HistoryListing.h"

#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/CurrencyTable.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/QueryOptionsStore.h"

#include <QStringList>

namespace tq {

QVariantMap ListHistory(int32_t queryType, int32_t itemId, int32_t partnerId, bool withTexts)
{
    QueryOptions options;
    ReadQueryOptions(queryType, options);
    const ado::RecordsetPtr rows = CnExecute(
        GetHistorySQL(queryType, options, QString::number(itemId), partnerId, HistoryNormalMode, QString()));
    const CurrencyTable currencies = CurrencyTable::Read();

    QStringList titles;
    QVariantList numeric;
    for (const FieldDef& column : HistoryColumns(queryType)) {
        titles << column.Title;
        numeric << (column.DataType == FieldTypeNumber);
    }
    BaseDetail ledger;
    ledger.HoldRecords(queryType, rows);

    QVariantList lines;
    if (rows && rows->State() == ado::adStateOpen && rows->RecordCount() > 0) {
        const int fieldCount = rows->Fields().Count();
        const int currencyField = rows->fieldIndex(QStringLiteral("FCurrencyID"));
        for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) {
            QVariantMap values;
            for (int i = 0; i < fieldCount; ++i)
                values.insert(rows->Fields().Item(i).Name(), rows->value(i));
            const CurrencyInfo* currency = currencies.find(rows->value(currencyField).toInt());
            values.insert(QStringLiteral("FCurrencyNumber"), currency ? currency->number : QString());
            values.insert(QStringLiteral("FBasePrice"), BaseCurrencyPrice(*rows));
            QVariantMap line{{QStringLiteral("values"), values}};
            if (withTexts) {
                QStringList texts = ledger.RecordText().split(QLatin1Char('|'));
                texts.removeLast();  // each cell ends with "|"
                line.insert(QStringLiteral("texts"), texts);
            }
            lines.append(line);
        }
    }
    const CurrencyInfo& base = currencies.base();
    return {{QStringLiteral("titles"), titles},
            {QStringLiteral("numeric"), numeric},
            {QStringLiteral("baseCurrency"), QVariantMap{{QStringLiteral("number"), base.number}, {QStringLiteral("name"), base.name}}},
            {QStringLiteral("lines"), lines}};
}

} // namespace tq

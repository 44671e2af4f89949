#include "tradequery/history/CurrencyTable.h"

#include "platform/com/ComError.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/Messages.h"

namespace tq {

CurrencyTable CurrencyTable::Read()
{
    CurrencyTable table;
    table.m_base.name = LangText(QStringLiteral("本位币"));
    try {
        const ado::RecordsetPtr rows = CnExecute(QStringLiteral(
            "select FCurrencyID, FNumber, FName, FScale, FExchangeRate from t_Currency "
            "where FDeleted=0 order by FCurrencyID"));
        bool baseFound = false;
        for (; rows && !rows->Eof(); rows->MoveNext()) {
            const CurrencyInfo info{rows->value(1).toString(), rows->value(2).toString(), rows->value(3).toInt()};
            table.m_rows.insert(rows->value(0).toInt(), info);
            if (!baseFound && rows->value(4).toDouble() == 1.0) {
                table.m_base = info;
                baseFound = true;
            }
        }
    } catch (const com::ComError&) {
        // Without the table the prices still compare; only the names are missing.
    }
    return table;
}

const CurrencyInfo* CurrencyTable::find(int32_t currencyId) const
{
    const auto found = m_rows.constFind(currencyId);
    return found == m_rows.constEnd() ? nullptr : &found.value();
}

double BaseCurrencyPrice(const ado::Recordset& line)
{
    return line.value(QStringLiteral("FPriceDiscount")).toDouble() * line.value(QStringLiteral("FExchangeRate")).toDouble();
}

} // namespace tq

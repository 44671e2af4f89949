#include "tradequery/history/CurrencyScale.h"

#include "platform/hostapi/BillDataAccess.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/vb/Conversion.h"
#include "tradequery/host/HostCalls.h"

namespace tq {

namespace {

constexpr int32_t DEFAULT_SCALE = 2;

} // namespace

QString CurrencyScaleSql(int32_t currencyId)
{
    return QStringLiteral("SELECT FScale FROM t_Currency t1 WHERE t1.FDeleted=0  and t1.FCurrencyID= ")
           + QString::number(currencyId);
}

int32_t CurrencyScale(int32_t currencyId)
{
    try {
        auto dataAccess = com::ObjectFactory::instance().createAs<hostapi::BillDataAccess>(
            QString::fromLatin1(hostapi::progid::BillDataAccess));
        const ado::RecordsetPtr rows = dataAccess->ExecuteSql(GetPropsString(), CurrencyScaleSql(currencyId));
        if (!rows)
            return DEFAULT_SCALE;
        // No row: reading the field raises 3021; a null or text value raises in CLng.
        return vb::CLng(rows->value(QStringLiteral("FScale")));
    } catch (const com::ComError&) {
        return DEFAULT_SCALE;
    }
}

} // namespace tq

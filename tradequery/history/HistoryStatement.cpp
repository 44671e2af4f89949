#include "tradequery/history/HistoryStatement.h"

#include "platform/hostapi/ItemInfo.h"
#include "platform/hostapi/ProgIds.h"
#include "tradequery/history/HistorySelectPart.h"
#include "tradequery/host/HostCalls.h"

namespace tq {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// " And CharIndex('N',tm1.FRightUserID)>0 " when the host restricts the partners this user may
// see to those whose FRightUserID holds N; empty otherwise.
QString dataRightCondition(int32_t queryType)
{
    auto itemInfo = com::ObjectFactory::instance().createAs<hostapi::ItemInfo>(
        QString::fromLatin1(hostapi::progid::ItemInfo));
    int32_t value = 0;
    int16_t partnerKind = queryType == 1 ? 1 : 2;  // customers : suppliers
    if (!itemInfo->GetDataRight(GetPropsString(), value, partnerKind))
        return QString();
    return QStringLiteral(" And CharIndex('") + QString::number(value) + QStringLiteral("',tm1.FRightUserID)>0 ");
}

} // namespace

QString GetHistorySQL(int32_t queryType, QueryOptions& options, const QString& nodeKey, int32_t partnerId,
                      int32_t mode, const QString& filterCondition)
{
    const QString select = HistorySelectPart(queryType, options.TradeTimes, DiscountPrecision());

    QString where = QStringLiteral("Where 1=1 AND u1.FCancellation=0 ")
                    + BuildHistoryFilter(options, nodeKey, QString::number(partnerId));
    QString order = QStringLiteral(" order by u1.FDate desc,u2.FInterID desc,u2.FIndex desc ") + kLineEnd;

    if (mode == HistoryFilterMode) {
        order = QStringLiteral(" Order By u1.FDate desc") + kLineEnd;
        // The condition follows the previous one without a blank ("...FItemID=12AND ...").
        if (!filterCondition.isEmpty())
            where += QStringLiteral("AND ") + filterCondition + kLineEnd;
    }

    // Last, so the data right is always the final condition.
    where += dataRightCondition(queryType);

    return select + where + order;
}

} // namespace tq

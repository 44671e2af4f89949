#include "tradequery/history/HistoryFilter.h"

#include "platform/vb/Conversion.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/LoginProps.h"

namespace tq {

QString BuildHistoryFilter(QueryOptions& options, const QString& key, const QString& partner)
{
    const int32_t itemNo = vb::CLng(vb::Val(key));
    const int32_t partnerNo = vb::CLng(vb::Val(partner));

    QString condition;
    if (!key.isEmpty() && !key.contains(QStringLiteral("gc"))) {
        if (key.contains(QStringLiteral("gi"))) {
            // Material numbers start with the number of their class item.
            condition = QStringLiteral(" AND t1.FNumber like (select FNumber") + QStringLiteral("+ '%'")
                        + QStringLiteral(" from t_Item where FItemID=") + key.mid(2) + QStringLiteral(")")
                        + QStringLiteral("\r\n");
        } else {
            if (itemNo > 0)
                condition = QStringLiteral(" AND t1.FItemID=") + key;
            if (partnerNo > 0)
                condition += QStringLiteral(" And tm1.FItemID = ") + partner + QStringLiteral("\r\n");
        }
    }

    LoadLoginProps(GetPropsString());
    if (options.AllowSelf != 0)
        condition += QStringLiteral(" AND u1.FBillerID=") + QString::number(LoginUserId16());
    return condition;
}

} // namespace tq

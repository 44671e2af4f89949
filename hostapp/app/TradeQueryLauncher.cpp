#include "hostapp/app/TradeQueryLauncher.h"

#include "hostapp/app/HostMessages.h"
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/ProgIds.h"

#include <QMetaObject>
#include <QObject>

namespace zelhost {

namespace {

com::ComError notAutomatable(const QString& what)
{
    return com::ComError(com::VB_OBJECT_REQUIRED, QString::fromLatin1(hostapi::progid::TradeQuery),
                         QStringLiteral("价格查询组件不支持 %1。").arg(what));
}

void setByName(QObject& query, const char* name, int32_t value)
{
    if (!query.setProperty(name, value))
        throw notAutomatable(QStringLiteral("属性 %1").arg(QLatin1String(name)));
}

// The component's object with the request's properties set.
com::ComObjectPtr preparedQuery(const QueryRequest& request)
{
    // The object's code lives in the component library; the host reaches it by name only.
    com::ComObjectPtr object = com::ObjectFactory::instance().create(QString::fromLatin1(hostapi::progid::TradeQuery));
    auto* query = dynamic_cast<QObject*>(object.get());
    if (!query)
        throw notAutomatable(QStringLiteral("按名称调用"));
    setByName(*query, "QueryType", queryTypeOf(request.kind));
    setByName(*query, "ItemID", request.itemId);
    setByName(*query, "CompanyID", request.companyId);
    return object;
}

void showQuery(const QueryRequest& request)
{
    const com::ComObjectPtr object = preparedQuery(request);
    if (!QMetaObject::invokeMethod(dynamic_cast<QObject*>(object.get()), "Show", Qt::DirectConnection))
        throw notAutomatable(QStringLiteral("方法 Show"));
}

} // namespace

bool openTradeQuery(const QueryRequest& request)
{
    try {
        showQuery(request);
        return true;
    } catch (const com::ComError& e) {
        reportProblem(e.description());
    } catch (const std::exception& e) {
        reportProblem(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

QVariantMap tradeQueryHistory(const QueryRequest& request, bool withTexts)
{
    const com::ComObjectPtr object = preparedQuery(request);
    QVariantMap history;
    if (!QMetaObject::invokeMethod(dynamic_cast<QObject*>(object.get()), "History", Qt::DirectConnection,
                                   Q_RETURN_ARG(QVariantMap, history), Q_ARG(bool, withTexts)))
        throw notAutomatable(QStringLiteral("方法 History"));
    return history;
}

} // namespace zelhost

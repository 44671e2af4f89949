#include "tradequery/host/HostCalls.h"

#include "platform/com/ErrorCodes.h"
#include "platform/hostapi/AppCnnExt.h"
#include "platform/hostapi/Connection.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/ShareProps.h"
#include "platform/hostapi/SystemProfile.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"
#include "platform/win/Foreground.h"
#include "tradequery/host/KeyValueText.h"
#include "tradequery/host/Messages.h"

namespace tq {

namespace {

QVariant sharedProperty(const QString& name)
{
    auto props = com::ObjectFactory::instance().createAs<hostapi::ShareProps>(
        QString::fromLatin1(hostapi::progid::ShareProps));
    int32_t processId = win::GetCurrentProcessId();
    return props->GetProperty(processId, name);
}

} // namespace

ado::RecordsetPtr CnExecute(const QString& sql)
{
    try {
        if (vb::Trim(sql).isEmpty())
            throw com::ComError(com::ZEL_INVALID_ARGUMENT, QStringLiteral("pub.CnExecute"),
                                QStringLiteral("无效的参数sSql"));
        auto connection = com::ObjectFactory::instance().createAs<hostapi::AppCnnExt>(
            QString::fromLatin1(hostapi::progid::AppCnnExt));
        return connection->Execute(GetPropsString(), sql);
    } catch (const com::ComError& error) {
        throw com::ComError(error.number(), error.source(), LangText(error.description()));
    }
}

QString GetPropsString()
{
    return sharedProperty(QStringLiteral("PropsString")).toString();
}

int32_t GetUserID()
{
    try {
        return vb::CLng(sharedProperty(QStringLiteral("UserID")));
    } catch (...) {
        return 0;
    }
}

double GetUserSettingValue(int32_t userId, const QString& key, double defaultValue)
{
    try {
        const QString sql = QStringLiteral("Select FValue From t_UserSetting Where FUserID=")
                            + QString::number(userId)
                            + QStringLiteral(" And FCategory='ZEL_APFC' And FKey =")
                            + SqlQuote(key, true, true);
        auto connection = com::ObjectFactory::instance().createAs<hostapi::Connection>(
            QString::fromLatin1(hostapi::progid::Connection));
        const ado::RecordsetPtr rows = connection->Execute(sql);
        if (rows && rows->RecordCount() > 0)
            return vb::Val(vb::toText(rows->value(QStringLiteral("FValue"))));
        return defaultValue;
    } catch (...) {
        return defaultValue;
    }
}

int32_t DiscountPrecision()
{
    auto profile = com::ObjectFactory::instance().createAs<hostapi::SystemProfile>(
        QString::fromLatin1(hostapi::progid::SystemProfile));
    const QVariant precision =
        profile->GetProfile(GetPropsString(), QStringLiteral("IC"), QStringLiteral("PrecisionOfDiscountRate"));
    if (!precision.isValid() || precision.isNull())
        return 0;
    return vb::CLng(precision);
}

} // namespace tq

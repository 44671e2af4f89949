#include "tradequery/host/LoginProps.h"

#include "platform/hostapi/PropsStringPairs.h"

#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

#include <QList>
#include <utility>

namespace tq {

namespace {

// The pairs in the order they were read; keys looked up without regard to case, as a VB
// collection does. A handful of pairs: a list beats a hash here.
using Pairs = QList<std::pair<QString, QString>>;

Pairs& loginProps()
{
    static Pairs pairs;
    return pairs;
}

const QString kSource = QStringLiteral("ZELTradeQuery");

const std::pair<QString, QString>* find(const QString& key)
{
    for (const auto& pair : loginProps()) {
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return &pair;
    }
    return nullptr;
}

} // namespace

void LoadLoginProps(const QString& propsString)
{
    loginProps().clear();
    QString rest = propsString;
    QString key;
    QString value;
    while (hostapi::takePropsPair(rest, key, value)) {
        if (find(key))
            throw com::ComError(com::VB_KEY_ALREADY_EXISTS, kSource,
                                QStringLiteral("此键已经与该集合的一个元素相关联"));
        loginProps().append({key, value});
    }
}

QString GetLoginProp(const QString& key)
{
    if (const auto* pair = find(key))
        return pair->second;
    throw com::ComError(com::VB_INVALID_PROC_CALL, kSource, QStringLiteral("无效的过程调用或参数"));
}

int16_t LoginUserId16()
{
    return vb::CInt(GetLoginProp(QStringLiteral("UserID")));
}

QString LoginConnectString()
{
    return GetLoginProp(QStringLiteral("ConnectString"));
}

} // namespace tq

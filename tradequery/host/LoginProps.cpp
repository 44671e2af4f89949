#include "tradequery/host/LoginProps.h"

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

// Takes the next pair off the front of `rest`; false when there is none left.
bool takePair(QString& rest, QString& key, QString& value)
{
    const qsizetype equals = rest.indexOf(QLatin1Char('='));
    key = vb::Trim(equals < 0 ? rest : rest.left(equals));
    rest = equals < 0 ? QString() : vb::Trim(rest.mid(equals + 1));

    if (rest.startsWith(QLatin1Char('{'))) {
        // A braced value runs to the first "}"; what follows it up to the next ";" is dropped.
        const qsizetype close = rest.indexOf(QLatin1Char('}'), 1);
        if (close < 0) {
            value = rest.mid(1);
            rest.clear();
        } else {
            value = rest.mid(1, close - 1);
            const qsizetype semicolon = rest.indexOf(QLatin1Char(';'), close + 1);
            rest = semicolon < 0 ? QString() : rest.mid(semicolon + 1);
        }
    } else {
        const qsizetype semicolon = rest.indexOf(QLatin1Char(';'));
        value = semicolon < 0 ? rest : rest.left(semicolon);
        rest = semicolon < 0 ? QString() : rest.mid(semicolon + 1);
    }
    value = vb::Trim(value);
    return !key.isEmpty();
}

} // namespace

void LoadLoginProps(const QString& propsString)
{
    loginProps().clear();
    QString rest = propsString;
    QString key;
    QString value;
    while (takePair(rest, key, value)) {
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

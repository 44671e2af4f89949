#include "hostapp/services/PropsString.h"

#include "platform/hostapi/PropsStringPairs.h"

#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/HostServices.h"
#include "hostapp/services/ServiceErrors.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace hostsvc {

namespace {

const QString kLoginSource = QStringLiteral("zelhost.Login");

// "Key={value};" for values that may hold ";" or "="; a "}" inside cannot travel.
QString bracedPair(const QString& key, const QString& value)
{
    if (value.contains(QLatin1Char('}')))
        throw serviceError(kLoginSource,
                           QStringLiteral("登录属性 %1 的值含有“}”，无法放进登录属性串：%2").arg(key, value));
    return key + QStringLiteral("={") + value + QStringLiteral("};");
}

struct DatabaseNames {
    QString database;  // the file name of a SQLite database, the server's database, DATABASE= (else DSN=) of ODBC
    QString account;   // what users call it: the file name without extension, or the above
};

// Only informative: a connection string that names no database (validateLogin refuses it)
// gives empty names.
DatabaseNames databaseNamesOf(const QString& connectString)
{
    hostdb::ConnectionTarget target;
    try {
        target = hostdb::ConnectionTarget::parse(connectString);
    } catch (const com::ComError&) {
        return {};
    }
    if (target.kind == hostdb::ConnectionTarget::Kind::Sqlite) {
        const QFileInfo file(target.sqlitePath);
        return {file.fileName(), file.completeBaseName()};
    }
    if (target.kind == hostdb::ConnectionTarget::Kind::Postgres)
        return {target.server.database, target.server.database};
    const PropsPairs odbc(connectString);
    for (const char* key : {"DATABASE", "DSN", "FILEDSN"}) {
        const QString name = odbc.value(QString::fromLatin1(key));
        if (!name.isEmpty())
            return {name, name};
    }
    return {};
}

} // namespace

PropsPairs::PropsPairs(const QString& propsString)
{
    QString rest = propsString, key, value;
    while (hostapi::takePropsPair(rest, key, value))
        m_pairs.append({key, value});
}

QString PropsPairs::value(const QString& key) const
{
    for (const auto& pair : m_pairs) {
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return pair.second;
    }
    return QString();
}

bool PropsPairs::contains(const QString& key) const
{
    for (const auto& pair : m_pairs) {
        if (pair.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString connectStringOf(const QString& propsString, const QString& source)
{
    // Every row a ledger paints asks with the same property string: parse it once. The
    // services run on the user-interface thread only.
    static QString lastPropsString, lastConnectString;
    if (propsString == lastPropsString && !lastConnectString.isEmpty())
        return lastConnectString;
    const QString connectString = PropsPairs(propsString).value(QStringLiteral("ConnectString"));
    if (connectString.isEmpty())
        throw serviceError(source, QStringLiteral("登录属性串里没有数据库连接（ConnectString）：%1").arg(propsString));
    lastPropsString = propsString;
    lastConnectString = connectString;
    return connectString;
}

int32_t userIdOf(const QString& propsString, const QString& source)
{
    const PropsPairs pairs(propsString);
    if (!pairs.contains(QStringLiteral("UserID")))
        throw serviceError(source, QStringLiteral("登录属性串里没有用户（UserID）：%1").arg(propsString));
    bool ok = false;
    const QString text = pairs.value(QStringLiteral("UserID"));
    const int32_t userId = text.toInt(&ok);
    if (!ok)
        throw serviceError(source, QStringLiteral("登录属性串里的用户编号不是整数：UserID=%1").arg(text));
    return userId;
}

QString publishableConnectString(const QString& connectString)
{
    // "={FreeTDS}" → "=FreeTDS": braces that protect nothing.
    static const QRegularExpression redundantBraces(QStringLiteral("=\\s*\\{([^;{}]*)\\}"));
    QString text = connectString.trimmed();
    text.replace(redundantBraces, QStringLiteral("=\\1"));
    if (text.contains(QLatin1Char('}')))
        throw serviceError(kLoginSource,
                           QStringLiteral("数据库连接字符串含有“}”，无法放进登录属性串：%1").arg(connectString));
    return text;
}

QString buildPropsString(const LoginSession& session)
{
    const QString connectString = publishableConnectString(session.connectString);
    const DatabaseNames names = databaseNamesOf(connectString);
    const QString accountName = session.accountName.trimmed().isEmpty() ? names.account
                                                                         : session.accountName.trimmed();

    return QStringLiteral("UserID=%1;").arg(session.userId)
           + bracedPair(QStringLiteral("UserName"), session.userName)
           + bracedPair(QStringLiteral("ConnectString"), connectString)
           + bracedPair(QStringLiteral("AcctName"), accountName)
           + bracedPair(QStringLiteral("DBName"), names.database)
           + QStringLiteral("Language=chs");
}

} // namespace hostsvc

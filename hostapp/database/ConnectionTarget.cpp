#include "hostapp/database/ConnectionTarget.h"

#include "hostapp/database/HostDatabaseErrors.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace hostdb {

namespace {

struct Pair {
    QString key;  // trimmed, upper case
    QString value;
};

// key=value pairs separated by ";"; a value in braces may hold ";" ({a;b}).
std::vector<Pair> parsePairs(const QString& text)
{
    std::vector<Pair> pairs;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype equals = text.indexOf(u'=', i);
        const qsizetype semicolon = text.indexOf(u';', i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            // A part without "=": nothing to read there.
            if (semicolon < 0)
                break;
            i = semicolon + 1;
            continue;
        }
        Pair pair;
        pair.key = text.mid(i, equals - i).trimmed().toUpper();
        qsizetype start = equals + 1;
        while (start < n && text[start].isSpace())
            ++start;
        if (start < n && text[start] == u'{') {
            const qsizetype close = text.indexOf(u'}', start + 1);
            const qsizetype valueEnd = close < 0 ? n : close;
            pair.value = text.mid(start + 1, valueEnd - start - 1);
            const qsizetype next = text.indexOf(u';', valueEnd);
            i = next < 0 ? n : next + 1;
        } else {
            const qsizetype next = text.indexOf(u';', start);
            const qsizetype valueEnd = next < 0 ? n : next;
            pair.value = text.mid(start, valueEnd - start).trimmed();
            if (pair.value.size() >= 2 && pair.value.front() == u'"' && pair.value.back() == u'"')
                pair.value = pair.value.mid(1, pair.value.size() - 2);
            i = next < 0 ? n : next + 1;
        }
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

bool readMilliseconds(const QString& text, int& milliseconds)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= 0)
        milliseconds = value;
    return ok && value >= 0;
}

bool isPostgresUri(const QString& text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

QString decoded(const QString& part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

void setPort(PostgresServer& server, const QString& text, const QString& connectionString)
{
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port <= 0 || port > 65535)
        throw databaseError(QStringLiteral("PostgreSQL 服务器的端口“%1”不是 1 到 65535 的整数：%2")
                                .arg(text, ConnectionTarget::withoutPassword(connectionString)));
    server.port = port;
}

// postgresql://[user[:password]@][host][:port][/database][?key=value&...]
PostgresServer parseUri(const QString& text)
{
    PostgresServer server;
    QString rest = text.mid(text.indexOf(QLatin1String("://")) + 3);
    QString query;
    if (const qsizetype mark = rest.indexOf(u'?'); mark >= 0) {
        query = rest.mid(mark + 1);
        rest.truncate(mark);
    }
    if (const qsizetype slash = rest.indexOf(u'/'); slash >= 0) {
        server.database = decoded(rest.mid(slash + 1));
        rest.truncate(slash);
    }
    if (const qsizetype at = rest.lastIndexOf(u'@'); at >= 0) {
        const QString userInfo = rest.left(at);
        const qsizetype colon = userInfo.indexOf(u':');
        server.user = decoded(userInfo.left(colon));
        if (colon >= 0)
            server.password = decoded(userInfo.mid(colon + 1));
        rest = rest.mid(at + 1);
    }
    const qsizetype portColon = rest.lastIndexOf(u':');
    if (portColon >= 0 && !rest.endsWith(u']')) {
        setPort(server, rest.mid(portColon + 1), text);
        rest.truncate(portColon);
    }
    server.host = decoded(rest);
    for (const QString& item : query.split(u'&', Qt::SkipEmptyParts)) {
        const QString key = decoded(item.section(u'=', 0, 0)).toLower();
        const QString value = decoded(item.section(u'=', 1));
        if (key == QLatin1String("host"))
            server.host = value;
        else if (key == QLatin1String("port"))
            setPort(server, value, text);
        else if (key == QLatin1String("dbname"))
            server.database = value;
        else if (key == QLatin1String("user"))
            server.user = value;
        else if (key == QLatin1String("password"))
            server.password = value;
        else if (key == QLatin1String("connect_timeout"))
            server.connectTimeoutSeconds = qMax(1, value.toInt());
    }
    return server;
}

bool namesPostgres(const std::vector<Pair>& pairs)
{
    for (const Pair& pair : pairs) {
        if (pair.key == "PROVIDER"
            && (pair.value.compare(QLatin1String("PostgreSQL"), Qt::CaseInsensitive) == 0
                || pair.value.compare(QLatin1String("Postgres"), Qt::CaseInsensitive) == 0))
            return true;
    }
    return false;
}

PostgresServer serverOfPairs(const std::vector<Pair>& pairs, const QString& connectionString)
{
    PostgresServer server;
    for (const Pair& pair : pairs) {
        if (pair.key == "HOST" || pair.key == "SERVER")
            server.host = pair.value;
        else if (pair.key == "PORT")
            setPort(server, pair.value, connectionString);
        else if (pair.key == "DATABASE")
            server.database = pair.value;
        else if (pair.key == "USER ID" || pair.key == "UID" || pair.key == "USER" || pair.key == "USERNAME")
            server.user = pair.value;
        else if (pair.key == "PASSWORD" || pair.key == "PWD")
            server.password = pair.value;
        else if (pair.key == "TIMEOUT" || pair.key == "CONNECT TIMEOUT")
            server.connectTimeoutSeconds = qMax(1, pair.value.toInt());
    }
    return server;
}

ConnectionTarget postgresTarget(PostgresServer server, const QString& connectionString)
{
    if (server.database.isEmpty())
        throw databaseError(QStringLiteral("连接字符串没有指出 PostgreSQL 数据库（Database= 或 URI 的 /数据库）：%1")
                                .arg(ConnectionTarget::withoutPassword(connectionString)));
    ConnectionTarget target;
    target.kind = ConnectionTarget::Kind::Postgres;
    target.server = std::move(server);
    return target;
}

} // namespace

QString PostgresServer::displayName() const
{
    return QStringLiteral("%1:%2/%3").arg(host.isEmpty() ? QStringLiteral("localhost") : host).arg(port).arg(database);
}

QString ConnectionTarget::withoutPassword(const QString& connectionString)
{
    static const QRegularExpression uriPassword(QStringLiteral("^(\\s*postgres(?:ql)?://[^:@/?]*:)[^@/?]*@"),
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression pairPassword(
        QStringLiteral("((?:^|[;?&])\\s*(?:password|pwd)\\s*=\\s*)(\\{[^}]*\\}|[^;&]*)"),
        QRegularExpression::CaseInsensitiveOption);
    QString text = connectionString;
    text.replace(uriPassword, QStringLiteral("\\1***@"));
    text.replace(pairPassword, QStringLiteral("\\1***"));
    return text;
}

ConnectionTarget ConnectionTarget::parse(const QString& connectionString)
{
    const QString text = connectionString.trimmed();
    if (text.isEmpty())
        throw databaseError(QStringLiteral("连接字符串为空，没有指定数据库。"));
    if (isPostgresUri(text))
        return postgresTarget(parseUri(text), connectionString);

    ConnectionTarget target;
    // A bare path, even one holding "=" or ";".
    if (!text.contains(u'=') || QFileInfo(text).isFile()) {
        target.sqlitePath = text;
        return target;
    }

    const std::vector<Pair> pairs = parsePairs(text);
    for (const Pair& pair : pairs) {
        if (pair.key == "DRIVER" || pair.key == "DSN" || pair.key == "FILEDSN") {
            target.kind = Kind::Odbc;
            target.odbcText = connectionString;
            return target;
        }
    }
    if (namesPostgres(pairs))
        return postgresTarget(serverOfPairs(pairs, connectionString), connectionString);
    for (const Pair& pair : pairs) {
        if (pair.key == "DATA SOURCE" || pair.key == "DATABASE" || pair.key == "FILENAME")
            target.sqlitePath = pair.value;
        else if (pair.key == "BUSY TIMEOUT" && !readMilliseconds(pair.value, target.busyTimeoutMs))
            throw databaseError(QStringLiteral("连接字符串中的 Busy Timeout 应是毫秒数（0 或正整数），而不是“%1”。").arg(pair.value));
    }
    if (target.sqlitePath.isEmpty())
        throw databaseError(
            QStringLiteral("连接字符串没有指出数据库文件（Data Source=文件）或 ODBC 驱动（DRIVER=/DSN=）：%1")
                .arg(connectionString));
    return target;
}

} // namespace hostdb

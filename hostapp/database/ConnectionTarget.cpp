#include "hostapp/database/ConnectionTarget.h"

#include "hostapp/database/HostDatabaseErrors.h"

#include <QFileInfo>

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

} // namespace

ConnectionTarget ConnectionTarget::parse(const QString& connectionString)
{
    const QString text = connectionString.trimmed();
    if (text.isEmpty())
        throw databaseError(QStringLiteral("连接字符串为空，没有指定数据库。"));

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

#include "hostapp/database/OdbcDatabase.h"

#include "hostapp/database/HostDatabaseErrors.h"
#include "hostapp/database/QtSqlResult.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace hostdb {

std::shared_ptr<OdbcDatabase> OdbcDatabase::open(const ConnectionTarget& target)
{
    static std::atomic<int> connections{0};
    const QString name = QStringLiteral("zelhost-odbc-%1").arg(++connections);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        if (!db.isValid()) {
            failure = QStringLiteral("无法连接 ODBC 数据源：Qt 的 ODBC 驱动（QODBC）没有装载。");
        } else {
            db.setDatabaseName(target.odbcText);
            db.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=5"));
            if (!db.open())
                failure = QStringLiteral("无法连接 ODBC 数据源：%1").arg(db.lastError().text().trimmed());
        }
    }
    if (!failure.isEmpty()) {
        QSqlDatabase::removeDatabase(name);
        throw databaseError(failure);
    }
    return std::shared_ptr<OdbcDatabase>(new OdbcDatabase(target, name));
}

OdbcDatabase::OdbcDatabase(ConnectionTarget target, QString connectionName)
    : m_target(std::move(target)), m_connectionName(std::move(connectionName))
{
}

OdbcDatabase::~OdbcDatabase()
{
    removeQtConnection(m_connectionName);
}

ResultTable OdbcDatabase::executeTable(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!query.exec(sql))
        throw databaseError(messageOf(query.lastError()));

    ResultTable result;
    qint64 affected = 0;
    do {
        if (!query.isSelect()) {
            affected += qMax(0, query.numRowsAffected());
            continue;
        }
        result = readResultSet(query);
    } while (query.nextResult());
    if (!result.returnsRows)
        result.rowsAffected = affected;
    return result;
}

} // namespace hostdb

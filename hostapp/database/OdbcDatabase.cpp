#include "hostapp/database/OdbcDatabase.h"

#include "hostapp/database/HostDatabaseErrors.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <atomic>

namespace hostdb {

namespace {

ado::FieldType fieldTypeOf(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Bool:
        return ado::FieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return ado::FieldType::Double;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        return ado::FieldType::Date;
    default:
        return ado::FieldType::Text;
    }
}

QVariant valueOf(const QVariant& value, ado::FieldType type)
{
    if (value.isNull())
        return QVariant();
    switch (type) {
    case ado::FieldType::Integer:
        return QVariant(value.toLongLong());
    case ado::FieldType::Double:
        return QVariant(value.toDouble());
    case ado::FieldType::Date:
        if (value.typeId() == QMetaType::QDate)
            return QVariant(value.toDate().startOfDay());
        return QVariant(value.toDateTime());
    case ado::FieldType::Boolean:
        return QVariant(value.toBool());
    case ado::FieldType::Text:
        break;
    }
    return QVariant(value.toString());
}

QString messageOf(const QSqlError& error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

} // namespace

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
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
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
        ResultTable table;
        table.returnsRows = true;
        const QSqlRecord record = query.record();
        for (int c = 0; c < record.count(); ++c)
            table.fields.push_back({record.fieldName(c), fieldTypeOf(record.field(c).metaType())});
        while (query.next()) {
            std::vector<QVariant>& row = table.rows.emplace_back();
            row.reserve(table.fields.size());
            for (int c = 0; c < record.count(); ++c)
                row.push_back(valueOf(query.value(c), table.fields[c].type));
        }
        if (query.lastError().isValid())
            throw databaseError(messageOf(query.lastError()));
        result = std::move(table);
    } while (query.nextResult());
    if (!result.returnsRows)
        result.rowsAffected = affected;
    return result;
}

} // namespace hostdb

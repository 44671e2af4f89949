#include "hostapp/database/QtSqlResult.h"

#include "hostapp/database/HostDatabaseErrors.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

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


} // namespace

QString messageOf(const QSqlError& error)
{
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

void removeQtConnection(const QString& connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

ResultTable readResultSet(QSqlQuery& query)
{
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
    return table;
}

} // namespace hostdb

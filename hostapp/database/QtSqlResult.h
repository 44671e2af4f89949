#pragma once
// What the ODBC and PostgreSQL connections share of Qt Sql: the current result set of a query
// as a typed table, a driver error as the database's own words, and the end of a connection.
#include "hostapp/database/ResultTable.h"

#include <QString>

class QSqlError;
class QSqlQuery;

namespace hostdb {

// The fields and rows of the query's current result set; field types follow the driver's
// column types (integers, doubles, dates, else text). A failure while reading raises ComError.
ResultTable readResultSet(QSqlQuery& query);

// The database's message when it gave one, else the driver's.
QString messageOf(const QSqlError& error);

// Closes the named Qt connection and forgets it.
void removeQtConnection(const QString& connectionName);

} // namespace hostdb

#pragma once
// Reading what a Qt Sql driver returns (the ODBC and PostgreSQL connections): the current
// result set of a query as a typed table, and a driver error as the database's own words.
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

} // namespace hostdb

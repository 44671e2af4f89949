#pragma once
// A PostgreSQL result as the host's typed table, read straight from libpq's text values:
// integers (int2, int4, int8, oid, bool as 1/0), doubles (float4, float8, numeric), dates
// (date, timestamp, as local times), everything else (text, varchar, citext...) as text; null
// stays null. Field names are the server's (unquoted names folded to lower case).
#include "hostapp/database/ResultTable.h"

#include <QString>

struct pg_result;

namespace hostdb {

// The rows of a PGRES_TUPLES_OK result.
ResultTable readLibpqRows(const pg_result* result);

// The server's words for a failed result: its message and, when it gave one, "(SQLSTATE)".
QString libpqErrorText(const pg_result* result);

} // namespace hostdb

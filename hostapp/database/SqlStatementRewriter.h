#pragma once
// Rewrites one SQL Server statement, or an IF condition, into SQLite's or PostgreSQL's dialect
// in place: names and literals, the built-in functions spelled differently, TOP, "+" between
// texts, and the trailing blanks of literals compared with "=" or "<>".
#include "hostapp/database/SqlColumnKinds.h"
#include "hostapp/database/SqlTokenizer.h"

namespace hostdb {

enum class SqlTarget { Sqlite, Postgres };

} // namespace hostdb

namespace hostdb::sql {

// `guessedColumn` is set when a "+" stands next to a column the schema does not know.
void rewriteStatement(NodeList& statement, const SqlColumnKinds& columns, SqlTarget target, bool& guessedColumn);

} // namespace hostdb::sql

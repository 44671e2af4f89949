#pragma once
// The baselines of the query benchmarks: a statement run with the sqlite3 C API alone, and
// the host's translation of SQL Server text into the SQLite statement it runs.
#include <QByteArray>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace bench {

// The SQLite text the host runs for one SQL Server statement, translated once with the column
// kinds read from the database's schema (as the host reads them). Raises std::runtime_error
// when the text is not a single statement.
QString translatedForSqlite(sqlite3* db, const QString& sqlServerText);

// Prepares the statement, steps through every row reading every column as its stored type
// asks (text, integer, real), finalizes; returns the row count. Raises std::runtime_error
// with SQLite's message when the statement is refused.
int runAndReadEveryColumn(sqlite3* db, const QByteArray& sql);

// The same for a statement prepared once: steps it through, reading every column, and resets it.
int stepAndReadEveryColumn(sqlite3_stmt* stmt);

} // namespace bench

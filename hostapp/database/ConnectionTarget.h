#pragma once
// What a connection string names: a SQLite file or an ODBC data source, and how long a
// statement waits for a database another connection has locked.
#include <QString>

namespace hostdb {

struct ConnectionTarget {
    enum class Kind { Sqlite, Odbc };
    Kind kind = Kind::Sqlite;
    QString sqlitePath;  // for Sqlite
    QString odbcText;    // for Odbc: the connection string as given
    // How long a statement waits for a database that another connection has locked
    // ("Busy Timeout=milliseconds" in the connection string).
    int busyTimeoutMs = 2000;
    // "DRIVER=…" or "DSN=…" anywhere in the pairs selects ODBC; "Data Source=FILE",
    // "Database=FILE" or a bare path selects the SQLite file. A text that names neither, or a
    // Busy Timeout that is no whole number of milliseconds, raises a ComError.
    static ConnectionTarget parse(const QString& connectionString);
};

} // namespace hostdb

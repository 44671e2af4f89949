#pragma once
// One open host database per connection string, shared by everyone in the process. The
// component sends SQL Server text; on the embedded SQLite database it is translated first,
// against an ODBC data source it passes unchanged. Results come back as recordsets.
#include "hostapp/database/ResultTable.h"
#include "platform/ado/Recordset.h"

#include <QString>
#include <memory>

struct sqlite3;

namespace hostdb {

// What a connection string names.
struct ConnectionTarget {
    enum class Kind { Sqlite, Odbc };
    Kind kind = Kind::Sqlite;
    QString sqlitePath;  // for Sqlite
    QString odbcText;    // for Odbc: the connection string as given
    // How long a statement waits for a database that another connection has locked
    // ("Busy Timeout=milliseconds" in the connection string).
    int busyTimeoutMs = 2000;
    // "DRIVER=…" or "DSN=…" anywhere in the pairs selects ODBC; "Data Source=FILE",
    // "Database=FILE" or a bare path selects the SQLite file. A text that names neither
    // raises a ComError.
    static ConnectionTarget parse(const QString& connectionString);
};

class HostDatabase {
public:
    // The shared connection for this connection string, opened on first use. A missing
    // SQLite file, a missing ODBC driver or a database that cannot be opened raises a
    // ComError with a description a person understands; nothing is ever created here.
    static std::shared_ptr<HostDatabase> open(const QString& connectionString);
    // Drops every pooled connection (tests, and the host at exit).
    static void closeAll();

    virtual ~HostDatabase() = default;

    // Runs one batch of SQL Server text. Returns the rows of the last statement that
    // produced rows, or a closed recordset when none did. Database errors raise ComError
    // whose description carries the database's own message.
    ado::RecordsetPtr execute(const QString& sql);
    // The same, as a plain table (what execute turns into a recordset).
    virtual ResultTable executeTable(const QString& sql) = 0;

    virtual const ConnectionTarget& target() const = 0;
    // The raw SQLite handle (null for ODBC), for bulk work and benchmarks.
    virtual sqlite3* sqliteHandle() const = 0;
};

} // namespace hostdb

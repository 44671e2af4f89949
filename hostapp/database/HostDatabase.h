#pragma once
// One open host database per connection string, shared by everyone in the process. The
// component sends SQL Server text; on the embedded SQLite database and on a PostgreSQL server
// it is translated first, against an ODBC data source it passes unchanged. Results come back
// as recordsets.
#include "hostapp/database/ConnectionTarget.h"
#include "hostapp/database/ResultTable.h"
#include "platform/ado/Recordset.h"

#include <QString>
#include <memory>

struct sqlite3;

namespace hostdb {

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
    // The same batch, one table per statement in the order they ran, each with its own rows or
    // row count (for a person reading what a batch did). A database that cannot tell its
    // statements apart gives the batch's one table.
    virtual std::vector<ResultTable> executeEach(const QString& sql) { return {executeTable(sql)}; }

    virtual const ConnectionTarget& target() const = 0;
    // The raw SQLite handle (null for the servers), for bulk work and benchmarks.
    virtual sqlite3* sqliteHandle() const = 0;
};

} // namespace hostdb

#pragma once
// The embedded host database: a SQLite file opened through Qt Sql, whose statements run on
// the raw sqlite3 handle (exact column types, no per-row copies). SQL Server text is
// translated by SqlServerDialect and run step by step. While it is open it holds the file's
// lock shared, so no other process replaces the file under it.
#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/SqlColumnKinds.h"
#include "hostapp/database/SqlServerDialect.h"
#include "hostapp/database/SqliteStatementCache.h"
#include "platform/files/FileLock.h"

#include <QHash>
#include <memory>

namespace hostdb {

class SqliteDatabase final : public HostDatabase {
public:
    static std::shared_ptr<SqliteDatabase> open(const ConnectionTarget& target);
    ~SqliteDatabase() override;

    ResultTable executeTable(const QString& sql) override;
    std::vector<ResultTable> executeEach(const QString& sql) override;
    const ConnectionTarget& target() const override { return m_target; }
    sqlite3* sqliteHandle() const override { return m_db; }

private:
    SqliteDatabase(ConnectionTarget target, QString connectionName, sqlite3* db, files::FileLock lock);

    // Runs the batch; each statement's table is added to `each` when it is given.
    ResultTable runBatch(const QString& sql, std::vector<ResultTable>* each);
    int schemaVersion();
    bool refreshSchemaIfChanged(bool evenWithoutWrites = false);
    void loadColumnKinds();
    const SqlProgram& translated(const QString& sql);
    ResultTable runStatement(const QString& sql);
    bool runCondition(const QString& sql);
    [[noreturn]] void raise(int code) const;

    ConnectionTarget m_target;
    files::FileLock m_fileLock;  // released after the connection closes
    QString m_connectionName;  // of the Qt connection that owns the handle
    sqlite3* m_db;
    SqliteStatementCache m_statements;
    SqlColumnKinds m_columns;
    int m_schemaVersion = -1;
    unsigned int m_dataVersion = 0;
    QHash<QString, SqlProgram> m_programs;  // translations, valid for m_schemaVersion
};

} // namespace hostdb

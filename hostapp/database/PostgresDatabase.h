#pragma once
// The host database on a PostgreSQL server, through Qt's QPSQL driver. SQL Server text is
// translated by SqlServerDialect for PostgreSQL and run step by step; result columns come
// back spelled as the statement (or, for "select *", the host schema) spells them, though the
// server folds unquoted names to lower case.
// A connection the server dropped is reported once and opened again by the next statement.
#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/SqlColumnKinds.h"
#include "hostapp/database/SqlServerDialect.h"

#include <QHash>
#include <memory>

class QSqlError;
struct pg_conn;

namespace hostdb {

class PostgresDatabase final : public HostDatabase {
public:
    static std::shared_ptr<PostgresDatabase> open(const ConnectionTarget& target);
    // The settings every host session runs with, as libpq's "options" value:
    // - notices and warnings ("table does not exist, skipping") are no news for a person;
    // - no parallel workers and no JIT: a clerk's statements walk an index to a few dozen rows,
    //   and starting workers or compiling took several times longer than the walk (the busiest
    //   material: about 75 ms with workers, 14 ms without).
    static const char* sessionOptions();
    ~PostgresDatabase() override;

    ResultTable executeTable(const QString& sql) override;
    const ConnectionTarget& target() const override { return m_target; }
    sqlite3* sqliteHandle() const override { return nullptr; }

    // Runs PostgreSQL's own text as written, several statements allowed (schema work).
    void runScript(const QString& sql);
    // The libpq connection under Qt's, for COPY; valid while this object lives.
    pg_conn* libpqHandle() const;
    // Reads the column types again after the schema changed behind this connection.
    void reloadColumnKinds();

private:
    struct Translation {
        SqlProgram program;
        QHash<QString, QString> spellings;  // lower-case name -> as the statement writes it
    };

    PostgresDatabase(ConnectionTarget target, QString connectionName);

    void reconnectIfDropped();
    const Translation& translated(const QString& sql);
    ResultTable runStatement(const QString& sql);
    [[noreturn]] void raise(const QSqlError& error);
    [[noreturn]] void raise(const QString& code, const QString& serverMessage);

    ConnectionTarget m_target;
    QString m_connectionName;
    SqlColumnKinds m_columns;
    QHash<QString, Translation> m_translations;
};

} // namespace hostdb

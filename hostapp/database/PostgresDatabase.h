#pragma once
// The host database on a PostgreSQL server: Qt's QPSQL driver opens the session, statements
// run through its libpq connection. SQL Server text is
// translated by SqlServerDialect for PostgreSQL and run step by step; result columns come
// back spelled as the statement (or, for "select *", the host schema) spells them, though the
// server folds unquoted names to lower case.
// A connection the server dropped is reported once (and told to the ConnectionLoss listener)
// and opened again by the next statement.
#include "hostapp/database/HostDatabase.h"
#include "hostapp/database/SqlColumnKinds.h"
#include "hostapp/database/SqlServerDialect.h"

#include <QHash>
#include <memory>

struct pg_conn;

namespace hostdb {

class PostgresDatabase final : public HostDatabase {
public:
    static std::shared_ptr<PostgresDatabase> open(const ConnectionTarget& target);
    ~PostgresDatabase() override;

    ResultTable executeTable(const QString& sql) override;
    const ConnectionTarget& target() const override { return m_target; }
    sqlite3* sqliteHandle() const override { return nullptr; }

    // Runs PostgreSQL's own text as written, several statements allowed (schema work).
    void runScript(const QString& sql);
    // The libpq connection under Qt's (statements, COPY); valid while this object lives.
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
    [[noreturn]] void raise(const QString& code, const QString& serverMessage);

    ConnectionTarget m_target;
    QString m_connectionName;
    SqlColumnKinds m_columns;
    QHash<QString, Translation> m_translations;
};

} // namespace hostdb

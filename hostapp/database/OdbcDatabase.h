#pragma once
// The host database on SQL Server, reached through ODBC (Qt's QODBC driver). The text goes
// to the server as written, batches included; the server answers in its own dialect.
#include "hostapp/database/HostDatabase.h"

#include <memory>

namespace hostdb {

class OdbcDatabase final : public HostDatabase {
public:
    static std::shared_ptr<OdbcDatabase> open(const ConnectionTarget& target);
    ~OdbcDatabase() override;

    ResultTable executeTable(const QString& sql) override;
    const ConnectionTarget& target() const override { return m_target; }
    sqlite3* sqliteHandle() const override { return nullptr; }

private:
    OdbcDatabase(ConnectionTarget target, QString connectionName);

    ConnectionTarget m_target;
    QString m_connectionName;
};

} // namespace hostdb

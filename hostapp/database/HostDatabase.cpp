#include "hostapp/database/HostDatabase.h"

#include "hostapp/database/HostDatabaseFactory.h"

#include <QHash>
#include <mutex>

namespace hostdb {

namespace {

struct Pool {
    std::mutex mutex;
    QHash<QString, std::shared_ptr<HostDatabase>> databases;  // by connection string
};

// Never destroyed: connections must close while Qt is still up, which closeAll does.
Pool& pool()
{
    static Pool* instance = new Pool;
    return *instance;
}

} // namespace

std::shared_ptr<HostDatabase> HostDatabase::open(const QString& connectionString)
{
    const QString key = connectionString.trimmed();
    Pool& shared = pool();
    std::lock_guard lock(shared.mutex);
    if (auto found = shared.databases.value(key))
        return found;
    const ConnectionTarget target = ConnectionTarget::parse(connectionString);
    std::shared_ptr<HostDatabase> database = openHostDatabase(target);
    shared.databases.insert(key, database);
    return database;
}

void HostDatabase::closeAll()
{
    QHash<QString, std::shared_ptr<HostDatabase>> closing;
    {
        std::lock_guard lock(pool().mutex);
        closing.swap(pool().databases);
    }
    // Released here, outside the lock; a holder elsewhere keeps its connection until done.
}

ado::RecordsetPtr HostDatabase::execute(const QString& sql)
{
    ResultTable table = executeTable(sql);
    if (!table.returnsRows)
        return std::make_shared<ado::Recordset>();
    return ado::Recordset::make(std::move(table.fields), std::move(table.rows));
}

} // namespace hostdb

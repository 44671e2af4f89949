// Kept apart from the connections so that code which only needs plain tables (the admin
// command) does not pull in the recordset.
#include "hostapp/database/HostDatabase.h"

namespace hostdb {

ado::RecordsetPtr HostDatabase::execute(const QString& sql)
{
    ResultTable table = executeTable(sql);
    if (!table.returnsRows)
        return std::make_shared<ado::Recordset>();
    return ado::Recordset::make(std::move(table.fields), std::move(table.rows));
}

} // namespace hostdb

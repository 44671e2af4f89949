#pragma once
// The rows of one statement as the database gave them, before they become a recordset.
#include "platform/ado/Recordset.h"

#include <QString>
#include <QVariant>
#include <vector>

namespace hostdb {

struct ResultTable {
    bool returnsRows = false;  // the statement produced a result set, possibly empty
    std::vector<ado::FieldInfo> fields;
    std::vector<std::vector<QVariant>> rows;  // QVariant of the field's type; invalid for null
    qint64 rowsAffected = 0;  // when no statement returned rows: rows changed by the batch
    // Filled by HostDatabase::executeEach only:
    QString statement;           // the statement as the database ran it
    bool schemaChanged = false;  // it created, dropped or altered a table, index, view or trigger
};

} // namespace hostdb

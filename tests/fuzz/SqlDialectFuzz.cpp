// The T-SQL translation every statement goes through, for SQLite and for PostgreSQL: any text
// translates or is refused with a ComError (nesting too deep); nothing else may escape, crash or hang.
#include "hostapp/database/SqlServerDialect.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const hostdb::SqlColumnKinds columns = [] {
        hostdb::SqlColumnKinds kinds;
        kinds.add(u"FName", hostdb::ColumnKind::Text);
        kinds.add(u"FNumber", hostdb::ColumnKind::Text);
        kinds.add(u"FQty", hostdb::ColumnKind::Numeric);
        kinds.add(u"FPrice", hostdb::ColumnKind::Numeric);
        return kinds;
    }();
    const QString text = fuzz::textOf(data, size);
    for (const hostdb::SqlTarget target : {hostdb::SqlTarget::Sqlite, hostdb::SqlTarget::Postgres})
        fuzz::allowingComError([&] { hostdb::SqlServerDialect(columns, target).translate(text); });
    return 0;
}

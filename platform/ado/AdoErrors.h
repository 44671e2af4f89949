#pragma once
// The errors a recordset raises, with the platform's own wording followed by what exactly
// went wrong, so a message box shows the person something they can act on.
#include "platform/com/ComError.h"

#include <QString>

namespace ado::errors {

// 3001: a criteria, sort text, bookmark or position that cannot be used.
com::ComError argumentsWrong(const QString& detail);
// 3021: no current record (BOF or EOF), or a move past an end.
com::ComError noCurrentRecord(const QString& detail = {});
// 3704: the recordset is closed.
com::ComError objectClosed();
// 3265: a field name or index that the recordset does not have.
com::ComError itemNotFound(const QString& detail);
// 0x80020005: a value that cannot be compared with the field's type.
com::ComError typeMismatch(const QString& detail);

} // namespace ado::errors

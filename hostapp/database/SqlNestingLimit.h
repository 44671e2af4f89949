#pragma once
// How deep a statement may nest: parentheses, CASE ... END, IF and BEGIN ... END, and the
// parentheses the translation itself adds around a "+" chain that turns into "||". The
// translation walks nested text recursively, so a deeper statement is refused with a
// database error instead of being allowed to exhaust the stack.
#include "hostapp/database/HostDatabaseErrors.h"

namespace hostdb::sql {

constexpr int maxNesting = 64;

[[noreturn]] inline void refuseDeepNesting()
{
    throw databaseError(
        QStringLiteral("语句嵌套太深（括号、CASE、IF 或 BEGIN 超过 %1 层），无法转换为 SQLite 语句")
            .arg(maxNesting));
}

} // namespace hostdb::sql

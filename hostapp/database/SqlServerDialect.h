#pragma once
// Translates a batch of SQL Server text into a small program of SQLite or PostgreSQL statements:
//   select top N ...            -> ... LIMIT N (at the end of the statement or its subquery)
//   isnull( / len( / getdate()  -> SQLite: ifnull( / length(rtrim(..)) / datetime('now','localtime')
//                                  PostgreSQL: coalesce( / length(rtrim(..)) / localtimestamp
//   CharIndex(a, b)             -> instr(lower(b), lower(a)); PostgreSQL: strpos(lower(b), lower(a))
//   'x' + col                   -> 'x' || col (decided per "+" from its operands)
//   col = 'x  '                 -> col = 'x' (SQL Server pads before comparing)
//   [name], N'x'                -> "name", 'x'; PostgreSQL: "name" in lower case, as unquoted
//                                  names are stored there
//   number LIKE 'x%'            -> PostgreSQL: CAST(number AS text) LIKE 'x%'
//   IF [NOT] EXISTS (...) stmt  -> a condition step that runs or skips the next statement
//   several statements in one batch without separators -> one step each
// Text it does not understand passes through unchanged, so the database reports it. Text that
// nests too deep is refused (SqlNestingLimit.h); the work grows in step with the text's length.
#include "hostapp/database/SqlColumnKinds.h"
#include "hostapp/database/SqlStatementRewriter.h"

#include <QString>
#include <vector>

namespace hostdb {

struct SqlStep {
    enum class Kind {
        Run,         // run `sql`; its rows may be the batch's result
        SkipUnless,  // run `sql` (one value); when it is not 1, continue at `target`
        Jump,        // continue at `target`
    };
    Kind kind = Kind::Run;
    QString sql;
    int target = 0;
};

struct SqlProgram {
    std::vector<SqlStep> steps;
    // A "+" stood next to a column the schema does not know, so whether it joins text was
    // guessed; a schema read afresh may tell.
    bool guessedColumns = false;
};

class SqlServerDialect {
public:
    // `columns` tells which column names hold text, so that "+" between a text column and
    // something else becomes a concatenation.
    explicit SqlServerDialect(const SqlColumnKinds& columns, SqlTarget target = SqlTarget::Sqlite)
        : m_columns(columns), m_target(target)
    {
    }

    SqlProgram translate(const QString& batch) const;

private:
    const SqlColumnKinds& m_columns;
    SqlTarget m_target;
};

} // namespace hostdb

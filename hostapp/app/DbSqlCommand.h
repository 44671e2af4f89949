#pragma once
// `zelhost db sql FILE "T-SQL"`: runs SQL Server text through the host database, exactly as
// the component's statements run, and prints what each statement of the batch did, in order
// and a blank line apart: its rows as an aligned table, what it created, dropped or altered,
// or how many rows it changed.
#include "hostapp/database/ResultTable.h"

#include <QString>
#include <QStringList>

// args: what follows "db sql" on the command line. Returns the process exit code.
int runDbSql(const QStringList& args);

// The rows as text: a header of column names, a rule, one line per row, then "(N rows)".
// Columns are as wide as their widest cell on screen (a Chinese character takes two places);
// numbers stand right-aligned; a date without a time shows as yyyy-MM-dd; null shows NULL.
QString formatResultTable(const hostdb::ResultTable& table);

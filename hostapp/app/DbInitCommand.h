#pragma once
// `zelhost db init [--size small|large] [--force] FILE`: writes a new demo database;
// `zelhost db init --server URI ...` loads the same demo data into a PostgreSQL database.
#include <QStringList>

// `args` are the words after "db init". Returns the process exit code: 0 done, 1 the
// database could not be made, 2 the command line was wrong or the database to replace is
// open in another process.
int runDbInit(const QStringList& args);

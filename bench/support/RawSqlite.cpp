#include "support/RawSqlite.h"

#include "hostapp/database/SqlColumnKinds.h"
#include "hostapp/database/SqlServerDialect.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <stdexcept>
#include <string>

namespace bench {

QString translatedForSqlite(sqlite3* db, const QString& sqlServerText)
{
    hostdb::SqlColumnKinds kinds;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, "select p.name, p.type from sqlite_master m, pragma_table_info(m.name) p"
                               " where m.type in ('table', 'view')", -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("reading the columns: ") + sqlite3_errmsg(db));
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        const QString type = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
        kinds.add(name, hostdb::SqlColumnKinds::kindOfDeclaredType(type));
    }
    sqlite3_finalize(stmt);
    const hostdb::SqlProgram program = hostdb::SqlServerDialect(kinds).translate(sqlServerText);
    if (program.steps.size() != 1)
        throw std::runtime_error("the statement should translate to one SQLite statement");
    return program.steps.front().sql;
}

int runAndReadEveryColumn(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("statement refused: ") + sqlite3_errmsg(db));
    const int rows = stepAndReadEveryColumn(stmt);
    sqlite3_finalize(stmt);
    return rows;
}

int stepAndReadEveryColumn(sqlite3_stmt* stmt)
{
    int rows = 0;
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                benchmark::DoNotOptimize(sqlite3_column_int64(stmt, c));
                break;
            case SQLITE_FLOAT:
                benchmark::DoNotOptimize(sqlite3_column_double(stmt, c));
                break;
            case SQLITE_NULL:
                break;
            default:
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
                benchmark::DoNotOptimize(sqlite3_column_bytes(stmt, c));
            }
        }
        ++rows;
    }
    sqlite3_reset(stmt);
    return rows;
}

} // namespace bench

// Generating the large demo database, measured against a raw SQLite insert loop that
// writes as many rows of fixed content into one table, in the same run and the same way
// (one transaction, one prepared statement, no journal).
#include "hostapp/database/DemoData.h"
#include "support/LargeDatabase.h"

#include <QElapsedTimer>
#include <QFile>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

void check(sqlite3* db, int rc, const char* what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE) {
        std::fprintf(stderr, "%s: %s\n", what, sqlite3_errmsg(db));
        std::abort();
    }
}

long long countRows(const QString& path)
{
    sqlite3* db = nullptr;
    check(db, sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr), "open");
    long long total = 0;
    sqlite3_stmt* tables = nullptr;
    check(db, sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%'",
                                 -1, &tables, nullptr),
          "tables");
    while (sqlite3_step(tables) == SQLITE_ROW) {
        const std::string sql = std::string("SELECT count(*) FROM \"") +
                                reinterpret_cast<const char*>(sqlite3_column_text(tables, 0)) + "\"";
        sqlite3_stmt* count = nullptr;
        check(db, sqlite3_prepare_v2(db, sql.c_str(), -1, &count, nullptr), "count");
        if (sqlite3_step(count) == SQLITE_ROW)
            total += sqlite3_column_int64(count, 0);
        sqlite3_finalize(count);
    }
    sqlite3_finalize(tables);
    sqlite3_close(db);
    return total;
}

// Writes `rows` rows shaped like an invoice line (6 integers, 12 reals) with fixed values.
double rawInsertSeconds(const QString& path, long long rows)
{
    QFile::remove(path);
    QElapsedTimer timer;
    timer.start();
    sqlite3* db = nullptr;
    check(db, sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
          "open");
    check(db, sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA locking_mode=EXCLUSIVE; "
                               "PRAGMA cache_size=-262144; BEGIN; CREATE TABLE t (a INTEGER, b INTEGER, c INTEGER, "
                               "d INTEGER, e INTEGER, f INTEGER, g REAL, h REAL, i REAL, j REAL, k REAL, l REAL, m REAL, "
                               "n REAL, o REAL, p REAL, q REAL, r REAL)",
                           nullptr, nullptr, nullptr),
          "create");
    sqlite3_stmt* insert = nullptr;
    check(db, sqlite3_prepare_v2(db, "INSERT INTO t VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr),
          "prepare");
    for (long long row = 0; row < rows; ++row) {
        for (int column = 1; column <= 6; ++column)
            sqlite3_bind_int(insert, column, 12345);
        for (int column = 7; column <= 18; ++column)
            sqlite3_bind_double(insert, column, 1234.56);
        check(db, sqlite3_step(insert), "insert");
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    check(db, sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), "commit");
    sqlite3_close(db);
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    QFile::remove(path);
    return seconds;
}

void BM_GenerateLargeDemoDatabase(benchmark::State& state)
{
    const QString folder = bench::benchDataFolder();
    const QString generated = folder + QStringLiteral("/generate-large.db");
    const QString baseline = folder + QStringLiteral("/baseline-rows.db");
    for (auto _ : state) {
        const hostdb::DemoReport report =
            hostdb::generateDemoDatabase(generated, bench::benchDemoSize(), hostdb::ExistingFile::Replace);
        state.SetIterationTime(report.seconds);
        const long long rows = countRows(generated);
        const double raw = rawInsertSeconds(baseline, rows);
        state.counters["rows"] = static_cast<double>(rows);
        state.counters["generate_s"] = report.seconds;
        state.counters["raw_insert_s"] = raw;
        state.counters["ratio"] = report.seconds / raw;
    }
    QFile::remove(generated);
}
BENCHMARK(BM_GenerateLargeDemoDatabase)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();

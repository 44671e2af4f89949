// The history statement through the host database against the same statement on raw SQLite.
// The statement is the component's own (tq::GetHistorySQL over the host's real services, 50
// lines, for the sample material and the sample customer of the large demo database); the host
// runs it with HostDatabase::execute (translation, statement cache, recordset); the baseline
// runs the host's translation of it, obtained once, with the sqlite3 C API on the same
// connection: prepare, step, read every column, finalize.
//
//   build/bin/bench_history_query [--benchmark_repetitions=5]
//
// Target: host / raw <= 1.1 for both. BM_RawPrepared* prepare the statement once and only
// step it, as the host's statement cache lets it do: host / prepared is what the adapter and
// the recordset cost on top of SQLite's own work.
//
// BM_RawBestPlanMaterialHistory is the best plan the data allow for the busiest material,
// forced on raw SQLite: the bills walked newest first through their date index, each probed
// for the material's lines, stopping after 50 (INDEXED BY and CROSS JOIN in the same text).
// Target: host / best plan <= 2. BM_*QuietMaterialHistory list a material of a few lines.
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "support/HostSession.h"
#include "support/LargeDatabase.h"
#include "support/BenchMain.h"
#include "support/RawSqlite.h"
#include "tradequery/history/HistoryStatement.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>


#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kSales = 1;
constexpr int kListed = hostdb::demo::kTradeTimes;

struct HistoryStatement {
    QString sqlServer;       // as the component sends it
    QByteArray translated;   // as SQLite runs it
};

struct Setup {
    std::unique_ptr<bench::HostSession> session;
    std::shared_ptr<hostdb::HostDatabase> database;
    HistoryStatement material;
    HistoryStatement quietMaterial;
    HistoryStatement customer;
    QByteArray materialBestPlan;
};

Setup& setup()
{
    static Setup s;
    return s;
}

HistoryStatement historyOf(int itemId, int partnerId)
{
    tq::QueryOptions options{0, kListed};
    HistoryStatement statement;
    statement.sqlServer = tq::GetHistorySQL(kSales, options, itemId > 0 ? QString::number(itemId) : QStringLiteral("0"),
                                            partnerId, tq::HistoryNormalMode, QString());
    statement.translated = bench::translatedForSqlite(setup().database->sqliteHandle(), statement.sqlServer).toUtf8();
    return statement;
}

// The material with the fewest sales lines, at least one.
int quietestMaterial()
{
    const ado::RecordsetPtr rows = setup().database->execute(QStringLiteral(
        "select top 1 FItemID from ICSaleEntry group by FItemID order by count(*), FItemID"));
    return rows->value(QStringLiteral("FItemID")).toInt();
}

QByteArray bestPlanOf(const QByteArray& translated)
{
    const QByteArray join = "from ICSale u1 inner join ICSaleEntry u2 on";
    if (!translated.contains(join))
        throw std::runtime_error("the history statement no longer joins the bills to their lines as expected");
    QByteArray forced = translated;
    return forced.replace(join, "from ICSale u1 INDEXED BY ix_ICSale_Date CROSS JOIN ICSaleEntry u2 on");
}

void prepare()
{
    Setup& s = setup();
    const QString path = bench::largeDatabasePath();
    s.session = std::make_unique<bench::HostSession>(path, hostdb::demo::kAdminUserId);
    s.database = hostdb::HostDatabase::open(path);
    const hostdb::demo::Samples sample = hostdb::demo::samples(bench::benchDemoSize());
    s.material = historyOf(s.session->itemId(hostdb::demo::kClassMaterial, sample.itemNumber), 0);
    s.customer = historyOf(0, s.session->itemId(hostdb::demo::kClassCustomer, sample.customerNumber));
    s.quietMaterial = historyOf(quietestMaterial(), 0);
    s.materialBestPlan = bestPlanOf(s.material.translated);
}

void runRaw(benchmark::State& state, const HistoryStatement& statement, bool full = true)
{
    sqlite3* db = setup().database->sqliteHandle();
    int rows = 0;
    for (auto _ : state)
        rows = bench::runAndReadEveryColumn(db, statement.translated);
    if (full && rows != kListed)
        state.SkipWithError("the history did not give 50 lines");
}

void runRawPrepared(benchmark::State& state, const HistoryStatement& statement)
{
    sqlite3* db = setup().database->sqliteHandle();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, statement.translated.constData(), static_cast<int>(statement.translated.size()), &stmt,
                           nullptr) != SQLITE_OK) {
        state.SkipWithError(sqlite3_errmsg(db));
        return;
    }
    int rows = 0;
    for (auto _ : state)
        rows = bench::stepAndReadEveryColumn(stmt);
    sqlite3_finalize(stmt);
    if (rows != kListed)
        state.SkipWithError("the history did not give 50 lines");
}

void runHost(benchmark::State& state, const HistoryStatement& statement, bool full = true)
{
    hostdb::HostDatabase& db = *setup().database;
    long rows = 0;
    for (auto _ : state) {
        const ado::RecordsetPtr lines = db.execute(statement.sqlServer);
        rows = lines->RecordCount();
        benchmark::DoNotOptimize(rows);
    }
    if (full && rows != kListed)
        state.SkipWithError("the history did not give 50 lines");
}

void BM_RawMaterialHistory(benchmark::State& state) { runRaw(state, setup().material); }
void BM_RawBestPlanMaterialHistory(benchmark::State& state)
{
    runRaw(state, HistoryStatement{setup().material.sqlServer, setup().materialBestPlan});
}
void BM_RawQuietMaterialHistory(benchmark::State& state) { runRaw(state, setup().quietMaterial, false); }
void BM_HostQuietMaterialHistory(benchmark::State& state) { runHost(state, setup().quietMaterial, false); }
void BM_RawPreparedMaterialHistory(benchmark::State& state) { runRawPrepared(state, setup().material); }
void BM_HostMaterialHistory(benchmark::State& state) { runHost(state, setup().material); }
void BM_RawCustomerHistory(benchmark::State& state) { runRaw(state, setup().customer); }
void BM_RawPreparedCustomerHistory(benchmark::State& state) { runRawPrepared(state, setup().customer); }
void BM_HostCustomerHistory(benchmark::State& state) { runHost(state, setup().customer); }

BENCHMARK(BM_RawMaterialHistory);
BENCHMARK(BM_RawBestPlanMaterialHistory);
BENCHMARK(BM_RawPreparedMaterialHistory);
BENCHMARK(BM_HostMaterialHistory);
BENCHMARK(BM_RawCustomerHistory);
BENCHMARK(BM_RawPreparedCustomerHistory);
BENCHMARK(BM_HostCustomerHistory);
BENCHMARK(BM_RawQuietMaterialHistory);
BENCHMARK(BM_HostQuietMaterialHistory);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(
        argc, argv,
        {"bench_history_query",
         {{"BM_HostMaterialHistory", "BM_RawBestPlanMaterialHistory"},
          {"BM_RawMaterialHistory", "BM_RawBestPlanMaterialHistory"},
          {"BM_HostMaterialHistory", "BM_RawMaterialHistory"},
          {"BM_HostCustomerHistory", "BM_RawCustomerHistory"},
          {"BM_HostMaterialHistory", "BM_RawPreparedMaterialHistory"},
          {"BM_HostCustomerHistory", "BM_RawPreparedCustomerHistory"},
          {"BM_HostQuietMaterialHistory", "BM_RawQuietMaterialHistory"}},
         "ratios of CPU times (targets: host / best plan <= 2, host / raw <= 1.1; host / prepared is shown only)",
         prepare,
         [] {
             setup().database.reset();
             setup().session.reset();
         }});
}

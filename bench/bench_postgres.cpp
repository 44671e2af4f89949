// The host database on a PostgreSQL server, on the large demo data, against libpq alone and
// against the large SQLite file, in the same run, for the busiest material and the sample
// customer:
//   BM_Pg*History      HostDatabase::execute of a node's history statement on the server: the
//                      translation (cached), Qt's QPSQL driver, the recordset
//   BM_PgClick*        the node click with the host's real services on the server:
//                      tq::GetHistorySQL + BaseDetail::TakeJournalData on a real Ledger50
//   BM_Libpq*          what the host's connection sent the server for the same work (read off
//                      the wire once, before the timing), run with libpq alone in the host's
//                      own server session (same settings, same server process), every cell read
//   BM_Sqlite*         the same history statement, the same click, on the SQLite file
//
//   build/bin/zelhost db init --server URI --size large      (once; scripts/bench-postgres
//   ZEL_BENCH_PG_URI=URI build/bin/bench_postgres              does both on a private server)
//
// Targets: Pg / Libpq <= 1.2 (wall time: the work is the server's); Pg / Sqlite for the note.
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "support/BenchMain.h"
#include "support/ClickWindow.h"
#include "support/RawLibpq.h"
#include "support/ServerAndFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// A node's history statement, and what the server got for it alone and for a whole click.
struct Node {
    bench::ClickedNode clicked;
    QString historySql;                    // SQL Server text, as the component sends it
    std::vector<QByteArray> historyWire;   // as the host's connection sent it to the server
    std::vector<QByteArray> clickWire;
};

struct Setup {
    std::unique_ptr<bench::ServerAndFile> databases;
    std::unique_ptr<bench::ClickWindow> serverWindow;
    std::unique_ptr<bench::ClickWindow> fileWindow;
    Node material;
    Node customer;
};

Setup& setup()
{
    static Setup s;
    return s;
}

std::vector<QByteArray> sentFor(const std::function<void()>& work)
{
    bench::WireCapture wire(*setup().databases->server.host);
    work();  // once first: the host's statements translated and cached, as in the timing
    wire.start();
    work();
    std::vector<QByteArray> statements = wire.finish();
    if (statements.empty())
        throw std::runtime_error("nothing reached the server");
    return statements;
}

void print(const char* what, const std::vector<QByteArray>& statements)
{
    std::fprintf(stderr, "%s: %zu statement(s) to the server\n", what, statements.size());
    for (const QByteArray& sql : statements)
        std::fprintf(stderr, "    %s\n", sql.simplified().left(110).constData());
}

Node nodeOf(const bench::ClickedNode& clicked, const char* label)
{
    Setup& s = setup();
    Node node{clicked, bench::historySqlOf(clicked), {}, {}};
    node.historyWire = sentFor([&] { s.databases->server.host->execute(node.historySql); });
    node.clickWire = sentFor([&] { s.serverWindow->click(clicked); });
    print(label, node.clickWire);
    return node;
}

void prepare()
{
    Setup& s = setup();
    s.databases = std::make_unique<bench::ServerAndFile>();
    bench::BenchDatabase& file = s.databases->file;
    bench::BenchDatabase& server = s.databases->server;
    file.use();
    s.fileWindow = std::make_unique<bench::ClickWindow>();
    server.use();
    s.serverWindow = std::make_unique<bench::ClickWindow>();
    s.material = nodeOf({QString::number(server.materialId), 0}, "a click on the busiest material");
    s.customer = nodeOf({QStringLiteral("0"), server.customerId}, "a click on the sample customer");
}

void runHost(benchmark::State& state, hostdb::HostDatabase& db, const QString& sql)
{
    int rows = 0;
    for (auto _ : state)
        rows = db.execute(sql)->RecordCount();
    if (rows != hostdb::demo::kTradeTimes)
        state.SkipWithError("the history did not give the newest lines");
}

void runLibpq(benchmark::State& state, const std::vector<QByteArray>& statements)
{
    pg_conn* libpq = setup().databases->libpq;
    for (auto _ : state) {
        for (const QByteArray& sql : statements)
            benchmark::DoNotOptimize(bench::runAndReadEveryCell(libpq, sql));
    }
}

void runClick(benchmark::State& state, bench::BenchDatabase& database, bench::ClickWindow& window,
              const bench::ClickedNode& node)
{
    database.use();
    bench::timeClicks(state, window, node);
}

hostdb::HostDatabase& server() { return *setup().databases->server.host; }
hostdb::HostDatabase& file() { return *setup().databases->file.host; }

void BM_PgMaterialHistory(benchmark::State& state) { runHost(state, server(), setup().material.historySql); }
void BM_LibpqMaterialHistory(benchmark::State& state) { runLibpq(state, setup().material.historyWire); }
void BM_SqliteMaterialHistory(benchmark::State& state) { runHost(state, file(), setup().material.historySql); }
void BM_PgCustomerHistory(benchmark::State& state) { runHost(state, server(), setup().customer.historySql); }
void BM_LibpqCustomerHistory(benchmark::State& state) { runLibpq(state, setup().customer.historyWire); }
void BM_SqliteCustomerHistory(benchmark::State& state) { runHost(state, file(), setup().customer.historySql); }

void BM_PgClickMaterial(benchmark::State& state)
{
    runClick(state, setup().databases->server, *setup().serverWindow, setup().material.clicked);
}
void BM_LibpqClickMaterial(benchmark::State& state) { runLibpq(state, setup().material.clickWire); }
void BM_SqliteClickMaterial(benchmark::State& state)
{
    runClick(state, setup().databases->file, *setup().fileWindow, setup().material.clicked);
}
void BM_PgClickCustomer(benchmark::State& state)
{
    runClick(state, setup().databases->server, *setup().serverWindow, setup().customer.clicked);
}
void BM_LibpqClickCustomer(benchmark::State& state) { runLibpq(state, setup().customer.clickWire); }
void BM_SqliteClickCustomer(benchmark::State& state)
{
    runClick(state, setup().databases->file, *setup().fileWindow, setup().customer.clicked);
}

BENCHMARK(BM_PgMaterialHistory)->UseRealTime();
BENCHMARK(BM_LibpqMaterialHistory)->UseRealTime();
BENCHMARK(BM_SqliteMaterialHistory)->UseRealTime();
BENCHMARK(BM_PgCustomerHistory)->UseRealTime();
BENCHMARK(BM_LibpqCustomerHistory)->UseRealTime();
BENCHMARK(BM_SqliteCustomerHistory)->UseRealTime();
BENCHMARK(BM_PgClickMaterial)->UseRealTime();
BENCHMARK(BM_LibpqClickMaterial)->UseRealTime();
BENCHMARK(BM_SqliteClickMaterial)->UseRealTime();
BENCHMARK(BM_PgClickCustomer)->UseRealTime();
BENCHMARK(BM_LibpqClickCustomer)->UseRealTime();
BENCHMARK(BM_SqliteClickCustomer)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(
        argc, argv,
        {"bench_postgres",
         {{"BM_PgMaterialHistory", "BM_LibpqMaterialHistory"},
          {"BM_PgMaterialHistory", "BM_SqliteMaterialHistory"},
          {"BM_PgCustomerHistory", "BM_LibpqCustomerHistory"},
          {"BM_PgCustomerHistory", "BM_SqliteCustomerHistory"},
          {"BM_PgClickMaterial", "BM_LibpqClickMaterial"},
          {"BM_PgClickMaterial", "BM_SqliteClickMaterial"},
          {"BM_PgClickCustomer", "BM_LibpqClickCustomer"},
          {"BM_PgClickCustomer", "BM_SqliteClickCustomer"}},
         "ratios (targets: Pg / Libpq <= 1.2 in wall time, the second number)",
         prepare,
         [] {
             Setup& s = setup();
             s.serverWindow.reset();
             s.fileWindow.reset();
             s.databases.reset();
         }});
}

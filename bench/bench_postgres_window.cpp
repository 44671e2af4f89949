// Opening the browse window with the host database on a PostgreSQL server, on the large demo
// data, against libpq alone with bare Qt widgets, and against the same start-up on the large
// SQLite file, in the same run:
//   BM_PgStart*        the start-up as bench_window_startup times it (new BrowseBase, Load,
//                      show, events until the ledger is filled) with the host's real services
//                      on the server. Partner: the sample customer in the partner view; Item:
//                      the busiest material in the item view, its groups opened one by one
//   BM_LibpqStart*     every statement the host's connection sent the server for one start-up
//                      (read off the wire once, before the timing), run with libpq alone in the
//                      host's own server session (same settings, same server process), every
//                      cell read
//   BM_BareWindow*     bare Qt widgets showing the texts the start-up showed (see
//                      bench_window_startup)
//   BM_Baseline*       libpq and the bare window in one iteration: the same work without our
//                      layers
//   BM_SqliteStart*    the same start-up on the SQLite file
//
//   ZEL_BENCH_PG_URI=URI build/bin/bench_postgres_window    (or scripts/bench-postgres)
//
// Targets: Pg start-up / baseline <= 1.2 in wall time (the work is the server's); Pg / Sqlite
// for the note.
#include "support/BareWindow.h"
#include "support/BenchMain.h"
#include "support/RawLibpq.h"
#include "support/ServerAndFile.h"
#include "support/WindowStart.h"
#include "tradequery/window/BrowseBase.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// A start of the window, what the server got for it and what it showed.
struct StartCase {
    bench::StartNode node;
    std::vector<QByteArray> wire;
    bench::ShownTexts shown;
};

struct Setup {
    std::unique_ptr<bench::ServerAndFile> databases;
    StartCase partner;
    StartCase item;
};

Setup& setup()
{
    static Setup s;
    return s;
}

// Starts the window on the server twice and reads what the second one sent and showed.
void capture(StartCase& start, const char* label)
{
    bench::ServerAndFile& databases = *setup().databases;
    databases.server.use();
    bench::WireCapture wire(*databases.server.host);
    const bench::SecondStart second = bench::startTwice(
        start.node, label, [&] { wire.start(); }, [&] { start.wire = wire.finish(); });
    start.shown = second.shown;
    std::fprintf(stderr, "%s: one start-up %.1f ms, %ld ledger rows, %zu statements to the server:\n", label,
                 second.total / 1e6, second.ledgerRows, start.wire.size());
    std::fprintf(stderr, "    create %.1f ms, Load %.1f ms, show and events %.1f ms\n", second.phases.create / 1e6,
                 second.phases.load / 1e6, second.phases.show / 1e6);
    for (const QByteArray& sql : start.wire)
        std::fprintf(stderr, "    %s\n", sql.simplified().left(110).constData());
}

void prepare()
{
    Setup& s = setup();
    s.databases = std::make_unique<bench::ServerAndFile>();
    const bench::BenchDatabase& server = s.databases->server;
    s.partner.node = {bench::kPartnerView, 0, server.customerId};
    s.item.node = {bench::kItemView, server.materialId, 0};
    capture(s.partner, "partner view");
    capture(s.item, "item view");
}

void runLibpq(const StartCase& start)
{
    pg_conn* libpq = setup().databases->libpq;
    for (const QByteArray& sql : start.wire)
        benchmark::DoNotOptimize(bench::runAndReadEveryCell(libpq, sql));
}

void runPg(benchmark::State& state, const StartCase& start)
{
    setup().databases->server.use();
    bench::timeStartUps(state, start.node);
}

void runSqlite(benchmark::State& state, const StartCase& start)
{
    setup().databases->file.use();
    bench::timeStartUps(state, start.node);
}

void BM_PgStartPartner(benchmark::State& state) { runPg(state, setup().partner); }
void BM_PgStartItem(benchmark::State& state) { runPg(state, setup().item); }
void BM_SqliteStartPartner(benchmark::State& state) { runSqlite(state, setup().partner); }
void BM_SqliteStartItem(benchmark::State& state) { runSqlite(state, setup().item); }

// The baseline's parts for one start: the statements with libpq, the bare Qt window, or both.
enum class Part { Statements, Widgets, Both };

void runBaseline(benchmark::State& state, const StartCase& start, Part part)
{
    for (auto _ : state) {
        if (part != Part::Widgets)
            runLibpq(start);
        if (part != Part::Statements)
            bench::runBareWindow(start.shown);
    }
}

void BM_LibpqStartPartner(benchmark::State& state) { runBaseline(state, setup().partner, Part::Statements); }
void BM_LibpqStartItem(benchmark::State& state) { runBaseline(state, setup().item, Part::Statements); }
void BM_BareWindowPartner(benchmark::State& state) { runBaseline(state, setup().partner, Part::Widgets); }
void BM_BareWindowItem(benchmark::State& state) { runBaseline(state, setup().item, Part::Widgets); }
void BM_BaselinePartner(benchmark::State& state) { runBaseline(state, setup().partner, Part::Both); }
void BM_BaselineItem(benchmark::State& state) { runBaseline(state, setup().item, Part::Both); }

BENCHMARK(BM_LibpqStartPartner)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareWindowPartner)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BaselinePartner)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PgStartPartner)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SqliteStartPartner)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LibpqStartItem)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BareWindowItem)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BaselineItem)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PgStartItem)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SqliteStartItem)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(
        argc, argv,
        {"bench_postgres_window",
         {{"BM_PgStartPartner", "BM_BaselinePartner"},
          {"BM_PgStartPartner", "BM_LibpqStartPartner"},
          {"BM_PgStartPartner", "BM_SqliteStartPartner"},
          {"BM_PgStartItem", "BM_BaselineItem"},
          {"BM_PgStartItem", "BM_LibpqStartItem"},
          {"BM_PgStartItem", "BM_SqliteStartItem"}},
         "ratios (target: Pg start-up / (libpq + bare Qt window) <= 1.2 in wall time, the second number)",
         prepare,
         [] { setup().databases.reset(); }});
}

// What a click on a tree node costs before the ledger paints, and what painting one screen of
// it costs, on the large demo database with the host's real services:
//   BM_NodeClick*   tq::GetHistorySQL (host objects for the discount precision, the login and
//                   the data rights) + BaseDetail::TakeJournalData (CnExecute through the host
//                   connection, the recordset kept, the row count set on a real Ledger50
//                   answering it through ConnectRowTexts, offscreen)
//   BM_Raw*History  the same statement, translated once by the host, on raw sqlite3
//   BM_Screen40     one painted screen: the 40 row requests the grid raises (DRowData; the
//                   currency scales come through the host's bill data access once per load)
//
//   build/bin/bench_node_click [--benchmark_repetitions=5]
//
// Targets: click / raw <= 1.2; one screen of rows < the click's raw query (ratio < 1), shown
// against both clicks: the sample material has thousands of lines to sort, the customer's
// statement is quick.
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "platform/controls/Ledger50.h"
#include "support/HostSession.h"
#include "support/LargeDatabase.h"
#include "support/BenchMain.h"
#include "support/RawSqlite.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/window/LedgerInteraction.h"

#include <benchmark/benchmark.h>


#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kSales = 1;
constexpr int kListed = hostdb::demo::kTradeTimes;
constexpr long kScreenRows = 40;

// The node a click selects: a material ("123", no partner) or a customer ("0", its id).
struct ClickedNode {
    QString key;
    int32_t partnerId = 0;
    QByteArray translated;  // the history statement as SQLite runs it, for the baseline
};

// The window's side of a click: options as read at start-up, the grid and its history.
struct Window {
    tq::QueryOptions options{0, kListed};
    controls::Ledger50 grid;
    tq::BaseDetail detail;
    QMetaObject::Connection binding = tq::ConnectRowTexts(grid, detail);

    Window()
    {
        grid.resize(1600, 900);
        detail.setLdg(&grid);
        detail.GetTitleInfo(kSales);
    }
    ~Window() { QObject::disconnect(binding); }

    void click(const ClickedNode& node)
    {
        const QString sql = tq::GetHistorySQL(kSales, options, node.key, node.partnerId, tq::HistoryNormalMode, QString());
        if (!detail.TakeJournalData(sql))
            throw std::runtime_error("the history did not load");
    }
};

struct Setup {
    std::unique_ptr<bench::HostSession> session;
    std::shared_ptr<hostdb::HostDatabase> database;
    std::unique_ptr<Window> window;
    ClickedNode material;
    ClickedNode customer;
};

Setup& setup()
{
    static Setup s;
    return s;
}

ClickedNode nodeOf(const QString& key, int32_t partnerId)
{
    tq::QueryOptions options{0, kListed};
    ClickedNode node{key, partnerId, {}};
    const QString sql = tq::GetHistorySQL(kSales, options, key, partnerId, tq::HistoryNormalMode, QString());
    node.translated = bench::translatedForSqlite(setup().database->sqliteHandle(), sql).toUtf8();
    return node;
}

void prepare()
{
    Setup& s = setup();
    const QString path = bench::largeDatabasePath();
    s.session = std::make_unique<bench::HostSession>(path, hostdb::demo::kAdminUserId);
    s.database = hostdb::HostDatabase::open(path);
    const hostdb::demo::Samples sample = hostdb::demo::samples(bench::benchDemoSize());
    s.material = nodeOf(QString::number(s.session->itemId(hostdb::demo::kClassMaterial, sample.itemNumber)), 0);
    s.customer = nodeOf(QStringLiteral("0"), s.session->itemId(hostdb::demo::kClassCustomer, sample.customerNumber));
    s.window = std::make_unique<Window>();
}

void runRaw(benchmark::State& state, const ClickedNode& node)
{
    sqlite3* db = setup().database->sqliteHandle();
    int rows = 0;
    for (auto _ : state)
        rows = bench::runAndReadEveryColumn(db, node.translated);
    if (rows != kListed)
        state.SkipWithError("the history did not give 50 lines");
}

void runClick(benchmark::State& state, const ClickedNode& node)
{
    Window& window = *setup().window;
    for (auto _ : state)
        window.click(node);
    if (window.grid.Rows() != kListed + 1)
        state.SkipWithError("the ledger did not get 50 lines");
}

void BM_RawMaterialHistory(benchmark::State& state) { runRaw(state, setup().material); }
void BM_NodeClickMaterial(benchmark::State& state) { runClick(state, setup().material); }
void BM_RawCustomerHistory(benchmark::State& state) { runRaw(state, setup().customer); }
void BM_NodeClickCustomer(benchmark::State& state) { runClick(state, setup().customer); }

// One screen after the material's click: rows 2..41 as the grid asks for them.
void BM_Screen40(benchmark::State& state)
{
    Window& window = *setup().window;
    window.click(setup().material);
    for (auto _ : state) {
        for (long row = 2; row < 2 + kScreenRows; ++row) {
            long color = 0;
            QString text = window.detail.DRowData(row, color);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * kScreenRows);
}

BENCHMARK(BM_RawMaterialHistory);
BENCHMARK(BM_NodeClickMaterial);
BENCHMARK(BM_RawCustomerHistory);
BENCHMARK(BM_NodeClickCustomer);
BENCHMARK(BM_Screen40);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(
        argc, argv,
        {"bench_node_click",
         {{"BM_NodeClickMaterial", "BM_RawMaterialHistory"},
          {"BM_NodeClickCustomer", "BM_RawCustomerHistory"},
          {"BM_Screen40", "BM_RawMaterialHistory"},
          {"BM_Screen40", "BM_RawCustomerHistory"}},
         "ratios of CPU times (targets: click / raw <= 1.2; screen / raw below 1)",
         prepare,
         [] {
             setup().window.reset();
             setup().database.reset();
             setup().session.reset();
         }});
}

// What opening the browse window costs on the large demo database with the host's real
// services, from creating the window to a filled ledger on its start node:
//   BM_StartPartner   QueryType 1, CompanyID = the sample customer, the partner view: the tree
//                     of customers built, the customer selected and its history listed
//   BM_StartItem      QueryType 1, ItemID = the sample material, the item view ("ByCompany" = 2
//                     stored): the item classification built, the groups above the material
//                     opened one by one, the material selected and its history listed
//   Each: new BrowseBase, the properties, Load, resize, show, pending events run until the
//   ledger has more than its title row. Unloading the window is not timed.
//
// Baselines, each in the same run:
//   BM_RawSql*        every statement that start-up sends to the host connection (captured once
//                     by wrapping the host's AppCnnExt), translated once by the host, run on raw
//                     sqlite3 reading every column
//   BM_BareWindow*    what bare Qt widgets need to show the same texts: a window of the same
//                     size with a QTreeView and a QTableView side by side, each over a
//                     QStandardItemModel filled here with the cells the start-up showed (the
//                     tree's nodes, the same ones expanded and the start node selected; the
//                     ledger's title and rows), shown, its events run (painted once), deleted
//   BM_Baseline*      raw SQL and the bare window in one iteration; target start-up / baseline
//                     <= 1.5
//
//   build/bin/bench_window_startup [--benchmark_repetitions=5]
//
// Before the table it prints, for a second start-up of each view, where the time goes: the host
// connection's share (translation, SQLite, recordset) and the rest (widgets, tree, ledger).
#include "hostapp/database/DemoData.h"
#include "hostapp/database/HostDatabase.h"
#include "hostapp/services/HostSqlServices.h"
#include "platform/com/ObjectFactory.h"
#include "platform/hostapi/ProgIds.h"
#include "support/BareWindow.h"
#include "support/BenchMain.h"
#include "support/HostSession.h"
#include "support/LargeDatabase.h"
#include "support/RawSqlite.h"
#include "support/WindowStart.h"
#include "tradequery/window/BrowseBase.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// A start of the window: where, what it sends to the host and what it shows.
struct StartCase {
    bench::StartNode node;
    std::vector<QByteArray> translated;  // the statements as SQLite runs them, in order
    bench::ShownTexts shown;
};

// The host connection with every statement and the time it took noted; start-up runs through
// it only while the statements are being captured.
struct CapturedCall {
    QString sql;
    qint64 nanoseconds = 0;
};
std::vector<CapturedCall>& captured()
{
    static std::vector<CapturedCall> calls;
    return calls;
}

class RecordingAppCnnExt : public hostapi::AppCnnExt {
public:
    ado::RecordsetPtr Execute(const QString& propsString, const QString& sql) override
    {
        QElapsedTimer timer;
        timer.start();
        ado::RecordsetPtr rows = m_host.Execute(propsString, sql);
        captured().push_back({sql, timer.nsecsElapsed()});
        return rows;
    }

private:
    hostsvc::HostAppCnnExt m_host;
};

void useHostConnection(bool recording)
{
    const QString progId = QString::fromLatin1(hostapi::progid::AppCnnExt);
    if (recording)
        com::ObjectFactory::instance().registerClass(progId, [] { return std::make_shared<RecordingAppCnnExt>(); });
    else
        com::ObjectFactory::instance().registerClass(progId,
                                                     [] { return std::make_shared<hostsvc::HostAppCnnExt>(); });
}

struct Setup {
    std::unique_ptr<bench::HostSession> session;
    std::shared_ptr<hostdb::HostDatabase> database;
    StartCase partner;
    StartCase item;
};

Setup& setup()
{
    static Setup s;
    return s;
}

// Starts the window twice through the recording connection: the statements for the baseline,
// and a printed split of the time between the host connection and everything else.
void capture(StartCase& start, const char* label)
{
    useHostConnection(true);
    const bench::SecondStart second = bench::startTwice(start.node, label, [] { captured().clear(); });
    useHostConnection(false);
    start.shown = second.shown;
    const qint64 total = second.total;

    sqlite3* db = setup().database->sqliteHandle();
    qint64 hostSql = 0;
    start.translated.clear();
    for (const CapturedCall& call : captured()) {
        hostSql += call.nanoseconds;
        if (!call.sql.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive))
            throw std::runtime_error("start-up sent a statement that is not a query: " + call.sql.toStdString());
        start.translated.push_back(bench::translatedForSqlite(db, call.sql).toUtf8());
    }
    std::fprintf(stderr, "%s: one start-up %.1f ms, %ld ledger rows; %zu statements through the host connection "
                         "%.1f ms (%.0f%%), the rest %.1f ms\n",
                 label, total / 1e6, second.ledgerRows, captured().size(), hostSql / 1e6, 100.0 * hostSql / total,
                 (total - hostSql) / 1e6);
    std::fprintf(stderr, "    create %.1f ms, Load %.1f ms (host connection included), show and events %.1f ms\n",
                 second.phases.create / 1e6, second.phases.load / 1e6, second.phases.show / 1e6);
    for (const CapturedCall& call : captured())
        std::fprintf(stderr, "    %7.2f ms  %s\n", call.nanoseconds / 1e6,
                     qPrintable(call.sql.simplified().left(110)));
}

void prepare()
{
    Setup& s = setup();
    const QString path = bench::largeDatabasePath();
    s.session = std::make_unique<bench::HostSession>(path, hostdb::demo::kAdminUserId);
    s.database = hostdb::HostDatabase::open(path);
    const hostdb::demo::Samples sample = hostdb::demo::samples(bench::benchDemoSize());
    s.partner.node = {bench::kPartnerView, 0, s.session->itemId(hostdb::demo::kClassCustomer, sample.customerNumber)};
    s.item.node = {bench::kItemView, s.session->itemId(hostdb::demo::kClassMaterial, sample.itemNumber), 0};
    capture(s.partner, "partner view");
    capture(s.item, "item view");
}

void runRawSql(const StartCase& start)
{
    sqlite3* db = setup().database->sqliteHandle();
    for (const QByteArray& sql : start.translated)
        benchmark::DoNotOptimize(bench::runAndReadEveryColumn(db, sql));
}

void BM_StartPartner(benchmark::State& state) { bench::timeStartUps(state, setup().partner.node); }
void BM_StartItem(benchmark::State& state) { bench::timeStartUps(state, setup().item.node); }

void BM_RawSqlPartner(benchmark::State& state)
{
    for (auto _ : state)
        runRawSql(setup().partner);
}
void BM_RawSqlItem(benchmark::State& state)
{
    for (auto _ : state)
        runRawSql(setup().item);
}
void BM_BareWindowPartner(benchmark::State& state)
{
    for (auto _ : state)
        bench::runBareWindow(setup().partner.shown);
}
void BM_BareWindowItem(benchmark::State& state)
{
    for (auto _ : state)
        bench::runBareWindow(setup().item.shown);
}
void BM_BaselinePartner(benchmark::State& state)
{
    for (auto _ : state) {
        runRawSql(setup().partner);
        bench::runBareWindow(setup().partner.shown);
    }
}
void BM_BaselineItem(benchmark::State& state)
{
    for (auto _ : state) {
        runRawSql(setup().item);
        bench::runBareWindow(setup().item.shown);
    }
}

BENCHMARK(BM_RawSqlPartner)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSqlItem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareWindowPartner)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareWindowItem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselinePartner)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartPartner)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BaselineItem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartItem)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(
        argc, argv,
        {"bench_window_startup",
         {{"BM_StartPartner", "BM_BaselinePartner"},
          {"BM_StartItem", "BM_BaselineItem"},
          {"BM_StartPartner", "BM_RawSqlPartner"},
          {"BM_StartItem", "BM_RawSqlItem"}},
         "ratios of CPU times (target: start-up / (raw SQL + bare Qt window) <= 1.5; start-up / raw SQL)",
         prepare,
         [] {
             setup().database.reset();
             setup().session.reset();
         }});
}

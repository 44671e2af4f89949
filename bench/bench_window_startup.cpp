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
#include "platform/controls/Ledger50.h"
#include "platform/controls/TreeView.h"
#include "platform/hostapi/HostGlobals.h"
#include "platform/hostapi/ProgIds.h"
#include "platform/hostapi/SettingsStore.h"
#include "support/HostSession.h"
#include "support/LargeDatabase.h"
#include "support/BenchMain.h"
#include "support/RawSqlite.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/window/BrowseBase.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QPointer>
#include <QStandardItemModel>
#include <QTableView>
#include <QTreeView>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kSales = 1;
constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr int kPartnerView = 1;
constexpr int kItemView = 2;
// Start-up normally fills the ledger within Load; pending events get this many rounds at most.
constexpr int kMaxEventRounds = 1000;

// A node of the tree as the start-up left it: its text, whether it was expanded, its children.
struct ShownNode {
    QString text;
    bool expanded = false;
    bool selected = false;
    std::vector<ShownNode> children;
};

// What the window showed once started: the tree and the ledger's cells.
struct ShownTexts {
    std::vector<ShownNode> tree;
    QStringList ledgerTitles;
    std::vector<QStringList> ledgerRows;
};

// A start of the window: which view, which start node, what it sends to the host and shows.
struct StartCase {
    int view = kPartnerView;
    int32_t itemId = 0;
    int32_t companyId = 0;
    std::vector<QByteArray> translated;  // the statements as SQLite runs them, in order
    ShownTexts shown;
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

// The view the next window starts in, as the user's layout stores it.
void storeView(int view)
{
    hostapi::globals().settingsStore()->Save(QLatin1String(tq::kLayoutSection), QStringLiteral("ByCompany"), view);
}

// How long each part of one start-up took, in nanoseconds.
struct StartPhases {
    qint64 create = 0;  // the window object and its controls
    qint64 load = 0;    // Load: captions, tree, start node, history
    qint64 show = 0;    // show, pending events until the ledger is filled
};

// Everything up to the filled ledger; the caller unloads the window.
QPointer<tq::BrowseBase> startWindow(const StartCase& start, StartPhases* phases = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    QPointer<tq::BrowseBase> window = new tq::BrowseBase;
    window->setQueryType(kSales);
    window->setItemID(start.itemId);
    window->setCompanyID(start.companyId);
    window->resize(kWidth, kHeight);
    if (phases)
        phases->create = timer.nsecsElapsed();
    window->Load();
    if (phases)
        phases->load = timer.nsecsElapsed() - phases->create;
    window->show();
    QCoreApplication::processEvents();
    for (int round = 0; round < kMaxEventRounds && window->ldgBase().Rows() <= 1; ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    if (phases)
        phases->show = timer.nsecsElapsed() - phases->create - phases->load;
    return window;
}

void closeWindow(QPointer<tq::BrowseBase>& window)
{
    if (window)
        window->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (window)
        throw std::runtime_error("the window was not deleted after Unload");
}

std::vector<ShownNode> shownNodes(const QTreeView& view, const QModelIndex& parent)
{
    std::vector<ShownNode> nodes;
    const QAbstractItemModel& model = *view.model();
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        ShownNode node{index.data().toString(), view.isExpanded(index), view.currentIndex() == index, {}};
        if (node.expanded)
            node.children = shownNodes(view, index);
        nodes.push_back(std::move(node));
    }
    return nodes;
}

ShownTexts shownTexts(tq::BrowseBase& window)
{
    ShownTexts shown;
    const auto* tree = qobject_cast<const QTreeView*>(window.tvwBase().itemView());
    if (!tree)
        throw std::runtime_error("the window's tree is not a QTreeView");
    shown.tree = shownNodes(*tree, QModelIndex());
    const QAbstractItemModel& ledger = *window.ldgBase().tableView()->model();
    for (int col = 0; col < ledger.columnCount(); ++col)
        shown.ledgerTitles << ledger.headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
    for (int row = 0; row < ledger.rowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < ledger.columnCount(); ++col)
            cells << ledger.index(row, col).data().toString();
        shown.ledgerRows.push_back(cells);
    }
    return shown;
}

// Starts the window twice through the recording connection: the statements for the baseline,
// and a printed split of the time between the host connection and everything else.
void capture(StartCase& start, const char* label)
{
    useHostConnection(true);
    storeView(start.view);
    // The first window of the process also pays for fonts and first-use setup; the split below
    // is of a second one, as the benchmark's iterations see it.
    QPointer<tq::BrowseBase> first = startWindow(start);
    closeWindow(first);
    storeView(start.view);
    captured().clear();
    QElapsedTimer timer;
    timer.start();
    StartPhases phases;
    QPointer<tq::BrowseBase> window = startWindow(start, &phases);
    const qint64 total = timer.nsecsElapsed();
    const long rows = window->ldgBase().Rows();
    start.shown = shownTexts(*window);
    closeWindow(window);
    useHostConnection(false);
    if (rows <= 1)
        throw std::runtime_error(std::string(label) + ": the ledger of the start node stayed empty");

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
                 label, total / 1e6, rows - 1, captured().size(), hostSql / 1e6, 100.0 * hostSql / total,
                 (total - hostSql) / 1e6);
    std::fprintf(stderr, "    create %.1f ms, Load %.1f ms (host connection included), show and events %.1f ms\n",
                 phases.create / 1e6, phases.load / 1e6, phases.show / 1e6);
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
    s.partner.view = kPartnerView;
    s.partner.companyId = s.session->itemId(hostdb::demo::kClassCustomer, sample.customerNumber);
    s.item.view = kItemView;
    s.item.itemId = s.session->itemId(hostdb::demo::kClassMaterial, sample.itemNumber);
    capture(s.partner, "partner view");
    capture(s.item, "item view");
}

void runStart(benchmark::State& state, const StartCase& start)
{
    long rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        storeView(start.view);
        state.ResumeTiming();
        QPointer<tq::BrowseBase> window = startWindow(start);
        state.PauseTiming();
        rows = window ? window->ldgBase().Rows() : 0;
        closeWindow(window);
        state.ResumeTiming();
    }
    if (rows <= 1)
        state.SkipWithError("the ledger of the start node stayed empty");
}

void runRawSql(const StartCase& start)
{
    sqlite3* db = setup().database->sqliteHandle();
    for (const QByteArray& sql : start.translated)
        benchmark::DoNotOptimize(bench::runAndReadEveryColumn(db, sql));
}

void addNodes(QStandardItem* parent, const std::vector<ShownNode>& nodes, QTreeView& view, QStandardItemModel& model)
{
    for (const ShownNode& node : nodes) {
        auto* item = new QStandardItem(node.text);
        parent->appendRow(item);
        addNodes(item, node.children, view, model);
    }
}

void expandAndSelect(QTreeView& view, const std::vector<ShownNode>& nodes, const QModelIndex& parent)
{
    for (size_t row = 0; row < nodes.size(); ++row) {
        const QModelIndex index = view.model()->index(static_cast<int>(row), 0, parent);
        if (nodes[row].expanded) {
            view.expand(index);
            expandAndSelect(view, nodes[row].children, index);
        }
        if (nodes[row].selected)
            view.setCurrentIndex(index);
    }
}

// The same texts in bare Qt widgets: built, shown, painted once, deleted.
void runBareWindow(const ShownTexts& shown)
{
    auto* window = new QWidget;
    window->resize(kWidth, kHeight);
    auto* layout = new QHBoxLayout(window);
    auto* tree = new QTreeView;
    auto* treeModel = new QStandardItemModel(tree);
    addNodes(treeModel->invisibleRootItem(), shown.tree, *tree, *treeModel);
    tree->setHeaderHidden(true);
    tree->setModel(treeModel);
    expandAndSelect(*tree, shown.tree, QModelIndex());
    auto* table = new QTableView;
    auto* ledgerModel = new QStandardItemModel(static_cast<int>(shown.ledgerRows.size()),
                                               static_cast<int>(shown.ledgerTitles.size()), table);
    ledgerModel->setHorizontalHeaderLabels(shown.ledgerTitles);
    for (size_t row = 0; row < shown.ledgerRows.size(); ++row) {
        for (int col = 0; col < shown.ledgerRows[row].size(); ++col)
            ledgerModel->setItem(static_cast<int>(row), col, new QStandardItem(shown.ledgerRows[row][col]));
    }
    table->setModel(ledgerModel);
    layout->addWidget(tree, 1);
    layout->addWidget(table, 3);
    window->show();
    QCoreApplication::processEvents();
    delete window;
}

void BM_StartPartner(benchmark::State& state) { runStart(state, setup().partner); }
void BM_StartItem(benchmark::State& state) { runStart(state, setup().item); }

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
        runBareWindow(setup().partner.shown);
}
void BM_BareWindowItem(benchmark::State& state)
{
    for (auto _ : state)
        runBareWindow(setup().item.shown);
}
void BM_BaselinePartner(benchmark::State& state)
{
    for (auto _ : state) {
        runRawSql(setup().partner);
        runBareWindow(setup().partner.shown);
    }
}
void BM_BaselineItem(benchmark::State& state)
{
    for (auto _ : state) {
        runRawSql(setup().item);
        runBareWindow(setup().item.shown);
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

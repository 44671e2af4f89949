// The two searches of the browse window that walk rows in memory, on the large demo database
// with the host's real services, each against a bare loop over the same texts in the same run:
//   BM_QuickSearchPress   one find-next of the quick search over the materials (50 000, less the few deleted) with a
//                         text none of them holds (QuickSearch::SearchRows from the first row
//                         to the last: code, name and model of every row)
//   BM_BareMaterialLoop   the same texts taken out into a vector once, searched with
//                         QString::contains, case-insensitive like the press
//   BM_FindInLedger       one find over a ledger of 50 000 history lines (frmF_FindNow: the
//                         copy of the recordset, its filter on the bill number, the hit
//                         made the ledger's current row)
//   BM_BareBillLoop       the bill numbers taken out into a vector once, each compared with
//                         the searched one case-insensitively: the matches counted, the
//                         first kept, as the find needs both
//
//   QT_QPA_PLATFORM=offscreen build/bin/bench_find_search [--benchmark_repetitions=5]
//
// (The first run of any large-database benchmark generates the database.)
#include "hostapp/database/DemoData.h"
#include "platform/ado/Recordset.h"
#include "platform/controls/Ledger50.h"
#include "platform/controls/Ledger50Parts.h"
#include "platform/win/ModalDialog.h"
#include "support/BenchMain.h"
#include "support/HostSession.h"
#include "support/LargeDatabase.h"
#include "tradequery/find/LedgerConditions.h"
#include "tradequery/find/QuickSearch.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/history/FieldTable.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/host/HostCalls.h"
#include "tradequery/host/LayoutProfile.h"
#include "tradequery/window/BrowseBase.h"

#include <benchmark/benchmark.h>

#include <QDialog>

#include <array>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kLedgerRows = 50000;
constexpr int kBillNoField = 10;  // FieldTable entry of the bill number
const QString kAbsent = QStringLiteral("无此物料");

struct Setup {
    std::unique_ptr<bench::HostSession> session;
    std::unique_ptr<tq::BrowseBase> window;
    long materials = 0;
    std::vector<std::array<QString, 3>> materialTexts;  // code, name, model
    std::vector<QString> bills;
    QString soughtBill;  // the bill of a line three quarters down the ledger
};

Setup& setup()
{
    static Setup s;
    return s;
}

void prepare()
{
    Setup& s = setup();
    s.session = std::make_unique<bench::HostSession>(bench::largeDatabasePath(), hostdb::demo::kAdminUserId);
    tq::SaveLayoutSetting(QStringLiteral("ByCompany"), 2);  // the item view
    s.window = std::make_unique<tq::BrowseBase>();
    s.window->setQueryType(1);
    s.window->resize(1280, 720);
    s.window->Load();

    // The quick-search command loads the materials and shows its dialog; nobody is at it.
    auto previous = win::setModalResponder([](QDialog&) { return 0; });
    s.window->quickSearch().SearchCommand();
    win::setModalResponder(std::move(previous));
    const ado::RecordsetPtr list = tq::CnExecute(QStringLiteral(
        "select FItemID,FName,FFullName,isnull(FHelpCode,'') as FHelpCode,FNumber,isnull(FModel,'') as FModel,"
        "FParentID from t_ICItem where FDeleted=0 order by FNumber"));
    for (list->MoveFirst(); !list->Eof(); list->MoveNext())
        s.materialTexts.push_back({list->value(QStringLiteral("FNumber")).toString(),
                                   list->value(QStringLiteral("FName")).toString(),
                                   list->value(QStringLiteral("FModel")).toString()});
    s.materials = static_cast<long>(s.materialTexts.size());
    // The planned materials, a few of them marked deleted and so not in the list.
    if (s.materials < hostdb::plannedDemoCounts(bench::benchDemoSize()).materials * 98 / 100)
        throw std::runtime_error("the demo database holds fewer materials than planned");

    // A ledger of the newest 50 000 sales lines of every material and customer.
    tq::QueryOptions& options = s.window->queryOptions();
    options.TradeTimes = kLedgerRows;
    tq::BaseDetail* ledger = s.window->ledgerObject();
    if (!ledger->TakeJournalData(tq::GetHistorySQL(1, options, QStringLiteral("0"), 0, tq::HistoryNormalMode, QString())))
        throw std::runtime_error("the 50 000-line history did not load");
    const ado::RecordsetPtr lines = ledger->recordset();
    const int billColumn = lines->fieldIndex(tq::FieldTable(kBillNoField).Key);
    for (lines->MoveFirst(); !lines->Eof(); lines->MoveNext())
        s.bills.push_back(lines->value(billColumn).toString());
    if (s.bills.size() != static_cast<size_t>(kLedgerRows))
        throw std::runtime_error("the ledger holds fewer than 50 000 lines");
    s.soughtBill = s.bills[s.bills.size() * 3 / 4];
    tq::FieldTable(kBillNoField).FindText = s.soughtBill;
}

void BM_QuickSearchPress(benchmark::State& state)
{
    Setup& s = setup();
    tq::QuickSearch& search = s.window->quickSearch();
    for (auto _ : state)
        benchmark::DoNotOptimize(search.SearchRows(1, static_cast<int32_t>(s.materials), kAbsent, false, QString()));
}
BENCHMARK(BM_QuickSearchPress)->Unit(benchmark::kMillisecond);

void BM_BareMaterialLoop(benchmark::State& state)
{
    Setup& s = setup();
    for (auto _ : state) {
        long hit = 0;
        for (long row = 0; row < s.materials && hit == 0; ++row)
            for (const QString& text : s.materialTexts[static_cast<size_t>(row)])
                if (text.contains(kAbsent, Qt::CaseInsensitive)) {
                    hit = row + 1;
                    break;
                }
        benchmark::DoNotOptimize(hit);
    }
}
BENCHMARK(BM_BareMaterialLoop)->Unit(benchmark::kMillisecond);

void BM_FindInLedger(benchmark::State& state)
{
    Setup& s = setup();
    tq::LedgerConditions& conditions = *s.window->conditions();
    long row = 0;
    for (auto _ : state) {
        conditions.setResetFindCount(true);  // every find shows the first match
        conditions.frmF_FindNow(0, 0, s.soughtBill);
        row = s.window->ldgBase().LedgerSelection().CurrentRow();
    }
    if (row < 2)
        state.SkipWithError("the find showed no match");
}
BENCHMARK(BM_FindInLedger)->Unit(benchmark::kMillisecond);

void BM_BareBillLoop(benchmark::State& state)
{
    Setup& s = setup();
    for (auto _ : state) {
        // Like the find: how many lines match, and the first of them.
        long hit = 0, matches = 0;
        for (size_t row = 0; row < s.bills.size(); ++row)
            if (s.bills[row].compare(s.soughtBill, Qt::CaseInsensitive) == 0 && ++matches == 1)
                hit = static_cast<long>(row) + 2;
        benchmark::DoNotOptimize(hit);
        benchmark::DoNotOptimize(matches);
    }
}
BENCHMARK(BM_BareBillLoop)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return bench::runBenchProgram(argc, argv,
                                  {"bench_find_search",
                                   {{"BM_QuickSearchPress", "BM_BareMaterialLoop"},
                                    {"BM_FindInLedger", "BM_BareBillLoop"}},
                                   "ratios of CPU times (search / bare loop)",
                                   prepare,
                                   [] {
                                       setup().window.reset();
                                       setup().session.reset();
                                   }});
}

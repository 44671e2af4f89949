#pragma once
// The window's side of a click on a tree node, for the click benchmarks: the query options as
// read at start-up, a real Ledger50 (offscreen, answering its rows through ConnectRowTexts) and
// the BaseDetail that lists the node's history in it. A click is tq::GetHistorySQL with the
// host's installed services followed by BaseDetail::TakeJournalData.
#include "platform/controls/Ledger50.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/host/QueryOptions.h"

#include <benchmark/benchmark.h>

#include <QMetaObject>
#include <QString>

#include <cstdint>

namespace bench {

// The history of customer sales, as the benchmarks click it.
constexpr int kSalesQuery = 1;

// The node a click selects: a material ("123", no partner) or a customer ("0", its id).
struct ClickedNode {
    QString key;
    int32_t partnerId = 0;
};

// The history statement a click on this node sends, in SQL Server text.
QString historySqlOf(const ClickedNode& node);

class ClickWindow {
public:
    ClickWindow();
    ~ClickWindow();
    ClickWindow(const ClickWindow&) = delete;
    ClickWindow& operator=(const ClickWindow&) = delete;

    // Lists the node's history; raises std::runtime_error when it does not load.
    void click(const ClickedNode& node);

    controls::Ledger50 grid;
    tq::BaseDetail detail;

private:
    QMetaObject::Connection m_binding;
};

// One click on the node per iteration; the run is marked failed unless the ledger lists the
// newest lines the options ask for.
void timeClicks(benchmark::State& state, ClickWindow& window, const ClickedNode& node);

} // namespace bench

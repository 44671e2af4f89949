#include "support/ClickWindow.h"

#include "hostapp/database/DemoData.h"
#include "tradequery/history/HistoryStatement.h"
#include "tradequery/window/LedgerInteraction.h"

#include <stdexcept>

namespace bench {

namespace {

// The newest lines a node lists, as the demo user's options ask.
tq::QueryOptions listedOptions()
{
    return tq::QueryOptions{0, hostdb::demo::kTradeTimes};
}

} // namespace

QString historySqlOf(const ClickedNode& node)
{
    tq::QueryOptions options = listedOptions();
    return tq::GetHistorySQL(kSalesQuery, options, node.key, node.partnerId, tq::HistoryNormalMode, QString());
}

ClickWindow::ClickWindow() : m_binding(tq::ConnectRowTexts(grid, detail))
{
    grid.resize(1600, 900);
    detail.setLdg(&grid);
    detail.GetTitleInfo(kSalesQuery);
}

ClickWindow::~ClickWindow()
{
    QObject::disconnect(m_binding);
}

void ClickWindow::click(const ClickedNode& node)
{
    if (!detail.TakeJournalData(historySqlOf(node)))
        throw std::runtime_error("the history did not load");
}

void timeClicks(benchmark::State& state, ClickWindow& window, const ClickedNode& node)
{
    for (auto _ : state)
        window.click(node);
    if (window.grid.Rows() != listedOptions().TradeTimes + 1)
        state.SkipWithError("the ledger did not get the newest lines");
}

} // namespace bench

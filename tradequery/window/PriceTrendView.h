#pragma once
// The price-trend pane of the browse window: shown and hidden by the menu item "价格走势图",
// placed under the ledger, and fed with the rows the ledger holds whenever the ledger is
// filled again (a node click, a filter, a sort, a refresh). It never queries history lines
// of its own. Hidden, it costs nothing: the pane is made the first time it is shown.
//
// Its visibility is a layout value ("PriceTrend" in section "ComTradeQuery"), read at load
// and written at unload when the user changed it.
#include <QObject>
#include <memory>

namespace tq {

class BrowseBase;
class CurrencyTable;
class PriceTrendPane;

class PriceTrendView : public QObject {
    Q_OBJECT
public:
    explicit PriceTrendView(BrowseBase& window);
    ~PriceTrendView() override;

    // Load and unload, each run as a step of its own (a failing one is skipped).
    void Restore();
    void Save();

    // The menu item: inverts its check mark and shows or hides the pane with it.
    void mnuViewPriceTrend_Click();
    void setShown(bool shown);
    bool isShown() const { return m_shown; }

    // Layout, in the window's full layout: the pane takes the lower part of the ledger's room
    // (the tree's height); after the splitter moved it follows the ledger's left and width.
    // Hidden, they change nothing.
    void FitUnderLedger();
    void FollowLedgerWidth();

    // Draws the ledger's rows now instead of when the events run.
    void Redraw();

    // Null until first shown.
    PriceTrendPane* pane() const { return m_pane; }
    // The summary, one "走势摘要: " line per row, when the pane is shown; empty otherwise.
    QString describe() const;

private:
    void scheduleRedraw();

    BrowseBase& m_window;
    PriceTrendPane* m_pane = nullptr;
    bool m_shown = false;
    bool m_restoredShown = false;
    bool m_redrawPending = false;
    std::unique_ptr<CurrencyTable> m_currencies;  // read at the first drawing
};

} // namespace tq

#pragma once
// The component's browse window. The query component hands it the query type, the start item,
// the start partner and a filter object through its four write-only properties, loads it and
// shows it, modally or modeless.
//
// The window owns its controls and its state; each concern has its own class in this folder
// (layout and splitter, menu and toolbar commands, ledger events, column widths, start-up and
// shut-down) and the tree side lives in tradequery/tree, all working on the window through
// BrowseContext.
#include "platform/com/ObjectFactory.h"
#include "platform/hostapi/ObjectValue.h"
#include "tradequery/window/ServerReferences.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/tree/BrowseContext.h"
#include "tradequery/window/BrowseControls.h"

#include <QWidget>
#include <cstdint>
#include <memory>

namespace tq {

class LedgerConditions;
class LedgerInteraction;
class PriceTrendView;
class QuickSearch;
class ToolbarCommands;
class TreeCollaborators;
class WindowLayout;

class BrowseBase : public QWidget, public BrowseContext {
    Q_OBJECT
    // Written by whoever opens the window, before Load. (moc remarks that a property
    // without READ is not readable: that is intended.)
    Q_PROPERTY(int QueryType WRITE setQueryType)
    Q_PROPERTY(int CompanyID WRITE setCompanyID)
    Q_PROPERTY(int ItemID WRITE setItemID)
    Q_PROPERTY(com::ComObjectPtr Filter WRITE setFilter)

public:
    // The window's name, under which it keeps its user profile values.
    static constexpr char kWindowName[] = "BrowseBase";

    // Initialize: fills the process-wide FieldTable (before the query type is known); Load
    // fills the table again for the window's query type.
    explicit BrowseBase(QWidget* parent = nullptr);
    ~BrowseBase() override;

    void setQueryType(int32_t queryType) { m_queryType = queryType; }
    void setCompanyID(int32_t companyId) override { m_companyId = companyId; }
    void setItemID(int32_t itemId) override { m_itemId = itemId; }
    void setFilter(com::ComObjectPtr filter) { m_filter = std::move(filter); }

    // For the window's own parts: 1 is the customer sales flavour, anything else the supplier
    // purchase flavour.
    int32_t queryType() const { return m_queryType; }
    int32_t companyID() const { return m_companyId; }
    int32_t itemID() const { return m_itemId; }
    const com::ComObjectPtr& filter() const { return m_filter; }
    bool isCustomerQuery() const { return m_queryType == 1; }

    // Loads the window: captions, the start-up view, the grid font. Loading a loaded window
    // does nothing.
    void Load();
    bool isLoaded() const { return m_loaded; }

    // Unloads the window: closes it (running its unload handling once) and releases it; the
    // object is deleted when control returns to the event loop.
    void Unload();

    // Replaces the tree side before Load (tests stand in for it); the window owns it.
    void setTreeCollaborators(std::unique_ptr<TreeCollaborators> tree);
    TreeCollaborators& treeCollaborators() { return *m_tree; }

    // BrowseContext
    int32_t QueryType() const override { return m_queryType; }
    int32_t ItemID() const override { return m_itemId; }
    int32_t CompanyID() const override { return m_companyId; }
    const com::ComObjectPtr& Filter() const override { return m_filter; }
    QueryOptions& queryOptions() override { return m_queryOptions; }
    bool ShowViewBy() const override { return m_showViewBy; }
    void setShowViewBy(bool value) override { m_showViewBy = value; }
    controls::TreeView& tvwBase() override { return *m_controls.tvwBase; }
    controls::Ledger50& ldgBase() override { return *m_controls.ldgBase; }
    BaseDetail* ledgerObject() override { return m_ledgerObject.get(); }
    void setLedgerObject(std::unique_ptr<BaseDetail> detail) override { m_ledgerObject = std::move(detail); }
    tvwBuilder* treeBuilder() override { return m_treeBuilder.get(); }
    void setTreeBuilder(std::unique_ptr<tvwBuilder> builder) override;
    QAction* menuItem(const QString& name) override { return m_controls.menuItems.value(name); }
    QAction* toolbarButton(const QString& key) override { return m_controls.buttons.value(key); }
    QString statusText(const QString& panelKey) const override;
    void setStatusText(const QString& panelKey, const QString& text) override;
    void setTitleClass(const QString& caption) override;
    void setTitleItem(const QString& caption) override;
    void SaveColumnWidths() override;
    void RestoreColumnWidths() override;
    void Refresh() override;
    void ShowCurrentRowPrice() override;
    void ResetQuickSearchPosition() override;

    // The layout routine, in twips: mode 1 the whole window for an inner size x by y, mode 3
    // the splitter at x, mode 4 the status bar, mode 5 the toolbar.
    void LayoutControls(long x, long y, int mode);

    // Menu and toolbar commands that other parts call.
    void ShowQueryProperty();  // "查询属性设置(&Q)", toolbar "Property"
    void CloseWindow();        // "退出(&X)", toolbar "Exit"

    BrowseControls& browseControls() { return m_controls; }
    const BrowseControls& browseControls() const { return m_controls; }
    WindowLayout& layout() { return *m_layout; }
    ToolbarCommands& commands() { return *m_commands; }
    LedgerInteraction& ledgerInteraction() { return *m_ledgerInteraction; }
    PriceTrendView& priceTrend() { return *m_priceTrend; }

    // Releases the tree builder (unload).
    void releaseTreeBuilder();
    // The tree builder's flags: the item view is shown; sorting waits for the batch sort.
    bool treeShowsItems() const;
    bool treeBatchSort() const;

    // The condition dialog frmF with the find, sort and filter handling: created at load,
    // released at unload (null outside). It keeps CurrentSort, which Refresh re-applies.
    LedgerConditions* conditions() { return m_conditions.get(); }
    void setConditions(std::unique_ptr<LedgerConditions> conditions);
    // The quick search with its dialog frmSch and its two lists.
    QuickSearch& quickSearch() { return *m_quickSearch; }
    double AppliedFontSize() const { return m_appliedFontSize; }
    void setAppliedFontSize(double size) { m_appliedFontSize = size; }

    // What the window shows, for the host's headless runs: the two title panels, the ledger
    // (its title row first, one line per row, cells separated by tabs), the status bar panels
    // and, when the price-trend pane is shown, its summary; one item per line. The host adds
    // the window title.
    Q_INVOKABLE QString describeForScreenshot() const;
    // The export command for scripted runs: the exporter decides where the file goes (its
    // save-path variable when set); true when it wrote one.
    Q_INVOKABLE bool exportLedger();
    // Prints the ledger with its page header and footer into the PDF file at path; false when
    // the file could not be written.
    Q_INVOKABLE bool printLedgerToPdf(const QString& path);
    // Shows or hides the price-trend pane, as its menu item does; answers whether it was shown.
    Q_INVOKABLE bool setPriceTrendShown(bool shown);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:

    ServerReference m_serverReference;  // an open window keeps the library in use
    int32_t m_queryType = 0;
    int32_t m_companyId = 0;
    int32_t m_itemId = 0;
    com::ComObjectPtr m_filter;
    bool m_loaded = false;
    bool m_unloaded = false;

    bool m_showViewBy = false;
    QueryOptions m_queryOptions;
    double m_appliedFontSize = 0;

    BrowseControls m_controls;
    std::unique_ptr<BaseDetail> m_ledgerObject;
    std::unique_ptr<tvwBuilder> m_treeBuilder;
    std::unique_ptr<TreeCollaborators> m_tree;
    std::unique_ptr<WindowLayout> m_layout;
    std::unique_ptr<ToolbarCommands> m_commands;
    std::unique_ptr<LedgerInteraction> m_ledgerInteraction;
    std::unique_ptr<PriceTrendView> m_priceTrend;
    std::unique_ptr<LedgerConditions> m_conditions;
    std::unique_ptr<QuickSearch> m_quickSearch;
};

} // namespace tq

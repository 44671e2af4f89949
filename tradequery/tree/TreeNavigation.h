#pragma once
// The browse window's reaction to its navigation tree: a click on an item or a partner lists
// its price history in the ledger, a click on the root or a group empties the ledger; opening
// or clicking a group loads its detail children once per build; and a node can be selected by
// the host identifier it stands for, its ancestors first.
//
// The window connects the tree's NodeClick signal to NodeClick and its Expand signal to
// LoadChildNodes; the view switches, the refresh and SelectNodeById call NodeClick directly,
// because selecting a node from code raises no click.
#include "platform/controls/TreeViewNode.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace hostapi {
class StringDictionary;
}

namespace tq {

class BrowseContext;
class BaseDetail;

// The last node click that was handled.
struct NodeClickRecord {
    QString NodeKey;
    QString RootText;
    int16_t Busy = 0;  // 1 while a load runs: a click arriving then is dropped
};

class TreeNavigation {
public:
    // Seconds since midnight, with fractions (the timer the load time is measured with).
    using Clock = std::function<double()>;

    explicit TreeNavigation(BrowseContext& window);

    const NodeClickRecord& LastNodeClick() const { return m_lastNodeClick; }
    // When true, a click on the node of LastNodeClick loads again (the refresh sets it).
    bool ForceReload() const { return m_forceReload; }
    void setForceReload(bool value) { m_forceReload = value; }
    // Tree index of the group of the last node clicked in the item view, and of the last node
    // clicked in the partner view; the view switch selects them again.
    int32_t ItemClassNodeIndex() const { return m_itemClassNodeIndex; }
    void setItemClassNodeIndex(int32_t index) { m_itemClassNodeIndex = index; }
    int32_t PartnerNodeIndex() const { return m_partnerNodeIndex; }
    void setPartnerNodeIndex(int32_t index) { m_partnerNodeIndex = index; }

    // Lists the node's history (a "gb" node) or empties the ledger (root, group), loads the
    // node's children and tells the user in the titles and the status bar what was loaded and
    // how long it took. Every step runs on its own.
    void NodeClick(controls::Node node);

    // Loads the detail children of a node whose tag is "0" for the current view, then marks it
    // "1" (also when the query failed or gave no rows). Every step runs on its own.
    void LoadChildNodes(controls::Node node);

    // The data-right texts of the child statements: "DataRightFrom" and "DataRightWhere", both
    // empty. The kind (3 items, 1 customers, 2 suppliers) is accepted and not used.
    std::shared_ptr<hostapi::StringDictionary> DataRightParams(int32_t kind) const;

    // Whether a node under parent already reads exactly text. Only the parent's own children are
    // compared, in one pass over them, so it works in trees of any size (no 32767-node limit);
    // LoadChildNodes keeps the texts of the group it fills in a hash instead of asking per row.
    bool NodeTextExistsUnder(const QString& text, const controls::Node& parent) const;

    // Selects and clicks the node of a host identifier: its ancestors first (from the top down,
    // so their children are loaded), then the group "gi" + id or else the detail "gb" + id. An
    // identifier in no node selects nothing. The parent chain is followed at most
    // kMaxAncestorDepth levels up, so a chain running in a circle ends.
    void SelectNodeById(int32_t& id);
    static constexpr int kMaxAncestorDepth = 64;

    // The host's parent identifier of an item or partner; 0 when it has none. A failing query
    // shows "取基础资料的父项内码时出错。原因：…" and answers 0.
    int32_t GetParentItemId(int32_t id);

    // Tests measure with their own clock.
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // The texts of the ledger and status panels ("%1 秒" above one second, else "%1 毫秒").
    static QString elapsedText(double seconds);

private:
    void selectNodeById(int32_t id, int depth);
    void loadItemChildren(const controls::Node& node);
    void loadPartnerChildren(const controls::Node& node);
    void listHistory(const QString& nodeKey);
    bool isChecked(const char* menuItemName) const;
    BaseDetail& ledgerObject() const;

    BrowseContext& m_window;
    NodeClickRecord m_lastNodeClick;
    bool m_forceReload = false;
    int32_t m_itemClassNodeIndex = 0;
    int32_t m_partnerNodeIndex = 0;
    Clock m_clock;
};

} // namespace tq

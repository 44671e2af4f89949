#pragma once
// Which view the browse window's tree shows: the item view (materials; a click lists the item's
// trades with every partner) or the partner view (customers or suppliers; a click lists every
// trade with that partner). Sets the view at start from the user's stored layout and switches
// it on the user's command, keeping the menu check marks, the toolbar buttons and the tree
// builder's flags in step. The checked menu item (mnuVBaseICItem / mnuVCompany) is the
// authority on which view is shown.
//
// Every step of these handlers runs on its own: a failing step is skipped, the next one runs,
// no message is shown.
#include <cstdint>

class QAction;
class QVariant;

namespace tq {

class BrowseContext;
class TreeNavigation;

class ViewModes {
public:
    ViewModes(BrowseContext& window, TreeNavigation& navigation);

    // The start-up view setting: creates the window's ledger object and tree builder, reads the
    // query options and the layout values ("ShowViewBy", "ByCompany" default 1, "blBatchSort"
    // default 0), sets the captions of the query type, builds the tree, selects the node of the
    // host's ItemID (item view) or CompanyID (partner view), prepares the ledger grid, restores
    // the column widths and refreshes, which lists the selected node's history.
    void StartUp();

    // The mnuVBaseICItem / "ByItem" command. On the view already shown it only presses the
    // button again.
    void ShowItemView();
    // The mnuVCompany / "ByCompany" command, the same for the partner view.
    void ShowPartnerView();

    // The "ByCompany" layout value as the start-up uses it: 2 is the item view, anything else
    // (1, absent, unreadable) the partner view.
    static int32_t byCompanyValue(const QVariant& stored);

private:
    QAction& menuItem(const char* name) const;
    QAction& toolbarButton(const char* key) const;
    void setView(bool itemView);
    void setQueryTypeCaptions();
    void readShowViewBy();
    void prepareLedgerGrid();
    // Made visible and given the focus after a switch, as the user expects to go on in the tree.
    void showTree();
    void focusTree();
    // Rebuilds the tree for the view the menu says and clicks the remembered node.
    void rebuildAndSelect(int32_t& rememberedIndex);

    BrowseContext& m_window;
    TreeNavigation& m_navigation;
};

} // namespace tq

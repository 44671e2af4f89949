#pragma once
// What the browse window offers the collaborators that handle its concerns (tree navigation,
// view modes, ledger interaction, ...). The window implements it; tests implement it over
// real controls without the rest of the window.
#include "platform/com/ObjectFactory.h"
#include "tradequery/host/QueryOptions.h"

#include <QString>
#include <cstdint>
#include <memory>

class QAction;

namespace controls {
class TreeView;
class Ledger50;
}

namespace tq {

class BaseDetail;
class tvwBuilder;

class BrowseContext {
public:
    virtual ~BrowseContext() = default;

    // The query the window was opened for, and the item or partner whose history it shows.
    virtual int32_t QueryType() const = 0;
    virtual int32_t ItemID() const = 0;
    virtual void setItemID(int32_t id) = 0;
    virtual int32_t CompanyID() const = 0;
    virtual void setCompanyID(int32_t id) = 0;
    virtual const com::ComObjectPtr& Filter() const = 0;
    virtual QueryOptions& queryOptions() = 0;
    virtual bool ShowViewBy() const = 0;
    virtual void setShowViewBy(bool value) = 0;

    // The controls: the navigation tree tvwBase and the ledger grid ldgBase.
    virtual controls::TreeView& tvwBase() = 0;
    virtual controls::Ledger50& ldgBase() = 0;

    // The window-owned objects, created by the start-up view setting and released at unload.
    virtual BaseDetail* ledgerObject() = 0;
    virtual void setLedgerObject(std::unique_ptr<BaseDetail> detail) = 0;
    virtual tvwBuilder* treeBuilder() = 0;
    virtual void setTreeBuilder(std::unique_ptr<tvwBuilder> builder) = 0;

    // Menu items by control name ("mnuVCompany", "mnuVBaseICItem", "mnuView_Sort", ...) and
    // toolbar buttons by key ("ByCompany", "ByItem", "Sort", ...). A checked action is a checked
    // menu item or a pressed button; a button's description is the action's statusTip.
    virtual QAction* menuItem(const QString& name) = 0;
    virtual QAction* toolbarButton(const QString& key) = 0;

    // Status bar panels keyed "Status", "Passtime", "Info"; the title panels over the tree
    // (SSPTitleClass) and over the ledger (SSPTitleItem).
    virtual QString statusText(const QString& panelKey) const = 0;
    virtual void setStatusText(const QString& panelKey, const QString& text) = 0;
    virtual void setTitleClass(const QString& caption) = 0;
    virtual void setTitleItem(const QString& caption) = 0;

    // Window operations the collaborators call.
    virtual void SaveColumnWidths() = 0;
    virtual void RestoreColumnWidths() = 0;
    virtual void Refresh() = 0;                  // the refresh command (F5)
    virtual void ShowCurrentRowPrice() = 0;      // the ledger's current-row handling
    virtual void ResetQuickSearchPosition() = 0; // the quick search resumes from the top
};

} // namespace tq

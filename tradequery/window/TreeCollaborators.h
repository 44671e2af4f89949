#pragma once
// The window's tree side: the start-up view setting, the two view switches, the node clicks and
// expansions. The window reaches them only through this class, so tests of the frame can stand
// in for the tree without a database.
#include "platform/controls/TreeViewNode.h"

#include <cstdint>
#include <memory>

namespace tq {

class BrowseContext;

class TreeCollaborators {
public:
    virtual ~TreeCollaborators() = default;

    virtual void StartUp() = 0;                       // the start-up view setting
    virtual void ShowItemView() = 0;                  // mnuVBaseICItem, "ByItem"
    virtual void ShowPartnerView() = 0;               // mnuVCompany, "ByCompany"
    virtual void NodeClick(controls::Node node) = 0;  // a click, or the refresh's re-click
    virtual void LoadChildNodes(controls::Node node) = 0;
    virtual void SelectNodeById(int32_t& id) = 0;    // the quick search's hit
    virtual void setForceReload(bool value) = 0;
};

// The tree navigation and the view modes of the window.
std::unique_ptr<TreeCollaborators> makeTreeCollaborators(BrowseContext& window);

} // namespace tq

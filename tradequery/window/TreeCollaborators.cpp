#include "tradequery/window/TreeCollaborators.h"

#include "tradequery/tree/TreeNavigation.h"
#include "tradequery/tree/ViewModes.h"

namespace tq {

namespace {

class WindowTree : public TreeCollaborators {
public:
    explicit WindowTree(BrowseContext& window) : m_navigation(window), m_viewModes(window, m_navigation) {}

    void StartUp() override { m_viewModes.StartUp(); }
    void ShowItemView() override { m_viewModes.ShowItemView(); }
    void ShowPartnerView() override { m_viewModes.ShowPartnerView(); }
    void NodeClick(controls::Node node) override { m_navigation.NodeClick(node); }
    void LoadChildNodes(controls::Node node) override { m_navigation.LoadChildNodes(node); }
    void SelectNodeById(int32_t& id) override { m_navigation.SelectNodeById(id); }
    void setForceReload(bool value) override { m_navigation.setForceReload(value); }

private:
    TreeNavigation m_navigation;
    ViewModes m_viewModes;
};

} // namespace

std::unique_ptr<TreeCollaborators> makeTreeCollaborators(BrowseContext& window)
{
    return std::make_unique<WindowTree>(window);
}

} // namespace tq

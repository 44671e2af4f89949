#include "tradequery/window/TreeCollaborators.h"

#if __has_include("tradequery/tree/ViewModes.h")
#include "tradequery/tree/TreeNavigation.h"
#include "tradequery/tree/ViewModes.h"
#include "tradequery/tree/tvwBuilder.h"

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

bool builderShowsItems(const tvwBuilder* builder) { return builder && builder->BICItem; }
bool builderBatchSort(const tvwBuilder* builder) { return builder && builder->blBatchSort; }
void releaseTreeBuilder(tvwBuilder* builder) { delete builder; }

} // namespace tq

#else
// Until the tree side is part of the build the window opens with an empty tree.
namespace tq {

namespace {

class NoTree : public TreeCollaborators {
public:
    void StartUp() override {}
    void ShowItemView() override {}
    void ShowPartnerView() override {}
    void NodeClick(controls::Node) override {}
    void LoadChildNodes(controls::Node) override {}
    void setForceReload(bool) override {}
};

} // namespace

std::unique_ptr<TreeCollaborators> makeTreeCollaborators(BrowseContext&)
{
    return std::make_unique<NoTree>();
}

bool builderShowsItems(const tvwBuilder*) { return false; }
bool builderBatchSort(const tvwBuilder*) { return false; }
void releaseTreeBuilder(tvwBuilder*) {}

} // namespace tq
#endif

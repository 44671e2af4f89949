#pragma once
// A browse window for tests of its collaborators: real controls (the navigation tree with the
// standard image list, the ledger grid, actions for the menu items and toolbar buttons, labels
// for the status and title panels) behind BrowseContext, without the rest of the window. Like
// the real window it owns a TreeNavigation and a ViewModes, connects the tree's click and
// expand to the navigation and feeds the ledger's row requests from the ledger object.
#include "tradequery/tree/TreeNavigation.h"
#include "tradequery/tree/ViewModes.h"
#include "tradequery/tree/BrowseContext.h"
#include "tradequery/history/BaseDetail.h"
#include "tradequery/tree/tvwBuilder.h"

#include <QHash>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace controls {
class ImageList;
}
namespace testsupport {

class FakeBrowseWindow : public QWidget, public tq::BrowseContext {
public:
    explicit FakeBrowseWindow(int32_t queryType = 1, int32_t itemId = 0, int32_t companyId = 0);
    ~FakeBrowseWindow() override;

    tq::TreeNavigation& navigation() { return m_navigation; }
    tq::ViewModes& viewModes() { return m_viewModes; }

    // The window operations called so far, by name, in order: "SaveColumnWidths",
    // "RestoreColumnWidths", "Refresh", "ShowCurrentRowPrice", "ResetQuickSearchPosition".
    const QStringList& calls() const { return m_calls; }

    QString titleItem() const { return m_titleItem->text(); }

    // BrowseContext
    int32_t QueryType() const override { return m_queryType; }
    int32_t ItemID() const override { return m_itemId; }
    void setItemID(int32_t id) override { m_itemId = id; }
    int32_t CompanyID() const override { return m_companyId; }
    void setCompanyID(int32_t id) override { m_companyId = id; }
    const com::ComObjectPtr& Filter() const override { return m_filter; }
    tq::QueryOptions& queryOptions() override { return m_queryOptions; }
    bool ShowViewBy() const override { return m_showViewBy; }
    void setShowViewBy(bool value) override { m_showViewBy = value; }
    controls::TreeView& tvwBase() override { return *m_tree; }
    controls::Ledger50& ldgBase() override { return *m_ledger; }
    tq::BaseDetail* ledgerObject() override { return m_ledgerObject.get(); }
    void setLedgerObject(std::unique_ptr<tq::BaseDetail> detail) override { m_ledgerObject = std::move(detail); }
    tq::tvwBuilder* treeBuilder() override { return m_treeBuilder.get(); }
    void setTreeBuilder(std::unique_ptr<tq::tvwBuilder> builder) override { m_treeBuilder = std::move(builder); }
    // mnuVCompany, mnuVBaseICItem, mnuView_Sort; other names answer null.
    QAction* menuItem(const QString& name) override { return m_actions.value(name); }
    // ByCompany, ByItem, Sort, Find, Filter, refresh, search; other keys answer null.
    QAction* toolbarButton(const QString& key) override { return m_actions.value(QStringLiteral("tb") + key); }
    QString statusText(const QString& panelKey) const override;
    void setStatusText(const QString& panelKey, const QString& text) override;
    void setTitleClass(const QString& caption) override { m_titleClass->setText(caption); }
    void setTitleItem(const QString& caption) override { m_titleItem->setText(caption); }
    void SaveColumnWidths() override { m_calls << QStringLiteral("SaveColumnWidths"); }
    void RestoreColumnWidths() override { m_calls << QStringLiteral("RestoreColumnWidths"); }
    // Like the window's refresh: the selected node is clicked again and loads again.
    void Refresh() override;
    // Like the window's: the current row's code and price in the "Info" panel.
    void ShowCurrentRowPrice() override;
    void ResetQuickSearchPosition() override { m_calls << QStringLiteral("ResetQuickSearchPosition"); }

private:
    int32_t m_queryType;
    int32_t m_itemId;
    int32_t m_companyId;
    com::ComObjectPtr m_filter;
    tq::QueryOptions m_queryOptions;
    bool m_showViewBy = false;
    controls::ImageList* m_images;
    controls::TreeView* m_tree;
    controls::Ledger50* m_ledger;
    QLabel* m_titleClass;
    QLabel* m_titleItem;
    QHash<QString, QLabel*> m_panels;
    QHash<QString, QAction*> m_actions;  // menu items by name, toolbar buttons by "tb" + key
    std::unique_ptr<tq::BaseDetail> m_ledgerObject;
    std::unique_ptr<tq::tvwBuilder> m_treeBuilder;
    QStringList m_calls;
    tq::TreeNavigation m_navigation;
    tq::ViewModes m_viewModes;
};

} // namespace testsupport

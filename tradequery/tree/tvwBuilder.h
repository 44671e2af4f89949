#pragma once
// Fills the browse window's navigation tree: the item classification under "物料" (item view)
// or the customers / suppliers under "客户" / "供应商" (partner view). One query brings the
// root's children: every group of the class and the details that hang directly under the root;
// the details below a group are loaded when the group is opened (TreeNavigation).
//
// Node keys: "gc0" the root, "gi" + FItemID a group, "gb" + FItemID a detail. Tags: "1" children
// loaded, "0" not yet. The builder also offers the history statement of a node to the window.
#include "platform/ado/Recordset.h"
#include "platform/com/ObjectFactory.h"
#include "tradequery/host/QueryOptions.h"

#include <QString>
#include <cstdint>

namespace controls {
class TreeView;
}

namespace tq {

class tvwBuilder {
public:
    // Item view when true, partner view when false; set by the window before every build.
    bool BICItem = false;
    // Kept for the window: restored from and saved to the user's layout; never read here.
    bool blBatchSort = false;
    // The stored "ByCompany" layout value (1 partner view, 2 item view), kept for the window.
    int32_t mByCompany = 0;

    // tvwGroup (write-only): the tree to fill. The tree stays owned by its window and must
    // outlive the builder's use of it.
    void settvwGroup(controls::TreeView* tree) { m_tree = tree; }

    // Rebuilds the whole tree for the view BICItem chooses (queryType 1: customers, else
    // suppliers). Every step runs on its own; no error leaves it. Filter is passed on and unused.
    void SetTreeView(int32_t QueryType, const com::ComObjectPtr& Filter);

    // The history statement of a node and its conditions (see tradequery/history).
    QString GetHistorySQL(int32_t queryType, QueryOptions& options, const QString& nodeKey, int32_t partnerId,
                          int32_t mode, const QString& filterCondition) const;
    QString BuildHistoryFilter(QueryOptions& options, const QString& key, const QString& partner) const;

    // The statements of the two views, as OpenTreeQuery sends them. rightsCondition is the
    // partner view's data-right condition ("" when the user's partners are not restricted).
    static QString itemTreeStatement();
    static QString partnerTreeStatement(int32_t queryType, const QString& rightsCondition);

private:
    // Builds and runs the tree statement and keeps its recordset; on any failure keeps none.
    void OpenTreeQuery(int32_t QueryType, const com::ComObjectPtr& Filter);
    // " And CharIndex('<id>',t1.FRightUserID)>0 " when the host restricts the user's partners.
    static QString partnerRightsCondition(int32_t queryType);
    void addRootNode(int32_t queryType);
    void addRowNodes();
    void releaseRecordset();

    controls::TreeView* m_tree = nullptr;
    ado::RecordsetPtr m_treeRecords;
};

} // namespace tq

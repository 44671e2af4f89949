#pragma once
// The tree view control: a VB-style Nodes collection over a fast item view (100 000 nodes stay
// quick: uniform row heights, no sorting, keys in a hash). Shows lines and +/- buttons and keeps
// the selection visible when it loses the focus.
//
// Events:
// - NodeClick(node): the user clicked a node (every click, also on the node already selected),
//   or moved the selection with the keyboard. Selecting from code raises none.
// - Expand(node): a collapsed node was expanded, by the user or from code (Expanded = true,
//   and the ancestors that selecting or EnsureVisible open).
// - Collapse(node): an expanded node was collapsed, by the user or from code.
#include "platform/controls/TreeViewNode.h"
#include "platform/controls/TreeViewNodes.h"

#include <QRect>
#include <QWidget>

class QAbstractItemView;
class QModelIndex;

namespace controls {

class ImageList;
class TreeViewItemView;
class TreeViewModel;

class TreeView : public QWidget {
    Q_OBJECT
public:
    explicit TreeView(QWidget* parent = nullptr);
    ~TreeView() override;

    TreeNodes& Nodes() { return m_nodes; }
    const TreeNodes& Nodes() const { return m_nodes; }

    // The selected node, or a null handle when none is selected.
    Node SelectedItem() const;
    // Selects the node (a null handle clears the selection) without raising NodeClick; expands
    // its ancestors and scrolls it into view. A node of another tree raises an invalid-argument
    // error.
    void setSelectedItem(const Node& node);

    // The pictures nodes refer to by number or key; the tree does not own the list.
    void setImageList(ImageList* images);
    ImageList* imageList() const;

    // The node at a point of the item view's viewport, and a node's row rectangle there (empty
    // when the node is not shown, e.g. under a collapsed parent).
    Node HitTest(const QPoint& viewportPoint) const;
    QRect nodeRect(const Node& node) const;
    // The inner item view, for focus, fonts and simulated input.
    QAbstractItemView* itemView() const;

signals:
    void NodeClick(controls::Node node);
    void Expand(controls::Node node);
    void Collapse(controls::Node node);

private:
    friend class Node;

    Node nodeOf(const QModelIndex& index) const;
    TreeNodeRecord* checkedRecord(const Node& node) const;
    void setNodeExpanded(TreeNodeRecord* record, bool expanded);
    void expandAncestors(TreeNodeRecord* record);
    void ensureVisible(TreeNodeRecord* record);
    void onViewExpanded(const QModelIndex& index);
    void onViewCollapsed(const QModelIndex& index);
    void updateSelectedRecord();

    TreeViewModel* m_model;
    TreeViewItemView* m_view;
    TreeNodes m_nodes;
};

} // namespace controls

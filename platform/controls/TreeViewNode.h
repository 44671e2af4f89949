#pragma once
// A handle to one node of a TreeView, as the tree's Node object: cheap to copy, compared by
// identity. A default-constructed handle is null (what Parent gives for a top-level node); using
// it raises "对象变量或 With 块变量未设置". A handle whose node was removed (Clear, Remove, the
// tree destroyed) stays safe to hold, and using it raises "该节点已被删除".
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <memory>

namespace controls {

struct TreeNodeRecord;

// Setters are const: they change the node, not the handle.
class Node {
public:
    Node() = default;
    explicit Node(std::shared_ptr<TreeNodeRecord> record) : m_record(std::move(record)) {}

    bool isNull() const { return !m_record; }
    // False for a null handle and for a node no longer in its tree.
    bool isAlive() const;

    QString Key() const;
    QString Text() const;
    void setText(const QString& text) const;
    QVariant Tag() const;
    void setTag(const QVariant& tag) const;
    QVariant Image() const;
    QVariant SelectedImage() const;

    // Setting true raises the tree's Expand event when the node was collapsed (as a user's
    // expansion does); setting false raises Collapse when it was expanded.
    bool Expanded() const;
    void setExpanded(bool expanded) const;

    // 1-based position in the order of addition.
    int Index() const;
    Node Parent() const;         // null for a top-level node
    Node Root() const;           // the top-level ancestor (the node itself at the top level)
    int Children() const;
    Node Child() const;          // first child; null when there is none
    Node Next() const;           // next sibling; null for the last
    Node Previous() const;       // previous sibling; null for the first

    // Selecting from code raises no NodeClick; it expands the ancestors as needed.
    bool Selected() const;
    void setSelected(bool selected) const;
    // Expands the ancestors (raising Expand for each that was collapsed) and scrolls to the node.
    void EnsureVisible() const;

    bool operator==(const Node& other) const { return m_record == other.m_record; }
    bool operator!=(const Node& other) const { return !(*this == other); }

    TreeNodeRecord* record() const { return m_record.get(); }

private:
    TreeNodeRecord& live() const;

    std::shared_ptr<TreeNodeRecord> m_record;
};

} // namespace controls

Q_DECLARE_METATYPE(controls::Node)

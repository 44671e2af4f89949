#pragma once
// The Nodes collection of a TreeView: Count, Clear, Add, Item by 1-based index (the order of
// addition) or by key, Exists, Remove. Keys compare case-sensitively; an empty key means the node
// has none (any number of nodes may have none).
#include "platform/controls/TreeViewNode.h"

#include <QString>
#include <QVariant>

namespace controls {

class TreeViewModel;

// Where Add places the new node relative to the node named by the relative key.
enum TreeRelationship {
    tvwFirst = 0,      // first among the relative's siblings
    tvwLast = 1,       // last among the relative's siblings
    tvwNext = 2,       // right after the relative
    tvwPrevious = 3,   // right before the relative
    tvwChild = 4,      // last child of the relative
};

class TreeNodes {
public:
    explicit TreeNodes(TreeViewModel* model) : m_model(model) {}

    int Count() const;
    void Clear();

    // Adds a node and answers it. An empty relative key adds it last at the top level, whatever
    // the relationship. image / selectedImage: a 1-based number into the tree's image list, a
    // picture key, or an empty QVariant for none.
    // Raises (leaving the tree unchanged): "元素未找到" for a relative key not in the tree,
    // "关键字不唯一" for a key already in it, "索引越界"/"元素未找到" for a picture the attached
    // image list does not hold, an invalid-argument error for a relationship outside 0..4.
    Node Add(const QString& relativeKey = {}, int relationship = tvwNext, const QString& key = {},
             const QString& text = {}, const QVariant& image = {},
             const QVariant& selectedImage = {});

    // 1-based in the order of addition; outside 1..Count raises "索引越界".
    Node Item(int index) const;
    // An unknown key raises "元素未找到".
    Node Item(const QString& key) const;
    bool Exists(const QString& key) const;

    // Removes the node and all below it. The nodes added after them move down to keep Index
    // dense (1..Count), as the original collection renumbers.
    void Remove(int index);
    void Remove(const QString& key);

private:
    TreeViewModel* m_model;
};

} // namespace controls
